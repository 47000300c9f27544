#pragma once
// Which province a press or a drop on the map means, one hit test for the
// window and the page, read from what is drawn: on a figure (its icon, or
// the plaque with its count) the province of the figure drawn on top there,
// whatever land it stands on. The terminal's drop at a map point keeps the
// rules' rectangles.
class World;
class Province;

namespace view {

class PaintedProvinces;

// The province a press at a map point picks legions up from, with counts
// drawn at `fontPixels` (FigureStack.h): the figure on top there; off every
// figure, the province painted there where its figure would stand (its
// pick-up box), which then says why nothing can be picked up; else nullptr.
Province* pickUpAt(const World& game, const PaintedProvinces& painted, int mapX, int mapY, int fontPixels);

// The province a drop at a map point means: the figure on top there, else
// the province painted there; nullptr for the sea.
Province* dropTargetAt(const World& game, const PaintedProvinces& painted, int mapX, int mapY, int fontPixels);

}  // namespace view
