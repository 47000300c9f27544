#include "client/ContinueText.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

const char* skippedGamesForm(std::size_t skipped) {
    return skipped == 1 ? QT_TRANSLATE_NOOP("ScreenText", "The newest kept game could not be loaded:")
                        : QT_TRANSLATE_NOOP("ScreenText", "The %1 newest kept games could not be loaded:");
}

const char* goesOnForm() { return QT_TRANSLATE_NOOP("ScreenText", "The game goes on from the newest one that loads, %1 AD."); }

const char* noneLoadsForm(std::size_t kept) {
    return kept == 1 ? QT_TRANSLATE_NOOP("ScreenText", "The kept game cannot be loaded; the current game goes on:")
                     : QT_TRANSLATE_NOOP("ScreenText", "None of the %1 kept games can be loaded; the current game goes on:");
}
