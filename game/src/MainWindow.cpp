#include "game/src/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "rules/LessonTable.h"
#include "rules/WelcomeHints.h"
#include "game/view/MapDrawing.h"
#include "engine/Game.h"

// ---------------------------------------------------------------- InputGate

bool InputGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            ++dropped;
            return true;
        case QEvent::Close:
            // Closing the window in the middle of an animation would end the
            // program under the rules' feet: the close is refused.
            if (watched && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
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
    const QSize layout = window_.gameScreen().layoutSize();
    const qreal s = std::min(qreal(width()) / layout.width(), qreal(height()) / layout.height());
    const QSizeF size(layout.width() * s, layout.height() * s);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
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
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(r, window_.gameScreen().front().image());
}

void ScreenWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    window_.relayout();
}

void ScreenWidget::mouseMoveEvent(QMouseEvent* e) { window_.pointerMove(toLayout(e->position())); }

void ScreenWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) window_.leftPress(toLayout(e->position()));
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) window_.leftRelease(toLayout(e->position()));
    else if (e->button() == Qt::RightButton) window_.rightRelease(toLayout(e->position()));
}

// --------------------------------------------------------------- MainWindow

MainWindow::MainWindow(Game& game, const view::Pictures& pictures, GameScreen& screen, GameSounds& sounds,
                       Options options)
    : game_(game), pictures_(pictures), screen_(screen), sounds_(sounds), options_(options),
      advisor_(this, pictures) {
    setWindowTitle(QStringLiteral("Aurovane"));
    widget_ = new ScreenWidget(*this);
    setCentralWidget(widget_);
    buildMenus();
    setUpDesktopPlay();
    firstPaintPending_ = options_.introduction;

    screen_.present = [this](const QRect& changed) {
        const QRectF r = widget_->targetRect();
        const qreal s = r.width() / screen_.layoutSize().width();
        const QRect area = QRectF(r.x() + changed.x() * s, r.y() + changed.y() * s, changed.width() * s,
                                  changed.height() * s).toAlignedRect().adjusted(-1, -1, 1, 1);
        if (widget_->isVisible()) widget_->repaint(area);
    };
    screen_.pause = [this](int ms) { pauseFor(ms); };
    sounds_.repaint = [this] { screen_.paintScreen(); };
    // An animated move sounds through the game, so it is silent while the
    // Sound option is off.
    screen_.playSound = [this](int kind) { game_.playSound(static_cast<SoundKind>(kind)); };
    game_.setPresenter(this);

    chooseFile = [this](bool saving) {
        QFileDialog d(this, saving ? QStringLiteral("Save") : QStringLiteral("Load"));
        d.setNameFilters({QStringLiteral("Aurovane Files (*.AVN)"), QStringLiteral("All (*)")});
        d.setDefaultSuffix(QStringLiteral("AVN"));
        d.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return QString();
        return d.selectedFiles().front();
    };
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    onQuit = [this] {
        hide();
        QCoreApplication::exit(0);
    };
    relayout();
}

MainWindow::~MainWindow() {
    if (&game_.presenter() == this) game_.setPresenter(nullptr);
    screen_.playSound = nullptr;
    screen_.present = nullptr;
    screen_.pause = nullptr;
    screen_.decorate = nullptr;
    sounds_.repaint = nullptr;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& text, int id) {
    QAction* a = menu->addAction(text);
    a->setData(id);
    connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions_[id] = a;
    return a;
}

QAction* MainWindow::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(file, QStringLiteral("New Game"), Command::NewGame)->setShortcut(QKeySequence::New);
    addCommand(file, QStringLiteral("Save"), Command::Save)->setShortcut(QKeySequence::Save);
    addCommand(file, QStringLiteral("Load"), Command::Load)->setShortcut(QKeySequence::Open);
    addCommand(file, QStringLiteral("E&xit"), Command::Exit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    QMenu* skill = options->addMenu(QStringLiteral("Skill Level"));
    skillGroup_ = new QActionGroup(this);
    skillGroup_->setExclusive(true);
    const std::pair<const char*, int> skills[] = {{"Easy", Command::Easy}, {"Normal", Command::Normal},
                                                   {"Hard", Command::Hard}};
    for (const auto& [text, id] : skills) {
        QAction* a = addCommand(skill, QString::fromLatin1(text), id);
        a->setCheckable(true);
        skillGroup_->addAction(a);
    }
    actions_[Command::Easy + std::clamp(game_.skillLevel, 0, 2)]->setChecked(true);
    QAction* sound = addCommand(options, QStringLiteral("Sound"), Command::Sound);
    sound->setCheckable(true);
    sound->setChecked(sounds_.enabled);
    QMenu* scenarios = options->addMenu(QStringLiteral("Scenarios"));
    addCommand(scenarios, QStringLiteral("Valerian (260 AD)"), Command::Scenario260);
    addCommand(scenarios, QStringLiteral("Constantine (308 AD)"), Command::Scenario308);
    addCommand(scenarios, QStringLiteral("Honorius (410 AD)"), Command::Scenario410);
    addCommand(scenarios, QStringLiteral("Valentinian III (455 AD)"), Command::Scenario455);

    QMenu* history = menuBar()->addMenu(QStringLiteral("History"));
    QMenu* lessons = history->addMenu(QStringLiteral("History Lessons"));
    for (const Lesson& l : LessonTable) addCommand(lessons, QString::fromLatin1(l.menuText), l.command);
    addCommand(history, QStringLiteral("Study Guide"), Command::StudyGuide);
    addCommand(history, QStringLiteral("Take Quiz"), Command::Quiz);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(help, QStringLiteral("Help"), Command::Help)->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, QStringLiteral("Video Tutorial"), Command::Tutorial);
    QAction* about = addCommand(help, QStringLiteral("&About ..."), Command::About);
    // Alt with the question mark or the slash opens About, however the
    // keyboard produces the question mark.
    about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Question),
                         QKeySequence(Qt::ALT | Qt::Key_Slash), QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Slash)});

    auto* fullScreen = new QAction(QStringLiteral("Full Screen"), this);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, this, [this] {
        if (isFullScreen()) showMaximized();
        else showFullScreen();
    });
    addAction(fullScreen);
}

