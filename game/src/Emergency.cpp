#include "game/src/Emergency.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "engine/Game.h"
#include "model/InternalError.h"

QString emergencySavePath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::homePath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("emergency-%1.AVN")
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
    QString message = QStringLiteral("Aurovane has met an internal error and must end:\n\n%1")
                          .arg(QString::fromLocal8Bit(text.c_str()));
    message += saved.isEmpty() ? QStringLiteral("\n\nThe game could not be saved.")
                               : QStringLiteral("\n\nThe game was saved to:\n%1").arg(saved);
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (showBox) QMessageBox::critical(nullptr, QStringLiteral("Aurovane"), message);
    return saved;
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const InternalError& e) {
        fatal(e.what());
    } catch (const std::exception& e) {
        fatal(e.what());
    }
}

void GameApplication::fatal(const char* text) {
    reportInternalError(Game::exists() ? &Game::instance() : nullptr, text, showErrorBox);
    std::fflush(nullptr);
    std::_Exit(1);
}
