#pragma once
// Where a drop of carried legions lands, one hit test for the window and the
// page: on a figure (its icon, or the plaque with its count) it means that
// figure's province, whatever land it stands on; elsewhere the province
// painted there. The terminal's drop at a map point keeps the rules' rectangles.
#include "client/ScreenLayout.h"

class World;
class Province;

namespace view {

class PaintedProvinces;

// The box a count plaque takes a drop in: the plaque of a two-figure count as
// the window draws it at its own size, wherever the count of the province stands.
inline constexpr int CountPlaqueWidth = 26, CountPlaqueHeight = 16;
LayoutRect countPlaqueBox(const Province& province);

// The province a drop on a figure means: the first, in table order, whose
// figure is drawn and whose icon or count plaque holds the map point; nullptr
// off every figure.
Province* figureAt(const World& game, int mapX, int mapY);

// The province a drop at a map point means; nullptr for the sea.
Province* dropTargetAt(const World& game, const PaintedProvinces& painted, int mapX, int mapY);

}  // namespace view
