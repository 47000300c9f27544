// The game as an installed desktop program: orders from the keyboard, the
// game kept at the end of every turn and "Continue Last Game", and a file
// given on the command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <set>
#include <sstream>

#include "GuiTestSupport.h"
#include "qtcommon/view/LegionFigures.h"
#include "client/DropTarget.h"
#include "client/StateLine.h"
#include "game/src/Autosave.h"
#include "game/src/CommandLine.h"
#include "rules/LessonTable.h"
#include "game/src/KeyboardOrders.h"

namespace {

Province& P(Game& g, const char* name) { return g.findProvince(name); }

// Where two state lines first differ, with some text around it.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return {};
    const std::size_t from = i > 120 ? i - 120 : 0;
    return "\n  " + a.substr(from, 240) + "\n  " + b.substr(from, 240);
}

// The position as a saved game holds it.
std::string position(Game& g) {
    std::stringstream out;
    g.saveToStream(out);
    return out.str();
}

// The player's data folder of this test alone, so that kept games of other
// tests running at the same time never mix with this one's.
struct DataHome {
    DataHome() {
        testApp();
        old = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    }
    ~DataHome() { qputenv("XDG_DATA_HOME", old); }
    QString autosaveFolder() const { return Autosave::defaultFolder(); }
    QTemporaryDir dir;
    QByteArray old;
};

// Answers the next plain message box (an "ERROR" box, an information box) as
// soon as it shows and records its caption and text.
struct BoxWatcher {
    BoxWatcher() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    seen.push_back((box->windowTitle() + QStringLiteral(": ") + box->text()).toStdString());
                    box->accept();
                }
        });
        timer.start();
    }
    QTimer timer;
    std::vector<std::string> seen;
};

// A window built like the Harness's, with options of the test's choosing.
void rebuildWindow(Harness& h, MainWindow::Options o) {
    h.window.reset();
    o.realPauses = false;
    h.window = std::make_unique<MainWindow>(*h.play, h.pictures, h.screen, h.sounds, o);
    h.window->resize(1366, 720);
    h.window->onQuit = [&h] { ++h.quits; };
    h.window->openUrl = [&h](const QUrl& u) {
        h.opened.push_back(u);
        return true;
    };
    h.window->lessonShown = [&h](int picture) { h.lessons.push_back(picture); };
    h.window->resultsShown = [&h] { ++h.results; };
    h.window->advisor().beforeExec = [&h](AdvisorDialog& d) {
        const std::string text = d.text().toStdString();
        bool yes = false;
        if (d.yesButton()) {
            h.asked.push_back(text);
            if (!h.answers.empty()) {
                yes = h.answers.front();
                h.answers.pop_front();
            }
        } else {
            h.told.push_back(text);
        }
        QTimer::singleShot(0, &d, [&d, yes] {
            if (d.okButton()) d.okButton()->click();
            else (yes ? d.yesButton() : d.noButton())->click();
        });
    };
    h.screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), 1.0);
}

// Lets the window's queued work run until `done` holds (or five seconds pass).
bool waitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 500 && !done(); ++i) QTest::qWait(10);
    return done();
}

QWidget* keys(Harness& h) { return h.window->screenWidget(); }

// Highlights a province by typing its name, as a player would; typed again
// should the machine have paused long enough between two letters to start a
// new name.
void select(Harness& h, const Province& p) {
    for (int attempt = 0; attempt < 3 && h.window->keyboard().cursor() != &p; ++attempt) {
        if (attempt > 0) QTest::qWait(int(KeyboardOrders::TypingPauseMs) + 50);
        QTest::keyClicks(keys(h), QString::fromLatin1(p.name().c_str()));
    }
    ASSERT_EQ(h.window->keyboard().cursor(), &p) << p.name();
}

