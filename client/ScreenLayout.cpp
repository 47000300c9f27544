#include "client/ScreenLayout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "rules/World.h"

namespace view {

namespace {

// Figures the rules place mostly over a neighbour or over a name painted on
// the map, moved (in map pixels) onto their own land, and the counts that
// would touch a name or a neighbour's figure moved to another side. Where a
// province is too small for a figure between the names (Belgica, the Lower
// Rhine, Pontus), the figure keeps clear of the names and stands on its own
// land as far as it can.
struct Placement {
    const char* province;
    FigurePlace place;
};
constexpr Placement placements[] = {
    {"Terraconensis", {0, -3, false, false}},
    {"Upper Rhine", {0, -57, false, true}},     // above its name
    {"Mauretania", {-63, 19, true, false}},     // west of its name
    {"Africa", {-2, 2, false, false}},
    {"Dalmatia", {0, 0, true, true}},
    {"Macedonia", {0, -6, false, false}},       // above its name
    {"Pontus", {-35, 0, true, false}},          // on its coast, west of its name
    {"Palestina", {1, -6, false, false}},
    {"Armenia", {7, 0, true, false}},
    {"Syria", {1, -6, false, false}},
    {"Dacia", {-17, 3, false, true}},
    {"Pannonia", {-24, 0, true, false}},
    {"Britannia", {0, -6, false, false}},
    {"Thracia", {-31, 0, false, true}},         // off Dacia, west of its name
    {"Belgica", {12, 60, false, false}},        // under its name
    {"Lower Rhine", {20, 30, true, true}},      // between Belgica's name and the Upper Rhine's
    {"Lugdunensis", {0, 6, false, false}},
    {"Narbonensis", {0, -6, false, false}},
    {"Raetia", {0, -6, false, false}},
    {"Lydia", {28, 2, false, false}},
    {"Mesopotamia", {-5, 0, false, false}},
    {"Phrygia", {0, -6, false, false}},
    {"Cappadocia", {-18, 1, true, false}},
};

// The centre of a pick-up box, doubled to stay in whole pixels.
LayoutPoint doubledBoxCentre(const Province& p) {
    const LayoutPoint c = figureCorner(p);
    return {2 * c.x + PickUpBoxWidth, 2 * c.y + PickUpBoxHeight};
}

}  // namespace

FigurePlace figurePlace(std::string_view province) {
    for (const Placement& p : placements)
        if (province == p.province) return p.place;
    return {};
}

LayoutPoint figureCorner(const Province& province) {
    const FigurePlace place = figurePlace(province.name());
    return {province.legionX() + place.dx, province.legionY() + place.dy};
}

bool showsFigure(const World& game, const Province& province) {
    for (const Empire* e : game.empires())
        if (e->countLegionsIn(province) > 0) return true;
    return false;
}

Province* pickUpBoxAt(const World& game, int x, int y) {
    Province* empty = nullptr;
    for (Province* p : game.provinceTable) {
        if (!p) continue;
        const LayoutPoint c = figureCorner(*p);
        if (x < c.x || x >= c.x + PickUpBoxWidth || y < c.y || y >= c.y + PickUpBoxHeight) continue;
        if (showsFigure(game, *p)) return p;
        if (!empty) empty = p;
    }
    return empty;
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
