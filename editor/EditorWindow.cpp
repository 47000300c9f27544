#include "editor/EditorWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "editor/Messages.h"
#include "editor/OptionsDialog.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"
#include "qtcommon/GameFiles.h"

namespace editor {

namespace {

// The names the game gives the powers (and "No one" for none).
QString powerName(Game& game, const Empire* empire) {
    if (empire == &game.romans) return EditorWindow::tr("Romans");
    if (empire == &game.barbarians) return EditorWindow::tr("Barbarians");
    if (empire == &game.sassanids) return EditorWindow::tr("Sassanids");
    if (empire == &game.rogueRomans) return EditorWindow::tr("Rebelling Legions");
    return EditorWindow::tr("No one");
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

    void mouseMoveEvent(QMouseEvent* event) override { window_.pointerAt(toScene(event->position())); }

    void leaveEvent(QEvent*) override { window_.pointerAt(QPoint(-1, -1)); }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            window_.rightButtonDown(toScene(event->position()), event->globalPosition().toPoint());
            event->accept();
            return;
        }
        QWidget::mousePressEvent(event);
    }

private:
    EditorWindow& window_;
};

EditorWindow::EditorWindow(EditorSession& session, const view::Pictures& pictures, QWidget* parent)
    : QMainWindow(parent), session_(session), pictures_(pictures) {
    setWindowTitle(tr("Aurovane Editor"));
    canvas_ = new Canvas(*this);
    setCentralWidget(canvas_);
    buildMenus();
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
    add(file, tr("&Load"), CmdLoad, &EditorWindow::loadCommand)->setShortcut(QKeySequence::Open);
    add(file, tr("&Save"), CmdSave, &EditorWindow::saveCommand)->setShortcut(QKeySequence::Save);
    file->addSeparator();
    add(file, tr("E&xit"), CmdExit, &QWidget::close);
    QMenu* scenario = menuBar()->addMenu(tr("&Scenario"));
    add(scenario, tr("&Options"), CmdOptions, &EditorWindow::optionsCommand);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = add(help, tr("&About ..."), CmdAbout, &EditorWindow::aboutCommand);
    about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::Key_Slash)});
    about->setShortcutContext(Qt::ApplicationShortcut);
}

