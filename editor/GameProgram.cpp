#include "editor/GameProgram.h"

#include <QDir>
#include <QFileInfo>

namespace editor {

QStringList gameProgramCandidates(const QString& editorFolder) {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("aurovane.exe");
#else
    const QString name = QStringLiteral("aurovane");
#endif
    const QDir here(editorFolder);
    return {QDir::cleanPath(here.filePath(name)), QDir::cleanPath(here.filePath(QStringLiteral("../game/") + name))};
}

QString findGameProgram(const QString& editorFolder) {
    for (const QString& path : gameProgramCandidates(editorFolder)) {
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable()) return info.absoluteFilePath();
    }
    return {};
}

}  // namespace editor
