#pragma once
#include <QApplication>
#include <QString>
#include <string>

class Game;

// Where the position is written when an internal error ends the program:
// beside the user's own saves (the application data folder).
QString emergencySavePath();

// Writes the emergency save, shows the error's text in an error box, and
// returns the path written (empty when even that failed).
QString reportInternalError(Game* game, const std::string& text, bool showBox);

// The game's application object: every handler runs through notify(), where
// an internal error of the rules (or any other escaped exception) ends the
// program, after its text was shown and the position saved.
class GameApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    [[noreturn]] static void fatal(const char* text);
    // Off only where nobody could answer the box (tests).
    static inline bool showErrorBox = true;
};
