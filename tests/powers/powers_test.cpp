// The three computer powers' turns: the tribes' countdowns, peace offers and
// invasions, the Sassanid armies, and the rebels who only march.
#include <set>

#include "model/InternalError.h"
#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

std::string peaceText(const std::string& tribe, int years, int amount) {
    return "Princeps,\r\n\r\nThe " + tribe + " are offering peace for " + std::to_string(years) +
           " years \r\nin exchange for " + std::to_string(amount) + " sesterces.\r\n\r\nDo you accept their offer?";
}

class PowersTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        clearMap();
        give(romans(), {"Italia", "Aquitania", "Narbonensis", "Raetia", "Britannia", "Pannonia", "Dacia", "Belgica",
                        "Lusitania", "Mauretania", "Terraconensis", "Lugdunensis", "Syria", "Pontus"});
        give(tribes(), {"Upper Rhine", "Sarmatia", "Lower Rhine", "Upper Danube", "Lower Danube"});
        give(persians(), {"Armenia", "Mesopotamia"});
        for (int& c : tribes().tribeCountdown) c = 1000;
        advisor.messages.clear();
    }
};

TEST_F(PowersTest, CountdownsAtConstructionAreTwoToFive) {
    for (std::uint32_t s = 1; s < 40; ++s) {
        restart(s);
        for (int c : game().barbarians.tribeCountdown) {
            EXPECT_GE(c, 2);
            EXPECT_LE(c, 5);
        }
    }
}

TEST_F(PowersTest, NoPeaceOfferFromATreasuryOf1000OrLess) {
    romans().treasury = 1000;
    for (int turn = 0; turn < 40; ++turn) {
        for (int& c : tribes().tribeCountdown) c = 0;
        tribes().takeTurn();
        for (int c : tribes().tribeCountdown) {
            EXPECT_GE(c, 5);
            EXPECT_LE(c, 9);
        }
        romans().treasury = 1000;
    }
    EXPECT_TRUE(advisor.questions.empty());
    for (const char* n : {"Lower Rhine", "Upper Rhine", "Upper Danube", "Lower Danube", "Sarmatia"})
        EXPECT_EQ(P(n).hostility, Hostile) << n;
}

TEST_F(PowersTest, APoorEmpireStillCostsTheDecisionDraw) {
    // War from the Lower Rhine: decision, countdown, target, size; the Saxons
    // need no name draw.
    romans().treasury = 0;
    tribes().tribeCountdown[0] = 0;
    generator().seed(99);
    tribes().takeTurn();
    const std::uint32_t after = generator().state();
    generator().seed(99);
    for (int i = 0; i < 4; ++i) generator().draw();
    EXPECT_EQ(after, generator().state());
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"The Saxons have crossed the frontier!"});
}

TEST_F(PowersTest, AnOfferFrom1500MayBeForNothing) {
    romans().treasury = 1500;
    tribes().tribeCountdown[0] = 0;
    int years = 0;
    seedWhere([&] {
        if (generator().draw() % 3 != 0 || generator().draw() % 3 != 0) return false;  // r1, then divisor 2
        years = generator().draw() % 10 + 5;
        return true;
    });
    advisor.answers = {true};
    tribes().takeTurn();
    EXPECT_EQ(advisor.questions, std::vector<std::string>{peaceText("Saxons", years, 0)});
    EXPECT_EQ(romans().treasury, 1500);
    EXPECT_EQ(tribes().tribeCountdown[0], years);
    EXPECT_EQ(P("Lower Rhine").hostility, Friendly);
    EXPECT_EQ(P("Lower Rhine").attributesText(), "Saxon territory (friendly)");
    EXPECT_TRUE(tribes().legions.empty());
}

