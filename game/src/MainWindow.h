#pragma once
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

#include "game/src/Autosave.h"
#include "game/src/Dialogs.h"
#include "game/src/GameScreen.h"
#include "game/src/KeyboardOrders.h"
#include "game/src/NewsDesk.h"
#include "game/src/ScreenAccessible.h"
#include "game/src/Sound.h"
#include "client/LegionCarry.h"
#include "qtcommon/WindowAdvisor.h"
#include "client/PlaySession.h"
#include "rules/Presenter.h"

class QAction;
class QActionGroup;
class MainWindow;
class Game;
class PlaySession;
class Province;
struct Lesson;
namespace view { class Pictures; }

// Refuses keyboard and pointer input to the game while a timed pause runs;
// what was typed or clicked meanwhile is dropped, not delivered afterwards.
// The menus, their shortcuts and the close box of `window` still answer: what
// they ask for waits until the turn or order under way is over.
class InputGate : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closes for the length of a pause; pauses may nest.
    void close();
    void open();
    bool isClosed() const { return depth_ > 0; }
    const QWidget* window = nullptr;
    int dropped = 0;

private:
    int depth_ = 0;
};

// The widget that shows the composed screen, scaled to fit with its
// proportions kept, and turns pointer positions back into layout pixels.
class ScreenWidget : public QWidget {
public:
    explicit ScreenWidget(class MainWindow& window);
    // The window rectangle the composition is shown in.
    QRectF targetRect() const;
    // The layout pixel under a widget position.
    QPoint toLayout(QPointF widgetPos) const;
    MainWindow& mainWindow() const { return window_; }
    // What was announced to a screen reader, for its review.
    screenaccess::Announcements announcements;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    MainWindow& window_;
};

// Command ids of the main menu; each action carries its id as data, and
// runs its own named member function.
namespace Command {
enum : int {
    Tutorial = 103, About = 104, Exit = 105, StudyGuide = 106, Quiz = 108, Help = 110,
    Scenario260 = 1100, Scenario308 = 1101, Scenario410 = 1102, Scenario455 = 1103,
    Load = 3000, Save = 3001, NewGame = 3002, ContinueLastGame = 3003, Undo = 4000,
    Easy = 5000, Normal = 5001, Hard = 5002, Sound = 6000, YearNews = 6001, LargerText = 6002,
};
}

class MainWindow : public QMainWindow, public Presenter {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
public:
    struct Options {
        bool realPauses = true;       // false: pauses are recorded, not waited (tests)
        bool introduction = true;     // the first paint shows the introduction and the hints
        QString openAtStart;          // a game to load once the window is up (the command line's file)
        QString autosaveFolder;       // where finished turns are kept; empty: the player's data folder
        bool yearNews = true;         // each year's summary over the map when the year ends
        bool largerText = false;      // the reports, the information line, the news and the dialogs enlarged
    };

    MainWindow(PlaySession& play, const view::Pictures& pictures, GameScreen& screen, GameSounds& sounds,
               Options options);
    ~MainWindow() override;

    // The menu's action of a command id.
    QAction* action(int id) const;

    // The menu commands.
    void chooseNewGame();           // asks first whether to discard the game
    void newGameWithoutQuestion();  // as the end of the game starts one
    // A game replaced as a whole (new, scenario, loaded, continued): the
    // screen shows it at once, with nothing left of the one before.
    void showGameInHand();
    void startScenario(int id);     // Command::Scenario260 ... Scenario455
    void load();                    // asks first when a game is in progress
    // True when nothing would be lost, or the player agrees to lose it.
    bool mayDiscardGame();
    void save();
    void exitGame();  // asks first when this year's orders would be lost
    void showAbout();
    void showHistoryLesson(const Lesson& lesson);
    void openTutorial();
    void openStudyGuide();
    void openQuiz();
    void setSkill(int level);  // 0 Easy, 1 Normal, 2 Hard
    void toggleSound();
    void toggleYearNews();
    void toggleLargerText();
    void continueLastGame();
    // Takes back the year's last order when it fought no battle and the
    // advisor said nothing of it; otherwise the information line says why.
    void undo();

    // The pointer, in layout pixels.
    void pointerMove(QPoint layout);
    void leftPress(QPoint layout);
    void leftRelease(QPoint layout);
    void rightRelease(QPoint layout);
    // The wheel over the report scroll reads the reign's news further back.
    void wheel(QPoint layout, int steps);
    // An order the pointer or the keyboard asked for, and what follows it.
    void giveOrder(const CarryOrder& order);
    void keyDown(int key);
    void keyUp(int key);
    // The keyboard's highlight put on a province (a screen reader's list),
    // and Enter there: its legions taken up, or those carried sent there.
    void highlightProvince(const Province& province);
    void chooseHighlighted();
    // Said once to a screen reader: an outcome, the highlight, the year's news.
    void announce(const QString& text);

    // The end of the turn as the player sees it.
    void endTurn();

