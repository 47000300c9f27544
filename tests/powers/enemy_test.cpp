// The shared behaviour of the invading powers: seize, attack, march.
#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

class EnemyTest : public EmptyMapTest {};

// Raetia's neighbours in order: Lugdunensis, Belgica, Italia, Aquitania, Pannonia.

TEST_F(EnemyTest, SeizesTheFirstFreeOrUndefendedRomanNeighbour) {
    give(tribes(), {"Raetia", "Lugdunensis"});
    give(persians(), {"Pannonia"});
    give(romans(), {"Italia"});
    station(tribes(), "Raetia", 1);
    station(tribes(), "Lugdunensis", 3);  // own province: passed over
    // Belgica has no holder and comes before the empty Roman Italia.
    const std::uint32_t before = generator().state();
    tribes().legions[0]->moved = false;
    Legion& l = *tribes().legions[0];
    tribes().updateLegions();
    EXPECT_EQ(l.province, &P("Belgica"));
    EXPECT_TRUE(l.moved);
    EXPECT_EQ(game().ownerOf(P("Belgica")), &tribes());
    EXPECT_EQ(game().ownerOf(P("Italia")), &romans());
    EXPECT_EQ(generator().state(), before);
    EXPECT_TRUE(game().eventLog.empty());  // from nobody: no line
}

TEST_F(EnemyTest, SeizesAnEmptyRomanProvinceThatComesFirst) {
    give(tribes(), {"Raetia", "Lugdunensis"});
    give(game().rogueRomans, {"Belgica"});  // rebels: passed over even without legions
    give(romans(), {"Italia"});
    station(tribes(), "Raetia", 1);
    romans().treasury = 101;
    tribes().updateLegions();
    EXPECT_EQ(tribes().legions[0]->province, &P("Italia"));
    EXPECT_EQ(game().ownerOf(P("Italia")), &tribes());
    EXPECT_EQ(game().ownerOf(P("Belgica")), &game().rogueRomans);
    EXPECT_EQ(romans().treasury, 50);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Italia has been overrun"});
}

TEST_F(EnemyTest, SeizingComesBeforeAttacking) {
    give(tribes(), {"Raetia", "Lugdunensis", "Belgica"});
    give(romans(), {"Italia"});
    station(romans(), "Italia", 1);
    station(tribes(), "Raetia", 2);
    // Aquitania, after the weakly held Italia, is free: both legions go there.
    const std::uint32_t before = generator().state();
    tribes().updateLegions();
    EXPECT_EQ(generator().state(), before);
    EXPECT_EQ(tribes().legions[0]->province, &P("Aquitania"));
    EXPECT_EQ(romans().legions.size(), 1u);
}

TEST_F(EnemyTest, AttacksTheFirstRomanNeighbourItCanMatch) {
    // Raetia's neighbours all held: the tribes, the Romans (Italia 3, Aquitania 2), the tribes.
    give(tribes(), {"Raetia", "Lugdunensis", "Belgica", "Pannonia"});
    give(romans(), {"Italia", "Aquitania"});
    station(romans(), "Italia", 3);
    station(romans(), "Aquitania", 2);
    station(tribes(), "Raetia", 2);
    std::vector<std::string> moves;
    presenter.onMove = [&](Province& a, Province& b) { moves.push_back(a.name() + ">" + b.name()); };
    // Two wins: Aquitania (2 <= 2) loses both legions, the second winner moves in.
    seedWhere([] { return generator().draw() % 2 == 1 && generator().draw() % 2 == 1; });
    std::vector<std::string> defeats;
    presenter.onDefeat = [&](const std::string& e, Province& p) { defeats.push_back(e + "/" + p.name()); };
    tribes().updateLegions();
    EXPECT_EQ(moves, (std::vector<std::string>{"Raetia>Aquitania", "Raetia>Aquitania"}));
    EXPECT_EQ(romans().countLegionsIn(P("Aquitania")), 0);
    EXPECT_EQ(romans().countLegionsIn(P("Italia")), 3);
    EXPECT_EQ(tribes().legions[0]->province, &P("Raetia"));  // defenders were left: it stays
    EXPECT_EQ(tribes().legions[1]->province, &P("Aquitania"));
    EXPECT_EQ(game().ownerOf(P("Aquitania")), &tribes());
    EXPECT_EQ(defeats, std::vector<std::string>{"Romans/Aquitania"});
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Aquitania has been overrun"});
}

