// The limits that keep every position a saved game may hold playable: the
// treasury's ceiling and the legions a power can hold; automatic years run
// until a legion can move, the Romans fall or 476 comes.
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

TEST_F(LimitsTest, AutomaticYearsRunUntilTheRomansFall) {
    // Dacia raises no legions and the treasury is empty: no order can come,
    // so the years run by themselves until Dacia falls or 476 comes, as
    // they always did; they never stop with Dacia held and nothing to do.
    give(romans(), {"Dacia"});
    game().advanceTurn();
    EXPECT_TRUE(romans().provinces.empty() || game().year() == 476) << game().year();
}

}  // namespace
