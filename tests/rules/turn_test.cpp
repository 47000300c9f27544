// The calendar and the end of turn: scripted events, the years that pass in
// one call while no Roman legion waits for orders, defeat, 285 and 476.
#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

const std::string tentate =
    "Princeps,\r\n\r\nOur empire has been defeated.\r\n\r\nTentate Iterum? (Would you like to play again?)";
const std::string crisisQuestion =
    "Congratulations!\r\n\r\nYou have survived Rome's \"Crisis of the Third Century\"\r\nDo you want to keep playing "
    "until 476 AD?";
const std::string endQuestion =
    "Congratulations! You have outlasted the Western\r\nRoman Empire.\r\n\r\nDo you wish to play again?\r\n";
const std::string splitMessage = "Princeps,\r\n\r\nThe eastern and western ends of the empire\r\nhave rebelled!";

int count(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

class TurnTest : public GameTest {
protected:
    // The Romans hold `names`, the tribes everything else; no foreign legion
    // exists and none will come (no tribe decides, no Sassanid target is left).
    void quietWorld(std::initializer_list<const char*> names) {
        clearMap();
        for (Province* p : game().provinceTable) game().barbarians.addProvince(*p);
        for (const char* n : names) {
            game().barbarians.removeProvince(P(n));
            romans().addProvince(P(n));
            P(n).raiseCounter = -1000;  // no legion is raised in these tests
        }
        for (int& c : game().barbarians.tribeCountdown) c = 1 << 30;
        romans().legionLimitHintShown = true;
        advisor.messages.clear();
    }
};

TEST_F(TurnTest, TheEventList) {
    ASSERT_EQ(game().events.size(), 11u);
    const int years[] = {260, 286, 298, 306, 306, 407, 407, 411, 411, 430, 451};
    const int kinds[] = {2, 2, 2, 2, 1, 2, 1, 1, 1, 1, 1};
    const bool messages[] = {false, true, true, true, false, true, false, true, true, true, true};
    int i = 0;
    for (auto& e : game().events) {
        EXPECT_EQ(e->year, years[i]) << i;
        EXPECT_EQ(e->kind, kinds[i]) << i;
        EXPECT_EQ(e->hasMessage, messages[i]) << i;
        ++i;
    }
    auto it = game().events.begin();
    auto* split = dynamic_cast<RebellionEvent*>(it->get());
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->provinces,
              (std::vector<std::string>{"Britannia", "Lugdunensis", "Aquitania", "Belgica", "Terraconensis",
                                        "Narbonensis", "Raetia", "Lusitania", "Palestina", "Syria", "Aegyptus", "Lydia",
                                        "Cappadocia"}));
    std::advance(it, 10);
    auto* huns = dynamic_cast<InvasionEvent*>(it->get());
    ASSERT_NE(huns, nullptr);
    EXPECT_EQ(huns->invader, &game().barbarians);
    EXPECT_EQ(huns->from, &P("Upper Rhine"));
    EXPECT_EQ(huns->to, &P("Aquitania"));
    EXPECT_EQ(huns->count, 20);
    EXPECT_EQ(huns->message, "Princeps,\r\n\r\nThe Huns have massed a large army across the Rhine!");
}

TEST_F(TurnTest, SkippedYearsAreDroppedAndLaterEventsRunOnTime) {
    // A game saved in 300 and loaded into a fresh run.
    game().turn = 65;
    game().turn = 66;
    game().runDueEvents();
    EXPECT_EQ(game().events.size(), 8u);
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_TRUE(game().rogueRomans.provinces.empty());
    for (int t = 67; t < 71; ++t) {
        game().turn = t;
        game().runDueEvents();
    }
    EXPECT_EQ(game().events.size(), 8u);
    game().turn = 71;  // 306
    game().runDueEvents();
    EXPECT_EQ(game().events.size(), 6u);
    ASSERT_FALSE(advisor.messages.empty());
    EXPECT_EQ(advisor.messages[0].rfind("Princeps,\r\n\r\nThe eastern emperor Licinius", 0), 0u);
    // Rebellion first, then the three legions appear in rebel Thracia and march on Rome.
    EXPECT_EQ(game().ownerOf(P("Thracia")), &game().rogueRomans);
    EXPECT_EQ(game().ownerOf(P("Dalmatia")), &game().rogueRomans);
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Thracia")), 3);
    for (auto& l : game().rogueRomans.legions) {
        if (!l->province->sameAs(P("Thracia"))) continue;
        EXPECT_TRUE(l->hasRoute);
        EXPECT_EQ(l->route, (Route{&P("Thracia"), &P("Dalmatia"), &P("Italia")}));
    }
    // Aegyptus (three legions in a new game) rebelled with its garrison.
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Aegyptus")), 3);
    EXPECT_EQ(romans().countLegionsIn(P("Aegyptus")), 0);
    EXPECT_EQ(game().invasionCount, 0);
    // Events never run twice.
    advisor.messages.clear();
    game().runDueEvents();
    EXPECT_TRUE(advisor.messages.empty());
}

