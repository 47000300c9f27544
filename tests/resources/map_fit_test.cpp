// Checks the committed map pictures against the game's fixed click geometry:
// the map (111) and the 69 province tints must show each province where a
// click selects it, and a tint laid over the map must cover its province
// exactly.  tools/map/out/regions.png is the generator's record of which
// province owns each pixel (0 sea, 1..30 table index + 1, 255 unowned land);
// it is checked against the tints so that it cannot drift from what the
// player sees.
#include "map_geometry.h"
#include "client/MapNames.h"

#ifdef AUROVANE_WINDOW_FIGURES
#include "model/ProvinceMap.h"
#include "model/Random.h"
#include "qtcommon/view/LegionFigures.h"
#endif

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using mapgeo::MapHeight;
using mapgeo::MapWidth;

const std::string sourceDir = AUROVANE_SOURCE_DIR;

QImage loadPicture(const std::string& relative) {
    QImage img(QString::fromStdString(sourceDir + "/" + relative));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32);
}

QImage bitmap(int id) {
    return loadPicture("game/resources/bitmaps/" + std::to_string(id) + ".png");
}

#ifdef AUROVANE_WINDOW_FIGURES
QRect qRect(const view::LayoutRect& r) { return QRect(r.x, r.y, r.w, r.h); }

// The pixels between two boxes, 0 where they touch or overlap.
double gap(const QRectF& a, const QRectF& b) {
    const double dx = std::max({0.0, b.left() - a.right(), a.left() - b.right()});
    const double dy = std::max({0.0, b.top() - a.bottom(), a.top() - b.bottom()});
    return std::hypot(dx, dy);
}
#endif

int provinceIndex(std::string_view name) {
    for (int i = 0; i < mapgeo::ProvinceCount; ++i)
        if (mapgeo::provinces[i].name == name) return i;
    return -1;
}

// Land as the player sees it: every sea colour is bluer than red, every
// land fill, coast line and name ink redder than blue.
bool looksLikeLand(QRgb c) { return qRed(c) >= qBlue(c); }

struct Fill {
    int r, g, b;
};
constexpr Fill Roman{222, 152, 138}, Barbarian{230, 204, 96}, Sassanid{196, 112, 188},
    Parchment{226, 212, 178}, Sand{222, 194, 138}, White{246, 244, 238};

double distance(QRgb c, Fill f) {
    return std::hypot(qRed(c) - f.r, qGreen(c) - f.g, qBlue(c) - f.b);
}

// The fill nearest to a pixel, or -1 when it is no plain fill (ink, coast).
int nearestFill(QRgb c, const std::vector<Fill>& fills, double tolerance = 24.0) {
    int best = -1;
    double bestDistance = tolerance;
    for (size_t i = 0; i < fills.size(); ++i) {
        double d = distance(c, fills[i]);
        if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
    }
    return best;
}

struct LabelBox {
    std::string province;
    int left, top, right, bottom;
};

std::vector<LabelBox> readLabels() {
    std::vector<LabelBox> out;
    std::ifstream in(sourceDir + "/tools/map/out/labels.csv");
    std::string line;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
        std::stringstream s(line);
        LabelBox b;
        std::string field;
        std::getline(s, b.province, ',');
        std::getline(s, field, ','), b.left = std::stoi(field);
        std::getline(s, field, ','), b.top = std::stoi(field);
        std::getline(s, field, ','), b.right = std::stoi(field);
        std::getline(s, field, ','), b.bottom = std::stoi(field);
        out.push_back(b);
    }
    return out;
}

