#pragma once
// Where the legend shows each holder's pattern (client/HolderMarks.h): a
// swatch beside the icon of the tribes, the Persians and the rebels, and one
// for free land with its own words, which has no icon.
#include <optional>
#include <vector>

#include "client/ScreenText.h"
#include "model/Power.h"

namespace view {

struct LegendMark {
    int x, y, w, h;  // layout pixels
    std::optional<Power> holder;
};

std::vector<LegendMark> legendMarks(int offsetX);
// The words beside the free land's swatch.
ScreenTextLine freeLandLegendLine(int offsetX);

}  // namespace view
