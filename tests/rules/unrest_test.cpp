// Internal unrest: bonus demands, mutinies, rebellions, revolts, grain riots,
// the People's Front of Judea and settling tribes.
#include <set>

#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

const std::string rebellionHint =
    "When a province rebels it is shown in white, and any legions\r\nin it are shown in red.  You no longer control "
    "rebelling\r\nlegions.  To regain control of a rebelling province you\r\nmust move a non-rebelling legion into it.";

std::string mutinyText(const std::string& group) {
    return "Princeps,\r\n\r\nThe " + group +
           " have rebelled! They have\r\nproclaimed their commander the new Emperor and are\r\nmarching on Rome!";
}

class UnrestTest : public EmptyMapTest {
protected:
    const LegionGroup& group(const char* name) {
        for (const LegionGroup& g : game().legionGroups)
            if (g.name == name) return g;
        throw std::runtime_error(name);
    }
};

TEST_F(UnrestTest, BonusIsAFifthOfTheTreasuryButAtLeastTenThousand) {
    struct Case {
        int treasury, amount, left;
    };
    for (const Case c : {Case{30000, 10000, 20000}, Case{100000, 20000, 80000}, Case{10000, 10000, 0},
                         Case{50004, 10000, 40004}, Case{50005, 10001, 40004}}) {
        advisor.questions.clear();
        advisor.messages.clear();
        romans().treasury = c.treasury;
        advisor.answers = {true};
        game().demandBonus();
        ASSERT_EQ(advisor.questions.size(), 1u);
        EXPECT_EQ(advisor.questions[0], "Princeps,\r\n\r\nThe legions are demanding a bonus of " +
                                            std::to_string(c.amount) + " sesterces.\r\n\r\nDo you wish to pay them?");
        EXPECT_EQ(romans().treasury, c.left) << c.treasury;
        EXPECT_TRUE(advisor.messages.empty()) << c.treasury;
    }
    EXPECT_EQ(game().rebellionCount, 0);
}

TEST_F(UnrestTest, PayingMoreThanTheTreasuryHoldsIsARefusal) {
    give(romans(), {"Raetia", "Italia"});
    station(romans(), "Raetia", 2);
    romans().treasury = 9999;
    advisor.answers = {true};
    const std::uint32_t before = generator().state();
    game().demandBonus();
    EXPECT_EQ(generator().state(), before);  // no backing-down draw after a Yes
    EXPECT_EQ(romans().treasury, 9999);
    ASSERT_GE(advisor.messages.size(), 2u);
    EXPECT_EQ(advisor.messages[0], "Princeps,\r\n\r\nWe do not have that much in the treasury.");
    EXPECT_EQ(advisor.messages[1], mutinyText("Danube legions"));
    EXPECT_EQ(game().rebellionCount, 1);
}

TEST_F(UnrestTest, RefusalMayBeAcceptedByTheTroops) {
    give(romans(), {"Raetia"});
    station(romans(), "Raetia", 1);
    romans().treasury = 50000;
    seedWhere([] { return generator().draw() % 2 == 1; });
    game().demandBonus();
    EXPECT_EQ(advisor.messages, std::vector<std::string>{"Princeps,\r\n\r\nThe troops have backed down from their demands."});
    EXPECT_EQ(romans().treasury, 50000);
    EXPECT_EQ(romans().legions.size(), 1u);
}

