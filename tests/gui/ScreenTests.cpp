// The composed screen: golden pictures of known positions (placeholder
// pictures, bundled font), and the drawing rules that the pictures show.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "qtcommon/view/HolderPatterns.h"
#include "qtcommon/view/LegionFigures.h"
#include "client/MarchPlan.h"
#include "client/PictureTable.h"

namespace {

QString goldenPath(const char* name) {
    return QStringLiteral(AUROVANE_SOURCE_DIR "/tests/gui/golden/%1.png").arg(QLatin1String(name));
}

// Compares the composed screen with its golden picture: a pixel differs when a
// channel is off by more than 40; at most 0.3 % of the pixels may differ
// (text rasterising may move by a pixel between font engines). Setting
// AUROVANE_UPDATE_GOLDEN=1 rewrites the goldens instead.
void expectMatchesGolden(const QImage& actual, const char* name) {
    const QString path = goldenPath(name);
    if (qEnvironmentVariableIntValue("AUROVANE_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(actual.save(path));
        return;
    }
    QImage golden(path);
    ASSERT_FALSE(golden.isNull()) << "missing golden picture " << path.toStdString();
    golden = golden.convertToFormat(QImage::Format_ARGB32);
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(a.size(), golden.size());
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pg = reinterpret_cast<const QRgb*>(golden.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qRed(pa[x]) - qRed(pg[x])) > 40 || std::abs(qGreen(pa[x]) - qGreen(pg[x])) > 40 ||
                std::abs(qBlue(pa[x]) - qBlue(pg[x])) > 40)
                ++differing;
        }
    }
    const qint64 allowed = qint64(a.width()) * a.height() * 3 / 1000;
    if (differing > allowed) {
        const QString out = QDir::temp().filePath(QStringLiteral("aurovane-%1-actual.png").arg(QLatin1String(name)));
        actual.save(out);
        FAIL() << differing << " pixels differ from " << path.toStdString() << " (allowed " << allowed
               << "); the picture made is " << out.toStdString();
    }
}

QImage composed(Harness& h) {
    h.screen.paintScreen();
    return h.screen.front().image();
}

Province& P(Game& g, const char* name) { return g.findProvince(name); }

// Whether any pixel of the area has the colour (within a small tolerance).
bool hasColour(const QImage& img, const QRect& area, QColor c) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) < 30 && std::abs(p.green() - c.green()) < 30 &&
                std::abs(p.blue() - c.blue()) < 30)
                return true;
        }
    return false;
}

}  // namespace

TEST(ComposedScreen, NewGameMatchesGolden) {
    Harness h;
    expectMatchesGolden(composed(h), "new-game");
}

TEST(ComposedScreen, Scenario410WithBritanniaUnownedMatchesGolden) {
    Harness h;
    h.answers = {true};
    h.window->action(Command::Scenario410)->trigger();
    ASSERT_EQ(h.game.turn, 174);  // the set-up stands at the end of 409
    ASSERT_EQ(h.game.ownerOf(P(h.game, "Britannia")), nullptr);
    const QImage img = composed(h);
    expectMatchesGolden(img, "scenario-410");
    // An unheld province carries the plain (white) tint; Roman Italia none.
    const MapRect r = P(h.game, "Britannia").hitRects.front();
    EXPECT_TRUE(hasColour(img, QRect(180 + r.left + 1, 30 + r.top + 1, r.right - r.left - 2, 8), QColor(250, 250, 250)));
}

TEST(ComposedScreen, ConstantinopleLabelFrom313On) {
    Harness h;
    const QRect label(724, 294, 100, 15);
    h.game.turn = 312 - 235;
    const QImage before = composed(h).copy(label);
    h.game.turn = 313 - 235;
    const QImage after = composed(h);
    EXPECT_NE(before, after.copy(label));
    expectMatchesGolden(after, "year-320-label");
    h.game.turn = 320 - 235;
    EXPECT_EQ(composed(h).copy(label), after.copy(label)) << "drawn on every paint from 313 on";
}

