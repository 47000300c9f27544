// A new game is new, and a loaded game is the file's whatever came before.
#include <sstream>

#include "tests/support/TestGame.h"

namespace {

class FreshStartTest : public GameTest {};

TEST_F(FreshStartTest, NewGamesAndScenariosForgetTheLastGamesPlagueNewsAndAccounts) {
    for (int year : {0, 260, 308, 410, 455}) {
        romans().plague = true;
        romans().plagueCounter = 7;
        romans().taxIncome = 2550;
        romans().legionCost = 9375;
        romans().egyptHintShown = true;
        game().logMessage("Pannonia has been overrun");
        if (year == 0)
            game().startNewGame();
        else
            ASSERT_TRUE(game().startScenario(year));
        EXPECT_FALSE(romans().plague) << year;
        EXPECT_EQ(romans().plagueCounter, 0) << year;
        EXPECT_EQ(romans().taxIncome, 0) << year;
        EXPECT_EQ(romans().legionCost, 0) << year;
        EXPECT_TRUE(game().eventLog.empty()) << year;
        EXPECT_TRUE(romans().egyptHintShown) << "hints stay once per run";
    }
}

TEST_F(FreshStartTest, LoadingRebuildsTheCalendar) {
    std::stringstream saved;
    game().saveToStream(saved);
    const std::size_t all = game().events.size();
    // Playing on past the first events uses them up...
    game().turn = 260 - 235;
    game().runDueEvents();
    game().turn = 300 - 235;
    game().runDueEvents();
    ASSERT_LT(game().events.size(), all);
    // ...but the file of 235 plays them all again.
    ASSERT_TRUE(game().loadFromStream(saved).ok);
    EXPECT_EQ(game().events.size(), all);
    EXPECT_EQ(game().events.front()->year, 260);
}

}  // namespace
