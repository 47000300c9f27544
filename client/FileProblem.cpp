#include "client/FileProblem.h"

#include "model/TranslationMarks.h"

const char* plainFileProblem(FileProblem problem) {
    switch (problem) {
    case FileProblem::Unwritten: return QT_TRANSLATE_NOOP("ScreenText", "The game could not be saved.");
    case FileProblem::Unopened: return QT_TRANSLATE_NOOP("ScreenText", "The file could not be opened.");
    case FileProblem::NotASavedGame: return QT_TRANSLATE_NOOP("ScreenText", "This is not an Aurovane saved game.");
    case FileProblem::CutShort: return QT_TRANSLATE_NOOP("ScreenText", "This saved game is cut short: its end is missing.");
    case FileProblem::None:
    case FileProblem::Damaged: break;
    }
    return QT_TRANSLATE_NOOP("ScreenText", "This saved game is damaged and cannot be loaded.");
}