TEST_F(UnrestTest, RefusalWithLegionsOnlyInRaetiaRaisesTheDanubeLegions) {
    give(romans(), {"Italia", "Raetia", "Dacia", "Thracia", "Pannonia", "Britannia", "Belgica"});
    station(romans(), "Raetia", 2);
    romans().treasury = 50000;
    seedWhere([] { return generator().draw() % 2 == 0; });
    game().demandBonus();
    EXPECT_EQ(advisor.messages[0], mutinyText("Danube legions"));
    for (const char* n : {"Raetia", "Dacia", "Thracia", "Pannonia"}) EXPECT_EQ(game().ownerOf(P(n)), &rebels()) << n;
    for (const char* n : {"Italia", "Britannia", "Belgica"}) EXPECT_EQ(game().ownerOf(P(n)), &romans()) << n;
    EXPECT_TRUE(romans().legions.empty());
    ASSERT_EQ(rebels().legions.size(), 2u);
    for (auto& l : rebels().legions) {
        EXPECT_EQ(l->province, &P("Raetia"));
        EXPECT_TRUE(l->hasRoute);
        EXPECT_EQ(l->route, (Route{&P("Raetia"), &P("Italia")}));
    }
    EXPECT_EQ(game().rebellionCount, 1);
}

TEST_F(UnrestTest, RefusalPicksDanubeThenEasternThenRhineAndNeverNorthAfrica) {
    struct Case {
        std::vector<const char*> garrisons;
        const char* group;
    };
    const Case cases[] = {{{"Britannia", "Syria"}, "Eastern legions"},
                          {{"Britannia", "Syria", "Dacia"}, "Danube legions"},
                          {{"Belgica"}, "Rhine legions"},
                          {{"Africa", "Mauretania"}, nullptr}};
    for (const Case& c : cases) {
        SetUp();
        give(romans(), {"Italia", "Britannia", "Belgica", "Syria", "Dacia", "Africa", "Mauretania"});
        for (const char* g : c.garrisons) station(romans(), g, 1);
        game().mutinyAfterRefusal();
        if (c.group == nullptr) {
            EXPECT_TRUE(advisor.messages.empty());
            EXPECT_EQ(game().rebellionCount, 0);
            EXPECT_TRUE(rebels().provinces.empty());
        } else {
            ASSERT_FALSE(advisor.messages.empty());
            EXPECT_EQ(advisor.messages[0], mutinyText(c.group));
            EXPECT_EQ(game().rebellionCount, 1);
        }
    }
}

TEST_F(UnrestTest, MutinyWithProvincesButNoLegionsMakesNoRebelArmy) {
    give(romans(), {"Italia", "Dacia", "Thracia", "Pannonia"});
    station(romans(), "Italia", 2);
    game().mutiny(game().findLegionGroup(P("Dacia")), P("Dacia"));
    for (const char* n : {"Dacia", "Thracia", "Pannonia"}) EXPECT_EQ(game().ownerOf(P(n)), &rebels()) << n;
    EXPECT_EQ(rebels().provinces.size(), 3u);
    EXPECT_TRUE(rebels().legions.empty());
    EXPECT_EQ(romans().legions.size(), 2u);
    EXPECT_EQ(advisor.messages, (std::vector<std::string>{mutinyText("Danube legions"), rebellionHint}));
    // No report lines: a mutiny does not pass through the transfer news.
    EXPECT_TRUE(game().eventLog.empty());
    EXPECT_EQ(game().rebellionCount, 0);
}

TEST_F(UnrestTest, MutinyOfAGroupTheRomansDoNotHoldStillSpeaksOnceHintOnce) {
    game().mutiny(game().findLegionGroup(P("Africa")), P("Africa"));
    game().mutiny(game().findLegionGroup(P("Africa")), P("Africa"));
    EXPECT_EQ(advisor.messages, (std::vector<std::string>{mutinyText("North african legions"), rebellionHint,
                                                          mutinyText("North african legions")}));
    EXPECT_TRUE(rebels().provinces.empty());
}