void MainWindow::runCommand(int id, int parameter) {
    ++busy_;
    switch (id) {
        case Command::Tutorial: openWebPage(QStringLiteral("tutorial.html")); break;
        case Command::About: {
            PictureDialog d(this, pictures_, 267, QSize(600, 400), QStringLiteral("About Aurovane"), false, 0);
            d.exec();
            break;
        }
        case Command::Exit:
            quit();
            break;
        case Command::StudyGuide: openWebPage(QStringLiteral("guide.html")); break;
        case Command::Quiz: openWebPage(QStringLiteral("quiz.html")); break;
        case Command::Help: showHints(); break;
        case Command::Scenario260:
        case Command::Scenario308:
        case Command::Scenario410:
        case Command::Scenario455: scenario(id); break;
        case Command::Load: load(); break;
        case Command::Save: save(); break;
        case Command::NewGame: newGame(parameter); break;
        case Command::ContinueLastGame: continueLastGame(); break;
        case Command::Easy:
        case Command::Normal:
        case Command::Hard: setSkill(id); break;
        case Command::Sound: toggleSound(); break;
        default:
            if (lessonOfCommand(id)) historyLesson(id);
            break;
    }
    --busy_;
    if (relayoutPending_ && !busy_) relayout();
}

void MainWindow::setSkill(int id) {
    for (int s : {Command::Easy, Command::Normal, Command::Hard}) actions_[s]->setChecked(s == id);
    game_.skillLevel = id - Command::Easy;
}

void MainWindow::toggleSound() {
    // The narration of an open lesson is not touched: the option is for the game's sounds.
    sounds_.enabled = !sounds_.enabled;
    actions_[Command::Sound]->setChecked(sounds_.enabled);
}

void MainWindow::newGame(int parameter) {
    if (parameter == 0 && !advisor_.ask("Discard the current game?")) return;
    game_.startNewGame();
    shownProvince_ = nullptr;
    screen_.paintScreen();
}

void MainWindow::scenario(int id) {
    if (!advisor_.ask("Are you sure you want to discard the current game?")) return;
    const int year = id == Command::Scenario260   ? 260
                     : id == Command::Scenario308 ? 308
                     : id == Command::Scenario410 ? 410
                                                  : 455;
    game_.startScenario(year);
    screen_.paintScreen();
    if (Game::firstTurnEndsAtOnce(year)) endTurn();
}

void MainWindow::historyLesson(int id) {
    const Lesson* l = lessonOfCommand(id);
    if (!l) return;
    screen_.zoomToDialog(l->zoomX + screen_.screenOffsetX(), l->zoomY);
    showLessonDialog(l->picture);
}

void MainWindow::showLessonDialog(int picture) {
    if (lessonShown) {
        lessonShown(picture);
        return;
    }
    LessonDialog d(this, pictures_, sounds_, picture);
    d.exec();
}

void MainWindow::load() {
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
    if (r.ok)
        QMessageBox::information(nullptr, QStringLiteral("Alert"), QStringLiteral("Game saved"));
    else
        QMessageBox::critical(this, QStringLiteral("ERROR"), QString::fromLocal8Bit(r.error.c_str()));
}

