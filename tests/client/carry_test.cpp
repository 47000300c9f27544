// The carry of the window and the page: its edge cases with the pointer and
// the keyboard, and the one table its outcomes are worded from.
#include <optional>
#include <stdexcept>

#include "client/DropTarget.h"
#include "client/FigureStack.h"
#include "client/LegionCarry.h"
#include "client/PaintedProvinces.h"
#include "client/ProvinceDescription.h"
#include "rules/Orders.h"
#include "tests/support/TestGame.h"

namespace {

using view::LayoutPoint;

LayoutPoint layout(int mapX, int mapY) { return {mapX + view::MapLeft, mapY + view::MapTop}; }

class CarryTest : public EmptyMapTest {
protected:
    static inline const int Font = view::countFontPixels(1.0);

    void SetUp() override {
        EmptyMapTest::SetUp();
        give(romans(), {"Italia", "Dalmatia", "Raetia", "Pannonia"});
        carrier.emplace(game(), painted);
    }

    // A layout point that presses on the province's figure, or on its box
    // where it has none.
    LayoutPoint boxOf(const Province& p) {
        const LayoutPoint c = view::figureCorner(p);
        for (int y = c.y; y < c.y + view::PickUpBoxHeight; ++y)
            for (int x = c.x; x < c.x + view::PickUpBoxWidth; ++x)
                if (view::pickUpAt(game(), painted, x, y, Font) == &p) return layout(x, y);
        throw std::runtime_error("no box of " + p.name());
    }
    // A layout point of the province off every figure.
    LayoutPoint landOf(const Province& p) {
        int x = 0, y = 0;
        for (const MapRect& r : p.hitRects)
            for (y = r.top + 1; y < r.bottom; ++y)
                for (x = r.left + 1; x < r.right; ++x)
                    if (game().provinceAt(x, y) == &p && !view::figureAt(game(), x, y, Font)) return layout(x, y);
        throw std::runtime_error("no land of " + p.name());
    }
    // Gives the order the input asked for, as a front end does, and tells the carry().
    OrderResult giveOrder(const CarryOrder& order) {
        EXPECT_EQ(order.kind, CarryOrder::Kind::Move);
        const OrderResult r = Orders::move(game(), *order.from, *order.to);
        carry().ordered(*order.from, *order.to, r);
        return r;
    }
    LegionCarry::KeyAnswer key(CarryKey k, char letter = 0) { return carry().key(k, letter, false, now += 10); }
    std::string notice() { return carry().notice() ? englishOutcome(*carry().notice()) : ""; }