TEST_F(UnrestTest, OnlyTheFirstGarrisonAndTheGivenProvinceMarch) {
    give(romans(), {"Italia", "Syria", "Palestina", "Pontus", "Aegyptus", "Lydia"});
    station(romans(), "Pontus", 1);
    station(romans(), "Palestina", 2);
    station(romans(), "Aegyptus", 3);
    station(romans(), "Lydia", 1);
    station(romans(), "Italia", 1);
    game().mutiny(game().findLegionGroup(P("Aegyptus")), P("Aegyptus"));
    const Route toItalia = game().findRoute(P("Palestina"), P("Italia"));
    const Route fromEgypt = game().findRoute(P("Aegyptus"), P("Italia"));
    int marching = 0;
    for (auto& l : rebels().legions) {
        const std::string where = l->province->name();
        if (where == "Palestina") {
            EXPECT_TRUE(l->hasRoute);
            EXPECT_EQ(l->route, toItalia);
        } else if (where == "Aegyptus") {
            EXPECT_TRUE(l->hasRoute);
            EXPECT_EQ(l->route, fromEgypt);
        } else {
            EXPECT_FALSE(l->hasRoute) << where;
        }
        marching += l->hasRoute;
    }
    EXPECT_EQ(marching, 5);
    EXPECT_EQ(rebels().legions.size(), 7u);
    EXPECT_EQ(rebels().countLegionsIn(P("Pontus")), 1);
    EXPECT_EQ(rebels().countLegionsIn(P("Lydia")), 1);
    // Syria, held but empty, goes over too; Italia's legion stays loyal.
    EXPECT_EQ(game().ownerOf(P("Syria")), &rebels());
    ASSERT_EQ(romans().legions.size(), 1u);
    EXPECT_EQ(romans().provinces, std::vector<Province*>{&P("Italia")});
    for (auto& l : rebels().legions) EXPECT_FALSE(l->moved);
}

TEST_F(UnrestTest, RebellionOfOneProvinceTurnsItsGarrison) {
    give(romans(), {"Syria", "Italia"});
    station(romans(), "Syria", 2);
    station(romans(), "Italia", 1);
    romans().treasury = 1001;
    game().raiseRebellion(P("Syria"));
    EXPECT_EQ(game().ownerOf(P("Syria")), &rebels());
    EXPECT_EQ(rebels().countLegionsIn(P("Syria")), 2);
    for (auto& l : rebels().legions) EXPECT_FALSE(l->hasRoute);
    EXPECT_EQ(romans().legions.size(), 1u);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Syria has been overrun"});

    // Italia rebelling plunders the treasury.
    game().raiseRebellion(P("Italia"));
    EXPECT_EQ(romans().treasury, 500);
    EXPECT_EQ(rebels().countLegionsIn(P("Italia")), 1);
}

TEST_F(UnrestTest, RebellionOfForeignUnheldAndRebelProvinces) {
    give(game().sassanids, {"Syria"});
    station(game().sassanids, "Syria", 3);
    game().raiseRebellion(P("Syria"));
    EXPECT_EQ(game().ownerOf(P("Syria")), &rebels());
    EXPECT_EQ(rebels().countLegionsIn(P("Syria")), 3);
    EXPECT_TRUE(game().sassanids.legions.empty());
    EXPECT_FALSE(game().sassanids.holds(P("Syria")));
    EXPECT_TRUE(game().eventLog.empty());

    // Nobody holds Lydia: nothing happens, even with legions standing there.
    station(romans(), "Lydia", 1);
    game().raiseRebellion(P("Lydia"));
    EXPECT_EQ(game().ownerOf(P("Lydia")), nullptr);
    EXPECT_EQ(romans().legions.size(), 1u);

    // Rebels rebelling again: their marching legions are replaced by still ones.
    for (auto& l : rebels().legions) l->giveRoute({&P("Syria"), &P("Palestina")});
    game().raiseRebellion(P("Syria"));
    EXPECT_EQ(game().ownerOf(P("Syria")), &rebels());
    EXPECT_EQ(rebels().countLegionsIn(P("Syria")), 3);
    for (auto& l : rebels().legions) EXPECT_FALSE(l->hasRoute);
}

