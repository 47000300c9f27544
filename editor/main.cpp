// The Aurovane scenario editor: one window over the game's own world model.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

#include "editor/EditorAdvisor.h"
#include "editor/EditorSession.h"
#include "editor/EditorWindow.h"
#include "game/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

// Where the designer's position goes when an internal error ends the editor.
std::string emergencySavePath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QDir().mkpath(dir);
    return QFile::encodeName(QDir(dir).absoluteFilePath(QStringLiteral("editor-emergency.AVN"))).toStdString();
}

bool displayAvailable() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// The model's internal errors mark a broken program or file; they end the
// program, but only after telling the designer why instead of vanishing.
class EditorApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            static bool ending = false;
            std::string text = error.what();
            if (ending) {
                // A second error while the first is being reported: just go.
                std::fprintf(stderr, "aurovane-editor: %s\n", text.c_str());
                std::exit(EXIT_FAILURE);
            }
            ending = true;
            // No more painting of a window that cannot be drawn.
            for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
            // Keep what the designer built, if the position can still be written.
            if (Game::exists()) {
                const std::string path = emergencySavePath();
                try {
                    if (Game::instance().saveToFile(path).ok)
                        text += "\n\nThe scenario was saved to " + path;
                } catch (...) {
                }
            }
            std::fprintf(stderr, "aurovane-editor: %s\n", text.c_str());
            QMessageBox::critical(nullptr, QStringLiteral("Aurovane Editor"), QString::fromLocal8Bit(text));
            std::exit(EXIT_FAILURE);
        }
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fprintf(stderr, "aurovane-editor: no display is available (neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set), so the editor window cannot open.\n");
        return 1;
    }
    EditorApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
    QCoreApplication::setApplicationName(QString::fromLatin1(editor::WindowTitle));
    for (const QString& f : QDir(QStringLiteral(":/fonts")).entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + f);
    QIcon icon;
    for (const QString& f : QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.png")}))
        icon.addFile(QStringLiteral(":/icons/") + f);
    if (!icon.isNull()) QApplication::setWindowIcon(icon);

    editor::EditorAdvisor advisor;

    // The random generator is never seeded here: the start-up draws come from
    // its initial state, so the editor starts from the same position each time.
    Game& game = Game::instance();
    game.setPresenter(&advisor);
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
    Game::destroyInstance();
    return code;
}
