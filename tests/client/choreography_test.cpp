// What the client decides for every front end: the steps of the turn's
// choreography, the march lines, and when a game is over.
#include <numeric>

#include "client/Choreography.h"
#include "client/GameOver.h"
#include "client/MarchLines.h"
#include "client/ResultsDialog.h"
#include "rules/LessonTable.h"
#include "tests/support/TestGame.h"

namespace {

class ChoreographyTest : public EmptyMapTest {};

int totalPause(const std::vector<view::ScreenStep>& steps) {
    return std::accumulate(steps.begin(), steps.end(), 0, [](int t, const view::ScreenStep& s) { return t + s.pauseMs; });
}

TEST_F(ChoreographyTest, AMarchWalksFromTheFigureHalfwayAndLiftsTheLastLegionOnly) {
    give(romans(), {"Italia"});
    station(romans(), "Italia", 2);
    view::MoveChoreography moves;
    const auto steps = moves.move(game(), P("Italia"), P("Dalmatia"));
    // Nine frames of 50 ms, then the screen stays still.
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(totalPause(steps), 9 * 50 + 330);
    EXPECT_TRUE(steps.front().compose);
    EXPECT_EQ(steps.front().sound, SoundKind::Battle);
    EXPECT_FALSE(steps.front().lift) << "a soldier steps out of a stack of two";
    const view::LayoutPoint from = view::figureCorner(P("Italia")), to = view::figureCorner(P("Dalmatia"));
    EXPECT_EQ(steps.front().at.x, view::MapLeft + from.x);
    // He stops halfway (the half rounded away from zero), facing east as painted.
    EXPECT_EQ(steps[8].at.x, view::MapLeft + from.x + (to.x - from.x + 1) / 2);
    EXPECT_FALSE(steps[8].mirror);
    // Each frame wipes the one before: the area brought back holds both.
    EXPECT_EQ(steps[1].restore->x, steps[0].at.x);
    EXPECT_EQ(steps[1].restore->x + steps[1].restore->w, steps[1].at.x + 35);

    romans().legions.pop_back();
    const auto last = moves.move(game(), P("Italia"), P("Dalmatia"));
    ASSERT_TRUE(last.front().lift) << "the last legion takes his figure along";
    EXPECT_EQ(last.front().lift->x, view::MapLeft + from.x);
}

TEST_F(ChoreographyTest, AnEnemyMoveIsShownOnceAYearARomanOneEveryTime) {
    give(tribes(), {"Upper Rhine"});
    station(tribes(), "Upper Rhine", 1);
    give(romans(), {"Italia"});
    station(romans(), "Italia", 2);
    view::MoveChoreography moves;
    EXPECT_EQ(totalPause(moves.move(game(), P("Upper Rhine"), P("Belgica"))), 3 * 100 + 330);
    EXPECT_TRUE(moves.move(game(), P("Upper Rhine"), P("Belgica")).empty());
    EXPECT_FALSE(moves.move(game(), P("Italia"), P("Dalmatia")).empty());
    EXPECT_FALSE(moves.move(game(), P("Italia"), P("Dalmatia")).empty());
    moves.forgetMoves();
    EXPECT_FALSE(moves.move(game(), P("Upper Rhine"), P("Belgica")).empty());
    // Out of a province nobody holds: the crossed swords, then the pause.
    const auto swords = moves.move(game(), P("Raetia"), P("Pannonia"));
    ASSERT_EQ(swords.size(), 2u);
    EXPECT_EQ(swords[0].picture, view::CrossedSwordsPicture);
    EXPECT_EQ(swords[0].pauseMs + swords[1].pauseMs, 330);
}

TEST_F(ChoreographyTest, DefeatsBannerAndZoom) {
    // A Roman falls over the screen without his figure, the others over the bare map.
    const auto roman = view::defeatSteps(Power::Romans, P("Syria"));
    EXPECT_EQ(totalPause(roman), 3 * 150);
    EXPECT_TRUE(roman.front().lift);
    EXPECT_EQ(roman.front().backdrop, view::Backdrop::Screen);
    const auto persian = view::defeatSteps(Power::Sassanids, P("Syria"));
    EXPECT_EQ(totalPause(persian), 6 * 100);
    EXPECT_FALSE(persian.front().lift);
    EXPECT_EQ(persian.front().backdrop, view::Backdrop::BareMap);
    // Wide frames stand centred on the figure's 30 pixels.
    EXPECT_EQ(persian.front().at.x, view::MapLeft + view::figureCorner(P("Syria")).x - (49 - 30) / 2);

    const auto banner = view::bannerSteps();
    ASSERT_EQ(banner.size(), 2u);
    EXPECT_EQ(banner[0].picture, view::BannerPicture);
    EXPECT_EQ(banner[0].pauseMs, 500);
    EXPECT_EQ(banner[1].backdrop, view::Backdrop::Before) << "what the banner covered comes back";

    const Lesson& lesson = LessonTable.front();
    const auto menu = view::lessonZoomSteps(lesson, false, view::LayoutHeight);
    EXPECT_EQ(totalPause(menu), 10 * 50);
    EXPECT_EQ(menu.back().restore->w, 600);
    EXPECT_EQ(view::lessonZoomSteps(lesson, true, view::LayoutHeight).size(), 2 * menu.size()) << "twice in a turn";
}

TEST_F(ChoreographyTest, MarchLinesFollowTheRouteToAnArrowhead) {
    give(romans(), {"Italia", "Dalmatia", "Macedonia"});
    station(romans(), "Italia", 1);
    EXPECT_TRUE(view::marchLines(game()).empty()) << "a standing legion marches nowhere";
    romans().setRouteForLegionsIn(P("Italia"), names({"Italia", "Dalmatia", "Macedonia"}));
    const auto lines = view::marchLines(game());
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), 3u);
    const view::LayoutPoint end = view::figureCorner(P("Macedonia"));
    EXPECT_DOUBLE_EQ(lines[0].points.back().x, view::MapLeft + end.x + 17.5);
    ASSERT_EQ(lines[0].head.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[0].head[0].x, lines[0].points.back().x);
}

TEST_F(ChoreographyTest, TheGameIsOverWithoutProvincesOrIn476AndThenNotKept) {
    EXPECT_TRUE(gameIsOver(game())) << "no Roman province";
    give(romans(), {"Italia"});
    EXPECT_FALSE(gameIsOver(game()));
    EXPECT_TRUE(keptAfterTheYear(game()));
    game().turn = 476 - 235;
    EXPECT_TRUE(gameIsOver(game()));
    EXPECT_FALSE(keptAfterTheYear(game()));
    game().plagueCount = 7;
    EXPECT_EQ(resultsDialog(game()).counts[1].args[0].text, "7");
}

}  // namespace
