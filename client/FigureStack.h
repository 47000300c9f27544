#pragma once
// The legion figures on the map as every front end draws them and as a
// press or a drop reads them: one drawing order, one box for each icon and
// each count plaque. What a player sees on top is what a press takes.
#include <string>
#include <string_view>
#include <vector>

#include "client/ScreenLayout.h"

class World;
class Province;
class Empire;

namespace view {

// The provinces whose figures are drawn, in the order they are drawn: the
// first provinces of the table last, on top. Every count plaque is drawn
// after every icon, in the same order, so that no figure hides a count.
std::vector<Province*> figuresInDrawingOrder(const World& game);

// The pixel size of the counts' text in layout pixels on a composition of
// `deviceScale` device pixels per layout pixel: 12 device pixels or more
// where the map is shown at three quarters of its size or larger; below
// that the counts stop growing, or they would bury a neighbour's name.
int countFontPixels(double deviceScale);

// The count an empire's figure carries in a province ("ready/total" for
// Romans some of whom cannot take an order).
std::string countLabel(const World& game, const Empire& empire, const Province& province);

// The plaque a count is drawn on and read from, in map pixels: beside the
// figure's feet, or left of it, or beside its head, as the province's place
// says; wide enough for lining figures of a bold serif of `fontPixels`.
LayoutRect countPlaqueBox(const Province& province, std::string_view label, int fontPixels);
// The box a figure's icon is read from, in map pixels: the widest icon and
// the tallest, at the figure's corner.
LayoutRect figureIconBox(const Province& province);

// The province whose figure or count is drawn on top at a map point, counts
// being drawn over icons; nullptr off every figure.
Province* figureAt(const World& game, int mapX, int mapY, int fontPixels);

}  // namespace view
