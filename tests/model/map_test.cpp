#include "model/InternalError.h"
#include "tests/support/TestGame.h"

namespace {

class MapTest : public GameTest {};

TEST_F(MapTest, LinksAreDirectedAndFrontierLandsOnlyLeadOut) {
    EXPECT_FALSE(Province::isNeighbour(P("Belgica"), P("Upper Rhine")) &&
                 Province::isNeighbour(P("Upper Rhine"), P("Belgica")));
    EXPECT_TRUE(Province::isNeighbour(P("Belgica"), P("Upper Rhine")));
    EXPECT_FALSE(Province::isNeighbour(P("Upper Rhine"), P("Belgica")));
    for (Province* p : game().provinceTable) {
        for (int i = 0; i < p->neighbourCount; ++i) {
            const Province& n = *p->neighbours[static_cast<std::size_t>(i)];
            EXPECT_FALSE(n.isFrontier()) << p->name() << " leads into " << n.name();
            if (!p->isFrontier()) EXPECT_TRUE(Province::isNeighbour(*p, n)) << n.name() << " -> " << p->name();
        }
    }
    EXPECT_EQ(P("Britannia").neighbourCount, 1);
    EXPECT_EQ(P("Mesopotamia").neighbours[0]->name(), "Syria");
    EXPECT_EQ(P("Upper Danube").neighbours[0]->name(), "Pannonia");
}

TEST_F(MapTest, HitTestingIsStrictAndFirstInTableOrderWins) {
    // Italia's first rectangle is (240,200)-(316,235).
    EXPECT_EQ(game().provinceAt(241, 201), &P("Italia"));
    EXPECT_EQ(game().provinceAt(240, 210), nullptr);
    EXPECT_EQ(game().provinceAt(316, 232), nullptr);
    EXPECT_EQ(game().provinceAt(5, 5), nullptr);
    EXPECT_EQ(game().provinceAt(799, 547), nullptr);
    // Dacia's (469,219,23,26) reaches into Thracia's (434,237,100,40); Dacia comes first in the table.
    EXPECT_EQ(game().provinceAt(480, 240), &P("Dacia"));
    EXPECT_EQ(game().provinceAt(500, 240), &P("Thracia"));
}

TEST_F(MapTest, NamesAreExactAndUnknownNamesAreInternalErrors) {
    EXPECT_EQ(game().provinceNamed("italia"), nullptr);
    EXPECT_THROW(game().findProvince("italia"), InternalError);
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_EQ(&game().getEmpire("Rogue Romans"), &game().getEmpire("Rebelling Legions"));
    try {
        game().getEmpire("romans");
        FAIL();
    } catch (const InternalError& e) {
        EXPECT_STREQ(e.what(), "Unable to find empire :romans Game::getEmpire()");
    }
}

TEST_F(MapTest, AttributesShowHostility) {
    Province& ur = P("Upper Rhine");
    EXPECT_EQ(ur.attributesText(), "Vandal, Frankish territory (hostile)");
    ur.hostility = Friendly;
    EXPECT_EQ(ur.attributesText(), "Vandal, Frankish territory (friendly)");
    EXPECT_EQ(P("Dacia").attributesText(), "Does not raise or support legions");
    EXPECT_EQ(P("Italia").attributesText(), "Supports 1 legion");
    ur.hostility = 3;
    EXPECT_THROW((void)ur.attributesText(), InternalError);
}

// So the mouse can drop on every province, and a typed order and a drop on the
// province's point always agree.
TEST_F(MapTest, EveryProvinceHasAPointThatIsItsOwnCentreFirst) {
    for (Province* p : game().provinceTable) {
        int x = 0, y = 0;
        ASSERT_TRUE(game().pointIn(*p, x, y)) << p->name();
        EXPECT_EQ(game().provinceAt(x, y), p) << p->name();
    }
    int x = 0, y = 0;
    game().pointIn(P("Italia"), x, y);
    const MapRect& first = P("Italia").hitRects.front();
    EXPECT_EQ(std::make_pair(x, y), std::make_pair((first.left + first.right) / 2, (first.top + first.bottom) / 2));
}

TEST_F(MapTest, FreshGameDefaultsAndRaiseCountersInRange) {
    Game fresh(1);
    EXPECT_EQ(fresh.skillLevel, 1);
    EXPECT_EQ(fresh.turn, 0);
    EXPECT_TRUE(fresh.sassanidWarningPending);
    for (Province* p : fresh.provinceTable) {
        EXPECT_GE(p->raiseCounter, 0);
        EXPECT_LE(p->raiseCounter, 2);
        EXPECT_FALSE(p->hitRects.empty());
    }
}

}  // namespace