// What the pictures show: the province drawn at every pixel, -1 for sea
// and for land of no province.  Inner provinces are read from their tints
// (the shapes the game recolours), frontier lands from the region record.
class MapPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        map = loadPicture("game/resources/bitmaps/111.png");
        regions = loadPicture("tools/map/out/regions.png");
        for (const auto& t : mapgeo::tints) {
            plain.push_back(bitmap(t.plainId));
            yellow.push_back(bitmap(t.yellowId));
            blue.push_back(bitmap(t.blueId));
        }
        drawn.assign(MapWidth * MapHeight, -1);
        if (regions.size() == QSize(MapWidth, MapHeight)) {
            for (int y = 0; y < MapHeight; ++y)
                for (int x = 0; x < MapWidth; ++x) {
                    int r = qRed(regions.pixel(x, y));
                    if (r >= 1 && r <= mapgeo::ProvinceCount) {
                        bool inner = false;
                        for (const auto& t : mapgeo::tints)
                            inner |= t.name == mapgeo::provinces[r - 1].name;
                        if (!inner) drawn[y * MapWidth + x] = r - 1;
                    }
                }
        }
        for (size_t i = 0; i < mapgeo::tints.size(); ++i) {
            const auto& t = mapgeo::tints[i];
            const QImage& img = plain[i];
            if (img.size() != QSize(t.width, t.height)) continue;
            int p = provinceIndex(t.name);
            for (int y = 0; y < t.height; ++y)
                for (int x = 0; x < t.width; ++x)
                    if (qAlpha(img.pixel(x, y)) > 0) {
                        int& d = drawn[(t.mapY() + y) * MapWidth + t.mapX() + x];
                        d = d == -1 ? p : -2;  // -2: two tints claim the pixel
                    }
        }
    }

    static int drawnAt(int x, int y) { return drawn[y * MapWidth + x]; }

    static inline QImage map, regions;
    static inline std::vector<QImage> plain, yellow, blue;
    static inline std::vector<int> drawn;
};

TEST_F(MapPictures, EveryPictureHasItsFixedSize) {
    ASSERT_EQ(map.size(), QSize(MapWidth, MapHeight)) << "picture 111";
    ASSERT_EQ(regions.size(), QSize(MapWidth, MapHeight)) << "regions.png";
    for (size_t i = 0; i < mapgeo::tints.size(); ++i) {
        const auto& t = mapgeo::tints[i];
        const QSize want(t.width, t.height);
        EXPECT_EQ(plain[i].size(), want) << t.name << " plain " << t.plainId;
        EXPECT_EQ(yellow[i].size(), want) << t.name << " yellow " << t.yellowId;
        EXPECT_EQ(blue[i].size(), want) << t.name << " blue " << t.blueId;
        EXPECT_GE(t.mapX(), 0) << t.name;
        EXPECT_GE(t.mapY(), 0) << t.name;
        EXPECT_LE(t.mapX() + t.width, MapWidth) << t.name;
        EXPECT_LE(t.mapY() + t.height, MapHeight) << t.name;
    }
}

TEST_F(MapPictures, TintsShareOneMaskAndCoverExactlyTheirProvince) {
    for (size_t i = 0; i < mapgeo::tints.size(); ++i) {
        const auto& t = mapgeo::tints[i];
        ASSERT_EQ(plain[i].size(), QSize(t.width, t.height)) << t.name;
        ASSERT_EQ(yellow[i].size(), QSize(t.width, t.height)) << t.name;
        ASSERT_EQ(blue[i].size(), QSize(t.width, t.height)) << t.name;
        const int region = provinceIndex(t.name) + 1;
        int covered = 0, mismatched = 0, partial = 0, masksDiffer = 0, notBlack = 0;
        for (int y = 0; y < t.height; ++y)
            for (int x = 0; x < t.width; ++x) {
                QRgb c = plain[i].pixel(x, y);
                int a = qAlpha(c);
                partial += a != 0 && a != 255;
                masksDiffer += a != qAlpha(yellow[i].pixel(x, y)) || a != qAlpha(blue[i].pixel(x, y));
                bool mine = qRed(regions.pixel(t.mapX() + x, t.mapY() + y)) == region;
                mismatched += mine != (a == 255);
                covered += a == 255;
                if (a == 0) notBlack += (c & 0xffffff) != 0;
            }
        EXPECT_EQ(partial, 0) << t.name << ": a tint is either over the province or not";
        EXPECT_EQ(masksDiffer, 0) << t.name << ": the three colours share one mask";
        EXPECT_EQ(mismatched, 0) << t.name << ": tint and province differ (seam or spill)";
        EXPECT_EQ(notBlack, 0) << t.name << ": the picture is black where transparent";
        EXPECT_GT(covered, 200) << t.name << ": hardly any province under the tint";
        // No part of the province lies outside the tint's box, where no tint
        // could recolour it.
        int outside = 0;
        for (int y = 0; y < MapHeight; ++y)
            for (int x = 0; x < MapWidth; ++x)
                if (qRed(regions.pixel(x, y)) == region &&
                    (x < t.mapX() || x >= t.mapX() + t.width || y < t.mapY() || y >= t.mapY() + t.height))
                    ++outside;
        EXPECT_EQ(outside, 0) << t.name << " reaches outside its tint box";
    }
    int doubly = static_cast<int>(std::count(drawn.begin(), drawn.end(), -2));
    EXPECT_EQ(doubly, 0) << "pixels claimed by two tints";
}

