#include "editor/PowerNames.h"

#include <QCoreApplication>

#include "engine/Game.h"

namespace editor {

QString powerName(const Game& game, const Empire* empire) {
    const char* name = QT_TRANSLATE_NOOP("editor::EditorWindow", "No one");
    if (empire == &game.romans) name = QT_TRANSLATE_NOOP("editor::EditorWindow", "Romans");
    else if (empire == &game.barbarians) name = QT_TRANSLATE_NOOP("editor::EditorWindow", "Barbarians");
    else if (empire == &game.sassanids) name = QT_TRANSLATE_NOOP("editor::EditorWindow", "Sassanids");
    else if (empire == &game.rogueRomans) name = QT_TRANSLATE_NOOP("editor::EditorWindow", "Rebelling Legions");
    return QCoreApplication::translate("editor::EditorWindow", name);
}

}  // namespace editor
