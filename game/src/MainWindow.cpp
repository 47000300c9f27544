#include "game/src/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <QtMath>
#include <cmath>

#include "client/DiscardQuestions.h"
#include "client/ResultsDialog.h"
#include "game/src/PageViewer.h"
#include "game/src/QuizDialog.h"
#include "game/src/YearSummaryText.h"
#include "client/UndoText.h"
#include "rules/WelcomeHints.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"
#include "qtcommon/GameFiles.h"
#include "qtcommon/Languages.h"
#include "qtcommon/RulesText.h"
#include "qtcommon/LanguageMenu.h"
#include "rules/LessonTable.h"

// ---------------------------------------------------------------- InputGate

void InputGate::close() {
    if (depth_++ == 0) qApp->installEventFilter(this);
}

void InputGate::open() {
    if (--depth_ == 0) qApp->removeEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            // A window passes its input on to its widgets, where it is sorted.
            if (!watched || !watched->isWidgetType()) return false;
            if (qobject_cast<QMenuBar*>(watched) || qobject_cast<QMenu*>(watched)) return false;
            ++dropped;
            return true;
        case QEvent::Close:
            // The window's close box is heard (the program ends once the turn
            // is over); any other window closed in the middle of an animation
            // would pull it from under the rules' feet.
            if (watched && watched != window && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
                event->ignore();
                ++dropped;
                return true;
            }
            return false;
        default:
            return false;
    }
}

// ------------------------------------------------------------- ScreenWidget

ScreenWidget::ScreenWidget(MainWindow& window) : QWidget(&window), window_(window) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(640, 320);
}

QRectF ScreenWidget::targetRect() const {
    // What is drawn (from the legend's left edge to the scroll's right one,
    // from the top to the scroll's foot) is centred with one even margin
    // around it, whatever blank the composition keeps beside it.
    constexpr qreal Margin = 12;
    const GameScreen& screen = window_.gameScreen();
    const QSize layout = screen.layoutSize();
    const QRectF drawn = QRectF(screen.screenOffsetX(), 0, 1336, 664).adjusted(-Margin, -Margin, Margin, Margin);
    const qreal fit = std::min(qreal(width()) / drawn.width(), qreal(height()) / drawn.height());
    // A hair over life size (a 1366-pixel screen fits 1.004) is shown at life
    // size with a margin a few pixels wider: every picture then lands pixel for
    // pixel, sharper and cheaper than resampled by a fraction of a percent.
    const qreal s = fit >= 1 && fit < 1.01 ? 1.0 : fit;
    const QPointF origin = QPointF(width() / 2.0, height() / 2.0) - drawn.center() * s;
    return QRectF(origin, QSizeF(layout.width() * s, layout.height() * s));
}

QPoint ScreenWidget::toLayout(QPointF pos) const {
    const QRectF r = targetRect();
    const QSize layout = window_.gameScreen().layoutSize();
    const qreal s = r.width() / layout.width();
    return QPoint(int(std::floor((pos.x() - r.x()) / s)), int(std::floor((pos.y() - r.y()) / s)));
}

void ScreenWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = targetRect();
    const QImage& screen = window_.gameScreen().front().image();
    // Black only around the screen: the pixels wholly under it are all drawn over.
    const QRect covered = screen.isNull() ? QRect()
                                          : QRect(QPoint(int(std::ceil(r.left())), int(std::ceil(r.top()))),
                                                  QPoint(int(std::floor(r.right())) - 1, int(std::floor(r.bottom())) - 1));
    for (const QRect& margin : QRegion(rect()).subtracted(QRegion(covered))) p.fillRect(margin, Qt::black);
    // The screen is composed at the device size of this rectangle: shown
    // pixel for pixel from the nearest whole device pixel, it needs no
    // resampling (which would cost a whole frame's filtering at every paint).
    const qreal dpr = devicePixelRatioF();
    if (!screen.isNull() && std::abs(screen.width() - r.width() * dpr) < 1 &&
        std::abs(screen.height() - r.height() * dpr) < 1) {
        p.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
        p.drawImage(QPoint(qRound(r.x() * dpr), qRound(r.y() * dpr)), screen);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(r, screen);
}

void ScreenWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    window_.relayout();
}

void ScreenWidget::mouseMoveEvent(QMouseEvent* e) { window_.pointerMove(toLayout(e->position())); }

void ScreenWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) window_.leftPress(toLayout(e->position()));
}