TEST_F(MapPictures, TintsRecolourTheLandAndKeepTheRest) {
    const std::vector<Fill> tintFills{White, Barbarian, Sassanid};
    for (size_t i = 0; i < mapgeo::tints.size(); ++i) {
        const auto& t = mapgeo::tints[i];
        const QImage* pics[3] = {&plain[i], &yellow[i], &blue[i]};
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(pics[k]->size(), QSize(t.width, t.height)) << t.name;
            int land = 0, inColour = 0, seaChanged = 0;
            for (int y = 0; y < t.height; ++y)
                for (int x = 0; x < t.width; ++x) {
                    QRgb c = pics[k]->pixel(x, y);
                    if (qAlpha(c) != 255) continue;
                    QRgb under = map.pixel(t.mapX() + x, t.mapY() + y);
                    if (nearestFill(under, {Roman}) == 0) {
                        ++land;
                        inColour += nearestFill(c, tintFills) == k;
                    }
                    // Sea, coast lines and names are the same in every colour.
                    if (!looksLikeLand(under)) seaChanged += std::abs(qBlue(c) - qBlue(under)) > 40;
                }
            ASSERT_GT(land, 100) << t.name;
            EXPECT_GE(inColour, land * 9 / 10) << t.name << " colour " << k;
            EXPECT_EQ(seaChanged, 0) << t.name << " colour " << k;
        }
    }
}

TEST_F(MapPictures, LandIsColouredByWhoHoldsItAtTheStart) {
    const std::vector<Fill> fills{Roman, Barbarian, Sassanid, Parchment, Sand};
    std::vector<int> plainPixels(mapgeo::ProvinceCount), rightColour(mapgeo::ProvinceCount);
    int unowned = 0, unownedRight = 0;
    for (int y = 0; y < MapHeight; ++y)
        for (int x = 0; x < MapWidth; ++x) {
            int f = nearestFill(map.pixel(x, y), fills);
            if (f < 0) continue;
            int r = qRed(regions.pixel(x, y));
            if (r >= 1 && r <= mapgeo::ProvinceCount) {
                ++plainPixels[r - 1];
                rightColour[r - 1] += f == static_cast<int>(mapgeo::provinces[r - 1].side);
            } else if (r == 255) {
                ++unowned;
                unownedRight += f >= 3;
            }
        }
    for (int i = 0; i < mapgeo::ProvinceCount; ++i) {
        ASSERT_GT(plainPixels[i], 100) << mapgeo::provinces[i].name;
        EXPECT_GE(rightColour[i], plainPixels[i] * 95 / 100) << mapgeo::provinces[i].name;
    }
    EXPECT_GE(unownedRight, unowned * 95 / 100) << "land beyond the provinces is parchment or sand";
}

// (a) The rectangles a player clicks lie on land.
TEST_F(MapPictures, HitRectanglesLieMostlyOnLand) {
    std::vector<int> areaOf(mapgeo::ProvinceCount), landOf(mapgeo::ProvinceCount);
    for (int y = 0; y < MapHeight; ++y)
        for (int x = 0; x < MapWidth; ++x)
            if (int i = mapgeo::mapProvinceAt(x, y); i >= 0) {
                ++areaOf[i];
                landOf[i] += looksLikeLand(map.pixel(x, y));
            }
    double sum = 0, lowest = 1;
    std::string lowestName;
    for (int i = 0; i < mapgeo::ProvinceCount; ++i) {
        const int area = areaOf[i], land = landOf[i];
        ASSERT_GT(area, 0) << mapgeo::provinces[i].name;
        double share = double(land) / area;
        sum += share;
        if (share < lowest) lowest = share, lowestName = mapgeo::provinces[i].name;
        EXPECT_GE(share, 0.45) << mapgeo::provinces[i].name;
    }
    EXPECT_GE(sum / mapgeo::ProvinceCount, 0.85);
    std::printf("(a) land share of hit rectangles: mean %.1f%%, lowest %.1f%% (%s)\n",
                100 * sum / mapgeo::ProvinceCount, 100 * lowest, lowestName.c_str());
}

