// A saved game holds the reign as well as the position: what the reports,
// the news and the results show reads the same after a save and a load into
// another game, and a file without the reign starts it afresh.
#include <sstream>

#include <gtest/gtest.h>

#include "client/ResultsDialog.h"
#include "client/ScreenText.h"
#include "engine/Game.h"
#include "tests/support/RandomPlayer.h"

namespace {

// Every word and number the economic and military reports and the results show.
std::string shown(const World& game) {
    std::string out;
    const int offsetX = 0;
    for (const auto& lines :
         {economicReportLines(game, offsetX), militaryReportLines(game, offsetX), resultsDialog(game).counts})
        for (const ScreenTextLine& line : lines) out += englishText(line) + '\n';
    return out;
}

std::string savedText(Game& game) {
    std::ostringstream out;
    game.saveToStream(out);
    return out.str();
}

// A game of `seed` played at random for a few years, or to its end.
void play(Game& game, RandomPlayer& player, int years) {
    game.setPresenter(&player);
    game.startNewGame();
    for (int i = 0; i < years && !player.over; ++i) playRandomTurn(player, game);
}

TEST(SavedReign, ReportsNewsAndResultsReadTheSameAfterALoadOverManySeeds) {
    int withNews = 0, withInvasions = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Game game(seed);
        RandomPlayer player(seed);
        play(game, player, 3 + static_cast<int>(seed % 25));
        if (seed % 3 == 0) {
            game.scenarioTitle = "The Crisis, game " + std::to_string(seed) + " # not a comment";
            game.scenarioBriefing = "Dear students,\n\nHold the Rhine. " + std::string(seed * 7, 'x') + "\n";
        }
        const std::string before = shown(game);
        const std::string text = savedText(game);
        withNews += game.eventLog.empty() ? 0 : 1;
        withInvasions += game.invasionCount > 0 ? 1 : 0;

        // Another game, with a reign of its own, takes the file's.
        Game other(seed + 1000);
        RandomPlayer otherPlayer(seed + 1000);
        play(other, otherPlayer, 12);
        ASSERT_TRUE(other.loadFromText(text).ok) << "seed " << seed;
        EXPECT_EQ(shown(other), before) << "seed " << seed;
        EXPECT_EQ(other.eventLog, game.eventLog) << "seed " << seed;
        EXPECT_EQ(other.scenarioTitle, game.scenarioTitle) << "seed " << seed;
        EXPECT_EQ(other.scenarioBriefing, game.scenarioBriefing) << "seed " << seed;
        EXPECT_EQ(savedText(other), text) << "seed " << seed;

        // The position alone, as every file made before: the reign starts clean.
        const std::string positionOnly = text.substr(0, text.find("Aurovane-extras"));
        play(other, otherPlayer, 12);
        ASSERT_TRUE(other.loadFromText(positionOnly).ok) << "seed " << seed;
        EXPECT_EQ(other.invasionCount + other.plagueCount + other.rebellionCount, 0) << "seed " << seed;
        EXPECT_EQ(other.romans.taxIncome + other.romans.legionCost, 0) << "seed " << seed;
        EXPECT_TRUE(other.eventLog.empty() && other.scenarioTitle.empty() && other.scenarioBriefing.empty());
        EXPECT_EQ(savedText(other).substr(0, positionOnly.size()), positionOnly) << "seed " << seed;
    }
    // The seeds reach what the test is about.
    EXPECT_GE(withNews, 20);
    EXPECT_GE(withInvasions, 20);
}

}  // namespace