TEST_F(EnemyTest, ThreeDefendersNeedThreeWins) {
    give(tribes(), {"Raetia", "Lugdunensis", "Belgica", "Pannonia", "Aquitania"});
    give(romans(), {"Italia"});
    station(romans(), "Italia", 3);
    station(tribes(), "Raetia", 3);
    seedWhere([] { return generator().draw() % 2 == 1 && generator().draw() % 2 == 1 && generator().draw() % 2 == 1; });
    tribes().updateLegions();
    // Each attack counts the stack again: 3 <= 3, then 2 <= 3, then 1 <= 3.
    EXPECT_EQ(romans().legions.size(), 0u);
    EXPECT_EQ(game().ownerOf(P("Italia")), &tribes());
    EXPECT_EQ(tribes().countLegionsIn(P("Italia")), 1);
    EXPECT_EQ(tribes().countLegionsIn(P("Raetia")), 2);
}

TEST_F(EnemyTest, AFailedAttackCostsTheAttackerAndTheNextLegionStillActs) {
    give(tribes(), {"Raetia", "Lugdunensis", "Belgica", "Pannonia", "Aquitania"});
    give(romans(), {"Italia"});
    station(romans(), "Italia", 1);
    station(tribes(), "Raetia", 2);
    Legion* second = tribes().legions[1].get();
    seedWhere([] { return generator().draw() % 2 == 0 && generator().draw() % 2 == 1; });
    tribes().updateLegions();
    ASSERT_EQ(tribes().legions.size(), 1u);
    EXPECT_EQ(tribes().legions[0].get(), second);
    // It counted a stack of one against one Roman, attacked and won.
    EXPECT_EQ(second->province, &P("Italia"));
    EXPECT_TRUE(romans().legions.empty());
}

TEST_F(EnemyTest, TooStrongNeighboursMakeItMarchOnTheNearestForeignProvince) {
    give(tribes(), {"Raetia", "Lugdunensis", "Belgica", "Pannonia", "Aquitania"});
    give(romans(), {"Italia", "Britannia"});
    station(romans(), "Italia", 2);
    station(tribes(), "Raetia", 1);
    const std::uint32_t before = generator().state();
    tribes().updateLegions();
    EXPECT_EQ(generator().state(), before);
    Legion& l = *tribes().legions[0];
    EXPECT_EQ(l.province, &P("Raetia"));
    EXPECT_TRUE(l.hasRoute);
    EXPECT_EQ(l.routeIndex, 0);
    // Breadth first through its own land: Italia is next door already.
    EXPECT_EQ(l.route, names({"Raetia", "Italia"}));
}

TEST_F(EnemyTest, MarchingThroughOwnLandIsSilentAndTakesOneStepATurn) {
    give(tribes(), {"Raetia", "Aquitania", "Terraconensis"});
    give(romans(), {"Lusitania"});
    station(tribes(), "Raetia", 1);
    Legion& l = *tribes().legions[0];
    l.giveRoute(names({"Raetia", "Aquitania", "Terraconensis", "Lusitania"}));
    const std::uint32_t before = generator().state();
    tribes().updateLegions();
    EXPECT_EQ(l.province, &P("Aquitania"));
    EXPECT_EQ(l.routeIndex, 1);
    EXPECT_TRUE(l.moved);
    tribes().updateLegions();
    EXPECT_EQ(l.province, &P("Terraconensis"));
    EXPECT_TRUE(game().eventLog.empty());
    tribes().updateLegions();
    EXPECT_EQ(l.province, &P("Lusitania"));
    EXPECT_FALSE(l.hasRoute);
    EXPECT_EQ(game().ownerOf(P("Lusitania")), &tribes());
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Lusitania has been overrun"});
    EXPECT_EQ(generator().state(), before);
}

TEST_F(EnemyTest, MarchingIntoFreeLandOccupiesIt) {
    give(tribes(), {"Raetia"});
    station(tribes(), "Raetia", 1);
    Legion& l = *tribes().legions[0];
    l.giveRoute(names({"Raetia", "Italia", "Dalmatia"}));
    tribes().updateLegions();
    EXPECT_EQ(game().ownerOf(P("Italia")), &tribes());
    EXPECT_TRUE(game().eventLog.empty());
}

