#include "client/PictureWords.h"

#include <iterator>

#include "model/TranslationMarks.h"

namespace {

constexpr const char* Credits[] = {
    QT_TRANSLATE_NOOP("PictureWords", "Aurovane."),
    QT_TRANSLATE_NOOP("PictureWords", "An educational strategy game of the late Roman Empire, 235 to 476 AD."),
    QT_TRANSLATE_NOOP("PictureWords", "Design, rules and programming: the Aurovane team."),
    QT_TRANSLATE_NOOP("PictureWords", "Pictures: drawn by our own generators, every figure made in code."),
    QT_TRANSLATE_NOOP("PictureWords", "Sounds and narration: made for this game by the Aurovane team."),
    QT_TRANSLATE_NOOP("PictureWords", "Typeface: EB Garamond by Georg Duffner, SIL Open Font License 1.1."),
    QT_TRANSLATE_NOOP("PictureWords", "Version 1.0. Vale, Princeps!")};

}  // namespace

std::vector<std::string> creditsInWords() { return {std::begin(Credits), std::end(Credits)}; }
