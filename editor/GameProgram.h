#pragma once
#include <QString>
#include <QStringList>

namespace editor {

// The places the game program may stand, relative to the editor's folder:
// beside it, as installed, then the game's folder of a build tree.
QStringList gameProgramCandidates(const QString& editorFolder);
// The first of them that is a program; empty when there is none.
QString findGameProgram(const QString& editorFolder);

}  // namespace editor