TEST(ComposedScreen, MovedAndUnmovedRomanLegions) {
    Harness h;
    Province& italia = P(h.game, "Italia");
    h.game.romans.removeLegionsIn(italia);
    h.game.romans.addLegions("Italia", 3);
    const QPoint spot = view::legionSpot(italia, 0);
    const QRect icon(spot, QSize(35, 65));
    // Two moved, one not: the active legionary with the count 3.
    int moved = 0;
    for (auto& l : h.game.romans.legions)
        if (l->province == &italia && moved < 2) l->moved = true, ++moved;
    const QImage oneReady = composed(h);
    expectMatchesGolden(oneReady, "italia-one-ready");
    for (auto& l : h.game.romans.legions)
        if (l->province == &italia) l->moved = true;
    const QImage allMoved = composed(h);
    expectMatchesGolden(allMoved, "italia-all-moved");
    EXPECT_NE(oneReady.copy(icon), allMoved.copy(icon)) << "greyed icon once every legion there has moved";
    // The badge at the figure's feet reads ready/total: 1/3, then 0/3, in black.
    const QRect count(spot.x() + 38, spot.y() + 50, 20, 12);
    EXPECT_NE(oneReady.copy(count), allMoved.copy(count));
    EXPECT_TRUE(hasColour(allMoved, count, Qt::black));
}

TEST(ComposedScreen, RomanAndBarbarianLegionsInOneProvince) {
    Harness h;
    Province& raetia = P(h.game, "Raetia");
    h.game.romans.removeLegionsIn(raetia);
    h.game.romans.addLegions("Raetia", 2);
    h.game.barbarians.addLegions("Raetia", 4);
    const QImage both = composed(h);
    expectMatchesGolden(both, "raetia-romans-and-barbarians");
    h.game.barbarians.removeLegionsIn(raetia);
    const QImage romansOnly = composed(h);
    const QPoint spot = view::legionSpot(raetia, 0);
    EXPECT_NE(both.copy(QRect(spot, QSize(43, 65))), romansOnly.copy(QRect(spot, QSize(43, 65))))
        << "the Barbarian icon is drawn over the Roman one";
}

TEST(ComposedScreen, MapCacheHoldsTheTintedMapWithoutLegions) {
    Harness h;
    h.screen.paintScreen();
    Province& italia = P(h.game, "Italia");
    const QImage cache = h.screen.mapCache().image();
    const QImage back = h.screen.backBuffer().image();
    const QRect iconInMap(italia.legionX(), italia.legionY(), 35, 65);
    EXPECT_NE(cache.copy(iconInMap), back.copy(iconInMap.translated(180, 30)));
    // Away from every legion the cache is exactly the composed map.
    EXPECT_EQ(cache.copy(QRect(700, 500, 60, 40)), back.copy(QRect(880, 530, 60, 40)));
}

TEST(ComposedScreen, WideCompositionCentresTheLayout) {
    EXPECT_EQ(view::screenOffsetFor(1366), 0);
    EXPECT_EQ(view::screenOffsetFor(1280), 0);
    EXPECT_EQ(view::screenOffsetFor(1920), 277);
    Harness h;
    h.screen.setLayout(QSize(1920, view::LayoutHeight), 1.0);
    EXPECT_EQ(h.screen.screenOffsetX(), 277);
    h.screen.paintScreen();
    const QImage wide = h.screen.front().image();
    h.screen.setLayout(QSize(1366, view::LayoutHeight), 1.0);
    h.screen.paintScreen();
    const QImage narrow = h.screen.front().image();
    // The same composition, shifted by 277 pixels: the map's left edge at 457.
    EXPECT_EQ(wide.copy(QRect(277 + 175, 0, 820, 672)), narrow.copy(QRect(175, 0, 820, 672)));
}

TEST(ComposedScreen, ScaledCompositionKeepsLayoutCoordinates) {
    Harness h;
    h.screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), 2.0);
    h.screen.paintScreen();
    const QImage big = h.screen.front().image();
    EXPECT_EQ(big.size(), QSize(2732, 1344));
    h.screen.setLayout(QSize(view::LayoutWidth, view::LayoutHeight), 1.0);
    h.screen.paintScreen();
    const QImage small = h.screen.front().image();
    // The white map frame at x 175 is at 350..351 when doubled.
    EXPECT_EQ(QColor(small.pixel(175, 300)), QColor(Qt::white));
    EXPECT_EQ(QColor(big.pixel(350, 600)), QColor(Qt::white));
}

