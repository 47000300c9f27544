#include "client/DropTarget.h"

#include "client/FigureStack.h"
#include "client/PaintedProvinces.h"
#include "rules/World.h"

namespace view {

Province* pickUpAt(const World& game, const PaintedProvinces& painted, int x, int y, int fontPixels) {
    if (Province* figure = figureAt(game, x, y, fontPixels)) return figure;
    Province* land = painted.at(game, x, y);
    if (!land) return nullptr;
    const LayoutPoint c = figureCorner(*land);
    const bool inBox = x >= c.x && x < c.x + PickUpBoxWidth && y >= c.y && y < c.y + PickUpBoxHeight;
    return inBox ? land : nullptr;
}

Province* dropTargetAt(const World& game, const PaintedProvinces& painted, int x, int y, int fontPixels) {
    if (Province* figure = figureAt(game, x, y, fontPixels)) return figure;
    return painted.at(game, x, y);
}

}  // namespace view
