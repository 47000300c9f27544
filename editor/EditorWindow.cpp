#include "editor/EditorWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QRubberBand>
#include <QStandardPaths>
#include <QTextOption>
#include <QTimer>
#include <QUndoCommand>
#include <algorithm>
#include <cmath>

#include "editor/BriefingDialog.h"
#include "editor/GameProgram.h"
#include "editor/HelpDialog.h"
#include "editor/Messages.h"
#include "editor/OptionsDialog.h"
#include "editor/PowerNames.h"
#include "editor/SelectionPanel.h"
#include "qtcommon/PrefectDialog.h"
#include "qtcommon/LanguageMenu.h"
#include "qtcommon/view/MapDrawing.h"
#include "qtcommon/view/ShownNames.h"
#include "engine/Game.h"
#include "qtcommon/GameFiles.h"
#include "qtcommon/RulesText.h"

namespace editor {

namespace {

// One change of the scenario, taken back and made again by restoring the
// whole scenario as it was before and after: every command of the editor is
// undone the same way, whatever it touched.
class ScenarioChange : public QUndoCommand {
public:
    ScenarioChange(const QString& name, EditorSession& session, EditorSession::Snapshot before,
                   EditorSession::Snapshot after, std::function<void()> shown)
        : QUndoCommand(name), session_(session), before_(std::move(before)), after_(std::move(after)),
          shown_(std::move(shown)) {}
    void undo() override {
        session_.restore(before_);
        shown_();
    }
    void redo() override {
        // Pushed once the change is made: the first redo has nothing to do.
        if (pushed_) {
            pushed_ = false;
            return;
        }
        session_.restore(after_);
        shown_();
    }

private:
    EditorSession& session_;
    EditorSession::Snapshot before_, after_;
    std::function<void()> shown_;
    bool pushed_ = true;
};

// A play-through of the scenario as it stands is written here, so the
// designer's own file is only written when he saves.
QString trialCopyPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("scenario-on-trial.avn"));
}

}  // namespace

// The client area: shows the composed picture scaled to fit with its
// proportions kept, and takes the pointer.
class EditorWindow::Canvas : public QWidget {
public:
    explicit Canvas(EditorWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setContextMenuPolicy(Qt::PreventContextMenu);
        setMouseTracking(true);
        setMinimumSize(640, 300);
        // The map takes the keyboard too: a click or Tab gives it the focus.
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleDescription(mapKeysHelp());
    }

    QRectF target() const {
        const qreal s = std::min(qreal(width()) / SceneWidth, qreal(height()) / SceneHeight);
        const QSizeF size(SceneWidth * s, SceneHeight * s);
        return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    }

    QPoint toScene(QPointF pos) const {
        const QRectF r = target();
        const qreal s = r.width() / SceneWidth;
        return QPoint(int(std::floor((pos.x() - r.x()) / s)), int(std::floor((pos.y() - r.y()) / s)));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // Composed at the window's sharpness, then shown at once, so no
        // half-drawn frame shows.
        const QRectF r = target();
        const qreal scale = r.width() / SceneWidth * devicePixelRatioF();
        QImage scene(QSize(int(SceneWidth * scale), int(SceneHeight * scale)), QImage::Format_RGB32);
        {
            QPainter painter(&scene);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.scale(scale, scale);
            window_.paintScene(painter);
        }
        scene.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(r.topLeft(), scene);
        painter.end();
        window_.afterPaint();
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        window_.pointerAt(toScene(event->position()));
        if (!pressed_) return;
        const QPoint now = event->position().toPoint();
        if (!band_ && (now - origin_).manhattanLength() < QApplication::startDragDistance()) return;
        if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
        band_->setGeometry(QRect(origin_, now).normalized());
        band_->show();
    }