// (b) A click selects the province the player sees there.
TEST_F(MapPictures, DrawnProvinceIsTheClickedProvince) {
    int land = 0, agree = 0;
    std::vector<int> landOf(mapgeo::ProvinceCount), wrong(mapgeo::ProvinceCount);
    for (int y = 0; y < MapHeight; ++y)
        for (int x = 0; x < MapWidth; ++x) {
            int clicked = mapgeo::mapProvinceAt(x, y);
            if (clicked < 0 || !looksLikeLand(map.pixel(x, y))) continue;
            ++land;
            ++landOf[clicked];
            if (drawnAt(x, y) == clicked) ++agree;
            else ++wrong[clicked];
        }
    ASSERT_GT(land, 10000);
    double share = double(agree) / land;
    EXPECT_GE(share, 0.95);
    std::printf("(b) drawn province = clicked province on %.2f%% of land in rectangles\n", 100 * share);
    // No province may be drawn largely elsewhere than it is clicked.
    for (int i = 0; i < mapgeo::ProvinceCount; ++i)
        EXPECT_LE(wrong[i], landOf[i] / 4) << mapgeo::provinces[i].name;
}

// (c) Legion icons stand on their own province, and cover no other name:
// the one the picture carries, or the one the programs write in the box the
// picture leaves for it.
TEST_F(MapPictures, LegionBoxesStandOnTheirOwnProvince) {
    const auto labels = readLabels();
    ASSERT_EQ(labels.size(), size_t(mapgeo::ProvinceCount)) << "every province has its name written";
    std::size_t written = 0;
    for (const auto& l : labels) {
        int p = provinceIndex(l.province);
        ASSERT_GE(p, 0) << l.province;
        int ink = 0;
        for (int y = l.top; y < l.bottom; ++y)
            for (int x = l.left; x < l.right; ++x) {
                QRgb c = map.pixel(x, y);
                ink += qRed(c) + qGreen(c) + qBlue(c) < 400;
            }
        const auto place = std::find_if(mapNamePlaces().begin(), mapNamePlaces().end(),
                                        [&](const MapNamePlace& n) { return n.province == l.province; });
        if (place == mapNamePlaces().end()) {
            EXPECT_GT(ink, l.right - l.left) << "no name written in the box of " << l.province;
            continue;
        }
        ++written;
        EXPECT_EQ(std::vector<int>({place->box.left, place->box.top, place->box.right, place->box.bottom}),
                  std::vector<int>({l.left, l.top, l.right, l.bottom}))
            << l.province;
    }
    EXPECT_EQ(written, mapNamePlaces().size()) << "every name the programs write has its box";
    double lowest = 1;
    for (int i = 0; i < mapgeo::ProvinceCount; ++i) {
        const auto& p = mapgeo::provinces[i];
        const int x0 = p.legionX, y0 = p.legionY;
        const int x1 = std::min(MapWidth, x0 + mapgeo::LegionBoxWidth + 1);
        const int y1 = std::min(MapHeight, y0 + mapgeo::LegionBoxHeight + 1);
        int total = 0, good = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                ++total;
                good += drawnAt(x, y) == i || !looksLikeLand(map.pixel(x, y));
            }
        double share = double(good) / total;
        lowest = std::min(lowest, share);
        EXPECT_GE(share, 0.5) << p.name << " legion box on own ground or sea";
        for (const auto& l : labels) {
            if (l.province == p.name) continue;
            EXPECT_TRUE(l.right <= x0 || x1 <= l.left || l.bottom <= y0 || y1 <= l.top)
                << p.name << "'s legion box covers the name of " << l.province;
        }
    }
    std::printf("(c) legion boxes on own province or sea: lowest %.1f%%\n", 100 * lowest);
