// The Roman economy: taxes, the support limit, raising, upkeep, money
// warnings, plague, the bonus-demand chance and the hints.
#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

class EconomyTest : public EmptyMapTest {
protected:
    // Draws made by `action`, counted from a known state.
    template <class F>
    int drawsMadeBy(F action) {
        generator().seed(12345);
        action();
        const std::uint32_t after = generator().state();
        generator().seed(12345);
        for (int n = 0; n < 10000; ++n) {
            if (generator().state() == after) return n;
            generator().draw();
        }
        return -1;
    }
};

const std::string limitHint =
    "Princeps,\r\n\r\nThe number of legions we can raise depends on\r\nhow many provinces we control.  To "
    "increase\r\nthe maximum number of legions we can recruit,\r\nwe must conquer more provinces.";

TEST_F(EconomyTest, TaxAndLimitOfItaliaAlone) {
    give(romans(), {"Italia"});
    EXPECT_EQ(romans().computeTax(), 400);
    EXPECT_EQ(romans().legionLimit(), 3);
    romans().provinces.clear();
    EXPECT_EQ(romans().computeTax(), 0);
    EXPECT_EQ(romans().legionLimit(), 3);
}

TEST_F(EconomyTest, SpecialProvincesPayAndSupportDifferently) {
    give(romans(), {"Aegyptus", "Britannia", "Dacia"});
    EXPECT_EQ(romans().computeTax(), 2200);
    EXPECT_EQ(romans().legionLimit(), 5);
    romans().plague = true;
    EXPECT_EQ(romans().computeTax(), 550);
    // Dacia alone counts one less but never below three.
    romans().provinces.clear();
    give(romans(), {"Dacia"});
    EXPECT_EQ(romans().legionLimit(), 3);
}

TEST_F(EconomyTest, FullEmpireLimit) {
    give(romans(), {"Italia", "Aquitania", "Narbonensis", "Dacia", "Dalmatia", "Terraconensis", "Aegyptus", "Africa",
                    "Palestina", "Lugdunensis", "Macedonia", "Britannia", "Pontus", "Lydia", "Cappadocia", "Phrygia",
                    "Thracia", "Raetia", "Lusitania", "Syria", "Belgica", "Pannonia", "Mauretania"});
    EXPECT_EQ(romans().legionLimit(), 23 + 2 + 1 - 1);
    EXPECT_EQ(romans().computeTax(), 20 * 400 + 1200 + 800 + 200);
}

TEST_F(EconomyTest, UpkeepNeverDrivesTheTreasuryBelowZero) {
    give(romans(), {"Italia"});
    station(romans(), "Italia", 3);
    romans().treasury = 500;
    romans().payLegions();
    EXPECT_EQ(romans().treasury, 0);
    EXPECT_EQ(romans().legionCost, 1125);
    romans().payLegions();
    EXPECT_EQ(romans().treasury, 0);
    romans().treasury = 751;
    romans().payLegions();
    EXPECT_EQ(romans().treasury, 0);
    romans().treasury = 1200;
    romans().payLegions();
    EXPECT_EQ(romans().treasury, 75);
    // A negative treasury (a loaded file) pays nothing.
    romans().treasury = -10;
    romans().payLegions();
    EXPECT_EQ(romans().treasury, -10);
}

