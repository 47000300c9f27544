#include "client/ContinueText.h"

#include "model/TranslationMarks.h"

const char* skippedGamesForm() { return QT_TRANSLATE_N_NOOP("ScreenText", "The %n newest kept games could not be loaded:"); }

const char* goesOnForm() { return QT_TRANSLATE_NOOP("ScreenText", "The game goes on from the newest one that loads, %1 AD."); }

const char* noneLoadsForm() {
    return QT_TRANSLATE_N_NOOP("ScreenText", "None of the %n kept games can be loaded; the current game goes on:");
}

// The catalogue's English forms, for the page that does not read it yet.
const char* skippedGamesForm(std::size_t skipped) {
    return skipped == 1 ? "The newest kept game could not be loaded:" : "The %1 newest kept games could not be loaded:";
}

const char* noneLoadsForm(std::size_t kept) {
    return kept == 1 ? "The kept game cannot be loaded; the current game goes on:"
                     : "None of the %1 kept games can be loaded; the current game goes on:";
}
