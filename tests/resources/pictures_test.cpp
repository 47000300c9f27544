// Checks the game's pictures as the map view, the dialogs and the window use them:
// every id is present at the size it is drawn in, pictures copied plainly carry no
// holes, masked pictures are black wherever they are transparent (so a mask made from
// the alpha channel draws them cleanly), and the animation frames really move the
// way the map view plays them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <string>
#include <vector>

namespace {

enum class Kind { Plain, Masked };

struct Picture {
    int id;
    int width;
    int height;
    Kind kind;
};

const std::vector<Picture>& pictures()
{
    static const std::vector<Picture> all = [] {
        std::vector<Picture> v = {
            {264, 355, 664, Kind::Masked},        // report scroll
            {185, 162, 57, Kind::Plain},          // LEGEND
            {251, 100, 15, Kind::Plain},          // CONSTANTINOPLE
            {234, 254, 38, Kind::Plain},          // COMPUTER TURN
            {168, 35, 65, Kind::Masked},          // RomanActive
            {170, 35, 65, Kind::Masked},          // RomanMoved
            {179, 43, 60, Kind::Masked},          // Barbarian
            {114, 40, 60, Kind::Masked},          // Sassanid
            {183, 35, 65, Kind::Masked},          // Rebel
            {229, 23, 23, Kind::Masked},          // crossed swords
            {268, 20, 20, Kind::Plain},           // gold coin
            {269, 20, 20, Kind::Plain},           // empty coin place
            {231, 25, 25, Kind::Plain},           // play
            {232, 25, 25, Kind::Plain},           // stop
            {182, 68, 78, Kind::Plain},           // the Prefect
            {165, 640, 480, Kind::Plain},         // splash
            {267, 600, 400, Kind::Plain},         // About and credits
            {250, 600, 400, Kind::Plain},         // Results
            {330, 200, 80, Kind::Plain},          // editor legend heading
            {331, 150, 55, Kind::Plain},          // editor title heading
            {107, 32, 32, Kind::Masked},          // large window icon
            {108, 16, 16, Kind::Masked},          // small window icon
        };
        auto frames = [&v](std::vector<int> ids, int w, int h) {
            for (int id : ids) v.push_back({id, w, h, Kind::Masked});
        };
        frames({270, 271, 272, 273, 274, 275, 276, 277, 278}, 87, 65);
        frames({302, 303, 304}, 63, 60);
        frames({308, 309, 310, 311}, 40, 60);
        frames({288, 289, 290}, 87, 65);
        frames({294, 295, 296, 297}, 54, 60);
        frames({316, 317, 318, 319, 320, 321}, 49, 60);
        frames({260, 262}, 46, 60);
        frames({400, 401, 402, 403, 404, 405, 406, 407}, 35, 65);
        frames({430, 431, 432, 433, 434, 435, 436, 437}, 35, 65);
        frames({410, 411, 412, 413, 414, 415, 416, 417}, 43, 60);
        frames({420, 421, 422, 423, 424, 425, 426, 427}, 40, 60);
        return v;
    }();
    return all;
}

QString bitmapPath(int id)
{
    return QString::fromUtf8(AUROVANE_SOURCE_DIR) + "/game/resources/bitmaps/" + QString::number(id) + ".png";
}

QImage load(int id)
{
    QImage img(bitmapPath(id));
    return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32);
}

struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    double centreX = 0;   // alpha-weighted
    bool empty() const { return right < 0; }
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// Where a masked picture is visibly painted (alpha above one half).
Extent extentOf(const QImage& img)
{
    Extent e;
    double sum = 0, weighted = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            int a = qAlpha(line[x]);
            if (a > 127) {
                e.left = std::min(e.left, x);
                e.right = std::max(e.right, x);
                e.top = std::min(e.top, y);
                e.bottom = std::max(e.bottom, y);
            }
            sum += a;
            weighted += a * x;
        }
    }
    if (sum > 0) e.centreX = weighted / sum;
    return e;
}

// How far a frame wider than 30 pixels is drawn left of the legion spot.
int frameShift(int width) { return width > 30 ? (width - 30) / 2 : 0; }

}  // namespace

TEST(ResourcePictures, EveryPictureExistsAtItsDrawnSize)
{
    for (const Picture& p : pictures()) {
        SCOPED_TRACE("picture " + std::to_string(p.id));
        QImage img = load(p.id);
        ASSERT_FALSE(img.isNull()) << "missing or unreadable: " << bitmapPath(p.id).toStdString();
        EXPECT_EQ(img.width(), p.width);
        EXPECT_EQ(img.height(), p.height);
    }
}