// A point of the box around the province's figures that a press of the mouse
// picks this province up at.
std::optional<QPoint> pressPoint(const Game& g, const Province& p) {
    const QRect box = view::pickUpBox(p);
    for (int y = box.bottom(); y >= box.top(); --y)
        for (int x = box.right(); x >= box.left(); --x)
            if (view::figureAt(g, x, y, 13) == &p && view::figureAt(g, x, y, 16) == &p) return QPoint(x, y);
    return std::nullopt;
}

// A map point of the province for a release of the mouse, off every other
// province's figures: searched from the other end than the keyboard searches,
// so the two do not share a point.
std::optional<QPoint> releasePoint(const Game& g, const Province& p) {
    for (auto r = p.hitRects.rbegin(); r != p.hitRects.rend(); ++r)
        for (int y = r->bottom - 1; y > r->top; --y)
            for (int x = r->right - 1; x > r->left; --x) {
                const Province* figure = view::figureAt(g, x, y, 13);
                if (g.provinceAt(x, y) == &p && (!figure || figure == &p)) return QPoint(x, y);
            }
    return std::nullopt;
}

struct Order {
    std::string from, to;
};

// Orders chosen from the position alone, so that both ways of playing give
// the same ones: from each province with a ready legion to its first
// neighbour, and from the first of them on a march to a distant Roman province.
std::vector<Order> ordersFor(Game& g) {
    std::vector<Order> out;
    for (Province* p : g.provinceTable) {
        if (!g.romans.hasReadyLegionIn(*p) || !pressPoint(g, *p)) continue;
        if (p->neighbours[0]) out.push_back({p->name(), p->neighbours[0]->name()});
        if (out.size() == 1)
            for (Province* q : g.romans.provinces)
                if (!Province::isNeighbour(*p, *q) && !Province::isNeighbour(*q, *p) && q != p) {
                    out.push_back({p->name(), q->name()});
                    break;
                }
        if (out.size() >= 4) break;
    }
    return out;
}

// Plays `turns` turns with the mouse or the keyboard and returns the state
// line after each order and each end of turn.
std::vector<std::string> play(bool keyboard, int turns) {
    DataHome home;
    Harness h(20261208);
    h.window->show();
    QApplication::processEvents();
    std::vector<std::string> lines;
    for (int t = 0; t < turns; ++t) {
        lines.push_back("advisor: " + std::to_string(h.told.size()) + " told, " + std::to_string(h.asked.size()) + " asked");
        for (const Order& o : ordersFor(h.game)) {
            Province& from = h.game.findProvince(o.from);
            Province& to = h.game.findProvince(o.to);
            if (keyboard) {
                select(h, from);
                QTest::keyClick(keys(h), Qt::Key_Return);
                // Legions that cannot go are not picked up (the advisor says
                // why at once): the player does not go on to a target then.
                if (h.window->keyboard().carried()) {
                    select(h, to);
                    QTest::keyClick(keys(h), Qt::Key_Return);
                }
            } else {
                h.window->leftPress(Harness::layoutOf(pressPoint(h.game, from)->x(), pressPoint(h.game, from)->y()));
                const QPoint r = releasePoint(h.game, to).value_or(QPoint(-1, -1));
                h.window->leftRelease(Harness::layoutOf(r.x(), r.y()));
            }
            lines.push_back(stateLine(h.game));
        }
        if (keyboard) {
            QTest::qWait(int(KeyboardOrders::TypingPauseMs) + 50);  // E ends a turn only outside a name
            QTest::keyClick(keys(h), t % 2 ? Qt::Key_Space : Qt::Key_E);
        } else {
            h.window->rightRelease(QPoint(10, 10));
        }
        lines.push_back(stateLine(h.game));
    }
    return lines;
}

}  // namespace

// ------------------------------------------------------------ the keyboard

