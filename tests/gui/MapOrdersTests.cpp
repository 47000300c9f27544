// Orders a player can see: where a drop lands (the painted provinces and the
// figures before the rules' rectangles), why a refused order failed, the
// carried figure, the year's summary over the map, the counts, sharp pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "qtcommon/view/LegionFigures.h"
#include "client/DropTarget.h"
#include "client/LegionCarry.h"
#include "client/PaintedProvinces.h"
#include "client/StateLine.h"
#include "client/TintTable.h"

namespace {

Province& P(Game& g, const char* name) { return g.findProvince(name); }

void noLegionsAnywhere(Game& g) {
    for (Empire* e : g.empires()) e->deleteAllLegions();
}

// A point that a press picks the province up at, with counts of any size
// the window draws: on its figure, or in its box where it has none.
QPoint pressOn(Harness& h, const Province& p) {
    const view::PaintedProvinces& painted = h.screen.regions().painted();
    const QRect box = view::pickUpBox(p);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (view::pickUpAt(h.game, painted, x, y, 13) == &p && view::pickUpAt(h.game, painted, x, y, 16) == &p)
                return Harness::layoutOf(x, y);
    ADD_FAILURE() << "no point picks up " << p.name();
    return {};
}

// The window with the game's own pictures, so that the painted provinces are known.
struct PaintedHarness : Harness {
    PaintedHarness() {
        pictures.load();
        screen.buildRegions();
    }
};

TEST(DropMapping, PaintedShapesFromTheTints) {
    PaintedHarness h;
    const view::ProvinceRegions& regions = h.screen.regions();
    int shaped = 0;
    for (const auto& e : h.pictures.tints().entries()) {
        const Province& p = h.game.findProvince(e.province);
        ASSERT_TRUE(regions.hasShape(h.game, p)) << e.province;
        ++shaped;
    }
    EXPECT_EQ(shaped, 23);
    EXPECT_FALSE(regions.hasShape(h.game, P(h.game, "Armenia"))) << "frontier lands keep their rectangles";
    const MapRect& r = P(h.game, "Armenia").hitRects.front();
    EXPECT_EQ(regions.at(h.game, QPoint(r.left + 5, r.top + 5)), &P(h.game, "Armenia"));
    EXPECT_EQ(regions.at(h.game, QPoint(380, 520)), nullptr) << "the open sea south of Greece is no province";
    // The shapes do differ from the rectangles somewhere, or nothing here would matter.
    int differ = 0;
    for (int y = 0; y < view::MapHeight; y += 2)
        for (int x = 0; x < view::MapWidth; x += 2) {
            const Province* painted = regions.at(h.game, QPoint(x, y));
            const Province* boxed = h.game.provinceAt(x, y);
            differ += painted && boxed && painted != boxed;
        }
    EXPECT_GT(differ, 50);
}

// The page feeds the same lookup by name from the tint files at the table's
// sizes; every map point must then show what the window shows, and bytes a
// page hands over wrongly change nothing.
TEST(DropMapping, ThePagesLookupFromTheTintFilesAgreesWithTheWindows) {
    PaintedHarness h;
    view::PaintedProvinces page;
    for (const TintSpec& t : TintTable) {
        const QImage image = QImage(QStringLiteral(":/bitmaps/%1.png").arg(t.plainId))
                                 .scaled(t.width, t.height)
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull()) << t.name;
        std::vector<unsigned char> alpha;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) alpha.push_back(static_cast<unsigned char>(qAlpha(image.pixel(x, y))));
        ASSERT_TRUE(page.paintTint(h.game, t.name, alpha)) << t.name;
    }
    const std::vector<unsigned char> solid(100, 255);
    EXPECT_FALSE(page.paintTint(h.game, "Atlantis", solid));
    EXPECT_FALSE(page.paintTint(h.game, "Italia", solid)) << "bytes of another size";
    EXPECT_FALSE(page.paintTint(h.game, "Armenia", std::vector<unsigned char>(100 * 100, 255))) << "no tint";
    int differ = 0;
    for (int y = 0; y < view::MapHeight; ++y)
        for (int x = 0; x < view::MapWidth; ++x)
            differ += page.at(h.game, x, y) != h.screen.regions().at(h.game, QPoint(x, y));
    EXPECT_EQ(differ, 0);
    // Legions carried from Italia land on the same province in both, figures
    // and count plaques included, wherever they are dropped.
    LegionCarry window(h.game, h.screen.regions().painted()), pageCarry(h.game, page);
    const QPoint press = pressOn(h, P(h.game, "Italia"));
    const view::LayoutPoint italia{press.x(), press.y()};
    window.press(italia);
    pageCarry.press(italia);
    int onFigures = 0;
    for (int y = 0; y < view::MapHeight; ++y)
        for (int x = 0; x < view::MapWidth; ++x) {
            const view::LayoutPoint at{view::MapLeft + x, view::MapTop + y};
            window.move(at);
            pageCarry.move(at);
            differ += window.target() != pageCarry.target();
            onFigures += window.target() && window.target() != page.at(h.game, x, y);
        }
    EXPECT_EQ(differ, 0);
    EXPECT_GT(onFigures, 100) << "a drop on a figure or its count means the figure's province";
}

