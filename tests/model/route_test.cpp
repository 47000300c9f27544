// Route searches and route marches. The fast searches must give exactly the
// routes of the plain searches over whole paths, on every position.
#include <deque>
#include <random>

#include "model/InternalError.h"
#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

bool onPath(const Route& path, const Province& p) {
    for (const Province* q : path)
        if (q->sameAs(p)) return true;
    return false;
}

// Breadth-first over whole paths; only the path being extended is checked for
// repeats, and the destination is tested when a path leaves the queue.
Route plainFindRoute(Province& from, Province& to) {
    std::deque<Route> queue{{&from}};
    while (!queue.empty()) {
        Route path = std::move(queue.front());
        queue.pop_front();
        const Province& last = *path.back();
        if (Province::isNeighbour(to, last)) {
            path.push_back(&to);
            return path;
        }
        for (int i = 0; i < last.neighbourCount; ++i) {
            Province* n = last.neighbours[static_cast<std::size_t>(i)];
            if (onPath(path, *n)) continue;
            Route longer = path;
            longer.push_back(n);
            queue.push_back(std::move(longer));
        }
    }
    return {};
}

// Through the power's own provinces to the first province, in breadth-first
// order, that it does not hold; the test is made as a path is extended.
Route plainTargetRoute(Province& start, const Empire& power) {
    Game& game = Game::instance();
    std::deque<Route> queue{{&start}};
    while (!queue.empty()) {
        Route path = std::move(queue.front());
        queue.pop_front();
        const Province& last = *path.back();
        for (int i = 0; i < last.neighbourCount; ++i) {
            Province* n = last.neighbours[static_cast<std::size_t>(i)];
            if (n == nullptr || onPath(path, *n)) continue;
            Route longer = path;
            longer.push_back(n);
            const Empire* holder = game.ownerOf(*n);
            if (holder == nullptr || holder->name != power.name) return longer;
            queue.push_back(std::move(longer));
        }
    }
    return {};
}

std::string show(const Route& r) {
    std::string s;
    for (const Province* p : r) s += p->name() + ",";
    return s;
}

class RouteTest : public GameTest {};

TEST_F(RouteTest, KnownRoutes) {
    EXPECT_EQ(game().findRoute(P("Italia"), P("Lusitania")), names({"Italia", "Aquitania", "Terraconensis", "Lusitania"}));
    EXPECT_EQ(game().findRoute(P("Africa"), P("Italia")),
              names({"Africa", "Mauretania", "Lusitania", "Terraconensis", "Aquitania", "Italia"}));
    EXPECT_EQ(game().findRoute(P("Italia"), P("Raetia")), names({"Italia", "Raetia"}));
    EXPECT_TRUE(advisor.messages.empty());
}

TEST_F(RouteTest, FastRouteSearchMatchesThePlainOneForEveryPair) {
    for (Province* from : game().provinceTable) {
        for (Province* to : game().provinceTable) {
            if (from == to) continue;
            const Route fast = game().findRoute(*from, *to);
            // Nothing leads into the frontier lands: no route there, never a partial one.
            if (to->isFrontier()) EXPECT_TRUE(fast.empty()) << from->name() << " -> " << to->name();
            EXPECT_EQ(show(fast), show(plainFindRoute(*from, *to))) << from->name() << " -> " << to->name();
        }
    }
    EXPECT_TRUE(advisor.messages.empty());
}

TEST_F(RouteTest, FastTargetSearchMatchesThePlainOneOnRandomHoldings) {
    std::mt19937 gen(20260);
    Empire* powers[] = {&game().romans, &game().barbarians, &game().sassanids, &game().rogueRomans};
    int compared = 0;
    int found = 0;
    for (int position = 0; position < 400; ++position) {
        clearMap();
        // From a thin scattering to nearly the whole map in one hand.
        const int share = 20 + (position % 8) * 10;
        for (Province* p : game().provinceTable) {
            const int roll = static_cast<int>(gen() % 100);
            if (roll < share)
                game().barbarians.addProvince(*p);
            else if (roll < share + (100 - share) / 2)
                powers[gen() % 4]->addProvince(*p);
        }
        for (EnemyEmpire* power : {static_cast<EnemyEmpire*>(&game().barbarians),
                                   static_cast<EnemyEmpire*>(&game().sassanids)}) {
            for (Province* start : game().provinceTable) {
                const Route fast = power->findTargetRoute(*start);
                const Route plain = plainTargetRoute(*start, *power);
                ASSERT_EQ(show(fast), show(plain)) << "position " << position << " start " << start->name();
                ++compared;
                found += !plain.empty();
            }
        }
    }
    EXPECT_EQ(compared, 400 * 2 * 30);
    EXPECT_GT(found, compared / 2);
    EXPECT_TRUE(advisor.messages.empty());
}

