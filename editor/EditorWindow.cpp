#include "editor/EditorWindow.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "editor/Messages.h"
#include "editor/OptionsDialog.h"
#include "game/view/MapDrawing.h"
#include "rules/Presenter.h"
#include "engine/Game.h"

namespace editor {

namespace {

const QString FileFilter = QStringLiteral("Aurovane Files (*.AVN)");
const QString AllFilter = QStringLiteral("All (*.*)");

}  // namespace

// The client area: paints the composed picture and takes the right button.
class EditorWindow::Canvas : public QWidget {
public:
    explicit Canvas(EditorWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setContextMenuPolicy(Qt::PreventContextMenu);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // Compose off screen, then copy once, so no half-drawn frame shows.
        QImage back(size().expandedTo(QSize(SceneWidth, SceneHeight)), QImage::Format_RGB32);
        {
            QPainter painter(&back);
            window_.paintScene(painter);
        }
        QPainter painter(this);
        painter.drawImage(0, 0, back);
        painter.end();
        window_.afterPaint();
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            window_.rightButtonDown(event->position().toPoint(), event->globalPosition().toPoint());
            event->accept();
            return;
        }
        QWidget::mousePressEvent(event);
    }

private:
    EditorWindow& window_;
};

EditorWindow::EditorWindow(EditorSession& session, const view::Pictures& pictures, QWidget* parent)
    : QMainWindow(parent), session_(session), pictures_(pictures),
      editorLegend_(EditorLegendPicture, 200, 80),
      editorTitle_(EditorTitlePicture, 150, 55) {
    editorLegend_.load(view::DefaultPictureRoot);
    editorTitle_.load(view::DefaultPictureRoot);
    setWindowTitle(QString::fromLatin1(WindowTitle));
    canvas_ = new Canvas(*this);
    setCentralWidget(canvas_);
    buildMenus();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::buildMenus() {
    auto add = [this](QMenu* menu, const QString& text, int command) {
        QAction* action = menu->addAction(text);
        action->setData(command);
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        actions_[command] = action;
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("&Load"), CmdLoad);
    add(file, QStringLiteral("&Save"), CmdSave);
    file->addSeparator();
    add(file, QStringLiteral("E&xit"), CmdExit);
    QMenu* scenario = menuBar()->addMenu(QStringLiteral("&Scenario"));
    add(scenario, QStringLiteral("&Options"), CmdOptions);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* about = add(help, QStringLiteral("&About ..."), CmdAbout);
    about->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Question), QKeySequence(Qt::ALT | Qt::Key_Slash)});
    about->setShortcutContext(Qt::ApplicationShortcut);
}

QAction* EditorWindow::menuAction(int command) const {
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void EditorWindow::runCommand(int command) {
    switch (command) {
    case CmdLoad: loadCommand(); return;
    case CmdSave: saveCommand(); return;
    case CmdExit: close(); return;
    case CmdOptions: optionsCommand(); return;
    case CmdAbout: aboutCommand(); return;
    default:
        if (session_.runMenuCommand(command)) canvas_->update();
    }
}

QMenu* EditorWindow::buildProvinceMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QMenu* owner = menu->addMenu(QStringLiteral("Owner"));
    owner->menuAction()->setData(static_cast<int>(CmdOwnerMenu));
    const std::pair<const char*, int> owners[] = {
        {"Romans", CmdOwnerRomans},           {"Barbarians", CmdOwnerBarbarians},
        {"Sassanids", CmdOwnerSassanids},     {"Rogue Romans", CmdOwnerRogueRomans},
        {"No one", CmdOwnerNoOne},
    };
    for (const auto& [text, command] : owners) owner->addAction(QString::fromLatin1(text))->setData(command);
    owner->menuAction()->setEnabled(session_.ownerMenuEnabled());
    owner->setEnabled(session_.ownerMenuEnabled());
    menu->addAction(QStringLiteral("Add Legion"))->setData(static_cast<int>(CmdAddLegion));
    menu->addAction(QStringLiteral("Delete Legion"))->setData(static_cast<int>(CmdDeleteLegion));
    return menu;
}