TEST_F(EconomyTest, RaisingWaitsForMoneyAndKeepsTheCounter) {
    give(romans(), {"Italia", "Dalmatia"});
    P("Italia").raiseCounter = 3;
    P("Dalmatia").raiseCounter = 3;
    romans().treasury = 375;
    // Raising stops at the first province ready to raise: one draw, for Italia.
    EXPECT_EQ(drawsMadeBy([&] { romans().raiseLegions(); }), 1);
    EXPECT_TRUE(romans().legions.empty());
    EXPECT_GE(P("Italia").raiseCounter, 3);
    EXPECT_EQ(P("Dalmatia").raiseCounter, 3);
    EXPECT_TRUE(advisor.messages.empty());

    romans().legions.clear();
    romans().treasury = 376;
    P("Italia").raiseCounter = 3;
    P("Dalmatia").raiseCounter = 3;
    romans().raiseLegions();
    ASSERT_EQ(romans().legions.size(), 2u);
    EXPECT_EQ(romans().legions[0]->province, &P("Italia"));
    EXPECT_EQ(romans().legions[1]->province, &P("Dalmatia"));
    EXPECT_EQ(P("Italia").raiseCounter, 0);
    EXPECT_EQ(romans().treasury, 376);  // raising itself is free
    EXPECT_FALSE(romans().legions[0]->moved);
    EXPECT_FALSE(romans().legions[0]->hasRoute);
}

TEST_F(EconomyTest, CountersGrowOnlyOnADrawDivisibleByThreeAndNeverInDacia) {
    give(romans(), {"Italia", "Dacia"});
    P("Italia").raiseCounter = 0;
    P("Dacia").raiseCounter = 0;
    seedWhere([] { return generator().draw() % 3 == 0 && generator().draw() % 3 == 0; });
    romans().raiseLegions();
    EXPECT_EQ(P("Italia").raiseCounter, 1);
    EXPECT_EQ(P("Dacia").raiseCounter, 0);
    seedWhere([] { return generator().draw() % 3 != 0 && generator().draw() % 3 == 0; });
    romans().raiseLegions();
    EXPECT_EQ(P("Italia").raiseCounter, 1);
    // Dacia still takes its draw.
    EXPECT_EQ(drawsMadeBy([&] { romans().raiseLegions(); }), 2);
}

TEST_F(EconomyTest, NoProgressTowardsLegionsUnderPlague) {
    give(romans(), {"Italia", "Dalmatia", "Pannonia"});
    for (const char* n : {"Italia", "Dalmatia", "Pannonia"}) P(n).raiseCounter = 2;
    romans().plague = true;
    EXPECT_EQ(drawsMadeBy([&] { romans().raiseLegions(); }), 0);
    for (const char* n : {"Italia", "Dalmatia", "Pannonia"}) EXPECT_EQ(P(n).raiseCounter, 2) << n;
    EXPECT_TRUE(romans().legions.empty());
}

TEST_F(EconomyTest, LimitStopsRaisingAndHintsOnce) {
    give(romans(), {"Italia", "Dalmatia", "Pannonia"});
    station(romans(), "Italia", 3);
    P("Dalmatia").raiseCounter = 3;
    EXPECT_EQ(drawsMadeBy([&] { romans().raiseLegions(); }), 0);
    EXPECT_EQ(romans().legions.size(), 3u);
    EXPECT_EQ(advisor.messages, std::vector<std::string>{limitHint});
    EXPECT_TRUE(romans().legionLimitHintShown);
    romans().raiseLegions();
    EXPECT_EQ(advisor.messages.size(), 1u);
}

TEST_F(EconomyTest, LimitReachedMidwayStopsTheRest) {
    give(romans(), {"Italia", "Dalmatia", "Pannonia"});
    station(romans(), "Italia", 2);
    for (const char* n : {"Italia", "Dalmatia", "Pannonia"}) P(n).raiseCounter = 3;
    romans().plague = true;
    romans().raiseLegions();
    ASSERT_EQ(romans().legions.size(), 3u);
    EXPECT_EQ(romans().legions[2]->province, &P("Italia"));
    EXPECT_EQ(P("Dalmatia").raiseCounter, 3);
    EXPECT_EQ(advisor.messages, std::vector<std::string>{limitHint});
}

TEST_F(EconomyTest, ReachingTheLimitAtTheLastProvinceGivesNoHintYet) {
    give(romans(), {"Italia"});
    station(romans(), "Italia", 2);
    P("Italia").raiseCounter = 3;
    romans().plague = true;
    romans().raiseLegions();
    EXPECT_EQ(romans().legions.size(), 3u);
    EXPECT_TRUE(advisor.messages.empty());
    romans().raiseLegions();
    EXPECT_EQ(advisor.messages, std::vector<std::string>{limitHint});
}