TEST(DropMapping, TheProvincePaintedUnderThePointerGetsTheOrder) {
    PaintedHarness h;
    const view::ProvinceRegions& regions = h.screen.regions();
    // A point painted as one province and boxed by the rules as another, with
    // a Roman neighbour of the painted one that is not the boxed one.
    for (int y = 0; y < view::MapHeight; ++y)
        for (int x = 0; x < view::MapWidth; ++x) {
            Province* painted = regions.at(h.game, QPoint(x, y));
            Province* boxed = h.game.provinceAt(x, y);
            if (!painted || !boxed || painted == boxed || painted->isFrontier()) continue;
            Province* source = nullptr;
            for (Province* n : painted->neighbours)
                if (n && n != boxed && !n->isFrontier() && h.game.romans.holds(*n)) source = n;
            if (!source) continue;
            noLegionsAnywhere(h.game);
            h.game.romans.addLegions(source->name(), 1);
            if (view::figureAt(h.game, x, y, 13)) continue;
            SCOPED_TRACE(source->name() + " to " + painted->name() + " (rules: " + boxed->name() + ")");
            h.game.romans.addLegions(source->name(), 1);  // one left to move: the turn goes on
            h.window->leftPress(pressOn(h, *source));
            h.window->leftRelease(Harness::layoutOf(x, y));
            EXPECT_EQ(h.game.romans.countLegionsIn(*painted), 1);
            EXPECT_EQ(h.game.romans.countLegionsIn(*boxed), 0);
            EXPECT_TRUE(h.screen.notice().contains(QString::fromStdString(painted->name()))) << h.screen.notice().toStdString();
            return;
        }
    FAIL() << "no point where the painted province and the rectangles differ";
}

TEST(DropMapping, ADropOnAFigureMeansThatFiguresProvince) {
    PaintedHarness h;
    const view::ProvinceRegions& regions = h.screen.regions();
    for (Province* target : h.game.romans.provinces)
        for (Province* source : target->neighbours) {
            if (!source || !h.game.romans.holds(*source)) continue;
            noLegionsAnywhere(h.game);
            h.game.romans.addLegions(target->name(), 1);
            h.game.romans.addLegions(source->name(), 2);
            const QRect icon(view::figureSpot(*target), QSize(35, 65));
            for (int y = icon.top(); y <= icon.bottom(); ++y)
                for (int x = icon.left(); x <= icon.right(); ++x) {
                    const QPoint m(x, y);
                    if (view::figureAt(h.game, m.x(), m.y(), 13) != target || regions.at(h.game, m) == target) continue;
                    SCOPED_TRACE(source->name() + " onto the figure of " + target->name());
                    h.window->leftPress(pressOn(h, *source));
                    h.window->leftRelease(Harness::layoutOf(x, y));
                    EXPECT_EQ(h.game.romans.countLegionsIn(*target), 2);
                    return;
                }
        }
    FAIL() << "no figure stands partly off its province";
}

