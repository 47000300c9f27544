#pragma once
#include <map>
#include <string>

#include <QImage>
#include <QMainWindow>

#include "editor/EditorSession.h"
#include "game/view/Graphic.h"

class QAction;
class QMenu;
class QPainter;

namespace editor {

class OptionsDialog;

}  // namespace editor

namespace view {
class Pictures;
}

namespace editor {

// The editor's two headings: LEGEND above its icon legend on the right, and
// SCENARIO EDITOR above the notes on the left (the game's pictures do not fit
// the editor's layout).
inline constexpr int EditorLegendPicture = 330;  // 200x80 at (1040, 40)
inline constexpr int EditorTitlePicture = 331;   // 150x55 at (20, 40)

// The editor's main window: the map with its tints and legions, the legend
// and the status line; the File, Scenario and Help menus; the right-click
// menu of a province. The dialogs and the file choice are virtual so that a
// test can answer them.
class EditorWindow : public QMainWindow {
public:
    EditorWindow(EditorSession& session, const view::Pictures& pictures, QWidget* parent = nullptr);
    ~EditorWindow() override;

    EditorSession& session() { return session_; }

    // Size of the composed picture: the layout is made for a window
    // 1366 pixels wide and reaches down below the status line.
    static constexpr int SceneWidth = 1366;
    static constexpr int SceneHeight = 640;

    // Composes the whole picture of the client area.
    void paintScene(QPainter& painter);
    QImage renderScene();

    // The right button went down at a client-area point: select the province
    // there and offer its menu. Returns false (and shows nothing) off the
    // provinces.
    bool rightButtonDown(const QPoint& clientPos, const QPoint& globalPos);

    // The right-click menu for the selected province; the Owner submenu is
    // greyed for the frontier lands.
    QMenu* buildProvinceMenu(QWidget* parent);

    // Runs a menu command by number (window menu or right-click menu).
    void runCommand(int command);
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
    // Chosen file paths in the platform's 8-bit encoding; empty when cancelled.
    virtual std::string chooseOpenPath();
    virtual std::string chooseSavePath();
    virtual int execOptionsDialog(OptionsDialog& dialog);
    virtual void showWelcome();

private:
    class Canvas;

    void buildMenus();
    void drawLegend(QPainter& painter);

    EditorSession& session_;
    const view::Pictures& pictures_;
    view::Graphic editorLegend_;
    view::Graphic editorTitle_;
    Canvas* canvas_;
    std::map<int, QAction*> actions_;
};

}  // namespace editor