TEST(Keyboard, OrdersGiveTheSameGameAsTheMouse) {
    const std::vector<std::string> mouse = play(false, 4);
    const std::vector<std::string> keyboard = play(true, 4);
    ASSERT_GT(mouse.size(), 8u);
    ASSERT_EQ(mouse.size(), keyboard.size());
    for (std::size_t i = 0; i < mouse.size(); ++i)
        if (mouse[i] != keyboard[i]) {
            const std::string d = firstDifference(mouse[i], keyboard[i]);
            std::fprintf(stderr, "step %zu:%s\n", i, d.c_str());
            break;
        }
    for (std::size_t i = 0; i < mouse.size(); ++i)
        ASSERT_EQ(firstDifference(mouse[i], keyboard[i]), "") << "after step " << i;
    // The orders did something: the game moved on.
    EXPECT_NE(mouse.front(), mouse.back());
}

TEST(Keyboard, ArrowsReachEveryProvinceFromEveryProvince) {
    Game& g = freshGame();
    const int arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    for (Province* start : g.provinceTable) {
        std::set<const Province*> seen{start};
        std::vector<const Province*> todo{start};
        while (!todo.empty()) {
            const Province* p = todo.back();
            todo.pop_back();
            for (int key : arrows)
                if (const Province* q = KeyboardOrders::nextInDirection(g, *p, key); q && seen.insert(q).second)
                    todo.push_back(q);
        }
        EXPECT_EQ(seen.size(), g.provinceTable.size()) << "from " << start->name();
    }
}

TEST(Keyboard, ArrowsGoTheWayTheyPoint) {
    Game& g = freshGame();
    Province& italia = P(g, "Italia");
    const Province* east = KeyboardOrders::nextInDirection(g, italia, Qt::Key_Right);
    const Province* west = KeyboardOrders::nextInDirection(g, italia, Qt::Key_Left);
    const Province* north = KeyboardOrders::nextInDirection(g, italia, Qt::Key_Up);
    const Province* south = KeyboardOrders::nextInDirection(g, italia, Qt::Key_Down);
    ASSERT_TRUE(east && west && north && south);
    EXPECT_GT(east->legionX(), italia.legionX());
    EXPECT_LT(west->legionX(), italia.legionX());
    EXPECT_LT(north->legionY(), italia.legionY());
    EXPECT_GT(south->legionY(), italia.legionY());
    // Nothing lies west of the westernmost province.
    const Province* westmost = g.provinceTable.front();
    for (Province* p : g.provinceTable)
        if (p->legionX() < westmost->legionX()) westmost = p;
    const Province* beyond = KeyboardOrders::nextInDirection(g, *westmost, Qt::Key_Left);
    EXPECT_TRUE(beyond == nullptr || beyond->legionX() + 37 <= westmost->legionX() + 37);
}

TEST(Keyboard, ArrowKeysPlaceThenMoveTheHighlight) {
    Harness h;
    h.game.romans.deleteAllLegions();
    h.game.romans.addLegions("Dalmatia", 1);
    KeyboardOrders& k = h.window->keyboard();
    EXPECT_EQ(k.cursor(), nullptr);
    // The first arrow shows the highlight where a legion waits for orders.
    QTest::keyClick(keys(h), Qt::Key_Down);
    ASSERT_EQ(k.cursor(), &P(h.game, "Dalmatia"));
    QTest::keyClick(keys(h), Qt::Key_Left);
    EXPECT_EQ(k.cursor(), KeyboardOrders::nextInDirection(h.game, P(h.game, "Dalmatia"), Qt::Key_Left));
    // Held down, an arrow keeps going.
    const Province* before = k.cursor();
    QTest::keyPress(keys(h), Qt::Key_Left);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(keys(h), &repeat);
    QTest::keyRelease(keys(h), Qt::Key_Left);
    const Province* once = KeyboardOrders::nextInDirection(h.game, *before, Qt::Key_Left);
    ASSERT_NE(once, nullptr);
    const Province* twice = KeyboardOrders::nextInDirection(h.game, *once, Qt::Key_Left);
    EXPECT_EQ(k.cursor(), twice ? twice : once);
}

