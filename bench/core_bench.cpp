#include <sstream>

#include <benchmark/benchmark.h>

#include "cli/Session.h"
#include "client/PlaySession.h"
#include "engine/Game.h"
#include "rules/Presenter.h"
#include "tests/support/Policy.h"

namespace {

// Answers every question with Yes and shows nothing.
class QuietPlayer : public Presenter {
public:
    bool askWithLabels(const std::string&, const std::string&, const std::string&) override { return true; }
};

Game& freshGame(std::uint32_t seed) {
    Game& game = Game::newInstance(seed);
    game.startNewGame();
    return game;
}

// The Barbarians hold every inner province but one at the far end of the map.
Game& barbarianEmpire() {
    Game& game = freshGame(1);
    for (Empire* e : game.empires()) e->deleteAllLegions();
    game.romans.provinces.clear();
    for (Province* p : game.provinceTable) {
        if (!p->isFrontier() && p->name() != "Mauretania") game.barbarians.addProvince(*p);
    }
    game.romans.addProvince(game.findProvince("Mauretania"));
    return game;
}

void BM_FindTargetRoute_LargeTerritory(benchmark::State& state) {
    Game& game = barbarianEmpire();
    Province& start = game.findProvince("Cappadocia");
    for (auto _ : state) benchmark::DoNotOptimize(game.barbarians.findTargetRoute(start));
}
BENCHMARK(BM_FindTargetRoute_LargeTerritory);

void BM_FindRoute_AcrossTheMap(benchmark::State& state) {
    Game& game = barbarianEmpire();
    Province& from = game.findProvince("Syria");
    Province& to = game.findProvince("Lusitania");
    for (auto _ : state) benchmark::DoNotOptimize(game.findRoute(from, to));
}
BENCHMARK(BM_FindRoute_AcrossTheMap);

// One end of turn in a crowded late game: the 455 scenario with many armies
// on the march. Each iteration replays it from the same saved position.
void BM_EndOfTurn_CrowdedLateGame(benchmark::State& state) {
    QuietPlayer player;
    Game& game = freshGame(5);
    game.setPresenter(&player);
    game.startScenario(455);
    game.barbarians.addLegions("Upper Rhine", 30);
    game.sassanids.addLegions("Armenia", 20);
    game.rogueRomans.addLegions("Pontus", 20);
    game.romans.addLegions("Italia", 20);
    std::stringstream position;
    game.saveToStream(position);
    const std::string saved = position.str();
    for (auto _ : state) {
        state.PauseTiming();
        std::istringstream in(saved);
        game.loadFromStream(in);
        game.buildEventList();
        game.random.seed(5);
        state.ResumeTiming();
        game.advanceTurn();
    }
}
BENCHMARK(BM_EndOfTurn_CrowdedLateGame);

// A whole game of 241 turns played by the simple policy through the terminal edition.
void BM_WholeGame_241Turns(benchmark::State& state) {
    for (auto _ : state) {
        PlaySession play(9, 0);
        Game& game = play.game();
        std::istringstream none;
        std::ostringstream transcript;
        Session session(play, none, transcript, {std::string("y")});
        session.run();
        int turns = 0;
        while (turns < 241) {
            const std::string order = nextPolicyOrder(game);
            if (order == "end") ++turns;
            if (!session.handle(order)) break;
        }
        benchmark::DoNotOptimize(transcript.str().size());
    }
}
BENCHMARK(BM_WholeGame_241Turns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
