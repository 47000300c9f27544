#include "client/ContinueText.h"

#include "model/TranslationMarks.h"

const char* skippedGamesForm() { return QT_TRANSLATE_N_NOOP("ScreenText", "The %n newest kept games could not be loaded:"); }

const char* goesOnForm() { return QT_TRANSLATE_NOOP("ScreenText", "The game goes on from the newest one that loads, %1 AD."); }

const char* noneLoadsForm() {
    return QT_TRANSLATE_N_NOOP("ScreenText", "None of the %n kept games can be loaded; the current game goes on:");
}