void ScreenWidget::wheelEvent(QWheelEvent* e) {
    window_.wheel(toLayout(e->position()), e->angleDelta().y() / 120);
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) window_.leftRelease(toLayout(e->position()));
    else if (e->button() == Qt::RightButton) window_.rightRelease(toLayout(e->position()));
}

// --------------------------------------------------------------- MainWindow

MainWindow::MainWindow(PlaySession& play, const view::Pictures& pictures, GameScreen& screen, GameSounds& sounds,
                       Options options)
    : play_(play), game_(play.game()), pictures_(pictures), screen_(screen), sounds_(sounds), options_(options),
      advisor_(this, pictures), carry_(play.game(), screen.regions().painted()) {
    setWindowTitle(tr("Aurovane"));
    screenaccess::install();
    widget_ = new ScreenWidget(*this);
    gate_.window = this;
    setCentralWidget(widget_);
    buildMenus();
    setUpDesktopPlay();
    firstPaintPending_ = options_.introduction;

    screen_.present = [this](const QRegion& changed) {
        if (!widget_->isVisible()) return;
        const QRectF r = widget_->targetRect();
        const qreal s = r.width() / screen_.layoutSize().width();
        QRegion area;
        for (const QRect& c : changed)
            area += QRectF(r.x() + c.x() * s, r.y() + c.y() * s, c.width() * s, c.height() * s)
                        .toAlignedRect()
                        .adjusted(-1, -1, 1, 1);
        widget_->repaint(area);
    };
    screen_.pause = [this](int ms) { pauseFor(ms); };
    sounds_.repaint = [this] { screen_.paintScreen(); };
    // An animated move sounds through the game, so it is silent while the
    // Sound option is off.
    screen_.playSound = [this](int kind) { game_.playSound(static_cast<SoundKind>(kind)); };
    play_.setPresenter(this);
    screen_.buildRegions();
    news_ = std::make_unique<NewsDesk>(game_, screen_, [this] { return inPause(); });
    news_->setEnabled(options_.yearNews);
    actions_[Command::YearNews]->setChecked(options_.yearNews);
    actions_[Command::LargerText]->setChecked(options_.largerText);
    applyTextSize();

    chooseFile = [this](bool saving) {
        return GameFiles::choose(this, saving ? GameFiles::Purpose::Save : GameFiles::Purpose::Open);
    };
    // The pages are shown inside the game; the quiz page's questions are
    // asked and checked by the game's own quiz.
    openUrl = [this](const QUrl& url) {
        if (url.fileName() == QLatin1String("quiz.html") && QuizDialog::showQuiz(this, url.toLocalFile())) return true;
        return PageViewer::showPage(this, url);
    };
    sounds_.noOutputNotice = [this] {
        advisor_.tell(tr("Princeps,\n\nNo audio device was found on this machine: the game plays without "
                         "sound and narration.").toStdString());
    };
    onQuit = [this] {
        hide();
        QCoreApplication::exit(0);
    };
    relayout();
    openStartFile();
}

MainWindow::~MainWindow() {
    play_.setPresenter(nullptr);
    news_.reset();
    screen_.playSound = nullptr;
    screen_.present = nullptr;
    screen_.pause = nullptr;
    screen_.decorate = nullptr;
    sounds_.repaint = nullptr;
    sounds_.noOutputNotice = nullptr;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& text, int id, std::function<void()> run,
                                bool safeAnytime) {
    QAction* a = menu->addAction(text);
    a->setData(id);
    if (safeAnytime) connect(a, &QAction::triggered, this, std::move(run));
    else connect(a, &QAction::triggered, this, [this, run = std::move(run)] { asCommand(run); });
    actions_[id] = a;
    return a;
}

void MainWindow::asCommand(const std::function<void()>& run) {
    // Called from the event loop of a pause, not by the command under way.
    if (gate_.isClosed()) {
        waiting_.push_back(run);
        return;
    }
    ++busy_;
    run();
    if (--busy_ > 0) return;
    if (relayoutPending_) relayout();
    runWaitingCommands();
}

void MainWindow::runWaitingCommands() {
    if (busy_ > 0 || gate_.isClosed() || waiting_.empty()) return;
    const std::function<void()> next = waiting_.front();
    waiting_.erase(waiting_.begin());
    asCommand(next);
}