bool EditorWindow::rightButtonDown(const QPoint& clientPos, const QPoint& globalPos) {
    if (!session_.selectAt(clientPos.x(), clientPos.y())) return false;
    QMenu* menu = buildProvinceMenu(this);
    QAction* chosen = execPopup(*menu, globalPos);
    const int command = chosen && chosen->isEnabled() ? chosen->data().toInt() : 0;
    delete menu;
    if (command) runCommand(command);
    return true;
}

QAction* EditorWindow::execPopup(QMenu& menu, const QPoint& globalPos) { return menu.exec(globalPos); }

std::string EditorWindow::chooseOpenPath() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({FileFilter, AllFilter});
    dialog.setDefaultSuffix(QStringLiteral("AVN"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::string EditorWindow::chooseSavePath() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({FileFilter, AllFilter});
    dialog.setDefaultSuffix(QStringLiteral("AVN"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

void EditorWindow::loadCommand() {
    const std::string path = chooseOpenPath();
    if (path.empty()) return;
    const FileResult result = session_.game().loadFromFile(path);
    if (!result.ok) showMessageBox(this, "ERROR", result.error);
    canvas_->update();
}

void EditorWindow::saveCommand() {
    const std::string path = chooseSavePath();
    if (path.empty()) return;
    const FileResult result = session_.game().saveToFile(path);
    if (result.ok)
        showMessageBox(nullptr, "Alert", "Game saved");
    else
        showMessageBox(this, "ERROR", result.error);
}

int EditorWindow::execOptionsDialog(OptionsDialog& dialog) { return dialog.exec(); }

void EditorWindow::optionsCommand() {
    OptionsDialog dialog(session_, this);
    if (execOptionsDialog(dialog) == QDialog::Accepted) canvas_->update();
}

void EditorWindow::aboutCommand() {
    showMessageBox(this, "About Aurovane Editor", "Aurovane Editor\r\nVersion 1.0");
}

void EditorWindow::afterPaint() {
    if (session_.welcomeShown) return;
    // Set first: the message's own dialog makes the window paint again.
    session_.welcomeShown = true;
    QTimer::singleShot(0, this, [this] { showWelcome(); });
}

void EditorWindow::showWelcome() { session_.game().presenter().tell(WelcomeText); }

QImage EditorWindow::renderScene() {
    QImage image(SceneWidth, SceneHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintScene(painter);
    return image;
}

void EditorWindow::paintScene(QPainter& painter) {
    Game& game = session_.game();
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::black);
    // The game's own map drawing, always without a horizontal offset. No
    // legion ever moves in the editor, so the Roman icon is the active one.
    view::drawMapPicture(painter, pictures_, game, 0);
    view::drawOwnership(painter, pictures_, game, 0);
    view::drawLegions(painter, pictures_, game, 0);
    drawLegend(painter);
    for (const PlacedText& item : session_.statusLine())
        view::drawTextAt(painter, item.x, item.y, QString::fromLocal8Bit(item.text), Qt::white);
}

void EditorWindow::drawLegend(QPainter& painter) {
    const struct {
        int icon;
        int y;
        const char* label;
    } rows[] = {
        {view::RomanActive, 130, "Roman Legion"},
        {view::BarbarianIcon, 230, "Barbarians"},
        {view::SassanidIcon, 330, "Sassanids"},
        {view::RebelIcon, 430, "Roman Legion (Rebelling)"},
    };
    // The editor's labels keep the default text colours: black on white cells.
    for (const auto& row : rows) {
        pictures_.icon(row.icon).drawTransparent(painter, 1030, row.y, false);
        view::drawTextAt(painter, 1080, row.y + 25, QString::fromLatin1(row.label), Qt::black, true, Qt::white);
    }
    editorLegend_.draw(painter, 1040, 40);
    editorTitle_.draw(painter, 20, 40);
    // The game's keys, as text only: the editor has no such keys.
    const char* notes[] = {"s - put legion to sleep", "l - move legion later", "w - wake all legions",
                           "n - next turn"};
    for (int i = 0; i < 4; ++i)
        view::drawTextAt(painter, 20, 100 + 50 * i, QString::fromLatin1(notes[i]), Qt::black, true, Qt::white);
}

}  // namespace editor