TEST(ResourcePictures, TransparencyMatchesHowEachPictureIsDrawn)
{
    for (const Picture& p : pictures()) {
        SCOPED_TRACE("picture " + std::to_string(p.id));
        QImage img = load(p.id);
        ASSERT_FALSE(img.isNull());
        int clear = 0, solid = 0, clearButColoured = 0, translucent = 0;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                QRgb px = line[x];
                if (qAlpha(px) == 0) {
                    ++clear;
                    if (qRed(px) || qGreen(px) || qBlue(px)) ++clearButColoured;
                } else if (qAlpha(px) == 255) {
                    ++solid;
                } else {
                    ++translucent;
                }
            }
        }
        const int total = img.width() * img.height();
        if (p.kind == Kind::Masked) {
            EXPECT_GT(clear, 0) << "a masked picture needs transparent pixels";
            EXPECT_GT(solid, total / 20) << "a masked picture needs a visible subject";
            EXPECT_EQ(clearButColoured, 0) << "transparent pixels must be black for mask drawing";
        } else {
            EXPECT_EQ(solid, total) << "plain copies must be fully opaque";
        }
    }
}

TEST(ResourcePictures, BarbarianIconLeavesItsLastColumnEmpty)
{
    // The march wipes the Barbarian icon with a 42-pixel mask although the icon is 43 wide.
    QImage img = load(179);
    ASSERT_FALSE(img.isNull());
    for (int y = 0; y < img.height(); ++y) EXPECT_EQ(qAlpha(img.pixel(42, y)), 0) << "row " << y;
}

namespace {

struct March {
    const char* name;
    std::vector<int> frames;
    int icon;
    int direction;   // +1: unmirrored frames walk right, -1: they walk left
};

const std::vector<March>& marches()
{
    // Roman marches are mirrored for a target to the left, Germanic and Sassanid ones for a
    // target to the right: so the first walk right and the others left when drawn as they are.
    static const std::vector<March> m = {
        {"Roman", {270, 271, 272, 273, 274, 275, 276, 277, 278}, 168, +1},
        {"Barbarian", {302, 303, 304}, 179, -1},
        {"Sassanid", {308, 309, 310, 311}, 114, -1},
    };
    return m;
}

}  // namespace

TEST(ResourcePictures, MarchesAdvanceTheWayTheyFace)
{
    for (const March& m : marches()) {
        SCOPED_TRACE(m.name);
        std::vector<QImage> frames;
        for (int id : m.frames) frames.push_back(load(id));
        for (size_t i = 1; i < frames.size(); ++i)
            EXPECT_NE(frames[i], frames[i - 1]) << "frame " << m.frames[i] << " repeats the one before";
        double first = extentOf(frames.front()).centreX;
        double last = extentOf(frames.back()).centreX;
        EXPECT_GT((last - first) * m.direction, 3.0) << "the soldier should cover ground";
    }
}

TEST(ResourcePictures, MarchStartsWhereTheIconStood)
{
    // The first frame is drawn at the icon's spot less the frame's centring shift; the
    // soldier must not jump sideways when the icon is wiped and the march begins.
    for (const March& m : marches()) {
        SCOPED_TRACE(m.name);
        QImage icon = load(m.icon);
        QImage first = load(m.frames.front());
        ASSERT_FALSE(icon.isNull());
        ASSERT_FALSE(first.isNull());
        double iconCentre = extentOf(icon).centreX;
        double frameCentre = extentOf(first).centreX - frameShift(first.width());
        EXPECT_NEAR(frameCentre, iconCentre, 4.0);
    }
}

