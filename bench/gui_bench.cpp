// How long the game screen takes to compose, against the least any frame
// costs (one full-frame copy to the window's picture), and how long the
// program takes from start to its first composed frame.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "game/src/GameScreen.h"
#include "game/src/MainWindow.h"
#include "game/src/Sound.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "gui_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* a = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *a;
}

Game& freshGame() {
    app();
    Game& g = Game::newInstance(42);
    g.startNewGame();
    return g;
}

void BM_PaintScreen(benchmark::State& state) {
    Game& game = freshGame();
    view::Pictures pictures;
    pictures.load();
    GameScreen screen(game, pictures);
    screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), state.range(0) / 100.0);
    for (auto _ : state) {
        screen.paintScreen();
        benchmark::DoNotOptimize(screen.front().image().constBits());
    }
}
BENCHMARK(BM_PaintScreen)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_FullFrameCopy(benchmark::State& state) {
    app();
    const qreal scale = state.range(0) / 100.0;
    view::Surface back(QSize(view::LayoutWidth, view::LayoutHeight), scale);
    view::Surface front(QSize(view::LayoutWidth, view::LayoutHeight), scale);
    const QRect all(0, 0, view::LayoutWidth, view::LayoutHeight);
    for (auto _ : state) {
        front.copyFrom(back, all, QPoint(0, 0));
        benchmark::DoNotOptimize(front.image().constBits());
    }
}
BENCHMARK(BM_FullFrameCopy)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Start-up as the program does it, less the splash: the game, the
// new game, the pictures, the window and its first frame.
void BM_StartupToFirstFrame(benchmark::State& state) {
    app();
    for (auto _ : state) {
        PlaySession play(42);
        view::Pictures pictures;
        GameScreen screen(play.game(), pictures);
        play.start();
        RecordingSoundBackend backend;
        GameSounds sounds(backend);
        pictures.load();
        MainWindow::Options options;
        options.introduction = false;
        MainWindow window(play, pictures, screen, sounds, options);
        window.resize(1366, 720);
        window.show();
        screen.paintScreen();
        benchmark::DoNotOptimize(screen.front().image().constBits());
        window.hide();
    }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
