#pragma once
// The questions asked before the current game is given up, forms of the
// "ScreenText" context: the window translates them, the page shows them.
#include "model/TranslationMarks.h"

// Before a new game or a loaded one.
inline constexpr const char* DiscardForNewGame = QT_TRANSLATE_NOOP("ScreenText", "Discard the current game?");
// Before quitting with orders given this year: the game is kept only when a year ends.
inline constexpr const char* DiscardForQuit =
    QT_TRANSLATE_NOOP("ScreenText", "Quit now? The orders you gave this year will be lost.");
// Before a scenario.
inline constexpr const char* DiscardForScenario =
    QT_TRANSLATE_NOOP("ScreenText", "Are you sure you want to discard the current game?");
