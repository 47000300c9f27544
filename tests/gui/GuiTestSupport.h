#pragma once
// A game window driven from tests: offscreen, pauses recorded instead of
// waited, sounds recorded, pictures replaced by their placeholders (so that the
// pictures of the screen do not depend on which artwork has landed) and the
// font bundled with the tests.
#include <QApplication>
#include <QFontDatabase>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "game/src/Dialogs.h"
#include "game/src/GameScreen.h"
#include "game/src/MainWindow.h"
#include "game/src/Sound.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

inline QApplication& testApp() {
    static int argc = 1;
    static char name[] = "aurovane-gui-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The games kept at the end of every turn go to a folder of this run,
        // not to the data folder of whoever runs the tests.
        static QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        auto* a = new QApplication(argc, argv);
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(AUROVANE_SOURCE_DIR "/tests/gui/data/EBGaramond12-Regular.otf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        QFont f(families.isEmpty() ? QStringLiteral("EB Garamond") : families.front());
        f.setPixelSize(16);
        f.setHintingPreference(QFont::PreferNoHinting);
        view::setScreenFont(f);
        QApplication::setFont(f);
        // English's own plural forms, as the programs install them.
        static QTranslator english;
        if (english.load(QStringLiteral(":/i18n/aurovane_en.qm"))) QCoreApplication::installTranslator(&english);
        return a;
    }();
    return *app;
}

// A fresh game, as the program starts one, with a known seed.
inline Game& freshGame(std::uint32_t seed = 1) {
    testApp();
    Game& g = Game::newInstance(seed);
    g.startNewGame();
    return g;
}

// A play session on a fresh game, as the program starts one.
inline std::unique_ptr<PlaySession> freshSession(std::uint32_t seed = 1) {
    testApp();
    auto play = std::make_unique<PlaySession>(seed);
    play->start();
    return play;
}

struct Harness {
    explicit Harness(std::uint32_t seed = 1)
        : play(freshSession(seed)), game(play->game()), screen(game, pictures), sounds(backend) {
        pictures.load(QStringLiteral("/nonexistent-aurovane-pictures"));
        MainWindow::Options o;
        o.realPauses = false;
        o.introduction = false;
        o.yearNews = false;  // a summary over the map would take the next click
        window = std::make_unique<MainWindow>(*play, pictures, screen, sounds, o);
        window->resize(1366, 720);
        window->onQuit = [this] { ++quits; };
        window->openUrl = [this](const QUrl& u) {
            opened.push_back(u);
            return true;
        };
        window->lessonShown = [this](int picture) { lessons.push_back(picture); };
        window->resultsShown = [this] { ++results; };
        window->advisor().beforeExec = [this](AdvisorDialog& d) {
            const std::string text = d.text().toStdString();
            bool yes = false;
            if (d.yesButton()) {
                asked.push_back(text);
                if (!answers.empty()) {
                    yes = answers.front();
                    answers.pop_front();
                }
            } else {
                told.push_back(text);
            }
            QTimer::singleShot(0, &d, [&d, yes] {
                if (d.okButton()) d.okButton()->click();
                else (yes ? d.yesButton() : d.noButton())->click();
            });
        };
        screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), 1.0);
    }
    ~Harness() {
        window.reset();
    }

    // Layout point of a map point.
    static QPoint layoutOf(int mx, int my) { return QPoint(mx + view::MapLeft, my + view::MapTop); }

    std::unique_ptr<PlaySession> play;
    Game& game;
    view::Pictures pictures;
    GameScreen screen;
    RecordingSoundBackend backend;
    GameSounds sounds;
    std::unique_ptr<MainWindow> window;
    std::deque<bool> answers;  // answers to the next questions; No when empty
    std::vector<std::string> asked, told;
    std::vector<QUrl> opened;
    std::vector<int> lessons;
    int results = 0;
    int quits = 0;
};