TEST_F(PowersTest, OfferAmountsAreWholeThousandsOfAShare) {
    struct Case {
        int divisorDraw, amount;
    };
    for (const Case c : {Case{0, 24000}, Case{1, 16000}, Case{2, 12000}}) {
        SetUp();
        advisor = RecordingAdvisor{};
        romans().treasury = 49999;
        tribes().tribeCountdown[2] = 0;
        seedWhere([&] { return generator().draw() % 3 == 0 && generator().draw() % 3 == c.divisorDraw && generator().draw() % 10 == 0; });
        advisor.answers = {true};
        tribes().takeTurn();
        EXPECT_EQ(advisor.questions, std::vector<std::string>{peaceText("Marcomanni", 5, c.amount)});
        EXPECT_EQ(romans().treasury, 49999 - c.amount);
    }
}

TEST_F(PowersTest, AcceptedPeaceKeepsTheTribeQuietForItsYears) {
    romans().treasury = 20000;
    tribes().tribeCountdown[1] = 0;
    seedWhere([] { return generator().draw() % 3 == 0 && generator().draw() >= 0 && generator().draw() % 10 == 2; });
    advisor.answers = {true};
    tribes().takeTurn();
    ASSERT_EQ(advisor.questions.size(), 1u);
    EXPECT_EQ(tribes().tribeCountdown[1], 7);
    EXPECT_EQ(P("Upper Rhine").hostility, Friendly);
    for (int turn = 0; turn < 7; ++turn) {
        const std::uint32_t before = generator().state();
        tribes().takeTurn();
        EXPECT_EQ(generator().state(), before) << turn;
    }
    EXPECT_EQ(tribes().tribeCountdown[1], 0);
    // The eighth turn brings a new decision; with no money it is war.
    romans().treasury = 0;
    tribes().takeTurn();
    EXPECT_EQ(P("Upper Rhine").hostility, Hostile);
    EXPECT_GE(tribes().tribeCountdown[1], 5);
    EXPECT_EQ(advisor.questions.size(), 1u);
    EXPECT_FALSE(tribes().legions.empty());
}

TEST_F(PowersTest, RefusedPeaceMeansWar) {
    romans().treasury = 20000;
    tribes().tribeCountdown[0] = 0;
    int countdown = 0;
    seedWhere([&] {
        if (generator().draw() % 3 != 0) return false;
        generator().draw();
        generator().draw();
        countdown = generator().draw() % 5 + 5;
        return true;
    });
    tribes().takeTurn();  // No
    EXPECT_EQ(advisor.questions.size(), 1u);
    EXPECT_EQ(romans().treasury, 20000);
    EXPECT_EQ(tribes().tribeCountdown[0], countdown);
    EXPECT_EQ(P("Lower Rhine").hostility, Hostile);
    EXPECT_FALSE(tribes().legions.empty());
    EXPECT_EQ(tribes().legions[0]->route.front(), &P("Lower Rhine"));
    EXPECT_EQ(game().invasionCount, 1);
}

TEST_F(PowersTest, InvasionArmySizesFollowSkill) {
    struct Case {
        int skill, low, high;
    };
    for (const Case c : {Case{0, 1, 1}, Case{1, 2, 3}, Case{2, 3, 5}}) {
        std::set<std::size_t> sizes;
        for (std::uint32_t s = 1; s < 60; ++s) {
            SetUp();
            game().skillLevel = c.skill;
            generator().seed(s * 7919);
            tribes().invade(&P("Upper Danube"));
            sizes.insert(tribes().legions.size());
        }
        EXPECT_EQ(*sizes.begin(), static_cast<std::size_t>(c.low)) << c.skill;
        EXPECT_EQ(*sizes.rbegin(), static_cast<std::size_t>(c.high)) << c.skill;
        EXPECT_EQ(sizes.size(), static_cast<std::size_t>(c.high - c.low + 1)) << c.skill;
    }
}