TEST(ResourcePictures, WalksInPlaceStayOnTheIconsSpot)
{
    // Loops the window may carry along a route: every frame a different moment of the
    // step, the soldier's body where his icon stands, so no frame makes him jump.
    const std::vector<March> walks = {
        {"Roman", {400, 401, 402, 403, 404, 405, 406, 407}, 168, +1},
        {"Rebel", {430, 431, 432, 433, 434, 435, 436, 437}, 183, +1},
        {"Barbarian", {410, 411, 412, 413, 414, 415, 416, 417}, 179, -1},
        {"Sassanid", {420, 421, 422, 423, 424, 425, 426, 427}, 114, -1},
    };
    for (const March& w : walks) {
        SCOPED_TRACE(w.name);
        const QImage icon = load(w.icon);
        ASSERT_FALSE(icon.isNull());
        QImage previous;
        for (int id : w.frames) {
            const QImage frame = load(id);
            ASSERT_FALSE(frame.isNull()) << id;
            EXPECT_EQ(frame.size(), icon.size()) << id;
            EXPECT_NE(frame, previous) << "frame " << id << " repeats the one before";
            EXPECT_NEAR(extentOf(frame).centreX, extentOf(icon).centreX, 3.0) << id;
            previous = frame;
        }
    }
}

TEST(ResourcePictures, DefeatsEndWithTheSoldierDown)
{
    // Each fall, compared with the same soldier standing.
    struct Fall {
        std::vector<int> frames;
        int standing;
    };
    const std::vector<Fall> falls = {
        {{288, 289, 290}, 168}, {{294, 295, 296, 297}, 179}, {{316, 317, 318, 319, 320, 321}, 114}, {{260, 262}, 183}};
    for (const Fall& f : falls) {
        SCOPED_TRACE("defeat starting at " + std::to_string(f.frames.front()));
        Extent standing = extentOf(load(f.standing));
        Extent end = extentOf(load(f.frames.back()));
        ASSERT_FALSE(standing.empty());
        ASSERT_FALSE(end.empty());
        EXPECT_GT(end.top - standing.top, 20) << "the last frame should lie far below the standing soldier's head";
        EXPECT_GT(end.width(), end.height()) << "the fallen soldier lies along the ground";
        for (size_t i = 1; i < f.frames.size(); ++i) EXPECT_NE(load(f.frames[i]), load(f.frames[i - 1]));
    }
}

TEST(ResourcePictures, DesktopIconsAtEverySize)
{
    const QString dir = QString::fromUtf8(AUROVANE_SOURCE_DIR) + "/game/resources/icons/";
    for (int px : {16, 32, 48, 64, 128, 256}) {
        QImage img(dir + "aurovane-" + QString::number(px) + ".png");
        ASSERT_FALSE(img.isNull()) << px;
        EXPECT_EQ(img.size(), QSize(px, px));
        EXPECT_TRUE(img.hasAlphaChannel()) << "a round icon needs transparent corners";
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    }
    QFile f(dir + "aurovane.svg");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("<svg"));
}

// Every picture with words is drawn again in each catalogue's language, at
// both densities, with words of its own; and every word the generator paints
// is a catalogue entry of its own context.
TEST(ResourcePictures, PicturesWithWordsAreDrawnInEveryLanguage)
{
    const QString root = QString::fromUtf8(AUROVANE_SOURCE_DIR);
    QFile generator(root + "/tools/art/pictures.py");
    ASSERT_TRUE(generator.open(QIODevice::ReadOnly));
    const qsizetype painted = QString::fromUtf8(generator.readAll()).count(QStringLiteral("translate(\"Pictures\", \""));
    ASSERT_GT(painted, 0);
    const QStringList catalogues = QDir(root + "/translations").entryList({"aurovane_*.ts"});
    ASSERT_GE(catalogues.size(), 5);
    for (const QString& name : catalogues) {
        const QString code = name.mid(9, name.size() - 12);
        QFile ts(root + "/translations/" + name);
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(ts.readAll());
        const qsizetype from = text.indexOf(QStringLiteral("<name>Pictures</name>"));
        ASSERT_GE(from, 0) << name.toStdString();
        EXPECT_EQ(text.mid(from, text.indexOf(QStringLiteral("</context>"), from) - from).count(QStringLiteral("<source>")),
                  painted)
            << name.toStdString();
        if (code == "en") continue;
        for (int id : {165, 234, 250, 267}) {
            const QImage english = load(id);
            for (const QString& file : {QString::number(id) + ".png", QString::number(id) + "@2x.png"}) {
                QImage own(root + "/game/resources/bitmaps/" + code + "/" + file);
                const QSize size = file.contains('@') ? english.size() * 2 : english.size();
                ASSERT_EQ(own.size(), size) << code.toStdString() << "/" << file.toStdString();
                if (!file.contains('@')) EXPECT_NE(own.convertToFormat(QImage::Format_ARGB32), english) << code.toStdString() << " " << id;
            }
        }
    }
}