QAction* MainWindow::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addCommand(file, tr("&New Game"), Command::NewGame, [this] { chooseNewGame(); })->setShortcut(QKeySequence::New);
    addCommand(file, tr("&Save"), Command::Save, [this] { save(); })->setShortcut(QKeySequence::Save);
    addCommand(file, tr("&Load"), Command::Load, [this] { load(); })->setShortcut(QKeySequence::Open);
    addCommand(file, tr("E&xit"), Command::Exit, [this] { exitGame(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    addCommand(edit, tr("&Undo"), Command::Undo, [this] { undo(); })->setShortcut(QKeySequence::Undo);
    // Greyed in the open menu when nothing can be taken back, but Ctrl+Z
    // always answers, if only to say why.
    connect(edit, &QMenu::aboutToShow, this, [this] { refreshUndo(); });
    connect(edit, &QMenu::aboutToHide, this, [this] { action(Command::Undo)->setEnabled(true); });

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    QMenu* skill = options->addMenu(tr("S&kill Level"));
    skillGroup_ = new QActionGroup(this);
    skillGroup_->setExclusive(true);
    const QString skills[] = {tr("&Easy"), tr("&Normal"), tr("&Hard")};
    for (int level = 0; level < 3; ++level) {
        QAction* a = addCommand(skill, skills[level], Command::Easy + level, [this, level] { setSkill(level); });
        a->setCheckable(true);
        skillGroup_->addAction(a);
    }
    actions_[Command::Easy + std::clamp(game_.skillLevel, 0, 2)]->setChecked(true);
    QAction* sound = addCommand(options, tr("&Sound"), Command::Sound, [this] { toggleSound(); }, true);
    sound->setCheckable(true);
    sound->setChecked(sounds_.enabled);
    addCommand(options, tr("&Year's News"), Command::YearNews, [this] { toggleYearNews(); }, true)->setCheckable(true);
    addCommand(options, tr("&Larger Text"), Command::LargerText, [this] { toggleLargerText(); }, true)
        ->setCheckable(true);
    addLanguageMenu(options, [this](const QString& told) { advisor_.inform(told); });
    QMenu* scenarios = options->addMenu(tr("S&cenarios"));
    // Each named by the year the player takes over in, as the scroll shows it.
    const std::pair<QString, int> scenarioItems[] = {{tr("&Valerian (260 AD)"), Command::Scenario260},
                                                     {tr("&Constantine (306 AD)"), Command::Scenario308},
                                                     {tr("H&onorius (409 AD)"), Command::Scenario410},
                                                     {tr("Valentinian &III (454 AD)"), Command::Scenario455}};
    for (const auto& [text, id] : scenarioItems) addCommand(scenarios, text, id, [this, id = id] { startScenario(id); });

    QMenu* history = menuBar()->addMenu(tr("Hi&story"));
    QMenu* lessons = history->addMenu(tr("History &Lessons"));
    for (const Lesson& l : LessonTable)
        addCommand(lessons, QCoreApplication::translate("Lessons", l.menuText), l.command, [this, &l] { showHistoryLesson(l); });
    addCommand(history, tr("Study &Guide"), Command::StudyGuide, [this] { openStudyGuide(); });
    addCommand(history, tr("Take &Quiz"), Command::Quiz, [this] { openQuiz(); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addCommand(help, tr("&Hints from the Prefect"), Command::Help, [this] { showHints(); })
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, tr("&Tutorial"), Command::Tutorial, [this] { openTutorial(); });
    QAction* about = addCommand(help, tr("&About ..."), Command::About, [this] { showAbout(); });
    // Alt with the question mark or the slash opens About, however the
    // keyboard produces the question mark.
    about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Question),
                         QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Slash)});

    auto* fullScreen = new QAction(tr("Full Screen"), this);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, [this] {
        if (isFullScreen()) showMaximized();
        else showFullScreen();
    });
    addAction(fullScreen);
}

void MainWindow::showAbout() {
    PictureDialog d(this, pictures_, AboutPicture, QSize(600, 400), tr("About Aurovane"), false, 0);
    d.exec();
}

void MainWindow::toggleYearNews() {
    news_->setEnabled(action(Command::YearNews)->isChecked());
    QSettings().setValue(QStringLiteral("yearNews"), news_->enabled());
}

void MainWindow::toggleLargerText() {
    options_.largerText = action(Command::LargerText)->isChecked();
    QSettings().setValue(QStringLiteral("largerText"), options_.largerText);
    applyTextSize();
}