TEST_F(UnrestTest, GarrisonedBritanniaNeverRevolts) {
    give(romans(), {"Britannia", "Aegyptus", "Italia"});
    station(romans(), "Britannia", 1);
    station(romans(), "Aegyptus", 1);
    const std::uint32_t before = generator().state();
    for (int i = 0; i < 50; ++i) romans().checkRevolts();
    EXPECT_EQ(generator().state(), before);  // Aegyptus is held: no riot draw either
    EXPECT_TRUE(romans().holds(P("Britannia")));
}

TEST_F(UnrestTest, UngarrisonedBritanniaRevoltsOnItsDraw) {
    give(romans(), {"Britannia", "Aegyptus"});
    station(romans(), "Aegyptus", 1);
    seedWhere([] { return generator().draw() % 5 == 0; });
    romans().checkRevolts();
    EXPECT_EQ(game().ownerOf(P("Britannia")), nullptr);
    EXPECT_EQ(game().rebellionCount, 1);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Britannia has rebelled"});
    EXPECT_EQ(advisor.messages,
              std::vector<std::string>{"Princeps,\r\n\r\nThe tribes of Britannia have rebelled against Roman "
                                       "rule!\r\n\r\nWe should send a legion there to restore order."});
    EXPECT_TRUE(rebels().provinces.empty());
}

TEST_F(UnrestTest, EgyptRevoltThenGrainRiotInTheSameEndOfTurn) {
    // Losing Aegyptus, the last grain province, makes the riot test in the same
    // end of turn; the riot empties Italia and logs nothing.
    give(romans(), {"Italia", "Aegyptus"});
    station(romans(), "Italia", 2);
    seedWhere([] { return generator().draw() % 5 == 0 && generator().draw() % 10 == 0; });
    romans().checkRevolts();
    EXPECT_EQ(game().ownerOf(P("Aegyptus")), nullptr);
    EXPECT_EQ(game().ownerOf(P("Italia")), nullptr);
    EXPECT_TRUE(romans().legions.empty());
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Aegyptus has rebelled"});
    EXPECT_EQ(game().rebellionCount, 1);
    ASSERT_EQ(advisor.messages.size(), 2u);
    EXPECT_EQ(advisor.messages[1],
              "Princeps,\r\n\r\nThe people of Italia are rioting over the lack of grain!\r\n\r\nWe should send a legion "
              "there to restore order.");
}

TEST_F(UnrestTest, GrainRiotNeedsItaliaAndNoGrainProvince) {
    for (const char* grain : {"Aegyptus", "Mauretania", "Africa"}) {
        SetUp();
        give(romans(), {"Italia", grain});
        station(romans(), "Italia", 1);
        station(romans(), grain, 1);
        const std::uint32_t before = generator().state();
        romans().checkRevolts();
        EXPECT_EQ(generator().state(), before) << grain;
        EXPECT_FALSE(game().hasGrainShortage());
    }
    SetUp();
    give(romans(), {"Britannia"});
    station(romans(), "Britannia", 1);
    EXPECT_TRUE(game().hasGrainShortage());
    const std::uint32_t before = generator().state();
    romans().checkRevolts();
    EXPECT_EQ(generator().state(), before);  // no Italia to riot
}

TEST_F(UnrestTest, RevoltChancesFollowSkill) {
    // One in 10 on Easy, 5 on Normal, 3 on Hard: of the draws 1 to 10 only
    // these set off a revolt, so any other chance for any level shows.
    const std::set<int> revolting[] = {{10}, {5, 10}, {3, 6, 9}};
    for (int skill : {0, 1, 2}) {
        for (int draw = 1; draw <= 10; ++draw) {
            SetUp();
            game().skillLevel = skill;
            give(romans(), {"Britannia", "Africa"});
            seedWhere([draw] { return generator().draw() == draw; });
            romans().checkRevolts();
            EXPECT_EQ(romans().holds(P("Britannia")), revolting[skill].count(draw) == 0)
                << "skill " << skill << ", draw " << draw;
        }
    }
}

