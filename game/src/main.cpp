// The game program `aurovane`: start-up, the window's life and the orderly end.
#include <QApplication>
#include <QDateTime>
#include <QScreen>
#include <QSettings>
#include <cstdio>

#include "qtcommon/CatalogueTranslator.h"
#include "game/src/CommandLine.h"
#include "game/src/Dialogs.h"
#include "game/src/GameScreen.h"
#include "game/src/MainWindow.h"
#include "game/src/Sound.h"
#include "qtcommon/view/MapDrawing.h"
#include "client/PlaySession.h"
#include "engine/Game.h"
#include "qtcommon/FatalErrors.h"
#include "qtcommon/Languages.h"
#include "qtcommon/Startup.h"

int main(int argc, char** argv) {
    // 1-2: the seed, from the command line for a reproducible game, else the clock.
    const QStringList arguments = rawArguments(argc, argv);
    CommandLine line = CommandLine::parse(arguments);
    const bool display = displayAvailable(line.platform);
    if (line.help || !line.error.isEmpty() || !display) {
        // Told in the player's language: a plain application object holds the catalogues.
        QCoreApplication words(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
        QCoreApplication::setApplicationName(QStringLiteral("Aurovane"));
        installTranslations(words, line.language);
        line = CommandLine::parse(arguments);
        if (!line.error.isEmpty()) std::fprintf(stderr, "aurovane: %s\n", line.error.toUtf8().constData());
        if (line.help || !line.error.isEmpty()) {
            std::fprintf(stderr, "%s", CommandLine::usage().toUtf8().constData());
            return line.help ? 0 : 2;
        }
        std::fprintf(stderr, "aurovane: %s\n", CommandLine::noDisplay().toUtf8().constData());
        return 1;
    }
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    FatalErrorApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
    QCoreApplication::setApplicationName(QStringLiteral("Aurovane"));
    installTranslations(app, line.language);
    installTesterCatalogue(app, "aurovane");
    setBundledWindowIcon();
    loadBundledFonts();

    int code = 0;
    try {
        PlaySession play(line.seed ? *line.seed : std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
        FatalErrorApplication::game = &play.game();
        view::Pictures pictures;
        GameScreen screen(play.game(), pictures);
        // The drawing and the sounds: the window presents the game once it stands.
        play.start();

        std::unique_ptr<MainWindow> window;
        QtSoundBackend backend([&window](int ms) {
            if (window) window->pauseFor(ms);
        });
        GameSounds sounds(backend);

        pictures.load();                                             // 10
        {
            PictureDialog splash(nullptr, pictures, SplashPicture, QSize(640, 480), QObject::tr("Aurovane"), true, 5000);
            splash.exec();
        }
        MainWindow::Options options;
        options.yearNews = QSettings().value(QStringLiteral("yearNews"), true).toBool();
        options.largerText = QSettings().value(QStringLiteral("largerText"), false).toBool();
        // A saved game or scenario named on the command line (or opened from
        // the file manager); the application object has taken Qt's options out.
        options.openAtStart = CommandLine::parse(QCoreApplication::arguments()).file;
        window = std::make_unique<MainWindow>(play, pictures, screen, sounds, options);
        // The whole screen, as a maximised window: also where no window
        // manager maximises it.
        if (QScreen* s = QGuiApplication::primaryScreen()) window->setGeometry(s->availableGeometry());
        window->showMaximized();

        code = app.exec();                                           // 11

        // 12: the credits, then an orderly end: sounds stopped, the game gone.
        window->hide();
        {
            PictureDialog credits(nullptr, pictures, AboutPicture, QSize(600, 400), QObject::tr("About Aurovane"), true, 3000);
            credits.exec();
        }
        backend.stop();
        window.reset();
        FatalErrorApplication::game = nullptr;
    } catch (const std::exception& e) {
        FatalErrorApplication::fatal(e.what());
    }
    return code;
}