QAction* EditorWindow::menuAction(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void EditorWindow::runProvinceCommand(int command) {
    if (session_.runMenuCommand(command)) canvas_->update();
}

QMenu* EditorWindow::buildProvinceMenu(QWidget* parent) {
    Game& game = session_.game();
    const Province* selected = session_.selected();
    const Empire* holder = selected ? game.ownerOf(*selected) : nullptr;
    auto* menu = new QMenu(parent);
    if (selected) menu->addSection(QString::fromStdString(selected->name()));
    QMenu* owner = menu->addMenu(tr("Owner"));
    owner->menuAction()->setData(static_cast<int>(CmdOwnerMenu));
    auto* choice = new QActionGroup(owner);
    for (int command : {CmdOwnerRomans, CmdOwnerBarbarians, CmdOwnerSassanids, CmdOwnerRogueRomans, CmdOwnerNoOne}) {
        const auto named = session_.ownerCommands().find(command);
        const Empire* empire = named == session_.ownerCommands().end() ? nullptr : &game.getEmpire(named->second);
        QAction* a = owner->addAction(powerName(game, empire));
        a->setData(command);
        a->setCheckable(true);
        a->setChecked(empire == holder);
        choice->addAction(a);
    }
    owner->menuAction()->setEnabled(session_.ownerMenuEnabled());
    owner->setEnabled(session_.ownerMenuEnabled());
    menu->addAction(tr("Add Legion"))->setData(static_cast<int>(CmdAddLegion));
    menu->addAction(tr("Delete Legion"))->setData(static_cast<int>(CmdDeleteLegion));
    return menu;
}

bool EditorWindow::rightButtonDown(const QPoint& scenePos, const QPoint& globalPos) {
    if (!session_.selectAt(scenePos.x(), scenePos.y())) return false;
    QMenu* menu = buildProvinceMenu(this);
    QAction* chosen = execPopup(*menu, globalPos);
    const int command = chosen && chosen->isEnabled() ? chosen->data().toInt() : 0;
    delete menu;
    if (command) runProvinceCommand(command);
    return true;
}

void EditorWindow::pointerAt(const QPoint& scenePos) {
    const Province* p = session_.game().provinceAt(scenePos.x() - MapLeft, scenePos.y() - MapTop);
    if (p == hovered_) return;
    hovered_ = p;
    canvas_->update();
}

QAction* EditorWindow::execPopup(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

std::string EditorWindow::chooseOpenPath() {
    return QFile::encodeName(GameFiles::choose(this, GameFiles::Purpose::Open)).toStdString();
}

std::string EditorWindow::chooseSavePath() {
    return QFile::encodeName(GameFiles::choose(this, GameFiles::Purpose::Save)).toStdString();
}

void EditorWindow::loadCommand() {
    const std::string path = chooseOpenPath();
    if (path.empty()) return;
    const FileResult result = session_.game().loadFromFile(path);
    if (!result.ok) showMessageBox(this, tr("ERROR").toStdString(), result.error);
    canvas_->update();
}

void EditorWindow::saveCommand() {
    const std::string path = chooseSavePath();
    if (path.empty()) return;
    const FileResult result = session_.game().saveToFile(path);
    if (result.ok)
        showMessageBox(this, tr("Alert").toStdString(), tr("Scenario saved").toStdString());
    else
        showMessageBox(this, tr("ERROR").toStdString(), result.error);
}

int EditorWindow::execOptionsDialog(OptionsDialog& dialog) { return dialog.exec(); }

void EditorWindow::optionsCommand() {
    OptionsDialog dialog(session_, this);
    if (execOptionsDialog(dialog) == QDialog::Accepted) canvas_->update();
}

void EditorWindow::aboutCommand() {
    showMessageBox(this, tr("About Aurovane Editor").toStdString(),
                   tr("Aurovane Editor\nVersion 1.0").toStdString());
}

void EditorWindow::afterPaint() {
    if (session_.welcomeShown) return;
    // Set first: the message's own dialog makes the window paint again.
    session_.welcomeShown = true;
    QTimer::singleShot(0, this, [this] { showWelcome(); });
}

void EditorWindow::showWelcome() {
    session_.game().presenter().tell(tr("Welcome to the map editor! You can use this tool to create\n"
                                        "custom scenarios. To set the owner for a province or to add\n"
                                        "legions to a province, right click on that province, then\n"
                                        "select the appropriate menu choice.  Other game options\n"
                                        "can be set from the \"Options\" choice on the \"Scenario\"\n"
                                        "menu. When you have finished, save your scenario, then\n"
                                        "open it using Aurovane executable.")
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
    return {
        {180, 600, tr("Year: %1 AD").arg(session_.game().turn + FirstYear)},
        {360, 600, tr("Treasury: %1").arg(romans.treasury)},
        {540, 600, tr("Revenue: %1").arg(romans.taxIncome)},
        {740, 600, tr("Expenses: %1").arg(romans.legionCost)},
        {940, 600, tr("Net: %1").arg(romans.taxIncome - romans.legionCost)},
    };
}

void EditorWindow::paintScene(QPainter& painter) {
    Game& game = session_.game();
    painter.fillRect(QRect(0, 0, SceneWidth, SceneHeight), Qt::black);
    // The game's own map drawing and legend, always without a horizontal
    // offset. No legion ever moves in the editor, so the Roman icon is the
    // active one.
    view::drawMapPicture(painter, pictures_, game, 0);
    view::drawOwnership(painter, pictures_, game, 0);
    view::drawLegions(painter, pictures_, game, 0);
    view::drawLegend(painter, pictures_, 0);
    drawNotes(painter);
    for (const PlacedLabel& item : statusLine()) view::drawTextAt(painter, item.x, item.y, item.text, Qt::white);
    drawHoveredProvince(painter);
}

void EditorWindow::drawNotes(QPainter& painter) {
    // Where the game shows its reports, the editor says what it does.
    const int x = 1010;
    QFont heading = view::screenFont();
    heading.setPixelSize(26);
    heading.setBold(true);
    painter.save();
    painter.setFont(heading);
    painter.setPen(QColor(230, 200, 120));
    painter.drawText(QRect(x, 40, SceneWidth - x - 20, 40), Qt::AlignLeft | Qt::AlignVCenter, tr("SCENARIO EDITOR"));
    painter.restore();
    const QString notes[] = {
        tr("Right-click a province to choose"), tr("who holds it, and to add or"),  tr("delete its legions."), QString(),
        tr("The year, the treasury and the"),   tr("plague: Scenario > Options."),   QString(),
        tr("Save the scenario, then open it"),  tr("in the game with File > Load."),
    };
    int y = 110;
    for (const QString& line : notes) {
        if (!line.isEmpty()) view::drawTextAt(painter, x, y, line, Qt::white);
        y += 24;
    }
}

void EditorWindow::drawHoveredProvince(QPainter& painter) {
    if (!hovered_) return;
    Game& game = session_.game();
    int legions = 0;
    for (Empire* e : game.empires()) legions += e->countLegionsIn(*hovered_);
    const QString text = tr("Province: %1    Held by: %2    Legions: %3")
                             .arg(QString::fromStdString(hovered_->name()), powerName(game, game.ownerOf(*hovered_)))
                             .arg(legions);
    view::drawTextAt(painter, 180, 620, text, QColor(230, 200, 120));
}

}  // namespace editor
