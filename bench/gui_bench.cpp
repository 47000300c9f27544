// The game window's speed and weight, each figure beside its goal at the end:
// how long a paint of the game screen takes against the least any frame costs
// (one full-frame copy to the window's picture), with nothing changed, after
// an order and while legions are carried; and the program from its start to
// its first frame, with its peak memory, against the terminal edition's start
// plus a first paint: a process of its own that pays only what drawing the
// first frame needs (Qt's application, the fonts, the pictures of that frame
// read cold, one composition), with no window, menus or sounds. A program's
// first frame is when it says so; what it does after (its end) is not counted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/src/GameScreen.h"
#include "game/src/MainWindow.h"
#include "game/src/Sound.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"
#include "client/ScreenText.h"
#include "qtcommon/Languages.h"
#include "qtcommon/Startup.h"

extern char** environ;

namespace {

const char* const FirstFrameOnly = "--first-frame-only";
const char* const FirstPaintOnly = "--first-paint-only";

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

struct PaintedScreen {
    Game& game = freshGame();
    view::Pictures pictures;
    GameScreen screen{game, pictures};
    explicit PaintedScreen(qreal scale) {
        pictures.load();
        screen.buildRegions();
        screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), scale);
        screen.paintScreen();
    }
};

// A paint with nothing changed since the last.
void BM_PaintScreen(benchmark::State& state) {
    PaintedScreen s(state.range(0) / 100.0);
    for (auto _ : state) {
        s.screen.paintScreen();
        benchmark::DoNotOptimize(s.screen.front().image().constBits());
    }
}
BENCHMARK(BM_PaintScreen)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// A paint after an order: a legion of Italia has moved, or moves back.
void BM_PaintAfterOrder(benchmark::State& state) {
    PaintedScreen s(state.range(0) / 100.0);
    Legion* legion = nullptr;
    for (const auto& l : s.game.romans.legions)
        if (l->province->name() == "Italia") legion = l.get();
    for (auto _ : state) {
        legion->moved = !legion->moved;
        s.screen.paintScreen();
        benchmark::DoNotOptimize(s.screen.front().image().constBits());
    }
}
BENCHMARK(BM_PaintAfterOrder)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// A pointer move while legions are carried over one province.
void BM_PaintDragStep(benchmark::State& state) {
    PaintedScreen s(state.range(0) / 100.0);
    Province& italia = s.game.findProvince("Italia");
    GameScreen::Drag drag{&italia, &italia, view::legionSpot(italia, 0), true};
    int step = 0;
    for (auto _ : state) {
        drag.pointer = view::legionSpot(italia, 0) + QPoint(step % 20, step % 7);
        ++step;
        s.screen.setDrag(drag);
        s.screen.paintScreen();
        benchmark::DoNotOptimize(s.screen.front().image().constBits());
    }
}
BENCHMARK(BM_PaintDragStep)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

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

double processorMs(const struct rusage& usage) {
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Runs a program to its end with the given input and gives back what it
// printed, adding the processor time it took (ms) to `cpuMs` and the time from
// its start to its first whole line (ms) to `firstLineMs`. (Its peak memory
// cannot come from wait4: a spawned process counts the peak of the one that
// spawned it.)
std::string runProcess(const std::vector<std::string>& args, const char* input, double* cpuMs = nullptr,
                       double* firstLineMs = nullptr) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input, O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string printed;
    char chunk[4096];
    bool lineSeen = false;
    for (ssize_t n; started && (n = read(out[0], chunk, sizeof chunk)) > 0;) {
        printed.append(chunk, std::size_t(n));
        if (firstLineMs && !lineSeen && printed.find('\n') != std::string::npos) {
            lineSeen = true;
            *firstLineMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
    }
    close(out[0]);
    int status = 0;
    struct rusage usage {};
    if (started) wait4(pid, &status, 0, &usage);
    if (cpuMs) *cpuMs += processorMs(usage);
    return printed;
}

std::string self() {
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, std::size_t(n)) : std::string();
}

