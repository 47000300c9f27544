// The Aurovane scenario editor: one window over the game's own world model.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "editor/EditorAdvisor.h"
#include "editor/EditorSession.h"
#include "editor/EditorWindow.h"
#include "game/view/MapDrawing.h"
#include "model/Game.h"
#include "model/InternalError.h"

namespace {

// The model's internal errors mark a broken program or file; they end the
// program, but only after telling the designer why instead of vanishing.
class EditorApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "aurovane-editor: %s\n", error.what());
            QMessageBox::critical(nullptr, QStringLiteral("Aurovane Editor"),
                                  QString::fromLocal8Bit(error.what()));
            std::exit(EXIT_FAILURE);
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    EditorApplication app(argc, argv);
    app.setApplicationName(QString::fromLatin1(editor::WindowTitle));

    editor::EditorAdvisor advisor;
    Advisor::install(&advisor);

    // The random generator is never seeded here: the start-up draws come from
    // its initial state, so the editor starts from the same position each time.
    Game& game = Game::instance();
    editor::EditorSession session(game);
    session.setUpStartPosition();

    view::Pictures pictures;
    pictures.load();
    advisor.setPortrait(editor::portraitFrom(pictures.graphic(182)));

    int code = 0;
    {
        editor::EditorWindow window(session, pictures);
        advisor.setOwner(&window);
        // Fill the screen even where no window manager maximises windows.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
        code = app.exec();
        advisor.setOwner(nullptr);
    }
    Advisor::install(nullptr);
    Game::destroyInstance();
    return code;
}
