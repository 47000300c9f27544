#include "client/ResultsDialog.h"

#include <string>

#include "rules/World.h"

#include "model/TranslationMarks.h"

ResultsDialog resultsDialog(const World& game) {
    auto count = [](int y, int n) { return ScreenTextLine{430, y, ScreenWhite, "%1", {{std::to_string(n)}}}; };
    ResultsDialog d{250,
                    QT_TRANSLATE_NOOP("ScreenText", "Results"),
                    {count(127, game.invasionCount), count(168, game.plagueCount), count(210, game.rebellionCount)},
                    {{422, 119, 67, 32}, {422, 160, 67, 32}, {422, 202, 67, 32}}};
    if (game.romans.provinces.empty()) {
        // The picture says "You survived" and "Well done": not of a fallen empire.
        d.heading = QT_TRANSLATE_NOOP("ScreenText", "YOUR REIGN SAW:");
        d.verdict = QT_TRANSLATE_NOOP("ScreenText", "THE EMPIRE HAS FALLEN");
        d.headingFrame = {236, 66, 330, 30};
        d.verdictFrame = {220, 287, 360, 38};
    }
    return d;
}

std::vector<ScreenPhrase> resultsInWords(const World& game) {
    const bool fallen = game.romans.provinces.empty();
    return {{fallen ? QT_TRANSLATE_NOOP("ScreenText", "YOUR REIGN SAW:")
                    : QT_TRANSLATE_NOOP("ScreenText", "You survived the crisis. Your reign saw:")},
            {QT_TRANSLATE_NOOP("ScreenText", "Invasions: %1."), {{std::to_string(game.invasionCount)}}},
            {QT_TRANSLATE_NOOP("ScreenText", "Plagues: %1."), {{std::to_string(game.plagueCount)}}},
            {QT_TRANSLATE_NOOP("ScreenText", "Rebellions: %1."), {{std::to_string(game.rebellionCount)}}},
            {fallen ? QT_TRANSLATE_NOOP("ScreenText", "THE EMPIRE HAS FALLEN") : QT_TRANSLATE_NOOP("ScreenText", "Well done!")}};
}