    void leaveEvent(QEvent*) override { window_.pointerAt(QPoint(-1, -1)); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            window_.rightButtonDown(toScene(event->position()), event->globalPosition().toPoint());
            event->accept();
            return;
        }
        if (event->button() == Qt::LeftButton) {
            pressed_ = true;
            origin_ = event->position().toPoint();
            event->accept();
            return;
        }
        QWidget::mousePressEvent(event);
    }

    // A release where the press was selects the province there; after a
    // drag, the band's provinces.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || !pressed_) return QWidget::mouseReleaseEvent(event);
        pressed_ = false;
        const QPoint end = event->position().toPoint();
        if (band_ && band_->isVisible()) {
            band_->hide();
            window_.bandSelect(toScene(origin_), toScene(end), event->modifiers());
        } else {
            window_.leftClick(toScene(end), event->modifiers());
        }
        event->accept();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier))) {
            window_.keyboardMenu();
            return;
        }
        if (!window_.mapKey(event->key(), event->modifiers())) QWidget::keyPressEvent(event);
    }

private:
    EditorWindow& window_;
    bool pressed_ = false;
    QPoint origin_;
    QRubberBand* band_ = nullptr;
};

EditorWindow::EditorWindow(EditorSession& session, const view::Pictures& pictures, QWidget* parent)
    : QMainWindow(parent), session_(session), pictures_(pictures) {
    regions_.build(pictures.tints(), session.game());
    canvas_ = new Canvas(*this);
    setCentralWidget(canvas_);

    panel_ = new SelectionPanel(session, this);
    panel_->selectionChanged = [this] { canvas_->update(); };
    panel_->setHolder = [this](Empire* empire) { setHolderCommand(empire); };
    panel_->addLegions = [this](int count) { addLegionsCommand(count); };
    panel_->removeLegions = [this](int count) { removeLegionsCommand(count); };
    auto* dock = new QDockWidget(tr("Selection"), this);
    dock->setObjectName(QStringLiteral("selectionDock"));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setWidget(panel_);
    // The map keeps most of the width.
    dock->setMaximumWidth(300);
    addDockWidget(Qt::RightDockWidgetArea, dock);

    // Enough to take back a long session's work; each step holds two small copies of the scenario.
    undo_.setUndoLimit(1000);
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    buildMenus();
    setCurrentFile({});
    tellHighlight();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildMenus() {
    auto add = [this](QMenu* menu, const QString& text, int command, auto slot) {
        QAction* action = menu->addAction(text);
        action->setData(command);
        connect(action, &QAction::triggered, this, slot);
        actions_[command] = action;
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, tr("&New"), CmdNew, &EditorWindow::newCommand)->setShortcut(QKeySequence::New);
    add(file, tr("&Load..."), CmdLoad, &EditorWindow::loadCommand)->setShortcut(QKeySequence::Open);
    add(file, tr("&Save"), CmdSave, &EditorWindow::saveCommand)->setShortcut(QKeySequence::Save);
    add(file, tr("Save &As..."), CmdSaveAs, &EditorWindow::saveAsCommand)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    add(file, tr("&Play this Scenario"), CmdPlay, &EditorWindow::playCommand)->setShortcut(QKeySequence(Qt::Key_F5));
    file->addSeparator();
    add(file, tr("E&xit"), CmdExit, &QWidget::close)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = undo_.createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setData(static_cast<int>(CmdUndo));
    edit->addAction(undo);
    actions_[CmdUndo] = undo;
    QAction* redo = undo_.createRedoAction(this, tr("&Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setData(static_cast<int>(CmdRedo));
    edit->addAction(redo);
    actions_[CmdRedo] = redo;
    edit->addSeparator();
    add(edit, tr("Select &All"), CmdSelectAll, [this] {
        Game& game = session_.game();
        session_.setSelection({game.provinceTable.begin(), game.provinceTable.end()});
        selectionChanged();
    })->setShortcut(QKeySequence::SelectAll);
    add(edit, tr("Select &None"), CmdSelectNone, [this] {
        session_.select(nullptr);
        selectionChanged();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

    QMenu* scenario = menuBar()->addMenu(tr("&Scenario"));
    add(scenario, tr("&Options..."), CmdOptions, &EditorWindow::optionsCommand);
    add(scenario, tr("&Title and Briefing..."), CmdBriefing, &EditorWindow::briefingCommand);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    addLanguageMenu(options, [this](const QString& told) {
        showMessageBox(this, tr("Language").toStdString(), told.toStdString());
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("Editor &Help"), CmdHelp, &EditorWindow::helpCommand)->setShortcut(QKeySequence::HelpContents);
    QAction* about = add(help, tr("&About ..."), CmdAbout, &EditorWindow::aboutCommand);
    about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::Key_Slash)});
    about->setShortcutContext(Qt::ApplicationShortcut);
}

QAction* EditorWindow::menuAction(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void EditorWindow::recordChange(const QString& name, const std::function<void()>& change) {
    EditorSession::Snapshot before = session_.snapshot();
    change();
    EditorSession::Snapshot after = session_.snapshot();
    if (EditorSession::same(before, after)) return;
    undo_.push(new ScenarioChange(name, session_, std::move(before), std::move(after), [this] { scenarioChanged(); }));
    scenarioChanged();
}

void EditorWindow::scenarioChanged() {
    panel_->refresh();
    canvas_->update();
    tellHighlight();
}

void EditorWindow::selectionChanged() {
    panel_->refresh();
    canvas_->update();
    tellHighlight();
}

void EditorWindow::runProvinceCommand(int command) {
    const QString name = command == CmdAddLegion      ? tr("Add Legion")
                         : command == CmdDeleteLegion ? tr("Delete Legion")
                                                      : tr("Change of Holder");
    recordChange(name, [this, command] { session_.runMenuCommand(command); });
}

void EditorWindow::setHolderCommand(Empire* empire) {
    recordChange(tr("Change of Holder"), [this, empire] { session_.setHolderOfSelection(empire); });
}

void EditorWindow::addLegionsCommand(int count) {
    recordChange(tr("Add Legions"), [this, count] { session_.addLegionsToSelection(count); });
}

void EditorWindow::removeLegionsCommand(int count) {
    recordChange(tr("Remove Legions"), [this, count] { session_.removeLegionsFromSelection(count); });
}

QMenu* EditorWindow::buildProvinceMenu(QWidget* parent) {
    Game& game = session_.game();
    const Province* selected = session_.selected();
    const std::vector<Province*>& all = session_.selection();
    // The holder ticked is the one every selected province shares, if any.
    const Empire* holder = selected ? game.ownerOf(*selected) : nullptr;
    bool shared = true;
    for (const Province* p : all) shared = shared && game.ownerOf(*p) == holder;
    auto* menu = new QMenu(parent);
    if (all.size() > 1)
        menu->addSection(tr("%n province(s)", nullptr, int(all.size())));
    else if (selected)
        menu->addSection(view::shownName(selected->name()));
    QMenu* owner = menu->addMenu(tr("&Owner"));
    owner->menuAction()->setData(static_cast<int>(CmdOwnerMenu));
    auto* choice = new QActionGroup(owner);
    for (int command : {CmdOwnerRomans, CmdOwnerBarbarians, CmdOwnerSassanids, CmdOwnerRogueRomans, CmdOwnerNoOne}) {
        const auto named = session_.ownerCommands().find(command);
        const Empire* empire = named == session_.ownerCommands().end() ? nullptr : &game.getEmpire(named->second);
        QAction* a = owner->addAction(powerName(game, empire));
        a->setData(command);
        a->setCheckable(true);
        a->setChecked(shared && empire == holder);
        choice->addAction(a);
    }
    owner->menuAction()->setEnabled(session_.ownerMenuEnabled());
    owner->setEnabled(session_.ownerMenuEnabled());
    menu->addAction(tr("&Add Legion"))->setData(static_cast<int>(CmdAddLegion));
    menu->addAction(tr("&Delete Legion"))->setData(static_cast<int>(CmdDeleteLegion));
    return menu;
}

Province* EditorWindow::provinceAtScene(const QPoint& scenePos) const {
    return regions_.at(session_.game(), scenePos - QPoint(MapLeft, MapTop));
}

void EditorWindow::leftClick(const QPoint& scenePos, Qt::KeyboardModifiers modifiers) {
    Province* hit = provinceAtScene(scenePos);
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (hit) session_.toggleSelected(*hit);
    } else {
        session_.select(nullptr);
        session_.select(hit);
    }
    selectionChanged();
}

void EditorWindow::bandSelect(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers) {
    const std::vector<Province*> touched =
        session_.provincesTouching(from.x() - MapLeft, from.y() - MapTop, to.x() - MapLeft, to.y() - MapTop);
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier))
        session_.addToSelection(touched);
    else
        session_.setSelection(touched);
    selectionChanged();
}

bool EditorWindow::rightButtonDown(const QPoint& scenePos, const QPoint& globalPos) {
    Province* hit = provinceAtScene(scenePos);
    if (!hit) return false;
    session_.select(hit);
    selectionChanged();
    offerMenuAt(globalPos);
    return true;
}

void EditorWindow::offerMenuAt(const QPoint& globalPos) {
    QMenu* menu = buildProvinceMenu(this);
    QAction* chosen = execPopup(*menu, globalPos);
    const int command = chosen && chosen->isEnabled() ? chosen->data().toInt() : 0;
    delete menu;
    if (command) runProvinceCommand(command);
}

void EditorWindow::keyboardMenu() {
    const Province* p = session_.selected();
    if (!p) return;
    // Opened at the province's figures, as a right click there would.
    const QRectF r = canvas_->target();
    const qreal s = r.width() / SceneWidth;
    const QPoint spot = view::legionSpot(*p, 0);
    offerMenuAt(canvas_->mapToGlobal((r.topLeft() + QPointF(spot) * s).toPoint()));
}

void EditorWindow::pointerAt(const QPoint& scenePos) {
    const Province* p = provinceAtScene(scenePos);
    if (p == hovered_) return;
    hovered_ = p;
    canvas_->update();
}

QAction* EditorWindow::execPopup(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

std::string EditorWindow::chooseOpenPath() {
    return QFile::encodeName(GameFiles::choose(this, GameFiles::Purpose::OpenScenario)).toStdString();
}

std::string EditorWindow::chooseSavePath() {
    return QFile::encodeName(GameFiles::choose(this, GameFiles::Purpose::SaveScenario)).toStdString();
}

void EditorWindow::setCurrentFile(const QString& path) {
    file_ = path;
    // The title bar names the scenario and marks changes not yet saved.
    setWindowTitle(tr("%1[*] - Aurovane Editor")
                       .arg(path.isEmpty() ? tr("New scenario") : QFileInfo(path).fileName()));
    setWindowModified(!undo_.isClean());
}

bool EditorWindow::askDiscardChanges() {
    AdvisorDialog d(this, pictures_, AdvisorDialog::Question,
                    tr(DiscardChanges), tr(ThrowAway), tr(KeepEditing));
    d.exec();
    return d.answer() == AdvisorDialog::Yes;
}

bool EditorWindow::mayDiscardChanges() { return !hasUnsavedChanges() || askDiscardChanges(); }

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (mayDiscardChanges())
        event->accept();
    else
        event->ignore();
}

void EditorWindow::newCommand() {
    if (!mayDiscardChanges()) return;
    session_.newScenario();
    undo_.clear();
    setCurrentFile({});
    scenarioChanged();
}

void EditorWindow::loadCommand() {
    if (!mayDiscardChanges()) return;
    const std::string path = chooseOpenPath();
    if (path.empty()) return;
    const FileResult result = session_.game().loadFromFile(path);
    if (result.ok) {
        session_.select(nullptr);
        undo_.clear();
        setCurrentFile(QFile::decodeName(path.c_str()));
    } else {
        showMessageBox(this, tr("ERROR").toStdString(), fileProblemText(result).toStdString());
    }
    scenarioChanged();
}

bool EditorWindow::writeTo(const QString& path) {
    const FileResult result = session_.game().saveToFile(QFile::encodeName(path).toStdString());
    if (!result.ok) {
        showMessageBox(this, tr("ERROR").toStdString(), fileProblemText(result).toStdString());
        return false;
    }
    undo_.setClean();
    setCurrentFile(path);
    showMessageBox(this, tr("Alert").toStdString(), tr("Scenario saved").toStdString());
    return true;
}

void EditorWindow::saveCommand() {
    if (file_.isEmpty())
        saveAsCommand();
    else
        writeTo(file_);
}

void EditorWindow::saveAsCommand() {
    const std::string path = chooseSavePath();
    if (!path.empty()) writeTo(QFile::decodeName(path.c_str()));
}

QString EditorWindow::gameProgram() const { return findGameProgram(QCoreApplication::applicationDirPath()); }

bool EditorWindow::startGame(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void EditorWindow::playCommand() {
    const QString program = gameProgram();
    if (program.isEmpty()) {
        showMessageBox(this, tr("Play this Scenario").toStdString(),
                       tr("The game program was not found beside the editor (looked for %1). Save the scenario "
                          "and open it in the game with File > Load.")
                           .arg(gameProgramCandidates(QCoreApplication::applicationDirPath()).join(tr(" and ")))
                           .toStdString());
        return;
    }
    // A saved scenario with no changes since is played from its own file;
    // otherwise what is on the screen is written to a copy for the trial.
    QString path = file_;
    if (path.isEmpty() || hasUnsavedChanges()) {
        path = trialCopyPath();
        const FileResult written = session_.game().saveToFile(QFile::encodeName(path).toStdString());
        if (!written.ok) {
            showMessageBox(this, tr("ERROR").toStdString(), fileProblemText(written).toStdString());
            return;
        }
    }
    if (!startGame(program, {path}))
        showMessageBox(this, tr("Play this Scenario").toStdString(),
                       tr("The game program %1 could not be started.").arg(program).toStdString());
}

int EditorWindow::execOptionsDialog(OptionsDialog& dialog) { return dialog.exec(); }

void EditorWindow::optionsCommand() {
    recordChange(tr("Scenario Options"), [this] {
        OptionsDialog dialog(session_, this);
        execOptionsDialog(dialog);
    });
}

int EditorWindow::execBriefingDialog(BriefingDialog& dialog) { return dialog.exec(); }

void EditorWindow::briefingCommand() {
    recordChange(tr("Title and Briefing"), [this] {
        BriefingDialog dialog(session_, this);
        execBriefingDialog(dialog);
    });
}

void EditorWindow::showHelp() {
    HelpDialog dialog(this);
    dialog.exec();
}

void EditorWindow::helpCommand() { showHelp(); }

void EditorWindow::aboutCommand() {
    showMessageBox(this, tr("About Aurovane Editor").toStdString(),
                   tr("Aurovane Editor, version 1.0.").toStdString());
}

void EditorWindow::afterPaint() {
    if (session_.welcomeShown) return;
    // Set first: the message's own dialog makes the window paint again.
    session_.welcomeShown = true;
    QTimer::singleShot(0, this, [this] { showWelcome(); });
}

void EditorWindow::showWelcome() {
    session_.game().presenter().tell(tr("Welcome to the map editor! You can use this tool to create custom "
                                        "scenarios. To set the owner for a province or to add legions to a "
                                        "province, right-click on that province, then choose from its menu. "
                                        "Other game options can be set from Options in the Scenario menu. When "
                                        "you have finished, save your scenario, then open it in the game.")
                                         .toStdString());
}

QImage EditorWindow::renderScene() {
    QImage image(SceneWidth, SceneHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintScene(painter);
    return image;
}

std::vector<EditorWindow::PlacedLabel> EditorWindow::statusLine() const {
    const RomanEmpire& romans = session_.game().romans;
    std::vector<PlacedLabel> line = {
        {180, 600, tr("Year: %1 AD").arg(session_.game().turn + FirstYear)},
        {360, 600, tr("Treasury: %1").arg(view::shownNumber(romans.treasury))},
        {540, 600, tr("Revenue: %1").arg(view::shownNumber(romans.taxIncome))},
        {740, 600, tr("Expenses: %1").arg(view::shownNumber(romans.legionCost))},
        {940, 600, tr("Net: %1").arg(view::shownNumber(romans.taxIncome - romans.legionCost))},
    };
    // A longer language's piece pushes the next one along rather than
    // running into it; should the last then leave the scene, the line moves left.
    const QFontMetrics fm(view::screenFont());
    const int gap = 2 * fm.averageCharWidth();
    int end = 0;
    for (PlacedLabel& piece : line) {
        piece.x = std::max(piece.x, end);
        end = piece.x + fm.horizontalAdvance(piece.text) + gap;
    }
    const int over = end - gap - (SceneWidth - 10);
    if (over > 0) {
        const int shift = std::min(over, line.front().x - 10);
        for (PlacedLabel& piece : line) piece.x -= shift;
    }
    return line;
}

void EditorWindow::paintScene(QPainter& painter) {
    Game& game = session_.game();
    painter.fillRect(QRect(0, 0, SceneWidth, SceneHeight), Qt::black);
    // The game's own map drawing and legend, always without a horizontal
    // offset. No legion ever moves in the editor, so the Roman icon is the
    // active one.
    view::drawMapPicture(painter, pictures_, game, 0);
    view::drawOwnership(painter, pictures_, game, 0);
    drawSelection(painter);
    view::drawLegions(painter, pictures_, game, 0);
    view::drawLegend(painter, pictures_, 0);
    drawNotes(painter);
    for (const PlacedLabel& item : statusLine()) view::drawTextAt(painter, item.x, item.y, item.text, Qt::white);
    drawHoveredProvince(painter);
}

void EditorWindow::drawNotes(QPainter& painter) {
    // Where the game shows its reports, the editor says what it does.
    const int x = 1010;
    const int width = SceneWidth - x - 20;
    QFont heading = view::screenFont();
    heading.setPixelSize(26);
    heading.setBold(true);
    // A longer language's heading takes a smaller size to keep the column.
    const QString title = tr("SCENARIO EDITOR");
    painter.save();
    painter.setFont(view::fittedFont(heading, title, width, 12));
    painter.setPen(QColor(230, 200, 120));
    painter.drawText(QRect(x, 40, width, 40), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.restore();
    // Whole sentences, each wrapped to the column's width by the painter.
    const QString notes[] = {
        tr("Click a province to select it; Shift- or Ctrl-click, or drag a band, to select more."),
        tr("Right-click, or use the panel, to set their holder and legions."),
        tr("Year, treasury and plague, title and briefing: the Scenario menu."),
        tr("F5 plays the scenario in the game. F1 for help; Ctrl+Z undoes."),
    };
    painter.save();
    painter.setFont(view::screenFont());
    painter.setPen(Qt::white);
    int y = 110;
    // A word longer than the column is broken, not run past the scene's edge.
    QTextOption wrap(Qt::AlignLeft);
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& note : notes) {
        const QRect box = painter.boundingRect(QRectF(x, y, width, 400), note, wrap).toAlignedRect();
        painter.drawText(QRectF(box), note, wrap);
        y = box.bottom() + 24;
    }
    painter.restore();
}

void EditorWindow::drawSelection(QPainter& painter) {
    for (const Province* p : session_.selection())
        regions_.highlight(painter, session_.game(), *p, QColor(40, 230, 255), 0);
}

void EditorWindow::drawHoveredProvince(QPainter& painter) {
    if (!hovered_) return;
    Game& game = session_.game();
    int legions = 0;
    for (Empire* e : game.empires()) legions += e->countLegionsIn(*hovered_);
    const QString text = tr("Province: %1    Held by: %2    Legions: %3")
                             .arg(view::shownName(hovered_->name()), powerName(game, game.ownerOf(*hovered_)),
                                  view::shownNumber(legions));
    view::drawTextAt(painter, 180, 620, text, QColor(230, 200, 120));
}

}  // namespace editor
