// A paint that keeps what did not change: whatever happened since the last
// paint (a drag, an order, an animation, a new owner, the news, the keyboard's
// highlight), the screen shows exactly what a screen composed afresh shows,
// and only the parts that changed are shown again.
#include <gtest/gtest.h>

#include <QFile>

#include "GuiTestSupport.h"
#include "qtcommon/view/LegionFigures.h"
#include "rules/LessonTable.h"

namespace {

Province& P(Game& g, const char* name) { return g.findProvince(name); }

// The screen's state as a fresh screen takes it.
struct ScreenState {
    GameScreen::Drag drag;
    const Province* hovered = nullptr;
    QString notice;
    view::NewsPanel news;
    std::vector<const Province*> flashed;
    std::function<QRect(QPainter&)> decorate;

    void applyTo(GameScreen& s) const {
        s.setDrag(drag);
        s.setHoveredProvince(hovered);
        s.setNotice(notice);
        s.setNewsPanel(news);
        s.setFlashed(flashed);
        s.decorate = decorate;
    }
};

struct LayeredPaint {
    Harness h;
    view::Pictures pictures;
    GameScreen screen{h.game, pictures};
    ScreenState state;
    std::vector<QRect> shown;

    explicit LayeredPaint(qreal scale) {
        pictures.load();
        screen.buildRegions();
        screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), scale);
        screen.present = [this](const QRegion& r) { shown.push_back(r.boundingRect()); };
    }

    void expectAsFresh(const std::string& step) {
        state.applyTo(screen);
        screen.paintScreen();
        GameScreen fresh(h.game, pictures);
        fresh.buildRegions();
        fresh.setLayout(screen.layoutSize(), screen.front().scale());
        state.applyTo(fresh);
        fresh.paintScreen();
        const std::string where = step + " at scale " + std::to_string(screen.front().scale());
        EXPECT_TRUE(screen.front().image() == fresh.front().image()) << where;
        EXPECT_TRUE(screen.backBuffer().image() == fresh.backBuffer().image()) << where;
        EXPECT_TRUE(screen.mapCache().image() == fresh.mapCache().image()) << where;
    }
};

}  // namespace

TEST(LayeredPaint, ShowsWhatAFreshCompositionShows) {
    testApp();
    for (const qreal scale : {1.0, 1.5, 2.0}) {
        LayeredPaint t(scale);
        Game& g = t.h.game;
        Province& italia = P(g, "Italia");
        t.expectAsFresh("the first paint");
        t.state.drag = {&italia, &P(g, "Raetia"), view::legionSpot(italia, 0) + QPoint(30, -20), true};
        t.state.hovered = t.state.drag.target;
        t.expectAsFresh("legions picked up");
        t.state.drag.pointer += QPoint(25, 9);
        t.expectAsFresh("carried further over the same province");
        t.state.drag.pointer = QPoint(640, 640);
        t.expectAsFresh("carried over the instructions");
        t.state.drag.target = t.state.hovered = &P(g, "Dalmatia");
        t.expectAsFresh("carried over another province");
        t.state.drag = {};
        g.romans.legions.front()->moved = true;
        t.expectAsFresh("an order given");
        Province& britannia = P(g, "Britannia");
        g.romans.removeProvince(britannia);
        t.expectAsFresh("a province lost");
        t.screen.animateMove(italia, P(g, "Dalmatia"));
        t.expectAsFresh("after a march");
        t.screen.animateDefeat(Power::Romans, italia);
        t.expectAsFresh("after a defeat");
        t.state.news.title = QStringLiteral("The year 235");
        t.state.news.lines = {{QStringLiteral("Nothing happened"), view::NewsPanel::Tone::Good}};
        t.state.flashed = {&italia};
        t.expectAsFresh("the year's news and a flashed province");
        t.state.news = {};
        t.state.flashed = {};
        t.expectAsFresh("the news closed");
        QRect mark(300, 200, 40, 30);
        t.state.decorate = [&mark](QPainter& p) {
            p.fillRect(mark, Qt::green);
            return mark;
        };
        t.expectAsFresh("a highlight drawn over the map");
        mark.translate(200, 100);
        t.expectAsFresh("the highlight moved");
        t.state.decorate = nullptr;
        t.expectAsFresh("the highlight gone");
        t.screen.showProvinceInfo(&italia);
        t.state.hovered = &italia;
        t.expectAsFresh("the information line of a province");
        t.state.notice = QStringLiteral("Refused");
        t.expectAsFresh("a refusal in the information line");
        g.romans.treasury += 500;
        t.screen.refreshReports();
        t.expectAsFresh("the reports refreshed");
        t.screen.showTurnBanner();
        t.screen.zoomToLesson(LessonTable[0], false);
        t.expectAsFresh("after the banner and a zoom");
    }
}