TEST(DropMapping, CarriedFigureAndTheHighlightedTarget) {
    Harness h;
    noLegionsAnywhere(h.game);
    h.game.romans.addLegions("Italia", 2);
    const MapRect r = P(h.game, "Dalmatia").hitRects.back();
    const QPoint over = Harness::layoutOf((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    h.screen.paintScreen();
    const QImage before = h.screen.front().image();
    h.window->leftPress(pressOn(h, P(h.game, "Italia")));
    h.window->pointerMove(over);
    EXPECT_TRUE(h.screen.drag().carrying);
    EXPECT_EQ(h.screen.drag().source, &P(h.game, "Italia"));
    EXPECT_EQ(h.screen.drag().target, &P(h.game, "Dalmatia"));
    EXPECT_NE(before.copy(QRect(over - QPoint(17, 40), QSize(35, 65))),
              h.screen.front().image().copy(QRect(over - QPoint(17, 40), QSize(35, 65))))
        << "the figure rides the pointer";
    h.window->leftRelease(over);
    EXPECT_FALSE(h.screen.drag().carrying);
    EXPECT_EQ(h.game.romans.countLegionsIn(P(h.game, "Dalmatia")), 1);
}

TEST(Refusals, TheInformationLineSaysWhy) {
    Harness h;
    auto drag = [&h](const char* from, QPoint to) {
        h.window->leftPress(pressOn(h, P(h.game, from)));
        h.window->leftRelease(to);
        return h.screen.notice();
    };
    auto centre = [&h](const char* name) {
        const MapRect r = P(h.game, name).hitRects.front();
        return Harness::layoutOf((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    noLegionsAnywhere(h.game);
    h.game.romans.addLegions("Raetia", 1);
    h.game.romans.addLegions("Italia", 2);
    EXPECT_TRUE(drag("Italia", Harness::layoutOf(380, 520)).contains("no province there"));
    EXPECT_TRUE(drag("Raetia", centre("Upper Rhine")).startsWith("Frontier closed"));
    h.game.barbarians.addLegions("Upper Danube", 2);
    EXPECT_TRUE(drag("Italia", centre("Upper Danube")).startsWith("Too far"));
    for (auto& l : h.game.romans.legions) l->moved = true;
    EXPECT_TRUE(drag("Italia", centre("Dalmatia")).contains("already moved"));
    EXPECT_TRUE(drag("Dalmatia", centre("Italia")).contains("no Roman legion in Dalmatia"));
    // The notice stays until the pointer moves on to another province.
    h.window->pointerMove(centre("Dalmatia"));
    EXPECT_TRUE(h.screen.notice().isEmpty());
}

TEST(YearSummary, ShownWhenTheYearEndsAndClosedByTheNextClick) {
    Harness h;
    h.window->newsDesk().setEnabled(true);
    h.window->rightRelease(QPoint());
    ASSERT_EQ(h.game.turn, 1);
    const view::NewsPanel& panel = h.screen.newsPanel();
    ASSERT_TRUE(panel.isShown());
    EXPECT_EQ(panel.title, "The year 235 AD");
    QStringList sections;
    for (const auto& l : panel.lines)
        if (l.tone == view::NewsPanel::Tone::Section) sections << l.text;
    EXPECT_TRUE(sections.contains("Legions"));
    EXPECT_TRUE(sections.contains("Treasury"));
    // The click that closes it gives no order.
    h.window->leftPress(pressOn(h, P(h.game, "Italia")));
    EXPECT_FALSE(h.screen.newsPanel().isShown());
    EXPECT_EQ(h.window->carry().source(), nullptr);
    h.window->leftRelease(Harness::layoutOf(10, 10));
    EXPECT_TRUE(h.screen.notice().isEmpty());
    // Switched off: the year ends without one.
    h.window->newsDesk().setEnabled(false);
    h.window->rightRelease(QPoint());
    EXPECT_FALSE(h.screen.newsPanel().isShown());
    EXPECT_EQ(h.window->newsDesk().lastSummary().year, 236);
}

TEST(Counts, ReadyOverTotalWhenTheyDiffer) {
    Harness h;
    noLegionsAnywhere(h.game);
    Province& italia = P(h.game, "Italia");
    h.game.romans.addLegions("Italia", 3);
    EXPECT_EQ(view::stackCountLabel(view::romanStack(h.game, italia)), "3");
    h.game.romans.legions.front()->moved = true;
    EXPECT_EQ(view::stackCountLabel(view::romanStack(h.game, italia)), "2/3");
    h.game.romans.legions.back()->hasRoute = true;
    const view::RomanStack s = view::romanStack(h.game, italia);
    EXPECT_EQ(s.marching, 1);
    EXPECT_EQ(view::stackCountLabel(s), "1/3");
}

TEST(SharpPictures, TheTwinAtTwiceTheSizeAboveOneAndAHalf) {
    testApp();
    QTemporaryDir dir;
    auto write = [&dir](const char* file, int size, Qt::GlobalColor colour) {
        QImage picture(size, size, QImage::Format_ARGB32);
        picture.fill(colour);
        picture.save(dir.filePath(QLatin1String(file)));
    };
    write("900.png", 10, Qt::red);
    view::Graphic only(900, 10, 10);
    ASSERT_TRUE(only.load(dir.path()));
    EXPECT_FALSE(only.hasSharpTwin());
    write("900@2x.png", 20, Qt::blue);
    view::Graphic g(900, 10, 10);
    ASSERT_TRUE(g.load(dir.path()));
    EXPECT_FALSE(g.isDecoded()) << "decoded when first drawn, not when found";
    for (const auto& [scale, colour] : {std::pair{1.0, QColor(Qt::red)}, std::pair{1.5, QColor(Qt::red)},
                                        std::pair{2.0, QColor(Qt::blue)}}) {
        view::Surface s(QSize(10, 10), scale);
        g.draw(*s.painter(), 0, 0);
        EXPECT_EQ(s.image().pixelColor(5, 5), colour) << "scale " << scale;
        EXPECT_EQ(g.isTwinDecoded(), scale > 1.5) << "the twin read only where it is drawn, scale " << scale;
    }
    EXPECT_TRUE(g.hasSharpTwin());
    // A twin beside a picture that does not read is no picture either.
    write("901@2x.png", 20, Qt::blue);
    QFile broken(dir.filePath(QStringLiteral("901.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    view::Graphic bad(901, 10, 10);
    EXPECT_TRUE(bad.load(dir.path()));
    EXPECT_FALSE(bad.isLoaded());
    EXPECT_FALSE(bad.hasSharpTwin());
}

}  // namespace

Province& P(Harness& h, const char* name) { return h.game.findProvince(name); }

void giveMove(Harness& h, Province& from, Province& to) { h.window->giveOrder({CarryOrder::Kind::Move, &from, &to}); }

// Ctrl+Z takes back a quiet order and says so; after a battle it says why not,
// and the Edit menu's item names the order or the reason.
TEST(Undo, TheWindowTakesBackAQuietOrderAndSaysWhyNotAfterABattle) {
    Harness h(3);
    h.window->show();
    const std::string fresh = stateLine(h.game);
    giveMove(h, P(h, "Italia"), P(h, "Raetia"));
    ASSERT_NE(stateLine(h.game), fresh);
    QAction* undo = h.window->action(Command::Undo);
    auto* edit = qobject_cast<QMenu*>(undo->parent());
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    emit edit->aboutToShow();
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Undo the order from Italia to Raetia"));
    undo->trigger();
    EXPECT_EQ(stateLine(h.game), fresh);
    EXPECT_TRUE(h.screen.notice().contains(QStringLiteral("stands in Italia again")));
    // The next year, an attack fights its battle: that stays.
    giveMove(h, P(h, "Italia"), P(h, "Raetia"));
    h.window->endTurn();
    Province* attacked = nullptr;
    for (Province* to : P(h, "Raetia").neighbours)
        if (to && h.game.barbarians.countLegionsIn(*to) > 0) attacked = to;
    ASSERT_NE(attacked, nullptr);
    giveMove(h, P(h, "Raetia"), *attacked);
    const std::string fought = stateLine(h.game);
    emit edit->aboutToShow();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(undo->text().contains(QStringLiteral("battle")));
    emit edit->aboutToHide();
    undo->trigger();
    EXPECT_EQ(stateLine(h.game), fought);
    EXPECT_TRUE(h.screen.notice().contains(QStringLiteral("battle has been fought")));
}
