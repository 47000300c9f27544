#pragma once
// Where the parts of the map screen stand, in layout pixels (see MapDrawing.h),
// for every front end that draws it: the window paints with these numbers and
// the page is given them. Plain C++: the page's engine is built without Qt.
#include <string_view>
#include <vector>

class World;
class Province;

namespace view {

constexpr int LayoutWidth = 1366;
// Tall enough for the report scroll (664) with a margin; wider compositions
// keep this height.
constexpr int LayoutHeight = 672;
constexpr int MapLeft = 180;
constexpr int MapTop = 30;
constexpr int MapWidth = 800;
constexpr int MapHeight = 548;

struct LayoutPoint {
    int x, y;
};
struct LayoutRect {
    int x, y, w, h;
};

// The report scroll's picture.
inline constexpr LayoutPoint ScrollPlace{980, 0};
// The white frames around the map and around the information line: their
// lines run from (x, y) to (x + w, y + h).
inline constexpr LayoutRect MapFrame{175, 25, 810, 558};
inline constexpr LayoutRect InfoFrame{175, 590, 810, 30};
// The black box the information line is written in.
inline constexpr LayoutRect InfoBox{185, 595, 780, 23};
// How far a line of the screen may run to the right: the legend's column,
// which the map's frame closes, and the report scroll's paper, short of its
// rollers. A longer line than that is set a size smaller.
inline constexpr int LegendTextRight = 172;
inline constexpr int ScrollTextRight = 1305;
// The banner of a new turn.
inline constexpr LayoutRect BannerPlace{453, 285, 254, 38};
// A figure's count stands on a plaque whose left edge and foot are this far
// from the figure's corner; where a name or a neighbour leaves no room there,
// its right edge is CountBadgeLeftEdge from the corner (left of the figure),
// or its top CountBadgeHighTop below it (beside the head).
inline constexpr LayoutPoint CountBadgeFoot{34, 64};
inline constexpr int CountBadgeLeftEdge = 4;
inline constexpr int CountBadgeHighTop = 15;

// How a province's figures are placed: moved by (dx, dy) map pixels from the
// rules' legion spot, the count beside the feet or the head, right or left of
// the figure.
struct FigurePlace {
    int dx = 0, dy = 0;
    bool badgeLeft = false;
    bool badgeHigh = false;
};
FigurePlace figurePlace(std::string_view province);
// Map point of the top-left corner of a province's figures: the rules' legion
// spot, moved where a figure would stand on a neighbour's land or name, or
// crowd a neighbour's figure. The rules keep their own spots (the terminal
// edition's orders and saved games rely on them).
LayoutPoint figureCorner(const Province& province);
// The rules' legion box moved with the figure, in map pixels: the frame of
// the keyboard's highlight, and the boxes whose centres the keyboard's
// arrows go between.
inline constexpr int PickUpBoxWidth = 74, PickUpBoxHeight = 60;
// Whether any power has legions in the province, so that its figure is drawn.
bool showsFigure(const World& game, const Province& province);

// The box a legion figure's icon takes a press or a drop in, from its
// corner: the widest icon and the tallest.
inline constexpr int FigureWidth = 43, FigureHeight = 65;

// The nearest province from `from` in a direction (dx, dy one of the four
// unit steps, y down), by the centres of the pick-up boxes: within 60 degrees
// of it first, off to the side only when nothing lies that way; none when no
// province lies that way at all.
const Province* nextInDirection(const World& game, const Province& from, int dx, int dy);

// The top-left corner of the crossed swords between two provinces' figures
// (a rebel's move), at horizontal screen offset 0.
LayoutPoint crossedSwordsPlace(const Province& from, const Province& to);

// The frames that grow from a layout point to the 600x400 place of the lesson
// dialog on a composition of the given size (outlines whose lines run from
// (x, y) to (x + w, y + h)); the dialog's place is the last.
std::vector<LayoutRect> zoomFrames(int x, int y, int layoutWidth, int layoutHeight);

}  // namespace view