TEST_F(PowersTest, AnInvasionArmySpendsItsFirstMoveAtHome) {
    romans().treasury = 0;
    tribes().tribeCountdown[2] = 0;
    std::string target;
    int size = 0;
    seedWhere([&] {
        generator().draw();                    // war
        generator().draw();                    // countdown
        const int t = generator().draw() % 12;  // target
        if (t != 0) return false;        // Italia
        size = generator().draw() % 2 + 2;
        return true;
    });
    tribes().takeTurn();
    ASSERT_EQ(tribes().legions.size(), static_cast<std::size_t>(size));
    const Route route{&P("Upper Danube"), &P("Upper Danube"), &P("Pannonia"), &P("Italia")};
    for (auto& l : tribes().legions) {
        EXPECT_EQ(l->route, route);
        EXPECT_EQ(l->province, &P("Upper Danube"));
        EXPECT_EQ(l->routeIndex, 1);
        EXPECT_TRUE(l->hasRoute);
    }
    ASSERT_EQ(game().eventLog.size(), 1u);
    EXPECT_EQ(game().eventLog[0], "The Marcomanni have crossed the frontier!");
    EXPECT_EQ(game().invasionCount, 1);
    // Next turn the army crosses into Pannonia, which has no Roman legion.
    tribes().takeTurn();
    EXPECT_EQ(game().ownerOf(P("Pannonia")), &tribes());
    for (auto& l : tribes().legions) EXPECT_EQ(l->province, &P("Pannonia"));
}

TEST_F(PowersTest, InvasionReportNamesTheTribeByTwoSeparateDraws) {
    std::vector<std::string> sounds;
    presenter.onSound = [&](int k) { sounds.push_back(std::to_string(k)); };
    seedWhere([] {
        generator().draw();                      // target
        generator().draw();                      // size
        return generator().draw() % 2 == 1 && generator().draw() % 2 == 0;  // Ostrogoths, then Goths
    });
    tribes().invade(&P("Sarmatia"));
    ASSERT_EQ(advisor.reports.size(), 1u);
    EXPECT_EQ(advisor.reports[0], "Princeps,\r\n\r\nAn army of Ostrogoths has been sighted on the frontier!");
    EXPECT_EQ(game().eventLog.back(), "The Goths have crossed the frontier!");
    EXPECT_EQ(sounds, std::vector<std::string>{"3"});
}

TEST_F(PowersTest, TribeNamesByStartProvince) {
    struct Case {
        const char* province;
        const char* even;
        const char* odd;
    };
    for (const Case c : {Case{"Upper Rhine", "Franks", "Vandals"}, Case{"Sarmatia", "Goths", "Ostrogoths"},
                         Case{"Lower Danube", "Goths", "Visigoths"}}) {
        seedWhere([] { return generator().draw() % 2 == 0; });
        EXPECT_EQ(tribes().tribeNameFor(c.province), c.even);
        seedWhere([] { return generator().draw() % 2 == 1; });
        EXPECT_EQ(tribes().tribeNameFor(c.province), c.odd);
    }
    const std::uint32_t before = generator().state();
    EXPECT_EQ(tribes().tribeNameFor("Lower Rhine"), "Saxons");
    EXPECT_EQ(tribes().tribeNameFor("Upper Danube"), "Marcomanni");
    EXPECT_EQ(tribes().tribeNameFor("Italia"), "Franks");
    EXPECT_EQ(generator().state(), before);
}

TEST_F(PowersTest, TheGothsChooseTheirFrontierByADraw) {
    romans().treasury = 0;
    tribes().tribeCountdown[3] = 0;
    for (int parity : {0, 1}) {
        for (auto& l : tribes().legions) (void)l;
        tribes().deleteAllLegions();
        tribes().tribeCountdown[3] = 0;
        seedWhere([&] { return generator().draw() >= 0 && generator().draw() >= 0 && generator().draw() % 2 == parity; });
        tribes().takeTurn();
        ASSERT_FALSE(tribes().legions.empty());
        EXPECT_EQ(tribes().legions[0]->route.front(), &P(parity == 0 ? "Sarmatia" : "Lower Danube"));
        EXPECT_EQ(P("Sarmatia").hostility, Hostile);
        EXPECT_EQ(P("Lower Danube").hostility, Hostile);
    }
}

