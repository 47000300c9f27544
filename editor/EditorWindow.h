#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <QUndoStack>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "client/EditorSession.h"
#include "qtcommon/view/ProvinceRegions.h"

class QAction;
class QMenu;
class QPainter;
class Province;

namespace view {
class Pictures;
}

namespace editor {

class BriefingDialog;
class OptionsDialog;
class SelectionPanel;

// The editor's main window: the map with its tints and legions, the game's
// legend and the status line, scaled to the window, with the selected
// provinces marked; the panel of provinces, holder and legions beside it;
// the File, Edit, Scenario and Help menus; the right-click menu of the
// selection. Every change of the scenario can be undone. The dialogs, the
// file choice and the start of the game are virtual so that a test can
// answer them.
class EditorWindow : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(editor::EditorWindow)
public:
    EditorWindow(EditorSession& session, const view::Pictures& pictures, QWidget* parent = nullptr);
    ~EditorWindow() override;

    EditorSession& session() { return session_; }

    // Size of the composed picture, in scene pixels: the game's layout, down
    // to the line of the province under the pointer.
    static constexpr int SceneWidth = 1366;
    static constexpr int SceneHeight = 640;

    // Composes the whole picture.
    void paintScene(QPainter& painter);
    QImage renderScene();

    // The status line under the map: the year and the Roman accounts.
    struct PlacedLabel {
        int x;
        int y;
        QString text;
    };
    std::vector<PlacedLabel> statusLine() const;

    // The province painted at a scene point, or nullptr.
    Province* provinceAtScene(const QPoint& scenePos) const;

    // The pointer moved to a scene point: the province under it is named
    // under the map.
    void pointerAt(const QPoint& scenePos);
    const Province* hoveredProvince() const { return hovered_; }

    // A left click at a scene point: the province there becomes the only one
    // selected (the sea selects nothing); with Shift or Ctrl it joins the
    // selection or leaves it.
    void leftClick(const QPoint& scenePos, Qt::KeyboardModifiers modifiers);
    // A band dragged over the map (scene points): the provinces it touches
    // become the selection, or join it with Shift or Ctrl.
    void bandSelect(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers);

    // The right button went down at a scene point: select the province there
    // (keeping the selection it belongs to) and offer its menu. Returns false
    // (and shows nothing) off the provinces.
    bool rightButtonDown(const QPoint& scenePos, const QPoint& globalPos);

    // The right-click menu for the selection: the province's name (or how
    // many are selected), the Owner submenu with the holder ticked (greyed
    // when only frontier lands are selected), Add and Delete Legion.
    QMenu* buildProvinceMenu(QWidget* parent);

    // A key on the map (MapKeyboard.cpp): true when it was taken.
    bool mapKey(int key, Qt::KeyboardModifiers modifiers);
    // The selection's menu from the keyboard (the menu key, Shift+F10).
    void keyboardMenu();
    // What the map's keys do, for the Help and a screen reader.
    static QString mapKeysHelp();

    // Runs a command of the right-click menu on the selection.
    void runProvinceCommand(int command);
    // The window menu's action for a command number, or nullptr.
    QAction* menuAction(int command) const;

    // The commands on the whole selection, each one step of undo.
    void setHolderCommand(Empire* empire);
    void addLegionsCommand(int count);
    void removeLegionsCommand(int count);

    void newCommand();
    void loadCommand();
    void saveCommand();
    void saveAsCommand();
    void playCommand();
    void optionsCommand();
    void briefingCommand();
    void helpCommand();
    void aboutCommand();

    QUndoStack& undoStack() { return undo_; }
    SelectionPanel& panel() const { return *panel_; }
    // The file the scenario was last opened from or saved to; empty for a new one.
    const QString& currentFile() const { return file_; }
    bool hasUnsavedChanges() const { return !undo_.isClean(); }

    // The welcome message, once, after the first paint.
    void afterPaint();

protected:
    void closeEvent(QCloseEvent* event) override;

    virtual QAction* execPopup(QMenu& menu, const QPoint& globalPos);
    // Chosen file paths in the file system's encoding; empty when cancelled.
    virtual std::string chooseOpenPath();
    virtual std::string chooseSavePath();
    virtual int execOptionsDialog(OptionsDialog& dialog);
    virtual int execBriefingDialog(BriefingDialog& dialog);
    virtual void showWelcome();
    virtual void showHelp();
    // Whether to throw away the changes not yet saved (asked only when there are some).
    virtual bool askDiscardChanges();
    // Starts the game program with the arguments, on its own; false when it could not start.
    virtual bool startGame(const QString& program, const QStringList& arguments);
    // Where the game program stands; empty when it is not there.
    virtual QString gameProgram() const;

private:
    class Canvas;

    void buildMenus();
    void drawNotes(QPainter& painter);
    void drawHoveredProvince(QPainter& painter);
    void drawSelection(QPainter& painter);
    // Runs `change` and records it for undo under `name` when it changed the scenario.
    void recordChange(const QString& name, const std::function<void()>& change);
    // The selection or the scenario changed: the map, the panel, the title bar.
    void selectionChanged();
    void scenarioChanged();
    // The selection's menu at a desktop point; runs the command chosen.
    void offerMenuAt(const QPoint& globalPos);
    // The selected province named to a screen reader.
    void tellHighlight();
    bool writeTo(const QString& path);
    bool mayDiscardChanges();
    void setCurrentFile(const QString& path);

    EditorSession& session_;
    const view::Pictures& pictures_;
    view::ProvinceRegions regions_;
    Canvas* canvas_;
    SelectionPanel* panel_;
    const Province* hovered_ = nullptr;
    std::map<int, QAction*> actions_;
    QUndoStack undo_;
    QString file_;
};

}  // namespace editor
