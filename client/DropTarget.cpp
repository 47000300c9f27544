#include "client/DropTarget.h"

#include "client/PaintedProvinces.h"
#include "rules/World.h"

namespace view {

namespace {

bool holds(const LayoutRect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

LayoutRect countPlaqueBox(const Province& province) {
    const LayoutPoint c = figureCorner(province);
    const FigurePlace place = figurePlace(province.name());
    const int x = place.badgeLeft ? c.x + CountBadgeLeftEdge - CountPlaqueWidth : c.x + CountBadgeFoot.x;
    const int y = place.badgeHigh ? c.y + CountBadgeHighTop : c.y + CountBadgeFoot.y - CountPlaqueHeight;
    return {x, y, CountPlaqueWidth, CountPlaqueHeight};
}

Province* figureAt(const World& game, int x, int y) {
    for (Province* p : game.provinceTable) {
        if (!p || !showsFigure(game, *p)) continue;
        const LayoutPoint c = figureCorner(*p);
        if (holds({c.x, c.y, FigureWidth, FigureHeight}, x, y) || holds(countPlaqueBox(*p), x, y)) return p;
    }
    return nullptr;
}

Province* dropTargetAt(const World& game, const PaintedProvinces& painted, int x, int y) {
    if (Province* figure = figureAt(game, x, y)) return figure;
    return painted.at(game, x, y);
}

}  // namespace view