// A program is timed in runs of its own, the median of them reported: on a
// machine others share, one run in a few takes their bursts too.
void runsOfAProgram(benchmark::internal::Benchmark* b) { b->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true); }

// Timed to the line a program prints at its first frame, with its peak memory
// and its processor time until then.
void timeToFirstFrame(benchmark::State& state, const char* mode) {
    double peakMB = 0, cpu = 0;
    for (auto _ : state) {
        double firstFrame = 0, frameCpu = 0;
        const std::string printed = runProcess({self(), mode}, "/dev/null", nullptr, &firstFrame);
        if (std::sscanf(printed.c_str(), "%lf %lf", &peakMB, &frameCpu) != 2) {
            state.SkipWithError("the program ended without a first frame");
            break;
        }
        cpu += frameCpu;
        state.SetIterationTime(firstFrame / 1e3);
    }
    state.counters["peak_MB"] = peakMB;
    state.counters["cpu_ms"] = cpu / double(state.iterations());
}

// The program as it starts, less the splash: its application, fonts and
// translations, the game, the pictures and the window at 1366x768 with its
// first frame; in a process of its own.
void BM_StartupToFirstFrame(benchmark::State& state) { timeToFirstFrame(state, FirstFrameOnly); }
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Apply(runsOfAProgram);