TEST_F(EconomyTest, NoLimitHintForAnEmpireOf23Provinces) {
    give(romans(), {"Italia", "Aquitania", "Narbonensis", "Dacia", "Dalmatia", "Terraconensis", "Aegyptus", "Africa",
                    "Palestina", "Lugdunensis", "Macedonia", "Britannia", "Pontus", "Lydia", "Cappadocia", "Phrygia",
                    "Thracia", "Raetia", "Lusitania", "Syria", "Belgica", "Pannonia", "Mauretania"});
    station(romans(), "Italia", 25);
    romans().raiseLegions();
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_FALSE(romans().legionLimitHintShown);
    // One province fewer and the hint comes.
    romans().removeProvince(P("Mauretania"));
    romans().raiseLegions();
    EXPECT_EQ(advisor.messages, std::vector<std::string>{limitHint});
}

TEST_F(EconomyTest, NoLimitHintWhenMoneyStoppedRaising) {
    give(romans(), {"Italia"});
    station(romans(), "Italia", 2);
    P("Italia").raiseCounter = 3;
    romans().treasury = 100;
    romans().raiseLegions();
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_EQ(romans().legions.size(), 2u);
}

// The end of turn on a quiet position: plague in force (no raising or outbreak
// draws), the limit reached (no raising at all), no special provinces held.
class EndOfTurnTest : public EconomyTest {
protected:
    void quiet(int legions) {
        give(romans(), {"Italia", "Africa"});
        station(romans(), "Italia", legions);
        romans().plague = true;
        romans().plagueCounter = 50;
        romans().legionLimitHintShown = true;
    }
};

TEST_F(EndOfTurnTest, BonusDemandNeedsMoreThanTenLegions) {
    // The bonus draw is the first draw of the end of turn here.
    for (int legions : {10, 11}) {
        SetUp();
        quiet(legions);
        seedWhere([] { return generator().draw() % 20 == 0; });
        romans().takeTurn();
        const bool asked = !advisor.questions.empty() &&
                           advisor.questions[0].rfind("Princeps,\r\n\r\nThe legions are demanding a bonus of ", 0) == 0;
        EXPECT_EQ(asked, legions == 11) << legions;
    }
}

TEST_F(EndOfTurnTest, BonusDemandChanceFollowsSkill) {
    for (int skill : {0, 2}) {
        SetUp();
        game().skillLevel = skill;
        quiet(11);
        seedWhere([] { return generator().draw() % 30 == 10; });
        romans().takeTurn();
        EXPECT_EQ(advisor.questions.size(), skill == 2 ? 1u : 0u) << skill;
    }
}

TEST_F(EndOfTurnTest, TaxesFirstThenUpkeepAndMovedFlagsCleared) {
    quiet(2);
    romans().treasury = 1000;
    romans().legions[0]->moved = true;
    romans().takeTurn();
    EXPECT_EQ(romans().taxIncome, 200);  // (400 + 400) / 4 under plague
    EXPECT_EQ(romans().legionCost, 750);
    EXPECT_EQ(romans().treasury, 1000 + 200 - 750);
    for (auto& l : romans().legions) EXPECT_FALSE(l->moved);
    EXPECT_EQ(romans().plagueCounter, 49);
}

