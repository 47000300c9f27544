#include "editor/PowerNames.h"

#include <QCoreApplication>

#include "client/EditorSession.h"

namespace editor {

QString powerName(const Game& game, const Empire* empire) {
    return QCoreApplication::translate("editor::EditorWindow", holderName(game, empire));
}

}  // namespace editor
