#pragma once
#include <QApplication>
#include <QString>
#include <string>

class Game;

// Where the position is written when an internal error ends the program:
// beside the user's own saves (the application's data folder).
QString emergencySavePath();

// Writes the emergency save, prints the error's text and shows it in an error
// box; returns the path written (empty when even that failed).
QString reportInternalError(Game* game, const std::string& text, bool showBox);

// The application object of both programs: every handler runs through
// notify(), where an internal error (or any other escaped exception) ends the
// program after its text was shown and the position saved.
class FatalErrorApplication : public QApplication {
    Q_DECLARE_TR_FUNCTIONS(FatalErrorApplication)
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    [[noreturn]] static void fatal(const char* text);
    // The game whose position the emergency save keeps (nullptr: none).
    static inline Game* game = nullptr;
    // Off only where nobody could answer the box (tests).
    static inline bool showErrorBox = true;
};