#ifdef AUROVANE_WINDOW_FIGURES
    // The window's figures, where it moves them: every kind's painted pixels,
    // and count badges as wide as "3/5" or "12" under a marching pennant at
    // every size the counts take in a window the game allows, from the
    // largest screen to the smallest window.
    static int argc = 1;
    static char name[] = "map_fit_test";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    Random random;
    ProvinceMap provinces;
    provinces.buildMap(random);
    std::vector<QPoint> painted;
    QRect icon;
    for (int id : {168, 170, 179, 114, 183}) {
        const QImage img = bitmap(id);
        ASSERT_FALSE(img.isNull()) << id;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(img.pixel(x, y)) > 0) icon |= QRect(x, y, 1, 1), painted.push_back({x, y});
    }
    std::sort(painted.begin(), painted.end(), [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    painted.erase(std::unique(painted.begin(), painted.end()), painted.end());
    const QRect iconBox = qRect(view::figureIconBox(*provinces.provinceTable[0])).translated(-view::figureSpot(*provinces.provinceTable[0]));
    EXPECT_TRUE(iconBox.contains(icon)) << "a press on any painted pixel of a figure takes it";
    auto otherLand = [](int own, const QRectF& r) {
        int n = 0;
        for (int y = int(r.top()); y < int(std::ceil(r.bottom())); ++y)
            for (int x = int(r.left()); x < int(std::ceil(r.right())); ++x) n += drawnAt(x, y) >= 0 && drawnAt(x, y) != own;
        return n;
    };
    for (int i = 0; i < mapgeo::ProvinceCount; ++i) {
        const Province& province = *provinces.provinceTable[std::size_t(i)];
        const std::string name = province.name();
        const QPoint spot = view::figureSpot(province);
        std::vector<QRectF> covered{icon.translated(spot)};
        std::vector<QRectF> plaques;
        for (int px = view::countFontPixels(8.0); px <= view::countFontPixels(0.25); ++px)
            for (const char* count : {"3/5", "12"}) {
                const QRectF plaque = qRect(view::countPlaqueBox(province, count, px));
                plaques.push_back(plaque);
                covered.push_back(plaque);
                covered.push_back(view::pennantOver(plaque));
            }
        for (const QRectF& r : covered) {
            EXPECT_TRUE(QRectF(0, 0, MapWidth, MapHeight).contains(r)) << name << " reaches off the map";
            for (const auto& l : labels) {
                // Touching counts: one pixel of map between them at least. A
                // province with no room beside its name stands on it.
                const QRectF label(l.left - 1, l.top - 1, l.right - l.left + 2, l.bottom - l.top + 2);
                if (l.province != name) EXPECT_FALSE(r.intersects(label)) << name << "'s figure or count touches the name of " << l.province;
            }
        }
        // The figure stands on its own land or on the sea: at most the tip of
        // a spear or the rim of a shield crosses a border. Its count lies
        // mostly on its own land or the sea too.
        int onOthers = 0;
        for (const QPoint& m : painted) {
            const QPoint q = m + spot;
            onOthers += drawnAt(q.x(), q.y()) >= 0 && drawnAt(q.x(), q.y()) != i;
        }
        EXPECT_LE(onOthers * 100, int(painted.size()) * 2) << name << "'s figure stands on another province's land: " << onOthers << " pixels";
        for (const QRectF& plaque : plaques)
            EXPECT_LE(otherLand(i, plaque) * 2, plaque.width() * plaque.height()) << name << "'s count stands on another province's land";
        // The count reads as its own figure's: no other figure is as near it.
        for (int j = 0; j < mapgeo::ProvinceCount; ++j) {
            if (j == i) continue;
            const QRect other = qRect(view::figureIconBox(*provinces.provinceTable[std::size_t(j)]));
            EXPECT_FALSE(other.intersects(icon.translated(spot))) << name << "'s figure overlaps " << provinces.provinceTable[std::size_t(j)]->name() << "'s";
            for (const QRectF& plaque : plaques)
                EXPECT_GT(gap(plaque, other), gap(plaque, icon.translated(spot)) + 3)
                    << name << "'s count is as near the figure of " << provinces.provinceTable[std::size_t(j)]->name();
        }
        // The ground under its feet is its own, or the shore.
        const QRect box = icon.translated(spot);
        int feet = 0, ownFeet = 0;
        for (int x = box.left() + 8; x <= box.right() - 8; ++x, ++feet) {
            const int d = drawnAt(x, box.bottom() - 2);
            ownFeet += d == i || (d < 0 && !looksLikeLand(map.pixel(x, box.bottom() - 2)));
        }
        EXPECT_GE(ownFeet * 2, feet) << name << "'s figure has its feet on other ground";
    }
#endif
}

TEST_F(MapPictures, ConstantinopleLabelCoversNoName) {
    const int x0 = mapgeo::ConstantinopleWindowX - 180, y0 = mapgeo::ConstantinopleWindowY - 30;
    const QSize label = bitmap(251).size();
    ASSERT_FALSE(label.isEmpty());
    const int x1 = x0 + label.width(), y1 = y0 + label.height();
    for (const auto& l : readLabels())
        EXPECT_TRUE(l.right <= x0 || x1 <= l.left || l.bottom <= y0 || y1 <= l.top) << l.province;
    // The label starts at the city: Thracia's land reaches its left end.
    bool thraciaNear = false;
    for (int y = y0 - 4; y < y1 + 12; ++y)
        for (int x = x0 - 12; x < x0 + 8; ++x)
            thraciaNear |= drawnAt(x, y) == provinceIndex("Thracia");
    EXPECT_TRUE(thraciaNear);
}

}  // namespace
