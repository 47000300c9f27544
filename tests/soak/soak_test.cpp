#include <cstdlib>
#include <regex>
#include <sstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "client/StateLine.h"
#include "engine/Game.h"
#include "model/InternalError.h"
#include "tests/support/RandomPlayer.h"

namespace {

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
            playRandomTurn(player, game);
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