TEST_F(TurnTest, TwoInvasionsIn411AlericFirst) {
    game().turn = 176;
    game().runDueEvents();
    ASSERT_EQ(advisor.messages.size(), 2u);
    EXPECT_EQ(advisor.messages[0], "Princeps,\r\n\r\nThe Visigoth king Aleric is marching on Rome!");
    EXPECT_EQ(advisor.messages[1], "Princeps,\r\n\r\nThe Saxons are preparing to attack Britannia!");
    Barbarians& b = game().barbarians;
    ASSERT_EQ(b.legions.size(), 2u + 15u + 5u);  // the two of the new game stand first
    for (std::size_t i = 2; i < 17; ++i) {
        EXPECT_EQ(b.legions[i]->province, &P("Sarmatia"));
        EXPECT_EQ(b.legions[i]->route, (Route{&P("Sarmatia"), &P("Dacia"), &P("Dalmatia"), &P("Italia")}));
        EXPECT_TRUE(b.legions[i]->hasRoute);
        EXPECT_EQ(b.legions[i]->routeIndex, 0);
    }
    for (std::size_t i = 17; i < 22; ++i) {
        EXPECT_EQ(b.legions[i]->province, &P("Upper Rhine"));
        EXPECT_EQ(b.legions[i]->route, (Route{&P("Upper Rhine"), &P("Belgica"), &P("Britannia")}));
    }
    EXPECT_EQ(game().invasionCount, 0);
    EXPECT_EQ(game().events.size(), 2u);
}

TEST_F(TurnTest, ConstantineIIIRebelsBeforeHisArmySetsOut) {
    game().turn = 172;
    game().runDueEvents();
    EXPECT_EQ(game().ownerOf(P("Britannia")), &game().rogueRomans);
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Britannia")), 7);
    const Route route{&P("Britannia"), &P("Belgica"), &P("Lugdunensis"), &P("Aquitania")};
    for (auto& l : game().rogueRomans.legions) EXPECT_EQ(l->route, route);
}

TEST_F(TurnTest, InvasionEventCreatesItsLegionsWhoeverHoldsTheStart) {
    // The rebels' 306 army appears even when the tribes hold Thracia.
    clearMap();
    give(game().barbarians, {"Thracia"});
    station(game().barbarians, "Thracia", 1);
    game().turn = 71;
    game().runDueEvents();
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Thracia")), 4);  // the tribe's legion rebelled too
}

TEST_F(TurnTest, AScenarioStartingIn259RunsTheSplitAtItsFirstEndOfTurn) {
    game().resetForNewGame();
    game().assignDefaultOwners();
    game().buildEventList();
    game().scenario260();
    for (Province* p : game().provinceTable) p->raiseCounter = -1000;  // garrisons stay as set up
    ASSERT_EQ(game().year(), 259);
    game().advanceTurn();
    EXPECT_EQ(game().year(), 260);
    for (const char* n : {"Britannia", "Lugdunensis", "Aquitania", "Belgica", "Terraconensis", "Narbonensis", "Raetia",
                          "Lusitania", "Palestina", "Syria", "Aegyptus", "Lydia", "Cappadocia"})
        EXPECT_EQ(game().ownerOf(P(n)), &game().rogueRomans) << n;
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Britannia")), 3);
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Aegyptus")), 3);
    EXPECT_EQ(game().rogueRomans.countLegionsIn(P("Aquitania")), 2);
    EXPECT_EQ(romans().countLegionsIn(P("Britannia")), 0);
    EXPECT_EQ(count(advisor.messages, splitMessage), 1);
    EXPECT_EQ(frontEnd.lessons, std::vector<int>{260});
    EXPECT_EQ(game().events.size(), 10u);
}

