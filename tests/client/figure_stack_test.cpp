// The figures as they are drawn and as a press reads them: whatever lies on
// top at a point of the map is what a press there takes.
#include <string>
#include <vector>

#include "client/FigureStack.h"
#include "client/LegionCarry.h"
#include "client/PaintedProvinces.h"
#include "rules/World.h"
#include "tests/support/TestGame.h"

namespace {

bool holds(const view::LayoutRect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

class FigureStackTest : public EmptyMapTest {
protected:
    // A crowded map: a figure in every province, a Roman legion marching from
    // Raetia (a two-part count under a pennant), a tribe's figure where a
    // Roman one stands too.
    void crowd() {
        for (Province* p : game().provinceTable)
            station(p->isFrontier() ? static_cast<Empire&>(tribes()) : romans(), p->name().c_str(), 3);
        station(tribes(), "Belgica", 1);
        ASSERT_TRUE(setLegionRoute(game(), P("Raetia"), names({"Raetia", "Belgica"}), romans()));
    }

    // The province drawn at each map point, painting the icons and then the
    // counts in the drawing order the front ends follow.
    std::vector<const Province*> paintedFigures(int fontPixels) {
        std::vector<const Province*> top(std::size_t(view::MapWidth) * view::MapHeight, nullptr);
        auto paint = [&top](const view::LayoutRect& r, const Province* p) {
            for (int y = std::max(0, r.y); y < std::min(view::MapHeight, r.y + r.h); ++y)
                for (int x = std::max(0, r.x); x < std::min(view::MapWidth, r.x + r.w); ++x) top[std::size_t(y) * view::MapWidth + x] = p;
        };
        const std::vector<Province*> order = view::figuresInDrawingOrder(game());
        for (const Province* p : order) paint(view::figureIconBox(*p), p);
        for (const Province* p : order)
            for (const Empire* e : game().empires())
                if (e->countLegionsIn(*p) > 0) paint(view::countPlaqueBox(*p, view::countLabel(game(), *e, *p), fontPixels), p);
        return top;
    }
};

TEST_F(FigureStackTest, APressTakesTheFigureDrawnOnTopForTheSmallestAndLargestCounts) {
    crowd();
    EXPECT_EQ(view::countLabel(game(), romans(), P("Raetia")), "2/3");
    EXPECT_EQ(view::countLabel(game(), tribes(), P("Belgica")), "1");
    for (const int font : {view::countFontPixels(8.0), view::countFontPixels(0.25)}) {
        const std::vector<const Province*> top = paintedFigures(font);
        // Every point where one figure or count meets another or the map,
        // on both sides, and every third point inside them.
        const auto at = [&](int x, int y) {
            return x >= 0 && x < view::MapWidth && y >= 0 && y < view::MapHeight ? top[std::size_t(y) * view::MapWidth + x]
                                                                                  : nullptr;
        };
        std::vector<bool> near(top.size(), false);
        for (int y = 0; y < view::MapHeight; ++y)
            for (int x = 0; x < view::MapWidth; ++x) {
                const Province* here = at(x, y);
                const bool edge = at(x - 1, y) != here || at(x + 1, y) != here || at(x, y - 1) != here || at(x, y + 1) != here;
                near[std::size_t(y) * view::MapWidth + x] = edge || (here && (x + y) % 3 == 0);
            }
        int differ = 0;
        for (int y = 0; y < view::MapHeight; ++y)
            for (int x = 0; x < view::MapWidth; ++x)
                if (near[std::size_t(y) * view::MapWidth + x])
                    differ += view::figureAt(game(), x, y, font) != top[std::size_t(y) * view::MapWidth + x];
        EXPECT_EQ(differ, 0) << "counts of " << font << " pixels";
    }
}

TEST_F(FigureStackTest, EveryPointOfAFigureOrItsCountPicksItsOwnLegionsUp) {
    crowd();
    view::PaintedProvinces painted;  // none handed over: the rules' rectangles answer
    LegionCarry carry(game(), painted);
    const int font = view::countFontPixels(1.0);
    for (Province* p : game().provinceTable) {
        if (p->isFrontier()) continue;
        const view::LayoutRect icon = view::figureIconBox(*p);
        const view::LayoutRect plaque = view::countPlaqueBox(*p, view::countLabel(game(), romans(), *p), font);
        int pressed = 0;
        for (int y = 0; y < view::MapHeight; ++y)
            for (int x = 0; x < view::MapWidth; ++x) {
                if (!holds(icon, x, y) && !holds(plaque, x, y)) continue;
                // The boxes' rims, and every third point inside them.
                const bool rim = !holds(icon, x - 1, y) || !holds(icon, x + 1, y) || !holds(icon, x, y - 1) ||
                                 !holds(icon, x, y + 1);
                if (!rim && holds(icon, x, y) && (x + y) % 3 != 0) continue;
                carry.press({x + view::MapLeft, y + view::MapTop});
                EXPECT_EQ(carry.source(), p) << p->name() << " at " << x << ',' << y;
                carry.cancel();
                ++pressed;
                if (HasFailure()) return;
            }
        EXPECT_GT(pressed, 0) << p->name();
    }
}

TEST_F(FigureStackTest, CountsGrowOnSmallWindowsOnlyAsFarAsTheMapLeavesRoom) {
    EXPECT_EQ(view::countFontPixels(1.0), 13);
    EXPECT_EQ(view::countFontPixels(2.0), 13);
    EXPECT_EQ(view::countFontPixels(0.8), 15) << "12 device pixels";
    EXPECT_EQ(view::countFontPixels(0.4), 16);
    give(romans(), {"Italia"});
    const view::LayoutRect small = view::countPlaqueBox(P("Italia"), "3", 13);
    const view::LayoutRect wide = view::countPlaqueBox(P("Italia"), "11/12", 16);
    EXPECT_GT(wide.w, small.w);
    EXPECT_GT(wide.h, small.h);
    EXPECT_GE(small.w, small.h) << "a one-figure count on a plaque no narrower than tall";
}

}  // namespace