TEST_F(UnrestTest, PeoplesFrontOfJudeaTakesPalestinaFromTheSassanids) {
    give(game().sassanids, {"Palestina", "Syria"});
    station(game().sassanids, "Palestina", 2);
    station(game().sassanids, "Syria", 1);
    std::vector<int> sounds;
    presenter.onSound = [&](int k) { sounds.push_back(k); };
    game().palestinaUprising();
    EXPECT_EQ(game().ownerOf(P("Palestina")), &romans());
    EXPECT_EQ(romans().countLegionsIn(P("Palestina")), 5);
    EXPECT_EQ(game().sassanids.countLegionsIn(P("Palestina")), 0);
    EXPECT_EQ(game().sassanids.countLegionsIn(P("Syria")), 1);
    EXPECT_EQ(sounds, std::vector<int>{5});
    EXPECT_EQ(advisor.messages,
              std::vector<std::string>{"Palestina has been overthrown by the\r\nPeople's Front of Judea (the PFJ)!"});
    EXPECT_TRUE(game().eventLog.empty());

    // Once Roman, nothing more happens.
    advisor.messages.clear();
    game().palestinaUprising();
    EXPECT_EQ(romans().countLegionsIn(P("Palestina")), 5);
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_EQ(sounds.size(), 1u);
}

TEST_F(UnrestTest, PeoplesFrontInAProvinceOfNobody) {
    game().palestinaUprising();
    EXPECT_EQ(game().ownerOf(P("Palestina")), &romans());
    EXPECT_EQ(romans().legions.size(), 5u);
}

TEST_F(UnrestTest, SettlersOnlyForHeldCandidates) {
    game().skillLevel = 0;
    Province* province = nullptr;
    int count = 0;
    give(romans(), {"Italia"});
    seedWhere([] { return generator().draw() % 10 == 0; });
    EXPECT_FALSE(game().ceckForFreeLegions(province, count));

    give(romans(), {"Belgica", "Raetia"});
    seedWhere([] { return generator().draw() % 10 == 0 && generator().draw() % 2 == 1; });
    EXPECT_TRUE(game().ceckForFreeLegions(province, count));
    EXPECT_EQ(province, &P("Raetia"));
    EXPECT_EQ(count, 1);

    seedWhere([] { return generator().draw() % 10 != 0; });
    EXPECT_FALSE(game().ceckForFreeLegions(province, count));

    // The candidates in order: Belgica, Pannonia, Raetia.
    give(romans(), {"Pannonia"});
    seedWhere([] { return generator().draw() % 10 == 0 && generator().draw() % 3 == 1; });
    EXPECT_TRUE(game().ceckForFreeLegions(province, count));
    EXPECT_EQ(province, &P("Pannonia"));

    // On Hard one in twenty: a draw of 10 is not enough.
    game().skillLevel = 2;
    seedWhere([] { return generator().draw() % 20 == 10; });
    EXPECT_FALSE(game().ceckForFreeLegions(province, count));
}

TEST_F(UnrestTest, SettlersAsFarmersOrSoldiers) {
    give(romans(), {"Pannonia"});
    romans().treasury = 100;
    advisor.answers = {true, false};
    romans().settleTribe(P("Pannonia"), 1);
    EXPECT_EQ(romans().treasury, 5100);
    EXPECT_TRUE(romans().legions.empty());
    ASSERT_EQ(advisor.questions.size(), 1u);
    EXPECT_EQ(advisor.questions[0],
              "A tribe from across the Rhine is asking to settle in\r\nPannonia.  Should we settle them as farmers "
              "to\r\nincrease tax revenue, or press them into military service?\r\n\r\n[Settling them as farmers will "
              "put 5,000 sesterces into\r\nthe treasury]");
    romans().settleTribe(P("Pannonia"), 1);
    EXPECT_EQ(romans().treasury, 5100);
    ASSERT_EQ(romans().legions.size(), 1u);
    EXPECT_EQ(romans().legions[0]->province, &P("Pannonia"));
    EXPECT_FALSE(romans().legions[0]->moved);
}

}  // namespace