TEST_F(TurnTest, MarchingLegionsLetSeveralYearsPassInOneCall) {
    quietWorld({"Italia", "Aquitania", "Terraconensis", "Lusitania", "Africa", "Dacia"});
    game().turn = 48;  // 283
    station(romans(), "Italia", 1);
    romans().legions[0]->giveRoute({&P("Italia"), &P("Aquitania"), &P("Terraconensis"), &P("Lusitania")});
    advisor.answers = {true};
    game().advanceTurn();
    // Three marching years, then a year in which the arrived legion waits for orders.
    EXPECT_EQ(game().year(), 287);
    EXPECT_EQ(frontEnd.banners, 4);
    EXPECT_EQ(frontEnd.lessons, std::vector<int>{285});
    EXPECT_EQ(frontEnd.results, 1);
    EXPECT_EQ(advisor.questions, std::vector<std::string>{crisisQuestion});
    EXPECT_FALSE(frontEnd.quitted);
    // The event of 286 ran on the way.
    EXPECT_EQ(game().ownerOf(P("Britannia")), &game().rogueRomans);
    EXPECT_EQ(romans().legions[0]->province, &P("Lusitania"));
    EXPECT_FALSE(romans().legions[0]->moved);
}

TEST_F(TurnTest, WithoutLegionsTheYearsRunOnUntilThe285Question) {
    quietWorld({"Italia", "Africa", "Dacia"});
    game().turn = 45;
    game().advanceTurn();  // No to the question
    EXPECT_EQ(game().year(), 285);
    EXPECT_TRUE(frontEnd.quitted);
    EXPECT_EQ(advisor.questions, std::vector<std::string>{crisisQuestion});
    EXPECT_EQ(frontEnd.results, 1);
    EXPECT_EQ(frontEnd.banners, 5);
}

TEST_F(TurnTest, WithoutLegionsTheYearsRunOnUntilALegionIsRaised) {
    quietWorld({"Italia", "Africa"});
    P("Italia").raiseCounter = 0;
    P("Africa").raiseCounter = 0;
    game().advanceTurn();
    ASSERT_EQ(romans().legions.size(), 1u);
    EXPECT_FALSE(romans().legions[0]->moved);
    EXPECT_GE(game().turn, 1);
    EXPECT_EQ(frontEnd.banners, game().turn);
    EXPECT_FALSE(frontEnd.quitted);
}

TEST_F(TurnTest, PastTheEndAnEmpireThatCannotRaiseGetsEachTurnByHand) {
    // Dacia raises nothing, and no question comes after 476 to stop the run.
    quietWorld({"Dacia"});
    game().turn = 250;
    game().advanceTurn();
    EXPECT_EQ(game().year(), 486);
    game().advanceTurn();
    EXPECT_EQ(game().year(), 487);
    EXPECT_TRUE(romans().legions.empty());
    EXPECT_FALSE(frontEnd.quitted);
}

TEST_F(TurnTest, The285QuestionIsNotAskedInALaterGame) {
    quietWorld({"Italia", "Africa"});
    game().turn = 51;
    station(romans(), "Italia", 1);
    game().advanceTurn();
    EXPECT_TRUE(advisor.questions.empty());
    EXPECT_EQ(game().year(), 287);
}

TEST_F(TurnTest, DefeatYesStartsAFreshGameWithTheFullEventList) {
    quietWorld({"Italia"});
    game().turn = 60;
    game().runDueEvents();  // 295: the first two events are gone
    ASSERT_EQ(game().events.size(), 9u);
    romans().plague = true;  // keeps the taxes low; no legion anyway
    romans().plagueCounter = 100;
    station(game().barbarians, "Raetia", 1);  // seizes the empty Italia
    advisor.answers = {true};
    game().advanceTurn();
    EXPECT_EQ(count(advisor.questions, tentate), 1);
    EXPECT_FALSE(frontEnd.quitted);
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(game().events.size(), 11u);
    EXPECT_EQ(romans().provinces.size(), 23u);
    EXPECT_EQ(romans().legions.size(), 9u);
    EXPECT_EQ(romans().treasury, 75000);
    EXPECT_EQ(game().barbarians.countLegionsIn(P("Upper Rhine")), 2);
    EXPECT_EQ(game().ownerOf(P("Italia")), &romans());
    EXPECT_TRUE(game().romansCanMove());
    EXPECT_TRUE(frontEnd.lessons.empty());
}

