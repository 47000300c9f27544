#include "qtcommon/FatalErrors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "engine/Game.h"
#include "qtcommon/RulesText.h"

QString emergencySavePath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("emergency-%1.avn")
                                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"))));
}

QString reportInternalError(Game* game, const std::string& text, bool showBox) {
    QString saved;
    if (game) {
        const QString path = emergencySavePath();
        try {
            if (game->saveToFile(QFile::encodeName(path).toStdString()).ok) saved = path;
        } catch (...) {
            // The position itself is broken; the error text is still shown.
        }
    }
    const QString message =
        saved.isEmpty()
            ? FatalErrorApplication::tr("%1 has met an internal error and must end:\n\n%2\n\nThe game could not be saved.")
                  .arg(QCoreApplication::applicationName(), fromRulesText(text))
            : FatalErrorApplication::tr("%1 has met an internal error and must end:\n\n%2\n\nThe game was saved to: %3")
                  .arg(QCoreApplication::applicationName(), fromRulesText(text), saved);
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    if (showBox) QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message);
    return saved;
}

bool FatalErrorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        fatal(e.what());
    }
}

void FatalErrorApplication::fatal(const char* text) {
    static bool ending = false;
    if (ending) {
        // A second error while the first is being reported: just go.
        std::fprintf(stderr, "%s\n", text);
        std::fflush(nullptr);
        std::_Exit(1);
    }
    ending = true;
    // No more painting of windows that cannot be drawn.
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    reportInternalError(game, text, showErrorBox);
    std::fflush(nullptr);
    std::_Exit(1);
}