TEST_F(EndOfTurnTest, MoneyWarningOnceThenDisbandingWhenEmpty) {
    quiet(2);
    romans().treasury = 1000;
    romans().takeTurn();
    EXPECT_EQ(advisor.messages,
              std::vector<std::string>{"Princeps,\r\n\r\nWe are running out of money!\r\nWe should conquer new "
                                       "provinces to increase our tax base."});
    advisor.messages.clear();
    romans().treasury = 1000;
    romans().takeTurn();
    EXPECT_TRUE(advisor.messages.empty());

    romans().treasury = -500;  // still nothing after the taxes of 200
    Legion* last = romans().legions.back().get();
    romans().takeTurn();
    EXPECT_EQ(advisor.messages,
              std::vector<std::string>{"Princeps,\r\n\r\nThe treasury is empty! The legions are starting to disband."});
    ASSERT_EQ(romans().legions.size(), 1u);
    EXPECT_EQ(romans().indexOf(*last), -1);
}

TEST_F(EndOfTurnTest, RoutedLegionsMarchToTheEndOfTheirBattle) {
    quiet(0);
    give(romans(), {"Dalmatia"});
    give(game().rogueRomans, {"Pannonia"});
    station(romans(), "Italia", 1);
    station(game().rogueRomans, "Pannonia", 3);
    // One legion, one route through a rebel province held by three: exchanges
    // go on within the one end of turn until one side is gone.
    romans().legions[0]->giveRoute({&P("Italia"), &P("Pannonia"), &P("Dalmatia")});
    romans().legions[0]->moved = true;
    // The bonus draw comes first, then the exchanges.
    seedWhere([] { return generator().draw() >= 0 && generator().draw() % 2 == 1 && generator().draw() % 2 == 1 && generator().draw() % 2 == 1; });
    Legion* marcher = romans().legions[0].get();
    romans().takeTurn();
    // (A tribe may then settle in the newly won Pannonia: look at the marcher only.)
    ASSERT_EQ(romans().indexOf(*marcher), 0);
    EXPECT_EQ(marcher->province, &P("Pannonia"));
    EXPECT_EQ(game().ownerOf(P("Pannonia")), &romans());
    EXPECT_TRUE(marcher->moved);
    EXPECT_TRUE(marcher->hasRoute);
    EXPECT_TRUE(game().rogueRomans.legions.empty());
}

TEST_F(EndOfTurnTest, ALostMarchExchangeCostsTheFirstLegionOfTheStack) {
    quiet(0);
    give(game().rogueRomans, {"Pannonia"});
    station(romans(), "Italia", 2);
    station(game().rogueRomans, "Pannonia", 1);
    Legion* waiting = romans().legions[0].get();
    Legion* marcher = romans().legions[1].get();
    marcher->giveRoute({&P("Italia"), &P("Pannonia")});
    seedWhere([] { return generator().draw() >= 0 && generator().draw() % 2 == 0 && generator().draw() % 2 == 1; });
    romans().takeTurn();
    // The first loss takes the waiting legion in front; the march goes on and wins.
    EXPECT_EQ(romans().indexOf(*waiting), -1);
    ASSERT_EQ(romans().legions.size(), 1u);
    EXPECT_EQ(marcher->province, &P("Pannonia"));
    EXPECT_FALSE(marcher->hasRoute);
}

TEST_F(EconomyTest, TheEndOfTurnDrawsOnlyWhereItMust) {
    // Three provinces raising (one draw each), the bonus draw, the outbreak draw,
    // no revolt draws (Britannia garrisoned, Aegyptus not held), no riot draw
    // (Africa held), the settlers' draw: six.
    give(romans(), {"Italia", "Africa", "Britannia"});
    station(romans(), "Britannia", 1);
    romans().legionLimitHintShown = true;
    const std::uint32_t s = seedWhere([] {
        for (int i = 0; i < 4; ++i) generator().draw();
        return generator().draw() % 15 != 0 && generator().draw() % 15 != 0;
    });
    romans().takeTurn();
    const std::uint32_t after = generator().state();
    generator().seed(s);
    for (int i = 0; i < 6; ++i) generator().draw();
    EXPECT_EQ(after, generator().state());
}