TEST_F(EnemyTest, ForeignPowersFightEachOtherWhereTheirRoutesCross) {
    give(tribes(), {"Raetia"});
    give(persians(), {"Italia"});
    station(tribes(), "Raetia", 1);
    station(persians(), "Italia", 1);
    station(persians(), "Syria", 1);
    Legion& l = *tribes().legions[0];
    l.giveRoute(names({"Raetia", "Italia", "Dalmatia"}));
    std::vector<std::string> defeats;
    presenter.onDefeat = [&](const std::string& e, Province& p) { defeats.push_back(e + "/" + p.name()); };
    seedWhere([] { return generator().draw() % 2 == 1; });
    tribes().updateLegions();
    // The won attack empties Italia; the legion enters without moving on its route.
    EXPECT_EQ(game().ownerOf(P("Italia")), &tribes());
    EXPECT_EQ(persians().countLegionsIn(P("Italia")), 0);
    EXPECT_EQ(persians().legions.size(), 1u);
    EXPECT_EQ(l.province, &P("Italia"));
    EXPECT_EQ(l.routeIndex, 0);
    EXPECT_TRUE(l.hasRoute);
    EXPECT_EQ(defeats, std::vector<std::string>{"Sassanids/Italia"});
    // Next turn the step onto its own Italia simply advances; then on to Dalmatia.
    const std::uint32_t before = generator().state();
    tribes().updateLegions();
    EXPECT_EQ(l.routeIndex, 1);
    EXPECT_EQ(l.province, &P("Italia"));
    EXPECT_EQ(generator().state(), before);
    tribes().updateLegions();
    EXPECT_EQ(l.province, &P("Dalmatia"));
    EXPECT_FALSE(l.hasRoute);
}

TEST_F(EnemyTest, ALostRouteAttackRemovesTheAttackerAndTheNextActs) {
    give(tribes(), {"Raetia"});
    give(romans(), {"Italia"});
    station(romans(), "Italia", 2);
    station(tribes(), "Raetia", 2);
    for (auto& l : tribes().legions) l->giveRoute(names({"Raetia", "Italia"}));
    Legion* second = tribes().legions[1].get();
    seedWhere([] { return generator().draw() % 2 == 0 && generator().draw() % 2 == 1; });
    tribes().updateLegions();
    ASSERT_EQ(tribes().legions.size(), 1u);
    EXPECT_EQ(tribes().legions[0].get(), second);
    EXPECT_EQ(romans().legions.size(), 1u);
    EXPECT_EQ(second->province, &P("Raetia"));
    EXPECT_EQ(game().eventLog.size(), 0u);
}

TEST_F(EnemyTest, ALegionWithNowhereToGoStaysAndTriesAgain) {
    for (Province* p : game().provinceTable)
        if (!p->isFrontier()) tribes().addProvince(*p);
    station(tribes(), "Italia", 1);
    tribes().updateLegions();
    EXPECT_FALSE(tribes().legions[0]->hasRoute);
    EXPECT_EQ(tribes().legions[0]->province, &P("Italia"));
    // An opening appears: next turn it sets out.
    tribes().removeProvince(P("Lusitania"));
    tribes().updateLegions();
    EXPECT_TRUE(tribes().legions[0]->hasRoute);
    EXPECT_EQ(tribes().legions[0]->route.back(), &P("Lusitania"));
}

TEST_F(EnemyTest, AnUnheldProvinceIsSeizedEvenWithRomanLegionsInIt) {
    // Seizing looks only at the holder; the attack step never sees an unheld
    // neighbour, since any unheld one is seized first.
    give(tribes(), {"Raetia", "Lugdunensis", "Belgica", "Pannonia", "Aquitania"});
    station(romans(), "Italia", 1);
    station(tribes(), "Raetia", 1);
    const std::uint32_t before = generator().state();
    tribes().updateLegions();
    EXPECT_EQ(generator().state(), before);
    EXPECT_EQ(tribes().legions[0]->province, &P("Italia"));
    EXPECT_EQ(game().ownerOf(P("Italia")), &tribes());
    EXPECT_EQ(romans().legions.size(), 1u);
}

TEST_F(EnemyTest, AttackOnANonNeighbourIsStrangeButGoesOn) {
    give(romans(), {"Britannia"});
    station(romans(), "Britannia", 1);
    station(tribes(), "Italia", 1);
    seedWhere([] { return generator().draw() % 2 == 0; });
    EXPECT_FALSE(tribes().attack(romans(), *tribes().legions[0], tribes(), P("Britannia")));
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_EQ(advisor.diagnostics, std::vector<std::string>{"something strange is going on!"});
    EXPECT_EQ(romans().legions.size(), 1u);
}

TEST_F(EnemyTest, LegionsCreatedThisTurnActAndMovedFlagsAreIgnored) {
    give(tribes(), {"Raetia"});
    station(tribes(), "Raetia", 1);
    tribes().legions[0]->moved = true;
    tribes().updateLegions();
    // Raetia's first neighbour Lugdunensis is free: taken in spite of `moved`.
    EXPECT_EQ(tribes().legions[0]->province, &P("Lugdunensis"));
}

}  // namespace