void MainWindow::applyTextSize() {
    // The desktop's font scaling reaches the program as its logical dots per inch.
    const qreal desktop = std::clamp(logicalDpiY() / 96.0, 1.0, 1.5);
    view::setTextScale(std::min<qreal>(1.5, desktop * (options_.largerText ? 1.2 : 1.0)));
    if (isVisible()) screen_.paintScreen();
}

void MainWindow::exitGame() {
    if (ordersThisYear_ && !advisor_.askDiscard(QCoreApplication::translate("ScreenText", DiscardForQuit))) return;
    quit();
}
void MainWindow::openTutorial() { openWebPage(QStringLiteral("tutorial.html")); }
void MainWindow::openStudyGuide() { openWebPage(QStringLiteral("guide.html")); }
void MainWindow::openQuiz() { openWebPage(QStringLiteral("quiz.html")); }

void MainWindow::setSkill(int level) {
    action(Command::Easy + level)->setChecked(true);
    play_.give(order::Skill{level});
}

void MainWindow::refreshUndo() {
    QAction* a = action(Command::Undo);
    a->setEnabled(play_.undoable() != nullptr);
    const OrderOutcome item = undoCommandText(play_);
    a->setText(view::screenText(outcomeForm(item.id), item.words));
}

void MainWindow::undo() {
    const Order* last = play_.undoable();
    if (last == nullptr) {
        screen_.setNotice(view::screenText(noticeLine(undoBlockedText(play_.undoBlock()), 0)));
        screen_.paintScreen();
        return;
    }
    const Order taken = *last;
    std::vector<const void*> legions;
    for (const auto& l : game_.romans.legions) legions.push_back(l.get());
    play_.undo();
    // The provinces and legions are new objects: nothing may point at the old ones.
    news_->followRebuiltGame(legions);
    carry_.reset();
    showCarry();
    screen_.setNotice(view::screenText(noticeLine(undoneText(taken, game_), 0)));
    screen_.paintScreen();
}

void MainWindow::toggleSound() {
    // The narration of an open lesson is not touched: the option is for the game's sounds.
    sounds_.enabled = !sounds_.enabled;
    action(Command::Sound)->setChecked(sounds_.enabled);
}

void MainWindow::chooseNewGame() {
    if (!advisor_.askDiscard(QCoreApplication::translate("ScreenText", DiscardForNewGame))) return;
    newGameWithoutQuestion();
}

void MainWindow::newGameWithoutQuestion() {
    play_.give(order::NewGame{});
    showGameInHand();
}

void MainWindow::showGameInHand() {
    // Nothing of the game before may stay on the screen: its year's news,
    // its flashing provinces, a carry or a refusal in the information line.
    ordersThisYear_ = false;
    carry_.reset();
    showCarry();
    news_->startReign();
    screen_.refreshReports();
    screen_.paintScreen();
}

void MainWindow::startScenario(int id) {
    if (!advisor_.askDiscard(QCoreApplication::translate("ScreenText", DiscardForScenario))) return;
    const int year = id == Command::Scenario260   ? 260
                     : id == Command::Scenario308 ? 308
                     : id == Command::Scenario410 ? 410
                                                  : 455;
    play_.give(order::Scenario{year});
    showGameInHand();
    if (Game::firstTurnEndsAtOnce(year)) endTurn();
    play_.markKept();
}

void MainWindow::showHistoryLesson(const Lesson& l) {
    screen_.zoomToLesson(l, false);
    showLessonDialog(l.picture);
}

void MainWindow::showLessonDialog(int picture) {
    if (lessonShown) {
        lessonShown(picture);
        return;
    }
    LessonDialog d(this, pictures_, sounds_, picture);
    d.exec();
}

bool MainWindow::mayDiscardGame() {
    return !play_.hasUnsavedPlay() || advisor_.askDiscard(QCoreApplication::translate("ScreenText", DiscardForNewGame));
}

void MainWindow::load() {
    if (!mayDiscardGame()) return;
    const QString path = chooseFile ? chooseFile(false) : QString();
    if (path.isEmpty()) return;
    openFile(path);
}

void MainWindow::save() {
    const QString path = chooseFile ? chooseFile(true) : QString();
    if (path.isEmpty()) return;
    // The writer replaces the file only once the whole game is written, so a
    // failed save never destroys an older one.
    const FileResult r = game_.saveToFile(QFile::encodeName(path).toStdString());
    if (r.ok) {
        play_.markKept();
        ordersThisYear_ = false;
        advisor_.inform(tr("Game saved"));
    } else {
        tellFileProblem(r);
    }
}

