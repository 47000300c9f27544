// The game program `aurovane`: start-up, the window's life and the orderly end.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "game/src/CommandLine.h"
#include "game/src/Dialogs.h"
#include "game/src/Emergency.h"
#include "game/src/GameScreen.h"
#include "game/src/MainWindow.h"
#include "game/src/Sound.h"
#include "game/view/MapDrawing.h"
#include "engine/Game.h"
#include "model/InternalError.h"

namespace {

bool displayAvailable(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0) platform = argv[i + 1];
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 && std::strncmp(platform, "wayland", 7) != 0)
        return true;  // offscreen, vnc, eglfs...: the platform knows best
#if defined(Q_OS_LINUX) || defined(__linux__)
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
#else
    return true;
#endif
}

void usage() {
    std::fprintf(stderr, "usage: aurovane [--seed N] [FILE.avn]\n");
}

}  // namespace

int main(int argc, char** argv) {
    // 1-2: the seed, from the command line for a reproducible game, else the clock.
    std::optional<std::uint32_t> seed;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const unsigned long v = std::strtoul(argv[i + 1], &end, 10);
            if (!end || *end) {
                usage();
                return 2;
            }
            seed = std::uint32_t(v);
            ++i;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            usage();
            return 0;
        }
    }
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr,
                     "aurovane: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set), so the "
                     "game window cannot open.\nThe terminal edition, aurovane-cli, plays the same game without "
                     "a window.\n");
        return 1;
    }
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    GameApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Aurovane"));
    QCoreApplication::setApplicationName(QStringLiteral("Aurovane"));

    {
        // The program's icon in every size that was drawn for it.
        QIcon icon;
        for (const QString& f : QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.png"), QStringLiteral("*.svg")}))
            icon.addFile(QStringLiteral(":/icons/") + f);
        if (icon.isNull()) icon.addFile(QStringLiteral(":/bitmaps/107.png"));
        QApplication::setWindowIcon(icon);
    }
    for (const QString& f : QDir(QStringLiteral(":/fonts")).entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + f);

    int code = 0;
    try {
        Game& game = Game::newInstance(seed ? *seed : std::uint32_t(QDateTime::currentMSecsSinceEpoch()));  // 4
        view::Pictures pictures;
        GameScreen screen(game, pictures);
        // 5 and 7, the drawing and the sounds: the window presents the game once it stands.
        game.startNewGame();                                         // 6

        std::unique_ptr<MainWindow> window;
        QtSoundBackend backend([&window](int ms) {
            if (window) window->pauseFor(ms);
        });
        GameSounds sounds(backend);
        game.buildEventList();

        pictures.load();                                             // 10
        {
            PictureDialog splash(nullptr, pictures, 165, QSize(640, 480), QStringLiteral("Aurovane"), true, 5000);
            splash.exec();
        }
        MainWindow::Options options;
        // A saved game or scenario named on the command line (or double-clicked
        // in the file manager) is loaded once the usual start-up is over.
        options.openAtStart = fileArgument(QCoreApplication::arguments());
        window = std::make_unique<MainWindow>(game, pictures, screen, sounds, options);
        // The whole screen, as a maximised window: also where no window
        // manager maximises it.
        if (QScreen* s = QGuiApplication::primaryScreen()) window->setGeometry(s->availableGeometry());
        window->showMaximized();

        code = app.exec();                                           // 11

        // 12: the credits, then an orderly end: sounds stopped, the game gone.
        window->hide();
        {
            PictureDialog credits(nullptr, pictures, 267, QSize(600, 400), QStringLiteral("About Aurovane"), true, 3000);
            credits.exec();
        }
        backend.stop();
        window.reset();
        Game::destroyInstance();
    } catch (const std::exception& e) {
        GameApplication::fatal(e.what());
    }
    return code;
}