    // Loads a saved game or scenario; a file that cannot be read is told in
    // plain words with the reader's detail and leaves the game as it was.
    bool openFile(const QString& path);
    void tellFileProblem(const FileResult& result);
    // Whether anything was played since the game was started, loaded or saved.
    bool gameInProgress() const { return play_.hasUnsavedPlay(); }
    KeyboardOrders& keyboard() { return *keyboard_; }
    const LegionCarry& carry() const { return carry_; }
    const Autosave& autosave() const { return autosave_; }

    // Presenter: what the game shows goes to the advisor's dialogs, the
    // screen and the sounds.
    void tell(const std::string& text) override;
    bool askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) override;
    // The rules' messages, in the window's language.
    void tell(const Message& message) override;
    using Presenter::ask;
    bool ask(const Message& message) override;
    bool askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) override;
    void sound(SoundKind kind) override;
    void move(Province& from, Province& to) override;
    void defeat(Power loser, Province& province) override;
    void news(const std::string& line) override;
    void redraw() override;
    void banner() override;
    void forgetAnimatedMoves() override;
    void lesson(int year) override { showLesson(year); }
    void results(int, int, int) override { showResults(); }
    void quit() override;
    void newGame() override;
    bool runAnotherYear() override { return waiting_.empty() && !quitting_; }
    void diagnostic(const std::string& text) override;

    void showLesson(int year);
    void showResults();

    void showHints();
    void showLessonDialog(int picture);
    void pauseFor(int ms);
    void relayout();

    GameScreen& gameScreen() { return screen_; }
    GameSounds& sounds() { return sounds_; }
    WindowAdvisor& advisor() { return advisor_; }
    NewsDesk& newsDesk() { return *news_; }
    ScreenWidget* screenWidget() const { return widget_; }
    bool inPause() const { return pauseDepth_ > 0; }
    const Game& game() const { return game_; }

    // Replaceable for tests: the file dialogs, the game's page viewer (false:
    // it could not show the page), the end of the program.
    std::function<QString(bool save)> chooseFile;
    std::function<bool(const QUrl&)> openUrl;
    std::function<void()> onQuit;
    std::function<void(int picture)> lessonShown;  // called instead of the lesson dialog when set
    std::function<void()> resultsShown;            // called instead of the results dialog when set

    // Pauses asked for while pauses are not real (tests).
    std::vector<int> recordedPauses;
    int inputDropped() const { return gate_.dropped; }

    // Where the web pages shipped with the game are.
    static QString webPage(const QString& name);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void buildMenus();
    // The words' size: the desktop's font scaling, enlarged for "Larger Text".
    void applyTextSize();
    // The Undo item names what it would take back, or why it cannot.
    void refreshUndo();
    // A menu item: `run` is what it does, `id` its command id; an item that
    // is `safeAnytime` does not wait for a turn under way to end.
    QAction* addCommand(QMenu* menu, const QString& text, int id, std::function<void()> run,
                        bool safeAnytime = false);
    // Runs a command or an input handler; a resize asked for meanwhile
    // waits until it is over. One asked for while another runs (a menu
    // chosen during a turn's pauses) runs after it, and stops the years
    // that would have followed by themselves.
    void asCommand(const std::function<void()>& run);
    void runWaitingCommands();
    void openWebPage(const QString& name);
    void firstPaint();
    // DesktopPlay.cpp: the keyboard's orders, the kept turns, the start-up file.
    void setUpDesktopPlay();
    void openStartFile();
    void autosaveTurn();
    void keyboardPress(QKeyEvent* e);
    // The highlight, when it moved, and legions taken up or put down, said
    // to a screen reader.
    void announceHighlight();
    void dropQueuedInput();
    // MapPointer.cpp: what the carry answers on the screen, and the order
    // given, carried out or refused with its reason in the information line.
    void showCarry();
    void giveOrderNow(Province& from, Province& to);

    PlaySession& play_;
    Game& game_;
    const view::Pictures& pictures_;
    GameScreen& screen_;
    GameSounds& sounds_;
    Options options_;
    WindowAdvisor advisor_;
    ScreenWidget* widget_ = nullptr;
    InputGate gate_;
    int pauseDepth_ = 0;
    bool firstPaintPending_ = true;
    bool keyP_ = false, keyF_ = false, keyJ_ = false;
    std::map<int, QAction*> actions_;
    QActionGroup* skillGroup_ = nullptr;
    bool quitting_ = false;
    bool ordersThisYear_ = false;  // lost if the program ended now
    bool welcomed_ = false;        // the hints were offered once: the game is under way
    bool relayoutPending_ = false;
    bool screenHooked_ = false;
    int busy_ = 0;
    std::vector<std::function<void()>> waiting_;
    LegionCarry carry_;
    std::unique_ptr<KeyboardOrders> keyboard_;
    std::unique_ptr<NewsDesk> news_;
    bool swallowRelease_ = false;
    Autosave autosave_;
    const Province* announcedCursor_ = nullptr;
    const Province* announcedCarried_ = nullptr;
    int announcedYear_ = 0;
};
