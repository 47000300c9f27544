// Every position the reader accepts must be playable: the corpus files, every
// value at each end of its range, and random well-formed positions, played on
// for fifty years at random without an internal error, a broken rule or a
// hang (the sanitizer build adds undefined behaviour and memory faults), and
// saved and loaded back every year as the same position.
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/Game.h"
#include "model/InternalError.h"
#include "tests/support/Invariants.h"
#include "tests/support/RandomPlayer.h"

namespace {

namespace fs = std::filesystem;

constexpr int Years = 50;

// Values from the everyday to the edges of what the reader accepts.
int anyValue(RandomPlayer& r, int ordinary, int edge) {
    switch (r.pick(4)) {
    case 0: return edge;
    case 1: return -edge;
    case 2: return r.pick(2 * edge + 1) - edge;
    default: return r.pick(ordinary + 1);
    }
}

// A file in the form the game writes, with any values the reader accepts.
std::string randomPosition(RandomPlayer& r) {
    Game& game = Game::instance();
    std::ostringstream out;
    out << (r.pick(2) == 0 ? r.pick(1001) : r.pick(246)) << '\n'
        << anyValue(r, 100000, SavedPosition::MaxTreasury) << '\n'
        << r.pick(2) << '\n'
        << anyValue(r, 20, 10000) << '\n';
    for (int i = 0; i < 4; ++i) out << anyValue(r, 9, 10000) << '\n';
    std::array<std::vector<std::string>, 4> lands;
    for (Province* p : game.provinceTable) {
        // The homelands stay with their powers, as in every game.
        int owner = r.pick(5);
        if (p->isFrontier()) owner = p->name() == "Armenia" || p->name() == "Mesopotamia" ? 2 : 1;
        if (owner < 4) lands[static_cast<std::size_t>(owner)].push_back(p->name());
    }
    for (std::size_t e = 0; e < 4; ++e) {
        out << powerName(AllPowers[e]) << "-provinces\n" << lands[e].size() << '\n';
        for (const std::string& name : lands[e]) out << name << '\n';
    }
    const auto anywhere = [&] { return game.provinceTable[static_cast<std::size_t>(r.pick(ProvinceCount))]->name(); };
    for (Power power : AllPowers) {
        const int n = r.pick(3) == 0 ? r.pick(Empire::MaxLegions + 1) : r.pick(12);
        out << powerName(power) << "-Legions\n" << n << '\n';
        for (int i = 0; i < n; ++i) {
            out << anywhere() << '\n';
            if (r.pick(2) == 0)
                out << "1\n" << anywhere() << '\n';
            else
                out << "0\n";
        }
    }
    return out.str();
}

// Plays fifty years on from the position; the failures name `what`.
void playOn(const std::string& what, std::uint32_t seed, const std::function<bool(Game&, RandomPlayer&)>& load) {
    RandomPlayer player(seed, true);
    Game& game = Game::newInstance(seed);
    game.setPresenter(&player);
    game.skillLevel = player.pick(3);
    game.startNewGame();
    try {
        if (load(game, player)) {
            player.check("after loading");
            for (int year = 0; year < Years && !player.over && player.broken.empty(); ++year) {
                playRandomTurn(player, game);
                const std::string when = "in " + std::to_string(game.year());
                player.check(when);
                if (const std::string problem = reloadProblem(game); !problem.empty())
                    player.broken.push_back(when + ": " + problem);
            }
        }
    } catch (const InternalError& e) {
        ADD_FAILURE() << what << ": internal error " << e.what();
    }
    for (const std::string& b : player.broken) ADD_FAILURE() << what << ": " << b;
    Game::destroyInstance();
}

TEST(PositionsSoak, EveryCorpusFileThatLoadsPlaysOn) {
    const fs::path corpus = fs::path(AUROVANE_SOURCE_DIR) / "tests" / "files";
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
        if (entry.path().extension() == ".avn") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::uint32_t seed = 1;
    for (const fs::path& file : files) {
        playOn(file.filename().string(), seed++, [&](Game& game, RandomPlayer&) { return game.loadFromFile(file.string()).ok; });
        if (testing::Test::HasFailure()) break;
    }
}

// The new game's file with its n-th line (a number) replaced.
std::string withLine(int n, int value) {
    std::ifstream in(fs::path(AUROVANE_SOURCE_DIR) / "tests" / "files" / "base" / "new-game.avn");
    std::ostringstream out;
    int i = 0;
    for (std::string line; std::getline(in, line); ++i) out << (i == n ? std::to_string(value) : line) << '\n';
    return out.str();
}

TEST(PositionsSoak, EveryValueAtTheEndsOfItsRangePlaysOnAndReloadsEveryYear) {
    using P = SavedPosition;
    // {line, value, with plague}: the turn, the treasury, the plague flag and
    // counter (whose lowest value depends on the flag), the four countdowns.
    std::vector<std::tuple<int, int, bool>> edges = {
        {0, 0, false}, {0, P::MaxTurn, false}, {1, -P::MaxTreasury, false}, {1, P::MaxTreasury, false},
        {3, P::plagueCounters(false).min, false}, {3, P::plagueCounters(true).min, true}, {3, P::MaxCounter, true}};
    for (int line : {2, 3, 4, 5, 6, 7}) {
        edges.emplace_back(line, -P::MaxCounter, false);
        edges.emplace_back(line, P::MaxCounter, false);
    }
    std::uint32_t seed = 1;
    for (const auto& [line, value, plague] : edges) {
        std::string text = withLine(line, value);
        if (plague) text.replace(text.find("0   # plague\n"), 1, "1");
        for (int game = 0; game < 3; ++game) {
            playOn("line " + std::to_string(line + 1) + " at " + std::to_string(value), seed++, [&](Game& g, RandomPlayer&) {
                const FileResult loaded = g.loadFromText(text);
                EXPECT_TRUE(loaded.ok) << loaded.error;
                return loaded.ok;
            });
        }
    }
}

TEST(PositionsSoak, RandomWellFormedPositionsPlayOn) {
    for (int i = 1; i <= AUROVANE_RANDOM_POSITIONS; ++i) {
        std::string text;
        playOn("random position " + std::to_string(i), static_cast<std::uint32_t>(i), [&](Game& game, RandomPlayer& player) {
            text = randomPosition(player);
            const FileResult loaded = game.loadFromText(text);
            EXPECT_TRUE(loaded.ok) << loaded.error << "\n" << text;
            return loaded.ok;
        });
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << "the position:\n" << text;
            break;
        }
    }
}

}  // namespace