TEST_F(RouteTest, TargetSearchOnAClosedTerritoryFindsNothing) {
    // The tribes hold every inner province: from inside, no province outside is
    // reachable, and the legion must stay where it is.
    clearMap();
    for (Province* p : game().provinceTable)
        if (!p->isFrontier()) game().barbarians.addProvince(*p);
    EXPECT_TRUE(game().barbarians.findTargetRoute(P("Italia")).empty());
    // From a frontier land the first step already leaves the territory... only
    // when the land itself is not the tribes' : here every step leads inside.
    EXPECT_TRUE(game().barbarians.findTargetRoute(P("Upper Rhine")).empty());
    for (Province* p : game().provinceTable) game().barbarians.addProvince(*p);
    EXPECT_TRUE(game().barbarians.findTargetRoute(P("Sarmatia")).empty());
}

TEST_F(RouteTest, AdvanceAndMoveTo) {
    clearMap();
    Legion& l = game().romans.appendLegion(P("Italia"));
    l.advance();  // no route: nothing
    EXPECT_EQ(l.province, &P("Italia"));
    EXPECT_FALSE(l.moved);
    l.giveRoute(names({"Italia", "Aquitania", "Terraconensis"}));
    l.advance();
    EXPECT_TRUE(l.hasRoute);
    EXPECT_EQ(l.routeIndex, 1);
    l.advance();
    EXPECT_FALSE(l.hasRoute);
    EXPECT_EQ(l.routeIndex, 2);
    EXPECT_EQ(l.province, &P("Terraconensis"));
    EXPECT_TRUE(l.moved);

    Legion& m = game().romans.appendLegion(P("Pannonia"));
    m.moveTo(P("Upper Danube"));
    EXPECT_EQ(m.province, &P("Pannonia"));
    EXPECT_TRUE(m.moved);
}

TEST_F(RouteTest, RoutesThatBreakTheLinksAreRecognised) {
    EXPECT_FALSE(routeFollowsLinks(names({"Italia", "Lusitania"})));
    EXPECT_TRUE(routeFollowsLinks(names({"Italia"})));
    EXPECT_TRUE(routeFollowsLinks({}));
    // Out of a frontier land is a link; into one is not.
    EXPECT_TRUE(routeFollowsLinks(names({"Upper Rhine", "Belgica"})));
    EXPECT_FALSE(routeFollowsLinks(names({"Belgica", "Upper Rhine"})));
}

TEST_F(RouteTest, NoLegionIsEverGivenAnEmptyRoute) {
    clearMap();
    give(game().barbarians, {"Africa"});
    station(game().barbarians, "Africa", 2);
    game().barbarians.setRouteForLegionsIn(P("Africa"), Route{});
    for (auto& l : game().barbarians.legions) EXPECT_FALSE(l->hasRoute);
    game().barbarians.setRouteForLegionsIn(P("Africa"), names({"Africa"}));
    for (auto& l : game().barbarians.legions) EXPECT_FALSE(l->hasRoute);
    // Nothing breaks when they act.
    game().barbarians.updateLegions();
    game().rogueRomans.addProvince(P("Syria"));
    game().addRebelArmy(P("Syria"), 2, Route{});
    for (auto& l : game().rogueRomans.legions) EXPECT_FALSE(l->hasRoute);
    game().rogueRomans.takeTurn();
}

TEST_F(RouteTest, SetLegionRouteWithNoRouteSendsNobody) {
    clearMap();
    station(game().romans, "Italia", 1);
    EXPECT_EQ(setLegionRoute(game(), P("Italia"), Route{}, game().romans), nullptr);
    EXPECT_FALSE(game().romans.legions[0]->hasRoute);
    // A legion on its way keeps its route when handed an empty one.
    Legion& l = *game().romans.legions[0];
    l.giveRoute(names({"Italia", "Raetia"}));
    EXPECT_FALSE(l.giveRoute(Route{}));
    EXPECT_EQ(l.route, names({"Italia", "Raetia"}));
    EXPECT_TRUE(l.hasRoute);
}

