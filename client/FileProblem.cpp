#include "client/FileProblem.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

bool has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

const char* plainFileProblem(const std::string& detail, FileAccess access) {
    if (access == FileAccess::Save) return QT_TRANSLATE_NOOP("ScreenText", "The game could not be saved.");
    if (has(detail, "Unable to open file")) return QT_TRANSLATE_NOOP("ScreenText", "The file could not be opened.");
    // Refused on its very first line, or not text at all: some other kind of file.
    if (has(detail, "(line 1).") || has(detail, "NUL byte") || has(detail, "not UTF-8") || has(detail, "UTF-16") ||
        has(detail, "UTF-32"))
        return QT_TRANSLATE_NOOP("ScreenText", "This is not an Aurovane saved game.");
    if (has(detail, "the file ends before"))
        return QT_TRANSLATE_NOOP("ScreenText", "This saved game is cut short: its end is missing.");
    return QT_TRANSLATE_NOOP("ScreenText", "This saved game is damaged and cannot be loaded.");
}