    view::PaintedProvinces painted;  // none handed over: the rules' rectangles answer
    // Made once the test's game is.
    std::optional<LegionCarry> carrier;
    LegionCarry& carry() { return *carrier; }
    long long now = 100000;
};

TEST_F(CarryTest, ADragCarriesReadyLegionsAndTheReleaseAsksForTheOrder) {
    station(romans(), "Italia", 2);
    carry().press(boxOf(P("Italia")));
    EXPECT_EQ(carry().source(), &P("Italia"));
    // Within the threshold it is still a click.
    const LayoutPoint start = carry().pressedAt();
    EXPECT_EQ(carry().move({start.x + 2, start.y + 2}), LegionCarry::Redraw::InfoLine);
    EXPECT_FALSE(carry().carrying());
    EXPECT_EQ(carry().move(landOf(P("Dalmatia"))), LegionCarry::Redraw::Screen);
    EXPECT_TRUE(carry().carrying());
    EXPECT_EQ(carry().target(), &P("Dalmatia"));
    EXPECT_EQ(giveOrder(carry().release(landOf(P("Dalmatia")))), OrderResult::Moved);
    EXPECT_EQ(notice(), "A legion moved from Italia to Dalmatia.");
    EXPECT_EQ(carry().source(), nullptr);
    EXPECT_FALSE(carry().carrying());
    // The notice stays until the pointer shows another province.
    carry().move(landOf(P("Dalmatia")));
    EXPECT_TRUE(carry().notice());
    carry().move(landOf(P("Raetia")));
    EXPECT_FALSE(carry().notice());
}

TEST_F(CarryTest, AClickWithinTheDragDistanceGivesNoOrderWhereverItFalls) {
    station(romans(), "Italia", 2);
    carry().setDragDistance(10);
    const LayoutPoint figure = boxOf(P("Italia"));
    // Released a little off the press: still a click, even where the figure
    // stands over another province's land.
    carry().press(figure);
    carry().move({figure.x + 6, figure.y + 3});
    EXPECT_FALSE(carry().carrying());
    EXPECT_EQ(carry().release({figure.x + 6, figure.y + 3}).kind, CarryOrder::Kind::None);
    EXPECT_FALSE(carry().notice());
    EXPECT_EQ(carry().source(), nullptr);
    // Past the distance it is a drag, whose release asks for the order.
    carry().press(figure);
    EXPECT_EQ(carry().release(landOf(P("Dalmatia"))).kind, CarryOrder::Kind::Move);
}

TEST_F(CarryTest, APressOnAnEmptyBoxOrTheSeaPicksNothingUp) {
    station(romans(), "Dalmatia", 1);
    // Italia's box, with no legion in it: the release says so, through the rules.
    carry().press(boxOf(P("Italia")));
    const CarryOrder o = carry().release(landOf(P("Dalmatia")));
    EXPECT_EQ(giveOrder(o), OrderResult::NoLegion);
    EXPECT_EQ(notice(), "No order: no Roman legion in Italia can go.");
    EXPECT_EQ(romans().countLegionsIn(P("Dalmatia")), 1);
    // Off every box: a click is nothing, a drag says how to give an order.
    carry().press(layout(380, 520));
    EXPECT_EQ(carry().release(layout(380, 520)).kind, CarryOrder::Kind::None);
    carry().press(layout(380, 520));
    EXPECT_EQ(carry().release(landOf(P("Dalmatia"))).kind, CarryOrder::Kind::None);
    EXPECT_EQ(notice(), "No order: press on one of your legions, then drag it to a province.");
    // Ready legions dropped in the sea stay where they are.
    carry().press(boxOf(P("Dalmatia")));
    carry().move(layout(380, 520));
    EXPECT_EQ(carry().target(), nullptr);
    EXPECT_EQ(carry().release(layout(380, 520)).kind, CarryOrder::Kind::None);
    EXPECT_EQ(notice(), "No order: there is no province there. Drop the legion on a province.");
}

TEST_F(CarryTest, ADropOnTheSourceOrOnItsFigureIsNoMove) {
    station(romans(), "Italia", 2);
    carry().press(boxOf(P("Italia")));
    carry().move(landOf(P("Raetia")));
    // Back onto the figure, where the rectangles may say another province.
    const LayoutPoint figure = boxOf(P("Italia"));
    carry().move(figure);
    EXPECT_EQ(carry().target(), &P("Italia"));
    EXPECT_EQ(giveOrder(carry().release(figure)), OrderResult::SameProvince);
    EXPECT_EQ(notice(), "No order: the legions already stand in Italia. Choose another province.");
    EXPECT_EQ(romans().countLegionsIn(P("Italia")), 2);
}

TEST_F(CarryTest, EscapePutsACarryDownAndIsLeftAloneOtherwise) {
    station(romans(), "Italia", 1);
    // The keyboard's: Enter on the highlight picks up, Escape puts down.
    EXPECT_TRUE(key(CarryKey::Letter, 'i').taken);
    ASSERT_EQ(carry().cursor(), &P("Italia"));
    EXPECT_EQ(key(CarryKey::Enter).order.kind, CarryOrder::Kind::None);
    EXPECT_EQ(carry().source(), &P("Italia"));
    EXPECT_TRUE(key(CarryKey::Escape).taken);
    EXPECT_EQ(carry().source(), nullptr);
    EXPECT_FALSE(key(CarryKey::Escape).taken) << "nothing carried: the front end's menu";
    // The pointer's: the release after Escape gives nothing and says nothing.
    carry().press(boxOf(P("Italia")));
    carry().move(landOf(P("Dalmatia")));
    ASSERT_TRUE(carry().carrying());
    EXPECT_TRUE(key(CarryKey::Escape).taken);
    EXPECT_FALSE(carry().carrying());
    EXPECT_EQ(carry().release(landOf(P("Dalmatia"))).kind, CarryOrder::Kind::None);
    EXPECT_FALSE(carry().notice());
}

TEST_F(CarryTest, TheKeyboardPicksUpOnlyLegionsThatMayTakeAnOrder) {
    station(romans(), "Italia", 2);
    station(romans(), "Dalmatia", 1);
    // Marching legions are not picked up, and the line says why.
    romans().legions.back()->giveRoute(names({"Dalmatia", "Pannonia"}));
    for (char c : std::string("dal")) key(CarryKey::Letter, c);
    ASSERT_EQ(carry().cursor(), &P("Dalmatia"));
    EXPECT_EQ(key(CarryKey::Enter).order.kind, CarryOrder::Kind::None);
    EXPECT_EQ(carry().source(), nullptr);
    EXPECT_EQ(notice(), "No order: the legions in Dalmatia are already marching.");
    // A press of the pointer on them, dragged away, says the same.
    carry().press(boxOf(P("Dalmatia")));
    EXPECT_EQ(carry().release(landOf(P("Italia"))).kind, CarryOrder::Kind::None);
    EXPECT_EQ(notice(), "No order: the legions in Dalmatia are already marching.");
    // An order from Italia; the highlight goes back there while a legion waits.
    now += 5000;
    key(CarryKey::Letter, 'i');
    key(CarryKey::Enter);
    key(CarryKey::Right);
    Province* east = carry().cursor();
    ASSERT_NE(east, &P("Italia"));
    const CarryOrder o = key(CarryKey::Enter).order;
    EXPECT_EQ(o.from, &P("Italia"));
    EXPECT_EQ(o.to, east);
    giveOrder(o);
    EXPECT_EQ(carry().cursor(), &P("Italia"));
    // Legions that have all moved: the order to their own province says why.
    for (auto& l : romans().legions) l->moved = true;
    const CarryOrder moved = key(CarryKey::Enter).order;
    EXPECT_EQ(moved.from, &P("Italia"));
    EXPECT_EQ(moved.to, &P("Italia"));
    EXPECT_EQ(giveOrder(moved), OrderResult::AllMoved);
}

TEST_F(CarryTest, EAndTheBlankEndTheTurnOnlyOutsideAName) {
    for (char c : std::string("lower r"))
        EXPECT_EQ(key(c == ' ' ? CarryKey::Space : CarryKey::Letter, c).order.kind, CarryOrder::Kind::None);
    EXPECT_EQ(carry().cursor(), &P("Lower Rhine"));
    now += 5000;
    EXPECT_EQ(key(CarryKey::Letter, 'E').order.kind, CarryOrder::Kind::EndTurn);
    EXPECT_FALSE(key(CarryKey::Letter, '7').taken);
}

TEST_F(CarryTest, EveryOutcomeFormTakesExactlyItsWords) {
    Province& from = P("Italia");
    for (Province* to : {&P("Dalmatia"), &P("Armenia")})
        for (int r = 0; r <= int(OrderResult::NoRoute); ++r) {
            const OrderOutcome o = orderOutcome(OrderResult(r), from, *to);
            const std::string text = englishOutcome(o);
            EXPECT_EQ(text.find('%'), std::string::npos) << text;
            for (const ScreenTextArg& w : o.words) EXPECT_NE(text.find(w.text), std::string::npos) << text;
        }
    EXPECT_EQ(englishOutcome(orderOutcome(OrderResult::NoRoute, from, P("Armenia"))),
              "Too far: Armenia can be attacked only from a province next to it.");
    EXPECT_EQ(englishOutcome(orderOutcome(OrderResult::Raided, from, P("Armenia"))),
              "Our raid into Armenia won the battle; the legion returns to Italia.");
    EXPECT_TRUE(toldByAdvisor(Outcome::AllMoved));
    EXPECT_FALSE(toldByAdvisor(Outcome::NoRoute));
}

TEST_F(CarryTest, AProvinceChosenByNameIsEnterOnItAndIsToldInWords) {
    station(romans(), "Italia", 2);
    give(tribes(), {"Pannonia"});
    station(tribes(), "Pannonia", 1);
    // Chosen from a list: picked up, with the words a screen reader says.
    EXPECT_EQ(carry().choose(P("Italia")).kind, CarryOrder::Kind::None);
    EXPECT_EQ(carry().source(), &P("Italia"));
    EXPECT_EQ(carry().cursor(), &P("Italia"));
    EXPECT_EQ(englishPhrase(pickedUpPhrase(*carry().source())),
              "The legions of Italia taken up: choose where they march; Escape puts them down.");
    // Sent: the order the keyboard's Enter would give, and back to the legions still waiting.
    const CarryOrder o = carry().choose(P("Dalmatia"));
    ASSERT_EQ(o.kind, CarryOrder::Kind::Move);
    EXPECT_EQ(o.to, &P("Dalmatia"));
    EXPECT_EQ(giveOrder(o), OrderResult::Moved);
    EXPECT_EQ(carry().cursor(), &P("Italia"));
    // The list's words of each province: its name, holder and legions, ready and in all.
    const auto summary = [&](const char* name) {
        std::vector<ScreenPhrase> parts = provinceDescription(game(), P(name));
        parts.resize(ProvinceSummaryParts);
        return englishDescription(parts);
    };
    EXPECT_EQ(summary("Italia"), "Italia. Held by Rome. Roman legions: 1 ready of 1.");
    EXPECT_EQ(summary("Dalmatia"), "Dalmatia. Held by Rome. Roman legions: 0 ready of 1.");
    EXPECT_EQ(summary("Pannonia"), "Pannonia. Held by the barbarians. Barbarian legions: 1.");
    // A province of no legion chosen says why, as a drop from it would.
    EXPECT_EQ(giveOrder(carry().choose(P("Raetia"))), OrderResult::NoLegion);
}

// The carry holds on to a lookup painted only when first asked: the first
// question finds the shapes painted, and they are painted once.
TEST_F(CarryTest, ALookupPaintedWhenAskedAnswersFromItsFirstQuestion) {
    const Province& dalmatia = game().findProvince("Dalmatia");
    const LayoutPoint italia = landOf(game().findProvince("Italia"));
    const int x = italia.x - view::MapLeft, y = italia.y - view::MapTop;
    struct Painting {
        view::PaintedProvinces& painted;
        int index, x, y;
        int runs = 0;
    } painting{painted, game().indexOf(dalmatia), x, y};
    painted.paintWhenAsked(
        [](void* context) {
            auto& p = *static_cast<Painting*>(context);
            ++p.runs;
            const unsigned char opaque = 255;
            p.painted.paint(p.index, p.x, p.y, 1, 1, &opaque);
        },
        &painting);
    EXPECT_EQ(painting.runs, 0);
    EXPECT_EQ(painted.at(game(), x, y), &dalmatia);
    EXPECT_EQ(painted.at(game(), x, y), &dalmatia);
    EXPECT_EQ(painting.runs, 1);
}

}  // namespace
