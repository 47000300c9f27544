// What the window does for a game installed on a desktop: orders from the
// keyboard, a saved game for every finished turn and "Continue Last Game",
// and a file given on the command line or by the file manager.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include "client/ContinueText.h"
#include "client/FileProblem.h"
#include "client/GameOver.h"
#include "client/ProvinceDescription.h"
#include "game/src/MainWindow.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"
#include "qtcommon/RulesText.h"
#include "client/ScenarioBriefing.h"

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

// A plural form of the screen's words in the window's language, for `count`.
QString pluralForm(const char* form, qsizetype count) {
    return QCoreApplication::translate("ScreenText", form, nullptr, int(count));
}

}  // namespace

void MainWindow::setUpDesktopPlay() {
    autosave_ = Autosave(options_.autosaveFolder.isEmpty() ? Autosave::defaultFolder() : options_.autosaveFolder);

    KeyboardOrders::Actions a;
    // The keyboard's orders go where the mouse's drops go; its end of turn is the mouse's own.
    a.order = [this](const CarryOrder& order) { giveOrder(order); };
    a.changed = [this] {
        // The highlighted province's information line, as if the pointer were on it.
        showCarry();
        screen_.paintScreen();
        announceHighlight();
    };
    keyboard_ = std::make_unique<KeyboardOrders>(carry_, std::move(a));
    // Keys go to the map from the start, without a click on it first.
    widget_->setFocus();
    screen_.decorate = [this](QPainter& p) { return keyboard_->draw(p, screen_.screenOffsetX()); };

    // "Continue Last Game" goes just below "New Game", and is offered only
    // when there is a game to continue.
    QAction* newGame = action(Command::NewGame);
    QAction* save = action(Command::Save);
    QMenu* file = nullptr;
    for (QObject* o : newGame->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o)) file = m;
    if (file) {
        QAction* cont =
            addCommand(file, tr("&Continue Last Game"), Command::ContinueLastGame, [this] { continueLastGame(); });
        file->removeAction(cont);
        file->insertAction(save, cont);
        connect(file, &QMenu::aboutToShow, this, [this, cont] { cont->setEnabled(!autosave_.newest().isEmpty()); });
    }
}

bool MainWindow::openFile(const QString& path) {
    // The reader checks the whole file before it changes anything, so a bad
    // file leaves the game as it was.
    const FileResult r = play_.give(order::LoadFile{QFile::encodeName(path).toStdString()}).file;
    if (r.ok) {
        showGameInHand();
        tellScenarioBriefing(game_);
    } else {
        tellFileProblem(r);
    }
    return r.ok;
}

void MainWindow::openStartFile() {
    const QString path = options_.openAtStart;
    options_.openAtStart.clear();
    if (path.isEmpty()) return;
    // The position of the file is what the first frame shows: no
    // introduction and no hints over a game the player did not ask for.
    const FileResult r = play_.give(order::LoadFile{QFile::encodeName(path).toStdString()}).file;
    if (r.ok) {
        firstPaintPending_ = false;
        // Its year's news starts from the file, not from the game the program began with.
        showGameInHand();
        QTimer::singleShot(0, this, [this] { tellScenarioBriefing(game_); });
        return;
    }
    // A file that cannot be read leaves the new game, told once the window is up.
    QTimer::singleShot(0, this, [this, r] { tellFileProblem(r); });
}

void MainWindow::continueLastGame() {
    const QStringList kept = autosave_.files();
    if (kept.isEmpty()) {
        advisor_.inform(tr("There is no game to continue yet: a game is kept at the end of every turn."));
        return;
    }
    if (!mayDiscardGame()) return;
    // A damaged newest file (a full disk, a hand edit) is no reason to lose
    // the turns kept before it: each one skipped is named with the reason.
    QStringList skipped;
    for (const QString& path : kept) {
        const FileResult r = play_.give(order::LoadFile{QFile::encodeName(path).toStdString()}).file;
        if (!r.ok) {
            skipped << QFileInfo(path).fileName() + QStringLiteral(": ") + fileMessageText(r.message);
            continue;
        }
        showGameInHand();
        if (!skipped.isEmpty())
            advisor_.inform(pluralForm(skippedGamesForm(), skipped.size()) + QStringLiteral("\n") +
                            skipped.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                            QCoreApplication::translate("ScreenText", goesOnForm()).arg(game_.year()));
        return;
    }
    advisor_.inform(pluralForm(noneLoadsForm(), skipped.size()) + QStringLiteral("\n") +
                    skipped.join(QLatin1Char('\n')));
}

void MainWindow::autosaveTurn() {
    if (!keptAfterTheYear(game_)) return;
    const FileResult r = autosave_.save(game_);
    // The player did not ask for this save; the game goes on without it.
    if (!r.ok) qWarning("aurovane: the game could not be kept in %s: %s", qPrintable(autosave_.folder()), r.error.c_str());
}

void MainWindow::highlightProvince(const Province& province) {
    // By its place in the table: a command that waits may find the game replaced.
    asCommand([this, index = game_.indexOf(province)] {
        const Province* p = game_.provinceAtIndex(index);
        if (!p) return;
        carry_.highlight(*p);
        showCarry();
        screen_.paintScreen();
        announceHighlight();
    });
}

void MainWindow::chooseHighlighted() {
    asCommand([&] { keyboard_->keyPress(Qt::Key_Return, QString(), Qt::NoModifier, false, steadyMs()); });
}

void MainWindow::announceHighlight() {
    const Province* carried = keyboard_->carried();
    if (carried != announcedCarried_) {
        announcedCarried_ = carried;
        if (carried) {
            const ScreenPhrase taken = pickedUpPhrase(*carried);
            announce(view::screenText(taken.form, taken.args));
        } else if (!carry_.notice()) {
            announce(tr("The legions put down."));
        }
    }
    const Province* cursor = keyboard_->cursor();
    if (cursor == announcedCursor_) return;
    announcedCursor_ = cursor;
    if (!cursor) return;
    screenaccess::highlightMoved(widget_, game_.indexOf(*cursor));
    // After an order the highlight goes back to its legions: the order's
    // outcome is what the player needs to hear then.
    if (carry_.notice()) return;
    // Its name, holder and legions: the rest is one step away in the list.
    std::vector<ScreenPhrase> parts = provinceDescription(game_, *cursor);
    parts.resize(std::min<std::size_t>(parts.size(), 3));
    QStringList words;
    for (const ScreenPhrase& p : parts) words << view::screenText(p.form, p.args);
    announce(words.join(QLatin1Char(' ')));
}

void MainWindow::announce(const QString& text) { screenaccess::announce(widget_, text); }

void MainWindow::keyboardPress(QKeyEvent* e) {
    asCommand([&] { keyboard_->keyPress(e->key(), e->text(), e->modifiers(), e->isAutoRepeat(), steadyMs()); });
}
