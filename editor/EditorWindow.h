#pragma once
#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

#include "editor/EditorSession.h"

class QAction;
class QMenu;
class QPainter;
class Province;

namespace view {
class Pictures;
}

namespace editor {

class OptionsDialog;

// The editor's main window: the map with its tints and legions, the game's
// legend and the status line, scaled to the window; the File, Scenario and
// Help menus; the right-click menu of a province. The dialogs and the file
// choice are virtual so that a test can answer them.
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

    // The pointer moved to a scene point: the province under it is named
    // under the map.
    void pointerAt(const QPoint& scenePos);
    const Province* hoveredProvince() const { return hovered_; }

    // The right button went down at a scene point: select the province there
    // and offer its menu. Returns false (and shows nothing) off the provinces.
    bool rightButtonDown(const QPoint& scenePos, const QPoint& globalPos);

    // The right-click menu for the selected province: its name, the Owner
    // submenu with the holder ticked (greyed for the frontier lands), Add and
    // Delete Legion.
    QMenu* buildProvinceMenu(QWidget* parent);

    // Runs a command of the right-click menu on the selected province.
    void runProvinceCommand(int command);
    // The window menu's action for a command number, or nullptr.
    QAction* menuAction(int command) const;

    void loadCommand();
    void saveCommand();
    void optionsCommand();
    void aboutCommand();

    // The welcome message, once, after the first paint.
    void afterPaint();

protected:
    virtual QAction* execPopup(QMenu& menu, const QPoint& globalPos);
    // Chosen file paths in the file system's encoding; empty when cancelled.
    virtual std::string chooseOpenPath();
    virtual std::string chooseSavePath();
    virtual int execOptionsDialog(OptionsDialog& dialog);
    virtual void showWelcome();

private:
    class Canvas;

    void buildMenus();
    void drawNotes(QPainter& painter);
    void drawHoveredProvince(QPainter& painter);

    EditorSession& session_;
    const view::Pictures& pictures_;
    Canvas* canvas_;
    const Province* hovered_ = nullptr;
    std::map<int, QAction*> actions_;
};

}  // namespace editor