TEST_F(RouteTest, SetLegionRouteSkipsMovedLegionsAndSaysSoWhenNoneIsLeft) {
    clearMap();
    station(game().romans, "Italia", 2);
    game().romans.legions[0]->moved = true;
    Legion* given = setLegionRoute(game(), P("Italia"), names({"Italia", "Raetia"}), game().romans);
    EXPECT_EQ(given, game().romans.legions[1].get());
    EXPECT_FALSE(game().romans.legions[0]->hasRoute);
    game().romans.legions[1]->moved = true;
    EXPECT_EQ(setLegionRoute(game(), P("Italia"), names({"Italia", "Raetia"}), game().romans), nullptr);
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_EQ(advisor.diagnostics, std::vector<std::string>{"ERROR: setLegionRoute didn't find a legion to move"});
}

TEST_F(RouteTest, MarchIntoFreeOrOwnLandTakesItSilently) {
    clearMap();
    give(game().rogueRomans, {"Dalmatia"});
    Legion& l = game().rogueRomans.appendLegion(P("Dalmatia"));
    l.giveRoute(names({"Dalmatia", "Macedonia", "Thracia"}));
    EXPECT_EQ(followRoute(game(), l, game().rogueRomans), Legion::StepResult::Advanced);
    EXPECT_EQ(game().ownerOf(P("Macedonia")), &game().rogueRomans);
    EXPECT_TRUE(game().eventLog.empty());
}

TEST_F(RouteTest, MarchIntoUndefendedRomanLandOverrunsIt) {
    clearMap();
    give(game().romans, {"Macedonia"});
    Legion& l = game().rogueRomans.appendLegion(P("Dalmatia"));
    l.giveRoute(names({"Dalmatia", "Macedonia"}));
    const std::uint32_t before = generator().state();
    followRoute(game(), l, game().rogueRomans);
    EXPECT_EQ(generator().state(), before);
    EXPECT_EQ(game().ownerOf(P("Macedonia")), &game().rogueRomans);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Macedonia has been overrun"});
    EXPECT_FALSE(l.hasRoute);
    EXPECT_EQ(l.province, &P("Macedonia"));
}

TEST_F(RouteTest, LostMarchExchangeWithNoUnmovedLegionCostsTheAttacker) {
    // Rebel legions keep their moved flags: after a step on the march none of
    // them is unmoved, and a lost exchange takes the attacker itself.
    clearMap();
    give(game().romans, {"Italia"});
    station(game().romans, "Italia", 1);
    // An earlier rebel there has also moved: it is not the one to fall.
    Legion& b = game().rogueRomans.appendLegion(P("Dalmatia"));
    Legion& a = game().rogueRomans.appendLegion(P("Dalmatia"));
    a.giveRoute(names({"Dalmatia", "Italia"}));
    a.moved = true;
    b.moved = true;
    std::vector<int> sounds;
    presenter.onSound = [&](int k) { sounds.push_back(k); };
    std::vector<std::string> moves;
    presenter.onMove = [&](Province& x, Province& y) { moves.push_back(x.name() + ">" + y.name()); };
    seedWhere([] { return generator().draw() % 2 == 0; });
    EXPECT_EQ(followRoute(game(), a, game().rogueRomans), Legion::StepResult::Destroyed);
    ASSERT_EQ(game().rogueRomans.legions.size(), 1u);
    EXPECT_EQ(game().rogueRomans.legions[0].get(), &b);
    EXPECT_EQ(game().romans.legions.size(), 1u);
    EXPECT_EQ(sounds, std::vector<int>{0});
    EXPECT_EQ(moves, std::vector<std::string>{"Dalmatia>Italia"});
    EXPECT_TRUE(game().eventLog.empty());
}

TEST_F(RouteTest, LostMarchExchangeCostsTheFirstUnmovedLegionOfTheStack) {
    clearMap();
    give(game().romans, {"Italia"});
    station(game().romans, "Italia", 1);
    Legion& moved = game().rogueRomans.appendLegion(P("Dalmatia"));
    moved.moved = true;
    Legion& still = game().rogueRomans.appendLegion(P("Dalmatia"));
    Legion& a = game().rogueRomans.appendLegion(P("Dalmatia"));
    a.giveRoute(names({"Dalmatia", "Italia"}));
    seedWhere([] { return generator().draw() % 2 == 0; });
    EXPECT_EQ(followRoute(game(), a, game().rogueRomans), Legion::StepResult::Fought);
    ASSERT_EQ(game().rogueRomans.legions.size(), 2u);
    EXPECT_EQ(game().rogueRomans.indexOf(still), -1);
    EXPECT_EQ(game().rogueRomans.legions[0].get(), &moved);
    EXPECT_EQ(game().rogueRomans.legions[1].get(), &a);
    EXPECT_TRUE(a.hasRoute);
    EXPECT_FALSE(a.moved);
}