TEST(Keyboard, TypedNamesAndTheirPause) {
    Harness h;
    KeyboardOrders& k = h.window->keyboard();
    const auto type = [&k](const char* text, qint64 at) {
        for (const char* c = text; *c; ++c)
            k.keyPress(*c == ' ' ? Qt::Key_Space : Qt::Key_A + (QChar(*c).toUpper().unicode() - 'A'),
                       QString(QChar(*c)), Qt::NoModifier, false, at);
    };
    type("pan", 1000);
    EXPECT_EQ(k.cursor(), &P(h.game, "Pannonia"));
    type("lower r", 5000);  // a blank and an E inside a name do not end the turn
    EXPECT_EQ(k.cursor(), &P(h.game, "Lower Rhine"));
    EXPECT_EQ(h.game.turn, 0);
    type("e", 5000);  // a slip within a name is swallowed, not a turn's end
    EXPECT_EQ(h.game.turn, 0);
    EXPECT_EQ(k.cursor(), &P(h.game, "Lower Rhine"));
    // After a pause the letters start a new name.
    type("d", 5000 + KeyboardOrders::TypingPauseMs + 1);
    EXPECT_EQ(k.cursor()->name()[0], 'D');
    // The same letter again goes through the provinces that start with it.
    std::set<std::string> ps;
    for (int i = 0; i < 6; ++i) {
        type("p", 20000 + i * 10);
        ps.insert(k.cursor()->name());
    }
    EXPECT_EQ(ps, (std::set<std::string>{"Palestina", "Pannonia", "Phrygia", "Pontus"}));
    // Shortcuts with Ctrl or Alt are not letters of a name.
    EXPECT_FALSE(k.keyPress(Qt::Key_L, QStringLiteral("l"), Qt::ControlModifier, false, 30000));
    // E after the pause ends the turn.
    EXPECT_TRUE(k.keyPress(Qt::Key_E, QStringLiteral("e"), Qt::NoModifier, false, 40000));
    EXPECT_EQ(h.game.turn, 1);
}

TEST(Keyboard, TypingANameKeepsPFJTogether) {
    Harness h;
    Province& palestina = P(h.game, "Palestina");
    h.game.transferProvince(h.game.sassanids, palestina, &h.game.romans);
    h.game.romans.removeLegionsIn(palestina);
    QTest::keyPress(keys(h), Qt::Key_P);
    QTest::keyPress(keys(h), Qt::Key_F);
    QTest::keyPress(keys(h), Qt::Key_J);
    EXPECT_TRUE(h.game.romans.holds(palestina));
    EXPECT_EQ(h.game.romans.countLegionsIn(palestina), 5);
    QTest::keyRelease(keys(h), Qt::Key_P);
    QTest::keyRelease(keys(h), Qt::Key_F);
    QTest::keyRelease(keys(h), Qt::Key_J);
}

TEST(Keyboard, EscapePutsThePickedLegionsDown) {
    Harness h;
    h.game.romans.deleteAllLegions();
    h.game.romans.addLegions("Italia", 1);
    h.game.romans.addLegions("Dalmatia", 1);
    KeyboardOrders& k = h.window->keyboard();
    select(h, P(h.game, "Italia"));
    QTest::keyClick(keys(h), Qt::Key_Return);
    EXPECT_EQ(k.carried(), &P(h.game, "Italia"));
    QTest::keyClick(keys(h), Qt::Key_Escape);
    EXPECT_EQ(k.carried(), nullptr);
    // Enter on Dalmatia now picks Dalmatia's legion up instead of dropping Italia's.
    const std::string before = stateLine(h.game);
    select(h, P(h.game, "Dalmatia"));
    QTest::keyClick(keys(h), Qt::Key_Return);
    EXPECT_EQ(k.carried(), &P(h.game, "Dalmatia"));
    EXPECT_EQ(stateLine(h.game), before);
}