TEST_F(PowersTest, NoArmyWhenTheTribesHoldAllTwelveTargets) {
    give(tribes(), {"Italia", "Aquitania", "Lugdunensis", "Narbonensis", "Raetia", "Britannia", "Pannonia", "Dacia",
                    "Belgica", "Lusitania", "Mauretania", "Terraconensis"});
    romans().treasury = 0;
    for (int& c : tribes().tribeCountdown) c = 0;
    P("Lower Rhine").hostility = Friendly;
    tribes().takeTurn();
    EXPECT_TRUE(tribes().legions.empty());
    EXPECT_EQ(game().invasionCount, 0);
    EXPECT_TRUE(game().eventLog.empty());
    EXPECT_EQ(P("Lower Rhine").hostility, Hostile);
    for (int c : tribes().tribeCountdown) EXPECT_GE(c, 5);
    EXPECT_EQ(tribes().chooseInvasionTarget(), nullptr);
}

TEST_F(PowersTest, InvasionTargetsAreTheWesternProvincesNotHeldByTheTribes) {
    give(game().rogueRomans, {"Italia"});
    give(tribes(), {"Aquitania"});
    std::set<std::string> seen;
    for (std::uint32_t s = 1; s < 400; ++s) {
        generator().seed(s);
        seen.insert(tribes().chooseInvasionTarget()->name());
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Italia", "Lugdunensis", "Narbonensis", "Raetia", "Britannia", "Pannonia",
                                           "Dacia", "Belgica", "Lusitania", "Mauretania", "Terraconensis"}));
}

TEST_F(PowersTest, BadTribeIndexIsAnInternalError) {
    EXPECT_THROW(tribes().frontierOf(4), InternalError);
    EXPECT_THROW(tribes().markFrontier(-1, Hostile), InternalError);
}

// Sassanids.

TEST_F(PowersTest, SassanidArmySizesAndChancesFollowSkill) {
    struct Case {
        int skill;
        std::size_t low, high;
        int chance;
    };
    for (const Case c : {Case{0, 2, 6, 4}, Case{1, 4, 8, 3}, Case{2, 7, 11, 2}}) {
        std::set<std::size_t> sizes;
        int invasions = 0;
        const int tries = 300;
        for (int s = 1; s <= tries; ++s) {
            SetUp();
            game().skillLevel = c.skill;
            generator().seed(static_cast<std::uint32_t>(s) * 104729u);
            persians().takeTurn();
            if (!persians().legions.empty()) {
                ++invasions;
                sizes.insert(persians().legions.size());
            }
        }
        EXPECT_EQ(*sizes.begin(), c.low) << c.skill;
        EXPECT_EQ(*sizes.rbegin(), c.high) << c.skill;
        EXPECT_EQ(sizes.size(), c.high - c.low + 1) << c.skill;
        // Roughly one turn in `chance`.
        EXPECT_GT(invasions, tries / c.chance * 2 / 3) << c.skill;
        EXPECT_LT(invasions, tries / c.chance * 4 / 3) << c.skill;
    }
}

TEST_F(PowersTest, SassanidInvasionFromMesopotamiaOnAnEvenDraw) {
    int size = 0;
    seedWhere([&] {
        if (generator().draw() % 3 != 0) return false;
        size = generator().draw() % 5 + 4;
        if (generator().draw() % 2 != 0) return false;
        return generator().draw() % 9 == 4;  // the fifth of nine candidates: Syria
    });
    persians().takeTurn();
    ASSERT_EQ(persians().legions.size(), static_cast<std::size_t>(size));
    const Legion& l = *persians().legions[0];
    EXPECT_EQ(l.route.front(), &P("Mesopotamia"));
    EXPECT_EQ(l.route[1], &P("Mesopotamia"));
    EXPECT_EQ(l.province, &P("Mesopotamia"));
    EXPECT_EQ(l.routeIndex, 1);
    EXPECT_EQ(l.route.back(), &P("Syria"));
    EXPECT_EQ(game().invasionCount, 1);
}