// The first paint alone, cold, in a process of its own.
void BM_FirstPaint(benchmark::State& state) { timeToFirstFrame(state, FirstPaintOnly); }
BENCHMARK(BM_FirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Apply(runsOfAProgram);

// The terminal edition's start and end with no orders.
void BM_TerminalStart(benchmark::State& state) {
    double cpu = 0;
    for (auto _ : state) runProcess({AUROVANE_CLI, "--seed", "42"}, "/dev/null", &cpu);
    state.counters["cpu_ms"] = cpu / double(state.iterations());
}
BENCHMARK(BM_TerminalStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(runsOfAProgram);

// Prints this process's peak resident memory (MB) and the processor time it
// has taken (ms) on a line of its own, at once: the line marks the first frame
// for whoever times the process.
void sayFirstFrame() {
    double peakMB = 0;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:")) peakMB = line.mid(6).trimmed().split(' ').front().toDouble() * 1024 / 1e6;
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %.2f\n", peakMB, processorMs(usage));
    std::fflush(stdout);
}

// The least any first frame of the game costs: the screen drawn once, in
// the order the game screen draws it, on the one picture a window needs.
int firstPaintOnly(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    loadBundledFonts();
    Game& game = Game::newInstance(42);
    game.startNewGame();
    view::Pictures pictures;
    pictures.load();
    view::Surface frame(QSize(view::LayoutWidth, view::LayoutHeight), 1.0);
    auto p = frame.painter();
    auto write = [&p](const std::vector<ScreenTextLine>& lines) {
        for (const ScreenTextLine& l : lines) view::drawTextAt(*p, l.x, l.y, view::screenText(l), QColor(QRgb(l.colour)));
    };
    pictures.sprite(264).drawTransparent(*p, view::ScrollPlace.x, view::ScrollPlace.y, false);
    view::drawMapPicture(*p, pictures, game, 0);
    view::drawOwnership(*p, pictures, game, 0);
    view::drawLegions(*p, pictures, game, 0);
    view::drawLegend(*p, pictures, 0);
    write(militaryReportLines(game, 0));
    write(economicReportLines(game, 0));
    const ScreenInfoLine info = provinceInfoLine(nullptr, 0);
    write(info.texts);
    for (const auto& [x, picture] : info.coins) pictures.graphic(picture).draw(*p, x, 595);
    view::drawFrame(*p, view::InfoFrame, 0);
    write(instructionLines(0));
    sayFirstFrame();
    return 0;
}

int firstFrameOnly(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installTranslations(application);
    loadBundledFonts();
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
    window.setGeometry(0, 0, 1366, 768);
    window.show();
    screen.paintScreen();
    QCoreApplication::processEvents();
    sayFirstFrame();
    return 0;
}

// Keeps every run's time to set the figures beside their goals: the
// processor time of what runs in this process (the least disturbed by the
// rest of a shared machine); of a program, the median of its runs' real
// time, under the program's benchmark's name. A run that failed leaves its
// figure missing.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;
    std::map<std::string, double> peakMB;
    std::map<std::string, double> cpuMs;  // a program's processor time
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool program = r.run_type == Run::RT_Aggregate;
            if (program && r.aggregate_name != "median") continue;
            const std::string name = program ? r.run_name.function_name : r.benchmark_name();
            ms[name] = program ? r.GetAdjustedRealTime() : r.GetAdjustedCPUTime();
            if (auto it = r.counters.find("peak_MB"); it != r.counters.end()) peakMB[name] = it->second;
            if (auto it = r.counters.find("cpu_ms"); it != r.counters.end()) cpuMs[name] = it->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void printGoals(GoalReporter& r) {
    // A figure not measured (filtered out, or its program failed) shows as nan.
    auto of = [](const std::map<std::string, double>& figures, const std::string& name) {
        const auto it = figures.find(name);
        return it != figures.end() ? it->second : NAN;
    };
    auto at = [&](const std::string& name) { return of(r.ms, name); };
    auto cpu = [&](const std::string& name) { return of(r.cpuMs, name); };
    auto ratio = [](double a, double b) { return a / b; };
    std::printf("\n%-52s %10s %10s\n", "figure", "measured", "goal");
    for (const char* scale : {"100", "200"}) {
        const double copy = at(std::string("BM_FullFrameCopy/") + scale);
        const std::string x = std::string(scale) == "100" ? "1x" : "2x";
        std::printf("%-52s %9.2fx %9s\n", ("paintScreen, nothing changed / frame copy, " + x).c_str(),
                    ratio(at(std::string("BM_PaintScreen/") + scale), copy), "<= 3x");
        std::printf("%-52s %9.2fx %9s\n", ("paintScreen, carried legions / frame copy, " + x).c_str(),
                    ratio(at(std::string("BM_PaintDragStep/") + scale), copy), "<= 3x");
        std::printf("%-52s %9.2fx %9s\n", ("paintScreen after an order / frame copy, " + x).c_str(),
                    ratio(at(std::string("BM_PaintAfterOrder/") + scale), copy), "<= 3x");
    }
    // Both by the clock and by the processor time the programs took: on a
    // machine others share, the clock also counts their turns.
    const char* const startup = "BM_StartupToFirstFrame";
    const char* const terminal = "BM_TerminalStart";
    const char* const firstPaint = "BM_FirstPaint";
    const double reference = at(terminal) + at(firstPaint);
    const double cpuReference = cpu(terminal) + cpu(firstPaint);
    std::printf("%-52s %9.2fx %9s\n", "start-up to the first frame / (terminal start + paint)",
                ratio(at(startup), reference), "<= 1.2x");
    std::printf("%-52s %9.2fx %9s\n", "  the same in processor time", ratio(cpu(startup), cpuReference), "<= 1.2x");
    std::printf("%-52s %8.0fms %9s\n", "start-up to the first frame", at(startup), "-");
    std::printf("%-52s %8.0fms %9s\n", "terminal start + first paint", reference, "-");
    std::printf("%-52s %8.0fms %9s\n", "start-up to the first frame, processor time", cpu(startup), "-");
    std::printf("%-52s %8.0fms %9s\n", "terminal start + first paint, processor time", cpuReference, "-");
    std::printf("%-52s %8.0fMB %9s\n", "peak memory at 1366x768", of(r.peakMB, startup), "<= 110MB");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], FirstFrameOnly) == 0) return firstFrameOnly(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], FirstPaintOnly) == 0) return firstPaintOnly(argc, argv);
    // The programs' runs taken in turns, so that the others' load on a
    // shared machine falls on all of them alike.
    std::vector<char*> args(argv, argv + argc);
    char interleaved[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleaved);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printGoals(reporter);
    benchmark::Shutdown();
    return 0;
}
