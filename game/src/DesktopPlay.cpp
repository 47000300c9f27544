// What the window does for a game installed on a desktop: orders from the
// keyboard, a saved game for every finished turn and "Continue Last Game",
// and a file given on the command line or by the file manager.
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "game/src/MainWindow.h"
#include "game/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

// One steady clock for the pauses between the letters of a typed name.
qint64 steadyMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

}  // namespace

void MainWindow::setUpDesktopPlay() {
    autosave_ = Autosave(options_.autosaveFolder.isEmpty() ? Autosave::defaultFolder() : options_.autosaveFolder);

    KeyboardOrders::Actions a;
    // The keyboard's orders go where the mouse's drops go; its end of turn is the mouse's own.
    a.order = [this](Province& from, Province& to) { order(from, to); };
    a.endTurn = [this] { rightRelease(QPoint()); };
    a.changed = [this] {
        // The highlighted province's information line, as if the pointer were on it.
        if (const Province* p = keyboard_->cursor()) {
            shownProvince_ = p;
            screen_.setHoveredProvince(p);
        }
        screen_.paintScreen();
    };
    keyboard_ = std::make_unique<KeyboardOrders>(game_, std::move(a));
    // Keys go to the map from the start, without a click on it first.
    widget_->setFocus();
    screen_.decorate = [this](QPainter& p) { keyboard_->draw(p, screen_.screenOffsetX()); };

    // "Continue Last Game" goes just below "New Game", and is offered only
    // when there is a game to continue.
    QAction* newGame = action(Command::NewGame);
    QAction* save = action(Command::Save);
    QMenu* file = nullptr;
    for (QObject* o : newGame->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o)) file = m;
    if (file) {
        QAction* cont = addCommand(file, QStringLiteral("&Continue Last Game"), Command::ContinueLastGame);
        file->removeAction(cont);
        file->insertAction(save, cont);
        connect(file, &QMenu::aboutToShow, this, [this, cont] { cont->setEnabled(!autosave_.newest().isEmpty()); });
    }

    // Without the introduction there is no first paint to wait for.
    if (!options_.introduction && !options_.openAtStart.isEmpty())
        QTimer::singleShot(0, this, [this] { openStartFile(); });
}

bool MainWindow::openFile(const QString& path) {
    // The reader checks the whole file before it changes anything, so a bad
    // file leaves the game as it was.
    const FileResult r = game_.loadFromFile(QFile::encodeName(path).toStdString());
    if (!r.ok) QMessageBox::critical(this, QStringLiteral("ERROR"), QString::fromLocal8Bit(r.error.c_str()));
    shownProvince_ = nullptr;
    screen_.paintScreen();
    return r.ok;
}

void MainWindow::openStartFile() {
    const QString path = options_.openAtStart;
    options_.openAtStart.clear();
    if (!path.isEmpty()) openFile(path);
}

void MainWindow::continueLastGame() {
    const QString newest = autosave_.newest();
    if (newest.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Continue Last Game"),
                                 QStringLiteral("There is no game to continue yet: a game is kept at the end of "
                                                "every turn."));
        return;
    }
    openFile(newest);
}

void MainWindow::autosaveTurn() {
    // A game that is over is none to continue: a lost empire, or the last
    // year, after which the rules ask no more questions and only play on.
    if (game_.romans.provinces.empty() || game_.year() >= 476) return;
    const FileResult r = autosave_.save(game_);
    // The player did not ask for this save; the game goes on without it.
    if (!r.ok) qWarning("aurovane: the game could not be kept in %s: %s", qPrintable(autosave_.folder()), r.error.c_str());
}

void MainWindow::keyboardPress(QKeyEvent* e) {
    ++busy_;
    keyboard_->keyPress(e->key(), e->text(), e->modifiers(), e->isAutoRepeat(), steadyMs());
    --busy_;
    if (relayoutPending_ && !busy_) relayout();
}