// The places the page is given are the window's: a moved figure is picked up
// where it is drawn, and the zoom ends on the dialog's place.
// ------------------------------------------------ colour is not the only cue

TEST(HolderMarks, FreeLandAndTheRebelsDifferOnOneTintAndMarksStayInsideTheLand) {
    testApp();
    auto sample = [](std::optional<Power> holder) {
        QImage img(40, 40, QImage::Format_ARGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        view::drawMarkSample(p, QRect(0, 0, 40, 40), QColor(250, 250, 250), view::holderMark(holder));
        return img;
    };
    // Both pale, told apart by their marks alone; each mark differs from the plain tint.
    EXPECT_NE(sample(std::nullopt), sample(Power::RogueRomans));
    EXPECT_NE(sample(std::nullopt), sample(Power::Romans));
    EXPECT_NE(sample(Power::RogueRomans), sample(Power::Romans));

    // A tint covering only the left half: the marks land there and nowhere else.
    QImage half(40, 20, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) half.setPixel(x, y, qRgba(240, 220, 40, 255));
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("bitmaps"));
    ASSERT_TRUE(half.save(dir.filePath("bitmaps/9999.png")));
    view::Sprite tint(9999, 0, 40, 20);
    ASSERT_TRUE(tint.load(dir.filePath("bitmaps")));
    for (const std::optional<Power> holder : {std::optional<Power>(), std::optional<Power>(Power::Barbarians),
                                             std::optional<Power>(Power::Sassanids), std::optional<Power>(Power::RogueRomans)}) {
        QImage map(40, 20, QImage::Format_ARGB32);
        map.fill(Qt::white);
        QPainter p(&map);
        view::drawMarkOverTint(p, tint, 0, 0, view::holderMark(holder));
        p.end();
        int inside = 0, outside = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (map.pixel(x, y) != qRgb(255, 255, 255)) ++(x < 20 ? inside : outside);
        EXPECT_GT(inside, 20);
        EXPECT_EQ(outside, 0);
    }
}

TEST(SharedPlaces, FiguresBoxesAndTheZoomAreTheWindows) {
    Harness h;
    for (const Province* p : h.game.provinceTable) {
        const view::LayoutPoint c = view::figureCorner(*p);
        EXPECT_EQ(QPoint(c.x, c.y), view::figureSpot(*p)) << p->name();
    }
    const Province& macedonia = P(h.game, "Macedonia");
    const view::LayoutPoint c = view::figureCorner(macedonia);
    EXPECT_EQ(c.y, macedonia.legionY() + 15) << "moved down onto its own land";
    h.game.romans.addLegions("Macedonia", 1);
    EXPECT_EQ(view::figureAt(h.game, c.x + 20, c.y + 50, 13), &macedonia);
    // A figure drawn takes the press wherever it is drawn, in a neighbour's
    // box too.
    const Province& thracia = P(h.game, "Thracia");
    const view::LayoutRect t = view::figureIconBox(thracia);
    h.game.romans.addLegions("Thracia", 1);
    for (int x = t.x; x < t.x + t.w; ++x)
        for (int y = t.y; y < t.y + t.h; ++y) EXPECT_EQ(view::figureAt(h.game, x, y, 13), &thracia) << x << ',' << y;

    const auto frames = view::zoomFrames(673, 300, view::LayoutWidth, view::LayoutHeight);
    ASSERT_EQ(frames.size(), 11u);
    EXPECT_EQ(frames.front().x, 673);
    EXPECT_EQ(frames.front().w, 0);
    const view::LayoutRect place = frames.back();
    EXPECT_EQ(QSize(place.w, place.h), QSize(600, 400));
    EXPECT_NEAR(place.x + 300, view::LayoutWidth / 2, 10);
    EXPECT_NEAR(place.y + 200, view::LayoutHeight / 2, 10);
    for (std::size_t i = 1; i + 1 < frames.size(); ++i) EXPECT_GT(frames[i].w, frames[i - 1].w) << "the frame grows";
}

