// Checks the 2x twins of the game's pictures, which the window draws on large and
// high-density screens in place of "<id>.png": every picture has one, it is exactly
// twice as large, keeps the transparency convention of its 1x picture, and shows the
// same drawing (not another frame, not shifted, not a stale render).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

const QString kBitmaps = QString::fromUtf8(AUROVANE_SOURCE_DIR) + "/game/resources/bitmaps/";
const QString kTwin = QStringLiteral("@2x");

QImage load(const QString& name)
{
    QImage img(kBitmaps + name);
    return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QStringList pictures(bool twins)
{
    QStringList out;
    for (const QString& name : QDir(kBitmaps).entryList({"*.png"}, QDir::Files, QDir::Name))
        if (name.contains(kTwin) == twins) out << name;
    return out;
}

QString twinOf(const QString& name) { return name.chopped(4) + kTwin + ".png"; }

struct Coverage {
    int clear = 0;           // alpha 0
    int clearButColoured = 0;
    int translucent = 0;     // neither clear nor solid
};

Coverage coverageOf(const QImage& img)
{
    Coverage c;
    const QImage plain = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < plain.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                ++c.clear;
                if (qRed(line[x]) || qGreen(line[x]) || qBlue(line[x])) ++c.clearButColoured;
            } else if (qAlpha(line[x]) < 255) {
                ++c.translucent;
            }
        }
    }
    return c;
}

// Mean difference per channel (0-255, premultiplied) between the 1x picture and its
// twin averaged down over 2x2 blocks.
double differenceFromTwin(const QImage& small, const QImage& big)
{
    double sum = 0;
    for (int y = 0; y < small.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        const QRgb* b0 = reinterpret_cast<const QRgb*>(big.constScanLine(2 * y));
        const QRgb* b1 = reinterpret_cast<const QRgb*>(big.constScanLine(2 * y + 1));
        for (int x = 0; x < small.width(); ++x) {
            const QRgb q[4] = {b0[2 * x], b0[2 * x + 1], b1[2 * x], b1[2 * x + 1]};
            auto mean = [&q](int (*channel)(QRgb)) {
                return (channel(q[0]) + channel(q[1]) + channel(q[2]) + channel(q[3])) / 4.0;
            };
            sum += std::abs(mean(qRed) - qRed(s[x])) + std::abs(mean(qGreen) - qGreen(s[x])) +
                   std::abs(mean(qBlue) - qBlue(s[x])) + std::abs(mean(qAlpha) - qAlpha(s[x]));
        }
    }
    return sum / (4.0 * small.width() * small.height());
}

}  // namespace

TEST(SharpPictures, EveryPictureHasATwinOfTwiceItsSize)
{
    const QStringList ones = pictures(false);
    ASSERT_GT(ones.size(), 100) << "the pictures are missing from " << kBitmaps.toStdString();
    for (const QString& name : ones) {
        SCOPED_TRACE(name.toStdString());
        const QImage small = load(name);
        const QImage big = load(twinOf(name));
        ASSERT_FALSE(big.isNull()) << "no twin " << twinOf(name).toStdString();
        EXPECT_EQ(big.size(), small.size() * 2);
    }
    for (const QString& name : pictures(true)) {
        const QString one = QString(name).remove(kTwin);
        EXPECT_TRUE(QDir(kBitmaps).exists(one)) << name.toStdString() << " has no 1x picture";
    }
}

TEST(SharpPictures, TwinsKeepTheTransparencyConvention)
{
    for (const QString& name : pictures(false)) {
        SCOPED_TRACE(name.toStdString());
        const QImage big = load(twinOf(name));
        ASSERT_FALSE(big.isNull());
        const Coverage one = coverageOf(load(name));
        const Coverage two = coverageOf(big);
        if (one.clear == 0 && one.translucent == 0) {
            EXPECT_EQ(two.clear + two.translucent, 0) << "a plain copy must stay fully opaque";
        } else {
            EXPECT_GT(two.clear, 0) << "a masked picture needs transparent pixels";
            EXPECT_EQ(two.clearButColoured, 0) << "transparent pixels must be black for mask drawing";
        }
    }
}

TEST(SharpPictures, TwinsShowTheSameDrawing)
{
    for (const QString& name : pictures(false)) {
        SCOPED_TRACE(name.toStdString());
        const QImage small = load(name);
        const QImage big = load(twinOf(name));
        ASSERT_FALSE(big.isNull());
        ASSERT_EQ(big.size(), small.size() * 2);
        // Small lettering is hinted differently at each size (up to about 8); another
        // frame or another lesson differs by 18 or more.
        EXPECT_LT(differenceFromTwin(small, big), 12.0);
    }
}
