// The typed orders: every outcome of Orders::move, and the mouse's drop as its
// adapter with its own turns (the press decides the source).
#include "rules/Orders.h"
#include "tests/support/Draws.h"
#include "tests/support/TestGame.h"

namespace {

class TypedOrdersTest : public EmptyMapTest {
protected:
    void SetUp() override {
        EmptyMapTest::SetUp();
        give(romans(), {"Italia", "Pannonia", "Dalmatia"});
        give(tribes(), {"Upper Danube", "Raetia"});
        give(persians(), {"Armenia"});
    }
    OrderResult order(const char* from, const char* to) { return Orders::move(game(), P(from), P(to)); }
};

TEST_F(TypedOrdersTest, RefusalsChangeNothing) {
    EXPECT_EQ(order("Italia", "Dalmatia"), OrderResult::NoLegion);
    station(romans(), "Italia", 1);
    EXPECT_EQ(order("Italia", "Italia"), OrderResult::SameProvince);
    EXPECT_EQ(order("Italia", "Armenia"), OrderResult::FrontierClosed);  // no Sassanid legion there
    EXPECT_EQ(advisor.messages.size(), 1u);                                // the Tigris rule
    station(tribes(), "Upper Danube", 1);
    EXPECT_EQ(order("Italia", "Upper Danube"), OrderResult::NoRoute);  // defended, but not adjacent
    romans().legions[0]->giveRoute(names({"Italia", "Dalmatia"}));
    EXPECT_EQ(order("Italia", "Dalmatia"), OrderResult::NotReady);
    romans().legions[0]->moved = true;
    EXPECT_EQ(order("Italia", "Dalmatia"), OrderResult::AllMoved);
    EXPECT_EQ(advisor.messages.size(), 2u);  // "all the units have already moved"
    EXPECT_EQ(romans().legions[0]->province, &P("Italia"));
    for (OrderResult r : {OrderResult::NoLegion, OrderResult::NotReady, OrderResult::AllMoved,
                          OrderResult::SameProvince, OrderResult::FrontierClosed, OrderResult::NoRoute})
        EXPECT_FALSE(succeeded(r));
}

TEST_F(TypedOrdersTest, StepsMarchesAndBattlesSayWhatHappened) {
    station(romans(), "Italia", 4);
    EXPECT_EQ(order("Italia", "Dalmatia"), OrderResult::Moved);
    EXPECT_EQ(order("Italia", "Lusitania"), OrderResult::Marching);  // unheld, three steps away
    tribes().removeProvince(P("Raetia"));
    give(tribes(), {"Raetia"});
    EXPECT_EQ(order("Italia", "Raetia"), OrderResult::Occupied);  // nobody defends it
    station(persians(), "Pannonia", 2);
    persians().addProvince(P("Pannonia"));
    romans().removeProvince(P("Pannonia"));
    seedWhere([] { return generator().draw() % 2 == 1; });
    EXPECT_EQ(order("Italia", "Pannonia"), OrderResult::Fought);
    EXPECT_EQ(romans().legions.size(), 4u);
    station(romans(), "Italia", 2);
    seedWhere([] { return generator().draw() % 2 == 0; });
    EXPECT_EQ(order("Italia", "Pannonia"), OrderResult::Lost);
    seedWhere([] { return generator().draw() % 2 == 1; });
    EXPECT_EQ(order("Italia", "Pannonia"), OrderResult::Won);
    EXPECT_EQ(game().ownerOf(P("Pannonia")), &romans());
}

TEST_F(TypedOrdersTest, AWonFightInAFrontierLandIsARaid) {
    station(romans(), "Pannonia", 1);
    station(tribes(), "Upper Danube", 1);
    seedWhere([] { return generator().draw() % 2 == 1; });
    EXPECT_EQ(order("Pannonia", "Upper Danube"), OrderResult::Raided);
    EXPECT_EQ(romans().legions[0]->province, &P("Pannonia"));
}

// The mouse: a drop on a province's point gives that province's order; the
// refusal for a source without a ready legion comes wherever the release falls.
TEST_F(TypedOrdersTest, TheDropIsTheOrderToTheProvinceUnderThePointer) {
    station(romans(), "Italia", 2);
    romans().legions[1]->moved = true;
    EXPECT_TRUE(drag(P("Italia"), P("Dalmatia")));
    EXPECT_EQ(romans().legions[0]->province, &P("Dalmatia"));
    game().dragSource = &P("Italia");
    EXPECT_FALSE(game().dropLegions(-5, -5).carriedOut());  // nothing ready: told so, even off the map
    EXPECT_EQ(advisor.messages.size(), 1u);
    // The press on a legion box picks its province up: the first box wins.
    game().pickUp(game().legionBoxAt(P("Dalmatia").legionX() + LegionBoxWidth, P("Dalmatia").legionY()));
    EXPECT_EQ(game().dragSource, game().legionBoxAt(P("Dalmatia").legionX(), P("Dalmatia").legionY()));
    // Both ends of the box belong to it, and no further.
    EXPECT_NE(game().legionBoxAt(P("Dalmatia").legionX() + LegionBoxWidth + 1, P("Dalmatia").legionY()),
              &P("Dalmatia"));
}

}  // namespace
