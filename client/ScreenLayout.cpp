#include "client/ScreenLayout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "rules/World.h"

namespace view {

namespace {

// Where the figures stand, moved (in map pixels) from the rules' legion
// spots so that none stands on a neighbour's land or name, none covers
// another, and every count lies nearer its own figure than any other: found
// over the painted provinces and their names for counts of every size a
// window draws. Where a province has no room for a figure beside its name
// (most of Gaul, Raetia, Pannonia, Dacia, the Rhine and Danube lands, Macedonia,
// Thracia, Lydia, Phrygia, Syria, Mesopotamia) the figure stands on its own
// name, which the information line gives under the pointer.
struct Placement {
    const char* province;
    FigurePlace place;
};
constexpr Placement placements[] = {
    {"Aquitania", {-10, 21, true, false}},
    {"Terraconensis", {0, -3, false, false}},
    {"Upper Rhine", {-11, -6, false, false}},
    {"Mauretania", {-63, 19, true, false}},
    {"Africa", {-2, 2, false, false}},
    {"Aegyptus", {0, -4, true, true}},
    {"Dalmatia", {14, 4, true, true}},
    {"Macedonia", {-2, 15, false, false}},
    {"Pontus", {-5, -31, true, true}},
    {"Palestina", {-9, -6, false, false}},
    {"Armenia", {11, 1, true, false}},
    {"Sarmatia", {0, -1, false, false}},
    {"Syria", {31, 7, true, false}},
    {"Dacia", {21, 18, true, true}},
    {"Pannonia", {32, 28, true, true}},
    {"Britannia", {0, -8, true, false}},
    {"Thracia", {17, 13, false, true}},
    {"Belgica", {-6, 13, false, false}},
    {"Lower Rhine", {-1, -6, true, true}},
    {"Lower Danube", {15, -57, false, true}},
    {"Mesopotamia", {1, 19, true, false}},
    {"Upper Danube", {7, 1, true, false}},
    {"Lusitania", {1, -1, true, false}},
    {"Lugdunensis", {-31, 6, false, false}},
    {"Narbonensis", {-3, 23, false, false}},
    {"Raetia", {-10, 11, false, true}},
    {"Lydia", {0, 35, true, false}},
    {"Phrygia", {2, 20, true, false}},
    {"Cappadocia", {-20, -11, false, true}},
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
