#include "client/LegendMarks.h"

namespace view {

// Right of the icons (legendPictures), clear of their names; free land in the
// gap between the rebels' name and the note on the numbers.
std::vector<LegendMark> legendMarks(int o) {
    return {{o + 132, 222, 34, 34, Power::Barbarians},
            {o + 132, 312, 34, 34, Power::Sassanids},
            {o + 132, 422, 34, 34, Power::RogueRomans},
            {o + 20, 499, 24, 20, std::nullopt}};
}

}  // namespace view
