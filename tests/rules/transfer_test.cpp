// Changes of holder and the news log.
#include "tests/support/TestGame.h"

namespace {

class TransferTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        clearMap();
        advisor.messages.clear();
    }
};

TEST_F(TransferTest, RomeFallingHalvesTheTreasury) {
    give(game().romans, {"Italia", "Dalmatia"});
    game().romans.treasury = 75001;
    game().transferProvince(game().barbarians, P("Italia"), &game().romans);
    EXPECT_EQ(game().romans.treasury, 37500);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Italia has been overrun"});
    EXPECT_EQ(advisor.messages,
              std::vector<std::string>{"Princeps,\r\n\r\nOur enemies have reached Rome and plundered\r\nthe Imperial "
                                       "treasury!"});
    EXPECT_EQ(game().ownerOf(P("Italia")), &game().barbarians);
    EXPECT_EQ(game().romans.provinces, std::vector<Province*>{&P("Dalmatia")});
    // Rome passing between foreign hands costs the Romans nothing.
    game().transferProvince(game().sassanids, P("Italia"), &game().barbarians);
    EXPECT_EQ(game().romans.treasury, 37500);
}

TEST_F(TransferTest, LinesForGainsAndLosses) {
    give(game().barbarians, {"Raetia"});
    game().transferProvince(game().romans, P("Raetia"), &game().barbarians);
    game().transferProvince(game().romans, P("Lydia"), nullptr);  // never held before
    // Already held: no line.
    game().transferProvince(game().romans, P("Lydia"), nullptr);
    // From nobody to a foreign power: no line.
    game().transferProvince(game().sassanids, P("Syria"), nullptr);
    // From the rebels to the tribes: no line either.
    give(game().rogueRomans, {"Thracia"});
    game().transferProvince(game().barbarians, P("Thracia"), &game().rogueRomans);
    EXPECT_EQ(game().eventLog, (std::vector<std::string>{"We have reconquered Raetia", "We have reconquered Lydia"}));
    EXPECT_EQ(game().ownerOf(P("Thracia")), &game().barbarians);
    EXPECT_FALSE(game().rogueRomans.holds(P("Thracia")));
}

TEST_F(TransferTest, FrontierLandsNeverChangeHands) {
    give(game().barbarians, {"Upper Rhine"});
    game().transferProvince(game().romans, P("Upper Rhine"), &game().barbarians);
    EXPECT_EQ(game().ownerOf(P("Upper Rhine")), &game().barbarians);
    EXPECT_FALSE(game().romans.holds(P("Upper Rhine")));
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"Our raid into Upper Rhine was successful"});
}

TEST_F(TransferTest, TheLogKeepsTenDistinctInARow) {
    int reports = 0;
    presenter.onNews = [&] { ++reports; };
    game().logMessage("a");
    game().logMessage("a");
    EXPECT_EQ(game().eventLog.size(), 1u);
    EXPECT_EQ(reports, 1);
    game().logMessage("b");
    game().logMessage("a");
    EXPECT_EQ(game().eventLog, (std::vector<std::string>{"a", "b", "a"}));
    for (int i = 0; i < 8; ++i) game().logMessage(std::to_string(i));
    ASSERT_EQ(game().eventLog.size(), 10u);
    EXPECT_EQ(game().eventLog.front(), "b");
    EXPECT_EQ(game().eventLog.back(), "7");
    EXPECT_EQ(reports, 11);
    // A new game starts with no news.
    game().startNewGame();
    EXPECT_TRUE(game().eventLog.empty());
}

}  // namespace
