// The limits that keep every position a saved game may hold playable: the
// treasury's ceiling, the legions a power can hold, and automatic years that
// stop when no legion can come.
#include "model/SavedPosition.h"
#include "tests/support/TestGame.h"

namespace {

class LimitsTest : public EmptyMapTest {};

TEST_F(LimitsTest, TheTreasuryStopsAtItsCeiling) {
    give(romans(), {"Italia", "Aegyptus"});
    romans().treasury = SavedPosition::MaxTreasury - 100;
    romans().earn(1600);
    EXPECT_EQ(romans().treasury, SavedPosition::MaxTreasury);
    romans().earn(5000);
    EXPECT_EQ(romans().treasury, SavedPosition::MaxTreasury);
    romans().treasury = 1000;
    romans().earn(1600);
    EXPECT_EQ(romans().treasury, 2600);
}

TEST_F(LimitsTest, NoPowerGrowsBeyondTheLegionsItCanHold) {
    give(rebels(), {"Pannonia"});
    station(rebels(), "Pannonia", Empire::MaxLegions - 2);
    // A rebellion of five legions finds room for two.
    give(romans(), {"Raetia"});
    station(romans(), "Raetia", 5);
    game().raiseRebellion(P("Raetia"));
    EXPECT_EQ(rebels().legions.size(), static_cast<std::size_t>(Empire::MaxLegions));
    EXPECT_EQ(romans().countLegionsIn(P("Raetia")), 0);
    rebels().addLegions(P("Pannonia"), 3, game().findRoute(P("Pannonia"), P("Italia")));
    EXPECT_EQ(rebels().legions.size(), static_cast<std::size_t>(Empire::MaxLegions));
    // A full power still takes its turn.
    give(romans(), {"Italia"});
    rebels().setRouteForLegionsIn(P("Pannonia"), game().findRoute(P("Pannonia"), P("Italia")));
    EXPECT_NO_THROW(game().advanceTurn());
}

TEST_F(LimitsTest, AutomaticYearsStopWhenNoLegionCanComeSoon) {
    // Dacia raises no legions: each year is handed to the player.
    give(romans(), {"Dacia"});
    romans().treasury = 50000;
    game().advanceTurn();
    EXPECT_EQ(game().turn, 1);
    EXPECT_FALSE(romans().canRaiseLegionSoon());
    // Nor does a treasury deep in debt, nor a plague of decades.
    romans().provinces.clear();
    give(romans(), {"Italia", "Raetia"});
    romans().treasury = -900000;
    EXPECT_FALSE(romans().canRaiseLegionSoon());
    romans().treasury = 0;
    EXPECT_TRUE(romans().canRaiseLegionSoon());
    romans().plague = true;
    romans().plagueCounter = 40;
    EXPECT_FALSE(romans().canRaiseLegionSoon());
    romans().plagueCounter = 19;
    EXPECT_TRUE(romans().canRaiseLegionSoon());
    // With money and a province that raises, the years run until a legion comes.
    romans().plague = false;
    romans().treasury = 50000;
    const int before = game().turn;
    game().advanceTurn();
    EXPECT_EQ(romans().legions.size(), 1u);
    EXPECT_GE(game().turn, before + 1);
}

}  // namespace
