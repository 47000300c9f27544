// The year's news as a front end gathers it: battles, provinces, legions,
// money and alarms, from what the game presents while the year is played.
#include <optional>
#include <random>

#include "rules/YearNews.h"
#include "tests/support/TestGame.h"

namespace {

using Outcome = BattleNews::Outcome;

class YearNewsTest : public EmptyMapTest {
protected:
    void SetUp() override {
        EmptyMapTest::SetUp();
        // Made after the set-up, which replaces the game it must follow.
        news.emplace(game());
        // Fed as the window feeds it: the move before each battle, each news line.
        presenter.onMove = [this](Province& from, Province& to) { news->battleBegins(from, to); };
        presenter.onNews = [this] { news->newsLogged(game().eventLog.back()); };
    }
    std::optional<YearNews> news;
};

TEST_F(YearNewsTest, BattlesWithPlacesAndOutcomesAndTheProvincesTheyCost) {
    give(romans(), {"Raetia", "Dalmatia"});
    give(tribes(), {"Pannonia"});
    station(romans(), "Raetia", 2);
    station(tribes(), "Pannonia", 2);
    news->startYear();

    // Rome wins an exchange, then loses one; the tribes walk into Dalmatia.
    game().showMove(P("Raetia"), P("Pannonia"));
    tribes().removeFirstLegionIn(P("Pannonia"), false);
    game().showMove(P("Raetia"), P("Pannonia"));
    romans().removeFirstLegionIn(P("Raetia"), true);
    game().showMove(P("Pannonia"), P("Dalmatia"));
    game().transferProvince(tribes(), P("Dalmatia"), &romans());

    const YearSummary s = news->finishYear();
    EXPECT_EQ(s.year, 235);
    ASSERT_EQ(s.battles.size(), 3u);
    EXPECT_EQ(s.battles[0].place, "Pannonia");
    EXPECT_EQ(s.battles[0].attacker, "Romans");
    EXPECT_EQ(s.battles[0].defender, "Germanic Tribes");
    EXPECT_EQ(s.battles[0].outcome, Outcome::Won);
    EXPECT_EQ(s.battles[1].outcome, Outcome::Repulsed);
    EXPECT_EQ(s.battles[1].fallen, "Romans");
    EXPECT_EQ(s.battles[2].place, "Dalmatia");
    EXPECT_EQ(s.battles[2].attacker, "Germanic Tribes");
    EXPECT_EQ(s.battles[2].outcome, Outcome::Taken);
    EXPECT_EQ(s.battles[2].fallen, "") << "nobody stood in Dalmatia";
    EXPECT_EQ(s.lost, std::vector<std::string>{"Dalmatia"});
    EXPECT_TRUE(s.gained.empty());
    EXPECT_EQ(s.legionsLostInBattle, 1);
    EXPECT_EQ(s.legionsGoneOtherwise, 0);
    ASSERT_EQ(s.news.size(), 1u);
    EXPECT_EQ(s.news[0].text, "Dalmatia has been overrun");
    EXPECT_EQ(s.news[0].defected, "") << "the tribes took it";
    EXPECT_EQ(s.flashes, std::vector<std::string>{"Dalmatia"});

    // The next year starts empty.
    const YearSummary next = news->finishYear();
    EXPECT_TRUE(next.battles.empty());
    EXPECT_TRUE(next.lost.empty());
    EXPECT_TRUE(next.news.empty());
}

TEST_F(YearNewsTest, LegionsMoneyAndAlarms) {
    give(romans(), {"Italia"});
    give(tribes(), {"Upper Rhine"});
    station(romans(), "Italia", 3);
    romans().treasury = 1000;
    news->startYear();

    station(romans(), "Italia", 2);                       // raised
    romans().removeFirstLegionIn(P("Italia"), false);     // disbanded, no battle
    game().transferProvince(romans(), P("Raetia"), nullptr);
    romans().treasury = 1500;
    romans().taxIncome = 700;
    romans().legionCost = 200;
    ++game().invasionCount;
    station(tribes(), "Upper Rhine", 4);                  // the invaders
    ++game().plagueCount;
    romans().plague = true;
    ++game().rebellionCount;

    const YearSummary s = news->finishYear();
    EXPECT_EQ(s.legionsRaised, 2);
    EXPECT_EQ(s.legionsGoneOtherwise, 1);
    EXPECT_EQ(s.legionsLostInBattle, 0);
    EXPECT_EQ(s.legionsAtEnd, 4);
    EXPECT_EQ(s.gained, std::vector<std::string>{"Raetia"});
    EXPECT_EQ(s.treasuryBefore, 1000);
    EXPECT_EQ(s.treasuryAfter, 1500);
    EXPECT_EQ(s.taxIncome, 700);
    EXPECT_EQ(s.legionCost, 200);
    EXPECT_EQ(s.invasions, 1);
    EXPECT_EQ(s.plagues, 1);
    EXPECT_EQ(s.revolts, 1);
    EXPECT_TRUE(s.plague);
    EXPECT_EQ(s.flashes, std::vector<std::string>{"Upper Rhine"}) << "the frontier land the invasion entered";
}

TEST_F(YearNewsTest, TheChronicleKeepsEveryLineWithItsYear) {
    game().eventLog = {"from the saved game"};
    news->startReign();
    game().logMessage({MessageId::Overrun, {"first"}});
    ++game().turn;
    game().logMessage({MessageId::Overrun, {"second"}});
    game().logMessage({MessageId::Overrun, {"second"}});  // the log keeps one of two equal lines in a row
    const auto& c = news->chronicle();
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].year, 0);
    EXPECT_EQ(c[1].year, 235);
    EXPECT_EQ(c[1].text, "first has been overrun");
    EXPECT_EQ(c[2].year, 236);
    // Far more than the ten lines the log keeps.
    for (int i = 0; i < 40; ++i) game().logMessage({MessageId::Overrun, {"line " + std::to_string(i)}});
    EXPECT_EQ(news->chronicle().size(), 43u);
    EXPECT_EQ(game().eventLog.size(), 10u);
    news->startReign();
    EXPECT_EQ(news->chronicle().size(), 10u) << "a new reign keeps only what the log holds";
}

