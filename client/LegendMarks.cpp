#include "client/LegendMarks.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace view {

// Right of the icons (legendPictures), clear of their names; free land in the
// gap between the rebels' name and the note on the numbers.
std::vector<LegendMark> legendMarks(int o) {
    return {{o + 100, 225, 30, 30, Power::Barbarians},
            {o + 100, 320, 30, 30, Power::Sassanids},
            {o + 100, 425, 30, 30, Power::RogueRomans},
            {o + 12, 500, 20, 20, std::nullopt}};
}

ScreenTextLine freeLandLegendLine(int o) {
    return {o + 40, 502, ScreenWhite, QT_TRANSLATE_NOOP("ScreenText", "Free land")};
}

}  // namespace view