void MainWindow::tellFileProblem(const FileResult& result) {
    advisor_.inform(fileProblemText(result));
}

QString MainWindow::webPage(const QString& name) {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList places = {appDir + QStringLiteral("/web"), appDir + QStringLiteral("/../share/aurovane/web"),
                                QStringLiteral(AUROVANE_WEB_SOURCE_DIR)};
    for (const QString& dir : places) {
        // the page in the windows' language where it is translated
        const QString path = inLanguage(QDir(dir).absolutePath(), name);
        if (QFileInfo::exists(path)) return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

void MainWindow::openWebPage(const QString& name) {
    const QString path = webPage(name);
    if (!openUrl || (!path.isEmpty() && openUrl(QUrl::fromLocalFile(path)))) return;
    // Never a menu item that silently does nothing.
    advisor_.inform(tr("The page %1 could not be shown: it is missing from this installation.").arg(name));
}

void MainWindow::rightRelease(QPoint) {
    if (news_->dismiss()) return;
    asCommand([this] { endTurn(); });
}

void MainWindow::endTurn() {
    if (quitting_) return;
    ordersThisYear_ = false;
    carry_.reset();
    showCarry();
    play_.give(order::EndYear{});
    autosaveTurn();
    dropQueuedInput();
}

// Clicks and keys that reached the window while the turn was being played out
// (between its pauses and animations) are dropped, not replayed now.
void MainWindow::dropQueuedInput() {
    if (!options_.realPauses || pauseDepth_ > 0) return;
    gate_.close();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    gate_.open();
    runWaitingCommands();
}

void MainWindow::keyDown(int key) {
    if (key == Qt::Key_P) keyP_ = true;
    if (key == Qt::Key_F) keyF_ = true;
    if (key == Qt::Key_J) keyJ_ = true;
    if (keyP_ && keyF_ && keyJ_) {
        asCommand([this] {
            play_.give(order::PalestinaUprising{});
            screen_.paintScreen();
        });
    }
}

void MainWindow::keyUp(int key) {
    if (key == Qt::Key_P) keyP_ = false;
    if (key == Qt::Key_F) keyF_ = false;
    if (key == Qt::Key_J) keyJ_ = false;
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat() && news_->dismiss()) return;
    // P, F and J keep their meaning whatever the keyboard's orders make of them.
    if (!e->isAutoRepeat()) keyDown(e->key());
    keyboardPress(e);
}

void MainWindow::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    keyUp(e->key());
}

// ------------------------------------------------------------ Presenter

void MainWindow::tell(const std::string& text) { advisor_.tell(text); }

bool MainWindow::askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    return advisor_.askWithLabels(text, yesLabel, noLabel);
}

void MainWindow::tell(const Message& message) { advisor_.tell(message); }
bool MainWindow::ask(const Message& message) {
    // A lost reign is scored like one that lasted: the player sees how it
    // went before being asked to play again.
    if (message.id == MessageId::Defeated) showResults();
    // Once the game is under way the welcome's "before we start" is no longer true.
    if (message.id == MessageId::WelcomeQuestion && welcomed_)
        return advisor_.question(tr("Princeps,\n\nWould you like to hear the hints on playing again?"));
    return advisor_.ask(message);
}

bool MainWindow::askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) {
    return advisor_.askWithLabels(text, yesLabel, noLabel);
}

void MainWindow::sound(SoundKind kind) { sounds_.playGameSound(kind); }

void MainWindow::move(Province& from, Province& to) {
    news_->battleBegins(from, to);
    screen_.animateMove(from, to);
}

void MainWindow::defeat(Power loser, Province& province) { screen_.animateDefeat(loser, province); }

void MainWindow::news(const std::string& line) {
    news_->newsLogged(line);
    screen_.refreshReports();
}

void MainWindow::diagnostic(const std::string& text) { qWarning("%s", text.c_str()); }

void MainWindow::redraw() {
    // The year's news first: a year that ended, or a game started again
    // after a defeat, shows in the same frame as the map it belongs to.
    news_->redrawn();
    screen_.paintScreen();
    // The year's summary, said once whether or not it is shown over the map.
    const YearSummary& summary = news_->lastSummary();
    if (summary.year != 0 && summary.year != announcedYear_) {
        announcedYear_ = summary.year;
        const view::NewsPanel panel = newsPanelFor(summary);
        QStringList words{panel.title};
        for (const view::NewsPanel::Line& l : panel.lines) words << l.text;
        announce(words.join(QStringLiteral(". ")));
    }
}

