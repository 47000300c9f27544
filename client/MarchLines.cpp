#include "client/MarchLines.h"

#include <cmath>

#include "client/ScreenLayout.h"
#include "rules/World.h"

namespace view {

namespace {

// The middle of a province's standing figure.
LayoutPointF centreOf(const Province& province) {
    const LayoutPoint c = figureCorner(province);
    return {MapLeft + c.x + 17.5, MapTop + c.y + 40.0};
}

}  // namespace

std::vector<MarchLine> marchLines(const World& game) {
    std::vector<MarchLine> lines;
    for (const auto& l : game.romans.legions) {
        if (!l->hasRoute) continue;
        MarchLine line;
        line.points.push_back(centreOf(*l->province));
        for (std::size_t i = std::size_t(l->routeIndex) + 1; i < l->route.size(); ++i)
            line.points.push_back(centreOf(*l->route[i]));
        if (line.points.size() < 2) continue;
        const LayoutPointF tip = line.points.back();
        const LayoutPointF before = line.points[line.points.size() - 2];
        const double dx = tip.x - before.x, dy = tip.y - before.y;
        const double length = std::hypot(dx, dy);
        if (length >= 1) {
            const double ux = dx / length, uy = dy / length;
            const double nx = -uy, ny = ux;
            line.head = {tip, {tip.x - ux * 14 + nx * 7, tip.y - uy * 14 + ny * 7},
                         {tip.x - ux * 14 - nx * 7, tip.y - uy * 14 - ny * 7}};
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::array<LayoutPointF, 4> pennant(double left, double top) {
    const double poleLeft = left + 3, poleTop = top - 14;
    return {{{poleLeft, top}, {poleLeft, poleTop}, {poleLeft + 12, poleTop + 4}, {poleLeft, poleTop + 8}}};
}

}  // namespace view