TEST_F(TurnTest, DefeatNoQuitsAtOnce) {
    quietWorld({"Italia"});
    game().turn = 60;
    romans().plague = true;
    romans().plagueCounter = 100;
    station(game().barbarians, "Raetia", 1);
    game().advanceTurn();
    EXPECT_EQ(advisor.questions, std::vector<std::string>{tentate});
    EXPECT_TRUE(frontEnd.quitted);
    EXPECT_EQ(game().turn, 61);
    EXPECT_TRUE(romans().provinces.empty());
}

TEST_F(TurnTest, The476QuestionEndsTheGame) {
    for (bool again : {true, false}) {
        SetUp();
        advisor = RecordingAdvisor{};
        quietWorld({"Italia", "Africa"});
        game().turn = 240;
        station(romans(), "Italia", 1);
        advisor.answers = {again};
        game().advanceTurn();
        EXPECT_EQ(game().year(), 476);
        EXPECT_EQ(advisor.questions, std::vector<std::string>{endQuestion});
        EXPECT_EQ(frontEnd.results, 1);
        EXPECT_EQ(frontEnd.lessons, std::vector<int>{476});
        EXPECT_EQ(frontEnd.newGamePosted, again);
        EXPECT_EQ(frontEnd.quitted, !again);
        frontEnd = RecordingFrontEnd{};
    }
}

TEST_F(TurnTest, TheTribesMoveBeforeTheSassanids) {
    // Both could seize the empty Dalmatia; the tribes move first and get it.
    quietWorld({"Italia", "Africa"});
    station(romans(), "Italia", 1);
    game().barbarians.removeProvince(P("Dalmatia"));
    game().barbarians.removeProvince(P("Macedonia"));
    game().sassanids.addProvince(P("Macedonia"));
    station(game().barbarians, "Pannonia", 1);
    station(game().sassanids, "Macedonia", 1);
    game().advanceTurn();
    EXPECT_EQ(game().ownerOf(P("Dalmatia")), &game().barbarians);
    EXPECT_EQ(game().barbarians.legions[0]->province, &P("Dalmatia"));
    EXPECT_EQ(game().year(), 236);
    EXPECT_EQ(frontEnd.lessons, std::vector<int>{236});
}

TEST_F(TurnTest, LateScenariosGiveMauretaniaToTheRomansOnly) {
    for (int which : {476, 455}) {
        game().resetForNewGame();
        game().assignDefaultOwners();
        game().buildEventList();
        if (which == 455)
            game().scenario455();
        else
            game().scenario476();
        EXPECT_EQ(game().ownerOf(P("Mauretania")), &romans()) << which;
        EXPECT_FALSE(game().barbarians.holds(P("Mauretania"))) << which;
        EXPECT_EQ(romans().countLegionsIn(P("Mauretania")), 1) << which;
        EXPECT_FALSE(advisor.toldAny("Province is owner by two empires")) << which;
        EXPECT_EQ(romans().provinces.size(), 4u);
    }
    // The Vandals of 455 march from Africa on Rome through Roman Mauretania.
    EXPECT_EQ(game().year(), 454);
    EXPECT_EQ(romans().treasury, 40000);
    ASSERT_EQ(game().barbarians.legions.size(), 10u);
    const Route route{&P("Africa"), &P("Mauretania"), &P("Lusitania"), &P("Terraconensis"), &P("Aquitania"),
                      &P("Italia")};
    for (auto& l : game().barbarians.legions) EXPECT_EQ(l->route, route);
}

TEST_F(TurnTest, TheVandalsOf455FightTheirWayIntoMauretania) {
    game().resetForNewGame();
    game().assignDefaultOwners();
    game().buildEventList();
    game().scenario455();
    for (int& c : game().barbarians.tribeCountdown) c = 1000;
    // The one Roman legion of Mauretania faces ten: the first winning attack takes it.
    seedWhere([] { return generator().draw() % 2 == 1; });
    game().barbarians.updateLegions();
    EXPECT_EQ(romans().countLegionsIn(P("Mauretania")), 0);
    EXPECT_EQ(game().ownerOf(P("Mauretania")), &game().barbarians);
    EXPECT_EQ(game().eventLog.back(), "Mauretania has been overrun");
}

}  // namespace