void MainWindow::banner() { screen_.showTurnBanner(); }
void MainWindow::forgetAnimatedMoves() { screen_.forgetAnimatedMoves(); }

void MainWindow::showLesson(int year) {
    const Lesson* l = lessonOfYear(year);
    if (!l) return;
    screen_.zoomToLesson(*l, true);
    showLessonDialog(l->picture);
}

void MainWindow::showResults() {
    if (resultsShown) {
        resultsShown();
        return;
    }
    const ResultsDialog results = resultsDialog(game_);
    PictureDialog d(this, pictures_, results.picture, QSize(600, 400),
                    QCoreApplication::translate("ScreenText", results.title), false, 0);
    QStringList words;
    for (const ScreenPhrase& phrase : resultsInWords(game_)) words << view::screenText(phrase.form, phrase.args);
    d.setAccessibleDescription(words.join(QLatin1Char(' ')));
    d.overlay = [results](QPainter& p) {
        p.save();
        const QColor gold(238, 214, 150);
        auto rect = [](const ResultsDialog::Frame& f) { return QRect(f.x, f.y, f.width, f.height); };
        p.setPen(gold);
        p.setFont(view::figuresFont(24));
        for (std::size_t i = 0; i < results.counts.size() && i < results.frames.size(); ++i)
            p.drawText(rect(results.frames[i]), Qt::AlignCenter, view::screenText(results.counts[i]));
        QFont words = view::screenFont();
        words.setBold(true);
        for (const auto& [form, frame, size] : {std::tuple{results.heading, results.headingFrame, 22},
                                                std::tuple{results.verdict, results.verdictFrame, 28}}) {
            if (!form) continue;
            p.fillRect(rect(frame), QColor(43, 42, 66));
            words.setPixelSize(size);
            // A size smaller where a language's words would leave the frame.
            const QString text = QCoreApplication::translate("ScreenText", form);
            p.setFont(view::fittedFont(words, text, frame.width - 8));
            p.drawText(rect(frame), Qt::AlignCenter, text);
        }
        p.restore();
    };
    d.exec();
}

void MainWindow::quit() {
    if (quitting_) return;
    quitting_ = true;
    if (onQuit) onQuit();
}

void MainWindow::newGame() {
    QTimer::singleShot(0, this, [this] { asCommand([this] { newGameWithoutQuestion(); }); });
}

void MainWindow::showHints() {
    tellWelcomeHints(*this);
    welcomed_ = true;
}

// ------------------------------------------------------------ the window

void MainWindow::pauseFor(int ms) {
    if (!options_.realPauses) {
        recordedPauses.push_back(ms);
        return;
    }
    ++pauseDepth_;
    gate_.close();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    gate_.open();
    --pauseDepth_;
    runWaitingCommands();
}

void MainWindow::relayout() {
    // Never under a running animation, whose frames hold on to the surfaces;
    // a dialog, however, may stand while the window is resized.
    if (pauseDepth_) {
        relayoutPending_ = true;
        return;
    }
    relayoutPending_ = false;
    const QSize layout = screen_.layoutSize();
    const QRectF r = widget_->targetRect();
    const qreal scale = std::max<qreal>(0.25, r.width() / layout.width() * widget_->devicePixelRatioF());
    // The platform's drag distance, in the layout pixels the carry counts.
    carry_.setDragDistance(qCeil(QApplication::startDragDistance() * layout.width() / std::max<qreal>(1, r.width())));
    if (std::abs(scale - screen_.scale()) < 0.001) return;
    screen_.setLayout(layout, scale);
    carry_.setDeviceScale(scale);
    // A window not shown yet is composed when it is, at the size it settles on.
    if (isVisible()) screen_.paintScreen();
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // A move to a screen of another pixel density re-composes at its sharpness.
    if (windowHandle() && !screenHooked_) {
        screenHooked_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { relayout(); });
    }
    screen_.paintScreen();
    if (firstPaintPending_) QTimer::singleShot(0, this, [this] { firstPaint(); });
}

void MainWindow::firstPaint() {
    if (!firstPaintPending_) return;
    firstPaintPending_ = false;
    asCommand([this] {
        screen_.paintScreen();
        showLessonDialog(IntroductionPicture);
        // The introduction's music is the first sound: a silent machine says so here.
        sounds_.tellNoAudioOnce();
        showHints();
    });
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    asCommand([this] { exitGame(); });
}