TEST_F(RouteTest, WonMarchExchangeTakesTheProvinceWhenTheLastDefenderFalls) {
    clearMap();
    give(game().romans, {"Italia"});
    station(game().romans, "Italia", 2);
    game().romans.treasury = 9;
    Legion& a = game().rogueRomans.appendLegion(P("Dalmatia"));
    a.giveRoute(names({"Dalmatia", "Italia"}));
    std::vector<std::string> defeats;
    presenter.onDefeat = [&](const std::string& e, Province& p) { defeats.push_back(e + p.name()); };
    seedWhere([] { return generator().draw() % 2 == 1 && generator().draw() % 2 == 1; });
    EXPECT_EQ(followRoute(game(), a, game().rogueRomans), Legion::StepResult::Fought);
    EXPECT_EQ(game().romans.legions.size(), 1u);
    EXPECT_FALSE(a.moved);
    EXPECT_EQ(followRoute(game(), a, game().rogueRomans), Legion::StepResult::Advanced);
    EXPECT_TRUE(game().romans.legions.empty());
    EXPECT_EQ(a.province, &P("Italia"));
    EXPECT_EQ(game().ownerOf(P("Italia")), &game().rogueRomans);
    EXPECT_EQ(game().romans.treasury, 4);  // Rome plundered
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Italia has been overrun"});
    EXPECT_TRUE(defeats.empty());  // marches announce no defeats
}

TEST_F(RouteTest, BaseSweepStepsEachRoutedLegionOnceAndStopsPastAHundred) {
    clearMap();
    give(game().rogueRomans, {"Dalmatia", "Italia", "Aquitania"});
    Legion& l = game().rogueRomans.appendLegion(P("Dalmatia"));
    l.giveRoute(names({"Dalmatia", "Italia", "Aquitania"}));
    game().rogueRomans.appendLegion(P("Dalmatia"));
    game().rogueRomans.updateLegions();
    EXPECT_EQ(l.province, &P("Italia"));
    EXPECT_EQ(l.routeIndex, 1);
    EXPECT_EQ(game().rogueRomans.legions[1]->province, &P("Dalmatia"));

    station(game().rogueRomans, "Dalmatia", 99);
    try {
        game().rogueRomans.updateLegions();
        FAIL() << "101 legions swept";
    } catch (const InternalError& e) {
        EXPECT_STREQ(e.what(), "Empire::updateLegions() stuck in loop!");
    }
    game().rogueRomans.legions.pop_back();
    EXPECT_NO_THROW(game().rogueRomans.updateLegions());
}

TEST_F(RouteTest, EmpireListOperations) {
    clearMap();
    Empire& r = game().rogueRomans;
    EXPECT_TRUE(r.addProvince(P("Italia")));
    EXPECT_FALSE(r.addProvince(P("Italia")));
    EXPECT_EQ(r.provinces.size(), 1u);
    try {
        r.removeProvince(P("Dacia"));
        FAIL();
    } catch (const InternalError& e) {
        EXPECT_STREQ(e.what(), "error: province Dacia not found in empire Rebelling Legions");
    }
    EXPECT_TRUE(r.allLegionsMovedIn(P("Italia")));
    station(r, "Italia", 2);
    EXPECT_FALSE(r.allLegionsMovedIn(P("Italia")));
    EXPECT_TRUE(r.hasReadyLegionIn(P("Italia")));
    r.legions[0]->moved = true;
    r.legions[1]->giveRoute(names({"Italia", "Raetia"}));
    EXPECT_FALSE(r.hasReadyLegionIn(P("Italia")));
    EXPECT_FALSE(r.allLegionsMovedIn(P("Italia")));
    // The base raising: every third turn, never in Dacia.
    Empire& b = game().barbarians;
    give(b, {"Dacia", "Raetia"});
    P("Dacia").raiseCounter = 2;
    P("Raetia").raiseCounter = 0;
    b.Empire::raiseLegions();
    b.Empire::raiseLegions();
    EXPECT_TRUE(b.legions.empty());
    b.Empire::raiseLegions();
    ASSERT_EQ(b.legions.size(), 1u);
    EXPECT_EQ(b.legions[0]->province, &P("Raetia"));
    EXPECT_EQ(P("Dacia").raiseCounter, 2);
}

}  // namespace