TEST(LayeredPaint, ShowsOnlyWhatChanged) {
    testApp();
    LayeredPaint t(1.0);
    Province& italia = P(t.h.game, "Italia");
    t.screen.paintScreen();
    t.shown.clear();
    t.screen.paintScreen();
    EXPECT_TRUE(t.shown.empty()) << "nothing changed, nothing shown";
    const QPoint at = view::legionSpot(italia, 0);
    t.screen.setDrag({&italia, &italia, at, true});
    t.screen.paintScreen();
    t.shown.clear();
    t.screen.setDrag({&italia, &italia, at + QPoint(12, 5), true});
    t.screen.paintScreen();
    ASSERT_EQ(t.shown.size(), 1u);
    // The carried figure where it was and where it is, and the stack's rim.
    EXPECT_TRUE(t.shown.front().contains(QRect(at - QPoint(17, 40), QSize(35 + 12, 65 + 5))));
    EXPECT_LT(t.shown.front().width() * t.shown.front().height(), 120 * 140);

    // An order greys one figure: that figure, its count and the report lines
    // it changes are drawn and shown again, not the map.
    t.screen.setDrag({});
    t.screen.paintScreen();
    t.shown.clear();
    for (const auto& legion : t.h.game.romans.legions)
        if (legion->province == &italia) legion->moved = true;
    t.screen.paintScreen();
    ASSERT_EQ(t.shown.size(), 1u);
    EXPECT_TRUE(t.shown.front().intersects(QRect(view::legionSpot(italia, 0), QSize(35, 65))));
    const QRect map(view::MapLeft, view::MapTop, view::MapWidth, view::MapHeight);
    EXPECT_FALSE(t.shown.front().contains(map)) << "the whole map shown again";
}

// A first paint starts on surfaces left unfilled: it must reach every pixel,
// to the part pixels of a scale that does not divide the layout evenly.
TEST(LayeredPaint, FirstPaintDrawsEveryPixel) {
    testApp();
    view::Surface bare;
    bare.reset(QSize(view::LayoutWidth, view::LayoutHeight), 1.2, view::Surface::Start::Unfilled);
    const QImage& edges = bare.image();
    EXPECT_EQ(edges.pixel(edges.width() - 1, 10), qRgb(0, 0, 0)) << "the part column past the layout";
    EXPECT_EQ(edges.pixel(10, edges.height() - 1), qRgb(0, 0, 0)) << "the part row past the layout";
    for (const qreal scale : {1.0, 1.2}) {
        LayeredPaint t(scale);
        t.screen.paintScreen();
        for (const QImage* image : {&t.screen.front().image(), &t.screen.backBuffer().image(), &t.screen.mapCache().image()}) {
            int undrawn = 0;
            for (int y = 0; y < image->height(); ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(image->constScanLine(y));
                for (int x = 0; x < image->width(); ++x) undrawn += qAlpha(line[x]) != 255;
            }
            EXPECT_EQ(undrawn, 0) << "at scale " << scale;
        }
    }
}
