#include "client/FigureStack.h"

#include <algorithm>
#include <cmath>

#include "client/FigureCounts.h"
#include "rules/World.h"

namespace view {

namespace {

bool holds(const LayoutRect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

std::vector<Province*> figuresInDrawingOrder(const World& game) {
    std::vector<Province*> order;
    for (auto it = game.provinceTable.rbegin(); it != game.provinceTable.rend(); ++it)
        if (*it && showsFigure(game, **it)) order.push_back(*it);
    return order;
}

int countFontPixels(double deviceScale) {
    const int wanted = int(std::ceil(12 / std::max(deviceScale, 0.1)));
    return std::clamp(wanted, 13, 16);
}

std::string countLabel(const World& game, const Empire& empire, const Province& province) {
    if (empire.isRomans()) return stackCountLabel(romanStack(game, province));
    return std::to_string(empire.countLegionsIn(province));
}

LayoutRect countPlaqueBox(const Province& province, std::string_view label, int fontPixels) {
    // A bold serif's lining figures are under 0.7 of its size wide, its
    // stroke under 0.4; four pixels of margin either side.
    int text = 0;
    for (const char c : label) text += c == '/' ? (4 * fontPixels + 9) / 10 : (7 * fontPixels + 9) / 10;
    const int h = fontPixels + fontPixels / 4 + 1;
    const int w = std::max(text + 8, h + 2);
    const LayoutPoint c = figureCorner(province);
    const FigurePlace place = figurePlace(province.name());
    const int x = place.badgeLeft ? c.x + CountBadgeLeftEdge - w : c.x + CountBadgeFoot.x;
    const int y = place.badgeHigh ? c.y + CountBadgeHighTop : c.y + CountBadgeFoot.y - h;
    return {x, y, w, h};
}

LayoutRect figureIconBox(const Province& province) {
    const LayoutPoint c = figureCorner(province);
    return {c.x, c.y, FigureWidth, FigureHeight};
}

Province* figureAt(const World& game, int x, int y, int fontPixels) {
    const std::vector<Province*> order = figuresInDrawingOrder(game);
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        for (const Empire* e : game.empires())
            if (e->countLegionsIn(**it) > 0 && holds(countPlaqueBox(**it, countLabel(game, *e, **it), fontPixels), x, y))
                return *it;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (holds(figureIconBox(**it), x, y)) return *it;
    return nullptr;
}

}  // namespace view
