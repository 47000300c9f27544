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
#include "model/Advisor.h"
#include "model/Game.h"

namespace editor {

namespace {

const QString FileFilter = QStringLiteral("Aurovane Files (*.AVN)");
const QString AllFilter = QStringLiteral("All (*.*)");

// Text placed like the platform's text output: (x, y) is the top-left corner
// of the text cell. With a background colour the cell is filled first.
void writeText(QPainter& painter, int x, int y, const std::string& text, const QColor& colour,
               const QColor* background = nullptr) {
    const QString s = QString::fromLocal8Bit(text);
    const QFontMetrics metrics = painter.fontMetrics();
    if (background)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), *background);
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + metrics.ascent()), s);
}

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

EditorWindow::EditorWindow(EditorSession& session, QWidget* parent)
    : QMainWindow(parent), session_(session) {
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

void EditorWindow::showWelcome() { Advisor::tell(WelcomeText); }

QImage EditorWindow::renderScene() {
    QImage image(SceneWidth, SceneHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintScene(painter);
    return image;
}

void EditorWindow::paintScene(QPainter& painter) {
    painter.fillRect(QRect(0, 0, painter.device()->width(), painter.device()->height()), Qt::black);
    drawLegend(painter);
    const QColor white(255, 255, 255);
    for (const PlacedText& item : session_.statusLine()) writeText(painter, item.x, item.y, item.text, white);
}

void EditorWindow::drawLegend(QPainter& painter) {
    // Texts in the default text colours: black on an opaque white cell.
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    writeText(painter, 1080, 155, "Roman Legion", black, &white);
    writeText(painter, 1080, 255, "Barbarians", black, &white);
    writeText(painter, 1080, 355, "Sassanids", black, &white);
    writeText(painter, 1080, 455, "Roman Legion (Rebelling)", black, &white);
    writeText(painter, 20, 100, "s - put legion to sleep", black, &white);
    writeText(painter, 20, 150, "l - move legion later", black, &white);
    writeText(painter, 20, 200, "w - wake all legions", black, &white);
    writeText(painter, 20, 250, "n - next turn", black, &white);
}

}  // namespace editor