TEST_F(EconomyTest, PlagueBreaksOutWithItsCounterAndSound) {
    give(romans(), {"Italia"});
    romans().moneyWarningShown = true;
    std::vector<int> sounds;
    presenter.onSound = [&](int k) { sounds.push_back(k); };
    int expectedCounter = 0;
    seedWhere([&] {
        if (generator().draw() % 15 != 0) return false;
        expectedCounter = generator().draw() % 5 + 10;
        return true;
    });
    romans().updatePlague();
    EXPECT_TRUE(romans().plague);
    EXPECT_EQ(romans().plagueCounter, expectedCounter);
    EXPECT_EQ(game().plagueCount, 1);
    EXPECT_EQ(sounds, std::vector<int>{4});
    EXPECT_FALSE(romans().moneyWarningShown);
    EXPECT_EQ(advisor.messages,
              std::vector<std::string>{"Princeps,\r\n\r\nThe empire has been hit by a plague!  This is will\r\nreduce "
                                       "tax revenue and slow the creation of new\r\nlegions."});
}

TEST_F(EconomyTest, PlagueLengthFollowsSkill) {
    for (int skill : {0, 2}) {
        SetUp();
        game().skillLevel = skill;
        const int chance = skill == 0 ? 20 : 10;
        seedWhere([&] { return generator().draw() % chance == 0 && generator().draw() % 5 == 4; });
        romans().updatePlague();
        EXPECT_TRUE(romans().plague);
        EXPECT_EQ(romans().plagueCounter, skill == 0 ? 9 : 19);
    }
}

TEST_F(EconomyTest, PlagueEndsWhenItsCounterRunsOut) {
    romans().plague = true;
    romans().plagueCounter = 2;
    EXPECT_EQ(drawsMadeBy([&] { romans().updatePlague(); }), 0);
    EXPECT_TRUE(romans().plague);
    romans().updatePlague();
    EXPECT_FALSE(romans().plague);
    EXPECT_EQ(advisor.messages, std::vector<std::string>{"Princeps,\r\n\r\nThe plague has finally ended."});
}

TEST_F(EconomyTest, PlagueLoadedWithNoTurnsLeftStillEnds) {
    for (int counter : {0, -3}) {
        advisor.messages.clear();
        romans().plague = true;
        romans().plagueCounter = counter;
        romans().updatePlague();
        EXPECT_FALSE(romans().plague) << counter;
        EXPECT_EQ(advisor.messages.size(), 1u);
    }
}

TEST_F(EconomyTest, StartingLegionsOfANewGame) {
    restart(3);
    EXPECT_EQ(romans().provinces.size(), 23u);
    ASSERT_EQ(romans().legions.size(), 9u);
    EXPECT_EQ(romans().countLegionsIn(P("Italia")), 5);
    EXPECT_EQ(romans().countLegionsIn(P("Aegyptus")), 3);
    EXPECT_EQ(romans().countLegionsIn(P("Syria")), 1);
    EXPECT_EQ(romans().treasury, 75000);
    EXPECT_EQ(game().barbarians.countLegionsIn(P("Upper Rhine")), 2);
}

TEST_F(EconomyTest, HintsComeInOrderOneAtATimeOnATenthDraw) {
    const std::string firstWords[] = {"Hint: Egypt", "Hint: Britannia", "Hint:  Dacia", "Hint:  The North African"};
    for (int i = 0; i < 4; ++i) {
        seedWhere([] { return generator().draw() % 10 != 0; });
        romans().showHint();
        EXPECT_EQ(advisor.messages.size(), static_cast<std::size_t>(i));
        seedWhere([] { return generator().draw() % 10 == 0; });
        romans().showHint();
        ASSERT_EQ(advisor.messages.size(), static_cast<std::size_t>(i + 1));
        EXPECT_EQ(advisor.messages.back().rfind(firstWords[i], 0), 0u) << advisor.messages.back();
    }
    seedWhere([] { return generator().draw() % 10 == 0; });
    romans().showHint();
    EXPECT_EQ(advisor.messages.size(), 4u);
}

}  // namespace
