// Many whole games with random orders and answers: whatever the player does,
// the position stays consistent and nothing fails.
#include <random>
#include <set>

#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

class SoakTest : public GameTest {
protected:
    std::mt19937 choices{7};

    void checkPosition(const std::string& where) {
        Game& g = game();
        std::set<std::string> held;
        for (Empire* e : g.empires()) {
            std::set<std::string> own;
            for (Province* p : e->provinces) {
                ASSERT_TRUE(own.insert(p->name()).second) << where << ": " << e->name << " lists " << p->name() << " twice";
                ASSERT_TRUE(held.insert(p->name()).second) << where << ": " << p->name() << " held twice";
            }
            for (auto& l : e->legions) {
                ASSERT_EQ(l->owner, e) << where;
                ASSERT_NE(g.provinceNamed(l->province->name()), nullptr) << where;
                if (l->hasRoute) {
                    ASSERT_GE(l->route.size(), 2u) << where << ": " << e->name;
                    ASSERT_GE(l->routeIndex, 0) << where;
                    ASSERT_LT(l->routeIndex + 1, static_cast<int>(l->route.size())) << where << ": " << e->name;
                }
            }
        }
        for (auto& l : g.romans.legions) {
            ASSERT_TRUE(g.romans.holds(*l->province))
                << where << ": a Roman legion stands in " << l->province->name() << " held by "
                << (g.ownerOf(*l->province) ? g.ownerOf(*l->province)->name : "nobody");
            ASSERT_FALSE(l->province->isFrontier()) << where;
        }
        ASSERT_GE(g.romans.treasury, 0) << where;
        ASSERT_LE(g.eventLog.size(), 10u) << where;
        if (g.romans.plague) ASSERT_GT(g.romans.plagueCounter, 0) << where;
        ASSERT_FALSE(advisor.toldAny("Route is invalid")) << where;
        ASSERT_FALSE(advisor.toldAny("Province is owner by two empires")) << where;
        ASSERT_FALSE(advisor.toldAny("something strange")) << where;
        ASSERT_FALSE(advisor.toldAny("didn't find a legion")) << where;
        ASSERT_FALSE(advisor.toldAny("doesn't match")) << where;
    }

    // One game from `setUp`, played until the player quits or 476 ends it.
    void play(std::uint32_t seed, int skill, int scenario) {
        restart(seed);
        game().skillLevel = skill;
        game().startNewGame();
        if (scenario > 0) {
            game().resetForNewGame();
            game().assignDefaultOwners();
            game().buildEventList();
            switch (scenario) {
            case 1: game().scenario260(); break;
            case 2: game().scenario308(); break;
            case 3: game().scenario410(); break;
            default: game().scenario455(); break;
            }
        }
        frontEnd = RecordingFrontEnd{};
        for (int turn = 0; turn < 400 && !frontEnd.quitted && !frontEnd.newGamePosted; ++turn) {
            const std::string where = "seed " + std::to_string(seed) + " skill " + std::to_string(skill) +
                                      " scenario " + std::to_string(scenario) + " year " +
                                      std::to_string(game().year());
            advisor.messages.clear();
            advisor.answers.clear();
            for (int i = 0; i < 40; ++i) advisor.answers.push_back(choices() % 4 != 0);  // mostly Yes: keep playing
            const int drops = static_cast<int>(choices() % 8);
            bool ended = false;
            for (int d = 0; d < drops && !ended; ++d) {
                auto& legions = game().romans.legions;
                if (legions.empty()) break;
                Province& from = *legions[choices() % legions.size()]->province;
                Province& to = *game().provinceTable[choices() % ProvinceCount];
                if (drag(from, to) && !game().romansCanMove()) {
                    advanceTurn(frontEnd);
                    ended = true;
                }
                checkPosition(where + " after a drop");
                if (HasFatalFailure()) return;
            }
            if (choices() % 50 == 0) game().palestinaUprising();
            if (!ended) advanceTurn(frontEnd);
            checkPosition(where);
            if (HasFatalFailure()) return;
            ++turnsPlayed;
        }
    }
    int turnsPlayed = 0;
};

TEST_F(SoakTest, RandomGamesStayConsistent) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        play(seed, static_cast<int>(seed % 3), static_cast<int>(seed % 5));
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(turnsPlayed, 300 * 50);
    std::printf("%d turns played\n", turnsPlayed);
}

}  // namespace
