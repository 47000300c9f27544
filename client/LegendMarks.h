#pragma once
// Where the legend shows each holder's pattern (client/HolderMarks.h): a
// sample beside the icon of the tribes, the Persians and the rebels, and one
// for free land, which has no icon, before its words (legendLines).
#include <optional>
#include <vector>

#include "model/Power.h"

namespace view {

struct LegendMark {
    int x, y, w, h;  // layout pixels
    std::optional<Power> holder;
};

std::vector<LegendMark> legendMarks(int offsetX);

}  // namespace view
