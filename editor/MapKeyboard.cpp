// The editor's map from the keyboard: the arrow keys move the highlighted
// (selected) province, Shift with an arrow adds the next one to the
// selection, and letters set the holder and the legions of the selection,
// so that nothing needs the mouse or the right-click menu. The highlighted
// province is named to a screen reader as it moves.
#include <QAccessible>
#include <QCoreApplication>

#include "client/KeyboardChoice.h"
#include "client/ProvinceDescription.h"
#include "client/ScreenLayout.h"
#include "editor/EditorWindow.h"
#include "engine/Game.h"
#include "qtcommon/view/MapDrawing.h"

namespace editor {

namespace {

QString describe(const World& game, const Province& province) {
    QStringList words;
    for (const ScreenPhrase& p : provinceDescription(game, province)) words << view::screenText(p.form, p.args);
    return words.join(QLatin1Char(' '));
}

}  // namespace

QString EditorWindow::mapKeysHelp() {
    return tr(
        "Arrow keys move the highlighted province; Shift with an arrow adds the next one to the selection. "
        "R, B, S, L and N give the selection to Rome, the barbarians, the Sassanids, the rebelling legions "
        "or no one; + and - add or remove a legion; the menu key opens the selection's menu.");
}

bool EditorWindow::mapKey(int key, Qt::KeyboardModifiers modifiers) {
    Game& game = session_.game();
    const int dx = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    const int dy = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    if (dx != 0 || dy != 0) {
        const Province* from = session_.selected();
        const Province* to =
            from ? view::nextInDirection(game, *from, dx, dy) : game.provinceAtIndex(firstHighlight(game));
        if (!to) return true;  // nothing that way: the highlight stays
        Province* next = game.provinceAtIndex(game.indexOf(*to));
        if (modifiers & Qt::ShiftModifier) {
            session_.addToSelection({next});
            session_.select(next);
        } else {
            session_.select(nullptr);
            session_.select(next);
        }
        selectionChanged();
        return true;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key) {
        case Qt::Key_R: setHolderCommand(&game.romans); return true;
        case Qt::Key_B: setHolderCommand(&game.barbarians); return true;
        case Qt::Key_S: setHolderCommand(&game.sassanids); return true;
        case Qt::Key_L: setHolderCommand(&game.rogueRomans); return true;
        case Qt::Key_N: setHolderCommand(nullptr); return true;
        case Qt::Key_Plus:
        case Qt::Key_Equal: addLegionsCommand(1); return true;
        case Qt::Key_Minus: removeLegionsCommand(1); return true;
        default: return false;
    }
}

void EditorWindow::tellHighlight() {
    // The map's name is what a reader hears when it changes: the province
    // highlighted, with all the map shows of it.
    const Province* p = session_.selected();
    const QString name = p ? tr("Map: %1").arg(describe(session_.game(), *p)) : tr("Map: no province selected");
    QWidget* map = centralWidget();
    if (map->accessibleName() != name) map->setAccessibleName(name);
}

}  // namespace editor
