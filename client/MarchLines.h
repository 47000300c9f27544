#pragma once
// The marks of the Roman legions on the march, for the window and the page:
// a dashed route with an arrowhead from every marching legion to its
// destination, drawn under the figures, and the red pennant a marching
// stack flies over its count. Plain C++: the page's engine has no Qt.
#include <array>
#include <vector>

class World;

namespace view {

struct LayoutPointF {
    double x, y;
};

// Layout pixels at screen offset 0, to be clipped to the map.
struct MarchLine {
    std::vector<LayoutPointF> points;  // from the legion's province on to its destination
    std::vector<LayoutPointF> head;    // the arrowhead's tip and barbs; none where the last leg has no length
};
std::vector<MarchLine> marchLines(const World& game);

// A light band under a dashed line of ink; the head filled with ink, rimmed
// light. Colours 0xAARRGGBB, widths in layout pixels; the dashes and gaps in
// line widths.
inline constexpr unsigned MarchBand = 0xc8fff5dc, MarchInk = 0xff961414, MarchHeadRim = 0xfffff5dc;
inline constexpr double MarchBandWidth = 5, MarchLineWidth = 2.5, MarchHeadRimWidth = 1.5;
inline constexpr std::array<double, 2> MarchDashes{4, 2};

// The pennant over a count plaque whose top-left corner is at (left, top):
// the pole's foot and top, the flag's tip and its lower corner.
std::array<LayoutPointF, 4> pennant(double left, double top);
inline constexpr unsigned PennantRim = 0xff5a0a0a, PennantCloth = 0xffc81e1e;
inline constexpr double PennantRimWidth = 1.5;

}  // namespace view