// Whole reigns with every question answered by a coin: each year's items
// (taxes, settlers, pay, bonus, tribute, plunder) sum to the change of the
// treasury, and every kind of payment comes up somewhere in the run.
class CoinPresenter : public RecordingPresenter {
public:
    CoinPresenter(RecordingAdvisor& a, RecordingFrontEnd& f, std::uint32_t seed) : RecordingPresenter(a, f), coin_(seed) {}
    bool askWithLabels(const std::string& text, const std::string&, const std::string&) override {
        // Play on after a defeat and after 285; everything else by the coin.
        if (text.find("defeated") != std::string::npos || text.find("Crisis") != std::string::npos) return true;
        return coin_() % 2 == 0;
    }
    void redraw() override {
        if (!news) return;
        if (game->year() < news->openYear()) news->startReign();  // a restart after a defeat
        else if (game->year() != news->openYear()) years.push_back(news->finishYear());
    }
    YearNews* news = nullptr;
    Game* game = nullptr;
    std::vector<YearSummary> years;

private:
    std::mt19937 coin_;
};

TEST_F(GameTest, EveryYearsTreasuryItemsSumToItsChange) {
    YearSummary::Accounts seen;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        restart(seed);
        CoinPresenter coins(advisor, frontEnd, seed);
        game().setPresenter(&coins);
        YearNews news(game());
        news.startReign();
        coins.news = &news;
        coins.game = &game();
        // The years run without orders, so legions stand still and
        // provinces fall: Italia too, now and then.
        while (game().year() < 476 && coins.years.size() < 200) game().advanceTurn();
        for (const YearSummary& y : coins.years) {
            const YearSummary::Accounts& a = y.accounts;
            EXPECT_EQ(a.taxes + a.settlers - a.pay - a.bonus - a.tribute - a.plunder, y.treasuryAfter - y.treasuryBefore)
                << "seed " << seed << ", year " << y.year;
            seen.settlers += a.settlers;
            seen.bonus += a.bonus;
            seen.tribute += a.tribute;
            seen.plunder += a.plunder;
        }
        game().setPresenter(&presenter);
    }
    EXPECT_GT(seen.settlers, 0);
    EXPECT_GT(seen.bonus, 0);
    EXPECT_GT(seen.tribute, 0);
    EXPECT_GT(seen.plunder, 0);
}

}  // namespace
