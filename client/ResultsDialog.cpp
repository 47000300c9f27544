#include "client/ResultsDialog.h"

#include <string>

#include "rules/World.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

ResultsDialog resultsDialog(const World& game) {
    auto count = [](int y, int n) { return ScreenTextLine{430, y, ScreenWhite, "%1", {{std::to_string(n)}}}; };
    return {250, QT_TRANSLATE_NOOP("ScreenText", "Results"),
            {count(127, game.invasionCount), count(168, game.plagueCount), count(210, game.rebellionCount)}};
}
