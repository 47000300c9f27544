#include <cstdlib>
#include <random>
#include <regex>
#include <sstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "cli/StateLine.h"
#include "engine/Game.h"
#include "model/InternalError.h"
#include "rules/Presenter.h"
#include "tests/support/Invariants.h"

namespace {

// The player's whims come from a generator of their own, so that they never
// disturb the game's single sequence of draws.
class RandomPlayer : public Presenter {
public:
    explicit RandomPlayer(std::uint32_t seed) : whim(seed) {}

    std::mt19937 whim;
    bool over = false;
    std::vector<std::string> broken;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(whim); }

    void redraw() override { check("mid-turn"); }
    void quit() override { over = true; }
    void newGame() override { over = true; }

    void check(const std::string& when) {
        for (const std::string& b : brokenInvariants(Game::instance())) broken.push_back(when + ": " + b);
    }

    // The rules' own alarms never sound in a consistent game.
    void diagnostic(const std::string& text) override { broken.push_back("the rules reported: " + text); }
    // Mostly yes, so that games run on past 285 towards 476.
    bool askWithLabels(const std::string& text, const std::string&, const std::string&) override {
        if (text.find("Tentate Iterum") != std::string::npos) return pick(4) != 0;
        if (text.find("keep playing until 476") != std::string::npos) return pick(8) != 0;
        return pick(2) == 0;
    }
};

// A map point that belongs to the province, chosen at random.
void pointIn(RandomPlayer& player, Game& game, const Province& p, int& x, int& y) {
    for (;;) {
        const MapRect& r = p.hitRects[static_cast<std::size_t>(player.pick(static_cast<int>(p.hitRects.size())))];
        x = r.left + 1 + player.pick(std::max(1, r.right - r.left - 1));
        y = r.top + 1 + player.pick(std::max(1, r.bottom - r.top - 1));
        if (game.provinceAt(x, y) == &p) return;
    }
}

// What a saved file does not hold: the legions' turn state, and the calendar,
// which a load rebuilds whole.
std::string withoutUnsavedLegionState(const std::string& state) {
    static const std::regex legionState(R"("moved":(true|false),"hasRoute":(true|false),"routeIndex":-?\d+,"route":\[[^\]]*\])");
    static const std::regex calendar(R"("events":\[[^\]]*\])");
    return std::regex_replace(std::regex_replace(state, legionState, ""), calendar, "");
}

void checkSaveAndLoad(RandomPlayer& player, Game& game, const std::string& file) {
    ASSERT_TRUE(game.saveToFile(file).ok);
    const std::string before = withoutUnsavedLegionState(stateLine(game));
    const FileResult loaded = game.loadFromFile(file);
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(withoutUnsavedLegionState(stateLine(game)), before);
    EXPECT_EQ(game.events.size(), 11u) << "a load rebuilds the whole calendar";
    player.check("after loading");
}

// One game from 235 to its end: orders at random, questions answered at random.
void playGame(std::uint32_t seed, const std::string& file) {
    RandomPlayer player(seed * 7919u + 1);
    Game& game = Game::newInstance(seed);
    game.setPresenter(&player);
    game.skillLevel = player.pick(3);
    game.startNewGame();
    game.buildEventList();
    try {
        // Half the games open with a scenario, so that the late events are played too.
        static constexpr int scenarios[] = {260, 308, 410, 455};
        if (player.pick(2) == 0) {
            const int year = scenarios[player.pick(4)];
            game.startScenario(year);
            if (Game::firstTurnEndsAtOnce(year)) game.advanceTurn();
        }
        for (int turns = 0; !player.over && turns < 400 && player.broken.empty(); ++turns) {
            for (int orders = player.pick(8); orders > 0 && !game.romans.legions.empty(); --orders) {
                const auto& legion = game.romans.legions[static_cast<std::size_t>(
                    player.pick(static_cast<int>(game.romans.legions.size())))];
                Province& source = *legion->province;
                const Province* target = nullptr;
                if (player.pick(3) == 0)
                    target = game.provinceTable[static_cast<std::size_t>(player.pick(ProvinceCount))];
                else if (source.neighbourCount > 0)
                    target = source.neighbours[static_cast<std::size_t>(player.pick(source.neighbourCount))];
                if (target == nullptr) continue;
                int x = 0, y = 0;
                pointIn(player, game, *target, x, y);
                game.pickUp(&source);
                if (game.dropLegions(x, y) && !game.romansCanMove()) game.advanceTurn();
                if (player.over) break;
            }
            if (player.over) break;
            if (player.pick(40) == 0) game.palestinaUprising();
            game.advanceTurn();
            player.check("after turn " + std::to_string(game.turn));
            if (player.pick(10) == 0) checkSaveAndLoad(player, game, file);
        }
    } catch (const InternalError& e) {
        ADD_FAILURE() << "seed " << seed << ": internal error " << e.what();
    }
    for (const std::string& b : player.broken) ADD_FAILURE() << "seed " << seed << ": " << b;
    Game::destroyInstance();
}

int gameCount() {
    const char* configured = std::getenv("AUROVANE_SOAK_GAMES");
    return configured != nullptr ? std::atoi(configured) : AUROVANE_SOAK_GAMES;
}

TEST(Soak, SeededGamesPlayedAtRandomKeepEveryRule) {
    // One file per run: other builds may soak at the same time.
    const std::string file = testing::TempDir() + "aurovane-soak-" + std::to_string(::getpid()) + ".avn";
    for (int seed = 1; seed <= gameCount(); ++seed) {
        playGame(static_cast<std::uint32_t>(seed), file);
        if (HasFailure()) break;
    }
    std::remove(file.c_str());
}

}  // namespace