TEST_F(PowersTest, SassanidsWarnOnlyOnceAndRaiseNoArmyWhileOneLives) {
    auto invade = [&] {
        seedWhere([] { return generator().draw() % 3 == 0; });
        persians().takeTurn();
    };
    invade();
    ASSERT_FALSE(persians().legions.empty());
    EXPECT_EQ(advisor.reports,
              std::vector<std::string>{"Princeps,\r\n\r\nThe Sassanids are massing troops across the Tigris River!"});
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"The Sassanids have crossed the Tigris!"});
    EXPECT_FALSE(game().sassanidWarningPending);

    // One legion left anywhere: the invasion draw still counts, no army comes.
    persians().deleteAllLegions();
    station(persians(), "Armenia", 1);
    invade();
    EXPECT_EQ(persians().legions.size(), 1u);
    EXPECT_EQ(game().invasionCount, 2);

    // The next army comes unannounced, also in a new game.
    game().startNewGame();
    clearMap();
    give(romans(), {"Syria"});
    give(persians(), {"Armenia", "Mesopotamia"});
    invade();
    EXPECT_FALSE(persians().legions.empty());
    EXPECT_EQ(advisor.reports.size(), 1u);
}

TEST_F(PowersTest, SassanidsFindNoTargetWhenTheTribesHoldTheEast) {
    give(tribes(),
         {"Pontus", "Lydia", "Cappadocia", "Phrygia", "Syria", "Palestina", "Aegyptus", "Thracia", "Macedonia"});
    seedWhere([] { return generator().draw() % 3 == 0; });
    persians().takeTurn();
    EXPECT_TRUE(persians().legions.empty());
    EXPECT_EQ(game().invasionCount, 1);
    EXPECT_TRUE(advisor.reports.empty());
    EXPECT_TRUE(game().sassanidWarningPending);
}

TEST_F(PowersTest, SassanidTargetsAreRomanRebelOrFreeEasternProvinces) {
    clearMap();
    give(romans(), {"Pontus"});
    give(game().rogueRomans, {"Lydia"});
    give(tribes(), {"Cappadocia", "Phrygia", "Syria", "Palestina", "Aegyptus"});
    // Thracia and Macedonia have no holder.
    std::set<std::string> seen;
    for (std::uint32_t s = 1; s < 300; ++s) {
        generator().seed(s);
        seen.insert(persians().chooseInvasionTarget()->name());
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Pontus", "Lydia", "Thracia", "Macedonia"}));
}

TEST_F(PowersTest, SassanidChanceFollowsSkill) {
    for (int skill : {0, 1}) {
        SetUp();
        game().skillLevel = skill;
        seedWhere([] { return generator().draw() % 12 == 3; });  // a third, not a quarter
        persians().takeTurn();
        EXPECT_EQ(game().invasionCount, skill == 1 ? 1 : 0) << skill;
    }
}

// Rebels.

TEST_F(PowersTest, RebelsWithoutLegionsChangeNothing) {
    give(game().rogueRomans, {"Syria"});
    const std::uint32_t before = generator().state();
    game().rogueRomans.takeTurn();
    EXPECT_EQ(generator().state(), before);
    EXPECT_EQ(game().rogueRomans.provinces, std::vector<Province*>{&P("Syria")});
    EXPECT_TRUE(game().eventLog.empty());
    EXPECT_EQ(romans().provinces.size(), 13u);
}

TEST_F(PowersTest, RebelsMarchAlongTheirRouteAndThenStayPut) {
    give(game().rogueRomans, {"Syria"});
    Legion& l = game().rogueRomans.appendLegion(P("Syria"));
    Legion& still = game().rogueRomans.appendLegion(P("Syria"));
    l.giveRoute({&P("Syria"), &P("Lydia"), &P("Pontus")});
    game().rogueRomans.takeTurn();
    EXPECT_EQ(l.province, &P("Lydia"));
    EXPECT_EQ(game().ownerOf(P("Lydia")), &game().rogueRomans);
    game().rogueRomans.takeTurn();
    EXPECT_EQ(l.province, &P("Pontus"));
    EXPECT_EQ(game().ownerOf(P("Pontus")), &game().rogueRomans);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Pontus has been overrun"});
    for (int i = 0; i < 5; ++i) game().rogueRomans.takeTurn();
    EXPECT_EQ(l.province, &P("Pontus"));
    EXPECT_EQ(still.province, &P("Syria"));
    // The rebels raise no legions of their own.
    EXPECT_EQ(game().rogueRomans.legions.size(), 2u);
}

}  // namespace