QString MainWindow::webPage(const QString& name) {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList places = {appDir + QStringLiteral("/web"), appDir + QStringLiteral("/../share/aurovane/web"),
                                QStringLiteral(AUROVANE_WEB_SOURCE_DIR)};
    for (const QString& dir : places) {
        const QString path = QDir(dir).absoluteFilePath(name);
        if (QFileInfo::exists(path)) return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

void MainWindow::openWebPage(const QString& name) {
    const QString path = webPage(name);
    if (path.isEmpty() || !openUrl) return;  // as with the shell: a failure is not reported
    openUrl(QUrl::fromLocalFile(path));
}

// ------------------------------------------------------------- the pointer

void MainWindow::pointerMove(QPoint layout) {
    const QPoint m = view::layoutToMap(layout, screen_.screenOffsetX());
    const Province* hovered = game_.provinceAt(m.x(), m.y());
    if (hovered == shownProvince_) return;
    shownProvince_ = hovered;
    screen_.showProvinceInfo(hovered);
}

void MainWindow::leftPress(QPoint layout) {
    const QPoint m = view::layoutToMap(layout, screen_.screenOffsetX());
    // The first box under the pointer decides, even when it refuses.
    game_.pickUp(game_.legionBoxAt(m.x(), m.y()));
}

void MainWindow::leftRelease(QPoint layout) {
    const QPoint m = view::layoutToMap(layout, screen_.screenOffsetX());
    carryOut([&] { return game_.dropLegions(m.x(), m.y()); });
}

void MainWindow::order(Province& from, Province& to) {
    carryOut([&] { return succeeded(Orders::move(game_, from, to)); });
}

void MainWindow::carryOut(const std::function<bool()>& order) {
    ++busy_;
    if (order()) {
        screen_.paintScreen();
        if (!game_.romansCanMove()) endTurn();
        else dropQueuedInput();
    }
    --busy_;
    if (relayoutPending_ && !busy_) relayout();
}

void MainWindow::rightRelease(QPoint) {
    ++busy_;
    endTurn();
    --busy_;
    if (relayoutPending_ && !busy_) relayout();
}

void MainWindow::endTurn() {
    if (quitting_) return;
    game_.advanceTurn();
    autosaveTurn();
    dropQueuedInput();
}

// Clicks and keys that reached the window while the turn was being played out
// (between its pauses and animations) are dropped, not replayed now.
void MainWindow::dropQueuedInput() {
    if (!options_.realPauses || pauseDepth_ > 0) return;
    qApp->installEventFilter(&gate_);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    qApp->removeEventFilter(&gate_);
}

void MainWindow::keyDown(int key) {
    if (key == Qt::Key_P) keyP_ = true;
    if (key == Qt::Key_F) keyF_ = true;
    if (key == Qt::Key_J) keyJ_ = true;
    if (keyP_ && keyF_ && keyJ_) {
        ++busy_;
        game_.palestinaUprising();
        screen_.paintScreen();
        --busy_;
    }
}

void MainWindow::keyUp(int key) {
    if (key == Qt::Key_P) keyP_ = false;
    if (key == Qt::Key_F) keyF_ = false;
    if (key == Qt::Key_J) keyJ_ = false;
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
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

void MainWindow::sound(SoundKind kind) { sounds_.playGameSound(static_cast<int>(kind)); }
void MainWindow::move(Province& from, Province& to) { screen_.animateMove(from, to); }
void MainWindow::defeat(Power loser, Province& province) { screen_.animateDefeat(powerName(loser), province); }
void MainWindow::news(const std::string&) { screen_.refreshReports(); }
void MainWindow::diagnostic(const std::string& text) { qWarning("%s", text.c_str()); }
void MainWindow::redraw() { screen_.paintScreen(); }
void MainWindow::banner() { screen_.showTurnBanner(); }
void MainWindow::forgetAnimatedMoves() { screen_.forgetAnimatedMoves(); }

void MainWindow::showLesson(int year) {
    const Lesson* l = lessonOfYear(year);
    if (!l) return;
    screen_.zoomToDialog(l->zoomX + screen_.screenOffsetX(), l->zoomY);
    screen_.zoomToDialog(l->zoomX + screen_.screenOffsetX(), l->zoomY);
    showLessonDialog(l->picture);
}

void MainWindow::showResults() {
    if (resultsShown) {
        resultsShown();
        return;
    }
    PictureDialog d(this, pictures_, 250, QSize(600, 400), QStringLiteral("Results"), false, 0);
    const int invasions = game_.invasionCount, plagues = game_.plagueCount, rebellions = game_.rebellionCount;
    d.overlay = [invasions, plagues, rebellions](QPainter& p) {
        view::drawTextAt(p, 430, 127, QString::number(invasions), Qt::white);
        view::drawTextAt(p, 430, 168, QString::number(plagues), Qt::white);
        view::drawTextAt(p, 430, 210, QString::number(rebellions), Qt::white);
    };
    d.exec();
}

void MainWindow::quit() {
    if (quitting_) return;
    quitting_ = true;
    if (onQuit) onQuit();
}

void MainWindow::newGame() {
    QTimer::singleShot(0, this, [this] { runCommand(Command::NewGame, 1); });
}

void MainWindow::showHints() { tellWelcomeHints(*this); }

// ------------------------------------------------------------ the window

void MainWindow::pauseFor(int ms) {
    if (!options_.realPauses) {
        recordedPauses.push_back(ms);
        return;
    }
    ++pauseDepth_;
    if (pauseDepth_ == 1) qApp->installEventFilter(&gate_);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    if (--pauseDepth_ == 0) qApp->removeEventFilter(&gate_);
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
    if (std::abs(scale - screen_.front().scale()) < 0.001) return;
    screen_.setLayout(layout, scale);
    screen_.paintScreen();
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
    ++busy_;
    screen_.paintScreen();
    showLessonDialog(IntroductionPicture);
    showHints();
    openStartFile();
    --busy_;
    if (relayoutPending_ && !busy_) relayout();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    quit();
}