TEST(Keyboard, PickingUpLegionsThatHaveMovedSaysWhy) {
    Harness h;
    h.game.romans.deleteAllLegions();
    h.game.romans.addLegions("Italia", 2);
    for (auto& l : h.game.romans.legions) l->moved = true;
    h.game.romans.addLegions("Dalmatia", 1);
    select(h, P(h.game, "Italia"));
    QTest::keyClick(keys(h), Qt::Key_Return);
    EXPECT_EQ(h.window->keyboard().carried(), nullptr);
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_NE(h.told.front().find("already moved"), std::string::npos);
    EXPECT_EQ(h.game.turn, 0);
}

TEST(Keyboard, DropOfTheLastLegionEndsTheTurnAndTheMouseStillWorks) {
    Harness h;
    h.game.romans.deleteAllLegions();
    h.game.romans.addLegions("Italia", 2);
    select(h, P(h.game, "Italia"));
    QTest::keyClick(keys(h), Qt::Key_Return);
    select(h, P(h.game, "Dalmatia"));
    QTest::keyClick(keys(h), Qt::Key_Return);
    EXPECT_EQ(h.game.romans.countLegionsIn(P(h.game, "Dalmatia")), 1);
    EXPECT_EQ(h.game.turn, 0);
    // Another legion waits in Italia: the highlight went back to it.
    EXPECT_EQ(h.window->keyboard().cursor(), &P(h.game, "Italia"));
    // The keyboard picks up, the mouse presses elsewhere: the mouse's press counts.
    QTest::keyClick(keys(h), Qt::Key_Return);
    h.window->leftPress(Harness::layoutOf(10, 520));
    EXPECT_EQ(h.window->keyboard().carried(), nullptr);
    // The mouse's drag ends the turn as before.
    Province& italia = P(h.game, "Italia");
    h.window->leftPress(Harness::layoutOf(italia.legionX() + 5, italia.legionY() + 5));
    const QPoint r = *releasePoint(h.game, P(h.game, "Dalmatia"));
    h.window->leftRelease(Harness::layoutOf(r.x(), r.y()));
    EXPECT_EQ(h.game.turn, 1);
}

TEST(Keyboard, TheHighlightIsDrawnOnTheComposedScreen) {
    Harness h;
    Province& italia = P(h.game, "Italia");
    h.screen.paintScreen();
    const int x = h.screen.screenOffsetX() + view::MapLeft + italia.legionX() - 3;
    const int y = view::MapTop + italia.legionY() + 20;
    const QColor gold(255, 215, 0);
    EXPECT_NE(h.screen.front().image().pixelColor(x, y), gold);
    select(h, italia);
    EXPECT_EQ(h.screen.front().image().pixelColor(x, y), gold);
    EXPECT_EQ(h.screen.backBuffer().image().pixelColor(x, y), gold);
    // Its information line is the highlighted province's.
    EXPECT_EQ(h.screen.hoveredProvince(), &italia);
}

// ----------------------------------------------------------- kept games

TEST(Autosave, KeepsTheNewestTenInOrder) {
    QTemporaryDir dir;
    Game& g = freshGame();
    Autosave a(dir.filePath(QStringLiteral("deeper/autosave")));
    EXPECT_TRUE(a.newest().isEmpty());
    for (int t = 1; t <= 13; ++t) {
        g.turn = t;
        ASSERT_TRUE(a.save(g).ok);
    }
    const QStringList files = a.files();
    ASSERT_EQ(files.size(), Autosave::Kept);
    EXPECT_EQ(a.newest(), files.front());
    // Newest first, each the position it was made from.
    for (int i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(g.loadFromFile(QFile::encodeName(files[i]).toStdString()).ok);
        EXPECT_EQ(g.turn, 13 - i);
    }
    // No temporary files are left behind.
    EXPECT_EQ(QDir(a.folder()).entryList(QDir::Files).size(), Autosave::Kept);
}

