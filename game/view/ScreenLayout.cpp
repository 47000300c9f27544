#include "game/view/ScreenLayout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "rules/World.h"

namespace view {

namespace {

// Figures the rules place mostly over a neighbour or over a name painted on
// the map, moved (in map pixels) onto their own land.
struct Nudge {
    const char* province;
    int dx, dy;
};
constexpr Nudge nudges[] = {
    {"Macedonia", 0, 73},   // off the Thracian border, south of its name
    {"Lower Rhine", 6, 28}, // under its name
    {"Belgica", 15, 60},    // under its name
    {"Upper Rhine", 0, 30}, // under its name
    {"Africa", 0, 22},      // out of the sea
    {"Syria", 0, -6},       // above its name
    {"Mauretania", 0, -8},  // above its name
};

// The centre of a pick-up box, doubled to stay in whole pixels.
LayoutPoint doubledBoxCentre(const Province& p) {
    const LayoutPoint c = figureCorner(p);
    return {2 * c.x + PickUpBoxWidth, 2 * c.y + PickUpBoxHeight};
}

}  // namespace

LayoutPoint figureCorner(const Province& province) {
    for (const Nudge& n : nudges)
        if (province.name() == n.province) return {province.legionX() + n.dx, province.legionY() + n.dy};
    return {province.legionX(), province.legionY()};
}

Province* pickUpBoxAt(const World& game, int x, int y) {
    for (Province* p : game.provinceTable) {
        if (!p) continue;
        const LayoutPoint c = figureCorner(*p);
        if (x >= c.x && x < c.x + PickUpBoxWidth && y >= c.y && y < c.y + PickUpBoxHeight) return p;
    }
    return nullptr;
}

const Province* nextInDirection(const World& game, const Province& from, int dx, int dy) {
    const LayoutPoint origin = doubledBoxCentre(from);
    const Province* best = nullptr;
    bool bestInCone = false;
    double bestScore = std::numeric_limits<double>::max();
    for (const Province* q : game.provinceTable) {
        if (!q || q == &from) continue;
        const LayoutPoint c = doubledBoxCentre(*q);
        const double x = (c.x - origin.x) / 2.0, y = (c.y - origin.y) / 2.0;
        const double along = dx * x + dy * y;
        const double across = std::abs(dx * y - dy * x);
        if (along <= 0) continue;
        // Within 60 degrees either side a province counts as lying that way.
        const bool inCone = across <= along * 1.75;
        const double score = along + 2.0 * across;
        if ((inCone && !bestInCone) || (inCone == bestInCone && score < bestScore)) {
            best = q;
            bestInCone = inCone;
            bestScore = score;
        }
    }
    return best;
}

LayoutPoint crossedSwordsPlace(const Province& from, const Province& to) {
    const LayoutPoint a = figureCorner(from), b = figureCorner(to);
    // Half way between the figures, at the middle of a standing legion.
    return {(a.x + b.x) / 2 + MapLeft + 25 - 11, (a.y + b.y) / 2 + MapTop + 14};
}

std::vector<LayoutRect> zoomFrames(int x, int y, int width, int height) {
    int left = x, right = x, top = y, bottom = y;
    const int dLeft = (width / 2 - x - 300) / 10;
    const int dRight = (width / 2 - x + 300) / 10;
    const int dTop = (height / 2 - y - 200) / 10;
    const int dBottom = (height / 2 - y + 200) / 10;
    std::vector<LayoutRect> frames;
    for (int i = 0; i < 10; ++i) {
        frames.push_back({std::min(left, right), std::min(top, bottom), std::abs(right - left), std::abs(bottom - top)});
        left += dLeft;
        right += dRight;
        top += dTop;
        bottom += dBottom;
    }
    frames.push_back({left, top, 600, 400});
    return frames;
}

}  // namespace view
