// The Aurovane scenario editor: one window over the game's own world model.
#include <QCommandLineParser>
#include <QScreen>
#include <cstdio>

#include "client/EditorSession.h"
#include "editor/EditorWindow.h"
#include "editor/Messages.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"
#include "qtcommon/CatalogueTranslator.h"
#include "qtcommon/FatalErrors.h"
#include "qtcommon/Languages.h"
#include "qtcommon/Startup.h"
#include "qtcommon/WindowAdvisor.h"

int main(int argc, char* argv[]) {
    // The language is read before the application object exists: the help is told in it.
    const QString language = languageArgument(rawArguments(argc, argv));
    if (!displayAvailable()) {
        // Told in the designer's language: a plain application object holds the catalogues.
        QCoreApplication words(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
        QCoreApplication::setApplicationName(QStringLiteral("Aurovane Editor"));
        installTranslations(words, language);
        std::fprintf(stderr, "aurovane-editor: %s\n",
                     editor::EditorWindow::tr("no display is available (neither DISPLAY nor WAYLAND_DISPLAY is "
                                              "set), so the editor window cannot open.")
                         .toUtf8()
                         .constData());
        return 1;
    }
    FatalErrorApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
    QCoreApplication::setApplicationName(QStringLiteral("Aurovane Editor"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    installTranslations(app, language);
    installTesterCatalogue(app, "aurovane-editor");
    {
        QCommandLineParser parser;
        parser.setApplicationDescription(editor::EditorWindow::tr("The Aurovane scenario editor."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption({QStringLiteral("lang"), editor::EditorWindow::tr("Speak the language <code>: en, de, fr, it or es."),
                          QStringLiteral("code")});
        parser.process(app);
    }
    loadBundledFonts();
    setBundledWindowIcon();

    view::Pictures pictures;
    pictures.load();
    // The editor shows no animations and plays no sounds: only the advisor speaks.
    WindowAdvisor advisor(nullptr, pictures);
    editor::setMessagePictures(&pictures);

    // The random generator is never seeded here: the start-up draws come from
    // its initial state, so the editor starts from the same position each time.
    Game game(1);
    FatalErrorApplication::game = &game;
    game.setPresenter(&advisor);
    editor::EditorSession session(game);
    session.setUpStartPosition();

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
    FatalErrorApplication::game = nullptr;
    game.setPresenter(nullptr);
    editor::setMessagePictures(nullptr);
    return code;
}