TEST(Autosave, TheNumberNotTheNameLengthOrdersThem) {
    QTemporaryDir dir;
    Game& g = freshGame();
    QFile stray(dir.filePath(QStringLiteral("autosave-99.avn")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    Autosave a(dir.path());
    g.turn = 7;
    ASSERT_TRUE(a.save(g).ok);
    EXPECT_TRUE(a.newest().endsWith(QStringLiteral("autosave-000100.avn"))) << a.newest().toStdString();
    // Past the padding the numbers still count up.
    QFile big(dir.filePath(QStringLiteral("autosave-999999999.avn")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.close();
    ASSERT_TRUE(a.save(g).ok);
    EXPECT_TRUE(a.newest().endsWith(QStringLiteral("autosave-1000000000.avn"))) << a.newest().toStdString();
    // Numbers too long for a short name start again from 1, the order kept:
    // the game just saved is the newest, whatever the folder held.
    for (const char* name : {"autosave-999999999999999999.avn", "autosave-123456789012345678901234567890.avn"}) {
        QFile huge(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.close();
        g.turn = 30;
        ASSERT_TRUE(a.save(g).ok);
        ASSERT_TRUE(g.loadFromFile(QFile::encodeName(a.newest()).toStdString()).ok);
        EXPECT_EQ(g.turn, 30) << name;
    }
    QStringList names;
    for (const QString& f : a.files()) names << QFileInfo(f).fileName();
    EXPECT_EQ(names.join(' '), "autosave-000008.avn autosave-000007.avn autosave-000006.avn autosave-000005.avn "
                               "autosave-000004.avn autosave-000003.avn autosave-000002.avn autosave-000001.avn");
}

TEST(Autosave, AFolderThatCannotBeMadeIsAFailureNotACrash) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Game& g = freshGame();
    const std::string before = stateLine(g);
    const FileResult r = Autosave(dir.filePath(QStringLiteral("file/autosave"))).save(g);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(stateLine(g), before);
}

TEST(Autosave, EveryEndOfTurnIsKeptAndContinued) {
    DataHome home;
    Harness h;
    BoxWatcher boxes;
    QAction* cont = h.window->action(Command::ContinueLastGame);
    ASSERT_NE(cont, nullptr);
    QMenu* file = nullptr;
    for (QObject* o : cont->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o)) file = m;
    ASSERT_NE(file, nullptr);
    // Offered only when there is a game to continue.
    emit file->aboutToShow();
    EXPECT_FALSE(cont->isEnabled());
    h.window->rightRelease({});
    emit file->aboutToShow();
    EXPECT_TRUE(cont->isEnabled());
    h.window->rightRelease({});
    ASSERT_EQ(h.window->autosave().files().size(), 2);
    EXPECT_TRUE(h.window->autosave().folder().startsWith(home.dir.path()));
    const std::string kept = position(h.game);
    // Skill and sound are the player's choices for this sitting, not part of a game.
    h.window->action(Command::Hard)->trigger();
    h.window->action(Command::Sound)->trigger();
    h.answers = {true};
    h.window->action(Command::NewGame)->trigger();
    ASSERT_NE(stateLine(h.game), kept);
    h.window->action(Command::ContinueLastGame)->trigger();
    EXPECT_EQ(position(h.game), kept);
    EXPECT_EQ(h.game.skillLevel, 2);
    EXPECT_FALSE(h.sounds.enabled);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST(Autosave, AGameThatIsOverIsNotKept) {
    DataHome home;
    Harness h;
    // Defeated, and no second game wanted.
    for (Province* p : std::vector<Province*>(h.game.romans.provinces.begin(), h.game.romans.provinces.end()))
        h.game.transferProvince(h.game.barbarians, *p, &h.game.romans);
    h.game.romans.deleteAllLegions();
    h.window->rightRelease({});
    ASSERT_EQ(h.quits, 1);
    EXPECT_TRUE(h.window->autosave().files().isEmpty());
}

TEST(Autosave, TheLastYearIsNotKept) {
    DataHome home;
    {
        Harness h;
        h.game.turn = 476 - 235 - 1;
        h.window->rightRelease({});
        ASSERT_EQ(h.game.year(), 476);
        ASSERT_EQ(h.results, 1);
        EXPECT_TRUE(h.window->autosave().files().isEmpty());
    }
    // The year before it was.
    Harness h;
    h.game.turn = 476 - 235 - 2;
    h.window->rightRelease({});
    ASSERT_EQ(h.game.year(), 475);
    EXPECT_EQ(h.window->autosave().files().size(), 1);
}

TEST(Autosave, ContinueWithABadFileShowsTheReadersMessageAndKeepsTheGame) {
    DataHome home;
    Harness h;
    h.window->rightRelease({});
    const QString newest = h.window->autosave().newest();
    ASSERT_FALSE(newest.isEmpty());
    {
        QFile f(newest);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("12   # turn\nnot a number   # treasury\n");
    }
    // What the reader says of this text (it refuses it without touching the game).
    std::stringstream garbage("12   # turn\nnot a number   # treasury\n");
    const std::string expected = h.game.loadFromStream(garbage).error;
    ASSERT_FALSE(expected.empty());
    const std::string before = stateLine(h.game);
    BoxWatcher boxes;
    h.told.clear();
    // A year played since the game began: Continue asks first, as Load does.
    h.answers = {true};
    h.window->action(Command::ContinueLastGame)->trigger();
    EXPECT_EQ(h.asked, std::vector<std::string>{"Discard the current game?"});
    EXPECT_TRUE(boxes.seen.empty()) << "the game's own dialog, not a stock box";
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_EQ(h.told.front(), "The kept game cannot be loaded; the current game goes on:\n" +
                                  QFileInfo(newest).fileName().toStdString() + ": " + expected);
    EXPECT_EQ(stateLine(h.game), before);
}

TEST(Autosave, ContinueFallsBackToTheNewestKeptGameThatLoadsAndSaysWhich) {
    DataHome home;
    Harness h;
    h.window->rightRelease({});
    const std::string older = position(h.game);
    h.window->rightRelease({});
    h.window->rightRelease({});
    const QStringList kept = h.window->autosave().files();
    ASSERT_EQ(kept.size(), 3);
    for (int i = 0; i < 2; ++i) {
        QFile f(kept[i]);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(i == 0 ? "" : "\x1b[2J");
    }
    h.answers = {true};
    h.window->action(Command::NewGame)->trigger();
    h.told.clear();
    h.window->action(Command::ContinueLastGame)->trigger();
    EXPECT_EQ(position(h.game), older);
    ASSERT_EQ(h.told.size(), 1u);
    // Both skipped files are named with the reason, then the one that loaded.
    EXPECT_NE(h.told.front().find("The 2 newest kept games could not be loaded:\nautosave-000003.avn: "
                                      "Unable to load file: the file ends before the turn (line 1).\n"
                                      "autosave-000002.avn: Unable to load file: a control character (code 27) (line 1)."),
              std::string::npos)
        << h.told.front();
    EXPECT_NE(h.told.front().find("loads, 236 AD."), std::string::npos) << h.told.front();
}

TEST(Autosave, ContinueWithNothingKeptSaysSo) {
    DataHome home;
    Harness h;
    const std::string before = stateLine(h.game);
    h.window->action(Command::ContinueLastGame)->trigger();
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_NE(h.told.front().find("no game to continue"), std::string::npos);
    EXPECT_EQ(stateLine(h.game), before);
}

// ----------------------------------------------------------- the command line

TEST(CommandLine, TheFileIsTheFirstArgumentThatIsNoOption) {
    auto file = [](const QStringList& args) { return CommandLine::parse(args).file; };
    EXPECT_EQ(file({"aurovane"}), QString());
    EXPECT_EQ(file({"aurovane", "game.avn"}), "game.avn");
    EXPECT_EQ(file({"aurovane", "--seed", "12", "game.avn"}), "game.avn");
    EXPECT_EQ(file({"aurovane", "--seed", "12"}), QString());
    EXPECT_EQ(file({"aurovane", "--", "--odd name.avn"}), "--odd name.avn");
    EXPECT_EQ(file({"aurovane", "-platform", "offscreen", "game.avn"}), "game.avn");
}

TEST(CommandLine, SeedHelpAndThePlatform) {
    EXPECT_EQ(CommandLine::parse({"aurovane", "--seed", "4294967295"}).seed, std::optional<std::uint32_t>(4294967295u));
    EXPECT_FALSE(CommandLine::parse({"aurovane"}).seed.has_value());
    for (const char* bad : {"-3", "12x", "4294967296", ""}) {
        const CommandLine line = CommandLine::parse({"aurovane", "--seed", bad});
        EXPECT_FALSE(line.error.isEmpty()) << bad;
        EXPECT_FALSE(line.seed.has_value()) << bad;
    }
    EXPECT_TRUE(CommandLine::parse({"aurovane", "--help"}).help);
    EXPECT_TRUE(CommandLine::parse({"aurovane", "-h"}).help);
    EXPECT_EQ(CommandLine::parse({"aurovane", "-platform", "xcb"}).platform, "xcb");
    EXPECT_TRUE(CommandLine::usage().contains("--seed"));
}

TEST(CommandLine, TheFilesPositionIsTheFirstFrame) {
    DataHome home;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("position.avn"));
    std::string saved;
    {
        Harness h(5);
        h.window->rightRelease({});
        h.window->rightRelease({});
        ASSERT_TRUE(h.game.saveToFile(QFile::encodeName(path).toStdString()).ok);
        saved = position(h.game);
    }
    Harness h(9);
    MainWindow::Options o;
    o.openAtStart = path;
    rebuildWindow(h, o);
    // Loaded before the window shows anything, its year's news from the file's year ...
    EXPECT_EQ(position(h.game), saved);
    EXPECT_EQ(h.window->newsDesk().news().openYear(), h.game.year());
    h.window->show();
    QTest::qWait(50);
    // ... and no introduction or hints over it.
    EXPECT_TRUE(h.lessons.empty());
    EXPECT_TRUE(h.asked.empty());
    EXPECT_EQ(position(h.game), saved);
}

TEST(CommandLine, ABadFileGetsTheReadersMessageAndANewGame) {
    DataHome home;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.avn"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("3   # turn\n");
    }
    Harness h(9);
    const std::string fresh = stateLine(h.game);
    MainWindow::Options o;
    o.openAtStart = path;
    o.introduction = false;
    rebuildWindow(h, o);
    h.window->show();
    ASSERT_TRUE(waitFor([&] { return h.told.size() == 1; }));
    // In plain words, then the reader's detail.
    EXPECT_EQ(h.told.front().rfind("This saved game is cut short: its end is missing.\n\nUnable to load file: ", 0), 0u)
        << h.told.front();
    EXPECT_EQ(stateLine(h.game), fresh);
    // A file that is not there is the reader's "Unable to open file".
    MainWindow::Options missing;
    missing.openAtStart = dir.filePath(QStringLiteral("missing.avn"));
    missing.introduction = false;
    rebuildWindow(h, missing);
    h.window->show();
    ASSERT_TRUE(waitFor([&] { return h.told.size() == 2; }));
    EXPECT_EQ(h.told.back(), "The file could not be opened.\n\nUnable to open file");
    EXPECT_EQ(stateLine(h.game), fresh);
}
