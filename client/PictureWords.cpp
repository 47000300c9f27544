#include "client/PictureWords.h"

#include <iterator>

#include "client/ScreenText.h"
#include "rules/World.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

constexpr const char* CountForms[] = {QT_TRANSLATE_NOOP("PictureWords", "Invasions: %1"),
                                      QT_TRANSLATE_NOOP("PictureWords", "Plagues: %1"),
                                      QT_TRANSLATE_NOOP("PictureWords", "Rebellions: %1")};

constexpr const char* Credits[] = {
    QT_TRANSLATE_NOOP("PictureWords", "Aurovane"),
    QT_TRANSLATE_NOOP("PictureWords", "An educational strategy game of the late Roman Empire, 235 - 476 AD"),
    QT_TRANSLATE_NOOP("PictureWords", "Design, rules and programming: the Aurovane team."),
    QT_TRANSLATE_NOOP("PictureWords", "Pictures: drawn by our own generators, every figure made in code."),
    QT_TRANSLATE_NOOP("PictureWords", "Sounds and narration: made for this game by the Aurovane team."),
    QT_TRANSLATE_NOOP("PictureWords", "Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1."),
    QT_TRANSLATE_NOOP("PictureWords", "Version 1.0. Vale, Princeps!")};

}  // namespace

std::vector<std::string> resultsInWords(const World& game) {
    const bool fallen = game.romans.provinces.empty();
    const int counts[] = {game.invasionCount, game.plagueCount, game.rebellionCount};
    std::vector<std::string> words{fallen ? QT_TRANSLATE_NOOP("PictureWords", "Your reign saw:")
                                          : QT_TRANSLATE_NOOP("PictureWords", "You survived:")};
    for (std::size_t i = 0; i < std::size(counts); ++i) words.push_back(fillForm(CountForms[i], {std::to_string(counts[i])}));
    words.push_back(fallen ? QT_TRANSLATE_NOOP("PictureWords", "The Empire has fallen.")
                           : QT_TRANSLATE_NOOP("PictureWords", "Well done, Princeps."));
    return words;
}

std::vector<std::string> creditsInWords() { return {std::begin(Credits), std::end(Credits)}; }