// A march as both front ends walk it: one soldier of the mover's power from
// his figure halfway to the target's, facing the way he goes.
TEST(SharedPlaces, AMarchWalksHalfwayFacingTheWayItGoes) {
    Harness h;
    Province& italia = P(h.game, "Italia");
    const view::LayoutPoint from = view::figureCorner(italia);
    const Province* west = nullptr;
    const Province* east = nullptr;
    for (const Province* p : h.game.provinceTable) {
        if (view::figureCorner(*p).x < from.x - 40 && !west) west = p;
        if (view::figureCorner(*p).x > from.x + 40 && !east) east = p;
    }
    ASSERT_TRUE(west && east);
    h.game.romans.removeLegionsIn(italia);
    h.game.romans.addLegions("Italia", 1);
    const view::MarchPlan last = view::marchPlan(&h.game.romans, italia, *west);
    ASSERT_STREQ(last.walk, "romanWalk");
    EXPECT_TRUE(last.mirror) << "the Roman soldier faces right unless mirrored";
    EXPECT_FALSE(last.figureStays) << "the last legion takes his figure along";
    EXPECT_EQ(last.start.x, view::MapLeft + from.x);
    EXPECT_EQ(last.start.y, view::MapTop + from.y);
    const view::LayoutPoint target = view::figureCorner(*west);
    EXPECT_NEAR(2 * (last.end.x - view::MapLeft), from.x + target.x, 1) << "halfway";
    EXPECT_NEAR(2 * (last.end.y - view::MapTop), from.y + target.y, 1);
    h.game.romans.addLegions("Italia", 1);
    const view::MarchPlan one = view::marchPlan(&h.game.romans, italia, *east);
    EXPECT_FALSE(one.mirror);
    EXPECT_TRUE(one.figureStays) << "one soldier steps out of a stack";
    // The enemies' pictures face left: mirrored going east.
    const view::MarchPlan enemy = view::marchPlan(&h.game.empire(Power::Sassanids), italia, *east);
    EXPECT_STREQ(enemy.walk, "sassanidWalk");
    EXPECT_TRUE(enemy.mirror);
    EXPECT_EQ(animationNamed(enemy.walk).name, std::string("sassanidWalk"));
    // Rebels and a move out of a province nobody holds: the crossed swords.
    for (const Empire* owner : {static_cast<const Empire*>(&h.game.rogueRomans), static_cast<const Empire*>(nullptr)}) {
        const view::MarchPlan swords = view::marchPlan(owner, italia, *east);
        EXPECT_EQ(swords.walk, nullptr);
        EXPECT_EQ(swords.swords.x, view::crossedSwordsPlace(italia, *east).x);
        EXPECT_EQ(swords.swords.y, view::crossedSwordsPlace(italia, *east).y);
    }
}

// Every picture, sound and font in the resource folders at configure time is
// compiled into the program under its resource path.
TEST(CompiledResources, EveryFileOfTheResourceFoldersIsInside) {
    testApp();
    const QString res = QStringLiteral(AUROVANE_SOURCE_DIR "/game/resources");
    int checked = 0;
    for (const auto& [folder, pattern] : {std::pair{"bitmaps", "*.png"}, std::pair{"bitmaps/tints", "*.png"},
                                          std::pair{"sounds", "*.wav"}, std::pair{"fonts", "*.otf"}}) {
        for (const QString& f : QDir(res + "/" + folder).entryList({QString::fromLatin1(pattern)}, QDir::Files)) {
            const QString inside = QStringLiteral(":/%1/%2").arg(QLatin1String(folder), f);
            QFile a(res + "/" + folder + "/" + f), b(inside);
            ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << inside.toStdString();
            ASSERT_TRUE(a.open(QIODevice::ReadOnly));
            EXPECT_EQ(a.size(), b.size()) << inside.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
    // And the pictures load as the screen's, not as placeholders.
    view::Pictures pictures;
    pictures.load();
    if (QFile::exists(res + "/bitmaps/168.png")) EXPECT_TRUE(pictures.icon(view::RomanActive).isLoaded());
}
