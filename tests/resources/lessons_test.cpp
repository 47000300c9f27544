// Checks the history lesson resources that tools/lessons generates: every
// picture the lesson dialog shows, every narration its button plays, and the
// lesson texts exported for the game and the terminal edition.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include "tests/support/WaveFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct LessonResource {
    int picture;
    const char *narration;  // nullptr: the introduction has music, no narration
    int year;
};

// The lesson table of the game: picture id, narration resource, year shown.
const LessonResource kLessons[] = {
    {162, "IDR_MAXIMINUS_THRAX", 236}, {233, "IDR_VALERIAN", 260},
    {187, "IDR_AURELIAN", 275},        {160, "IDR_DIOCLETIAN", 285},
    {161, "IDR_CONSTANTINE", 313},     {249, "IDR_ADRIANOPLE", 378},
    {248, "IDR_THEODOSIUS", 379},      {235, "IDR_VISIGOTHS", 410},
    {163, "IDR_VANDAL_SACK", 455},     {164, "IDR_ODOACER", 476},
    {266, nullptr, 235},
};

// English and the languages the lessons are told in: each has every picture
// and narration of its own (English in the folders' top level).
const char *const kLanguages[] = {"en", "de", "fr", "it", "es"};

// A lesson in one language.
struct Told {
    LessonResource lesson;
    std::string language;
};

// Readable names in failure messages instead of a byte dump.
void PrintTo(const Told &t, std::ostream *os) {
    *os << t.language << " picture " << t.lesson.picture << " ("
        << (t.lesson.narration ? t.lesson.narration : "introduction") << ")";
}

const std::string kResources = std::string(AUROVANE_SOURCE_DIR) + "/game/resources";

std::string folder(const std::string &language) { return language == "en" ? "" : language + "/"; }
std::string picturePath(const Told &t) {
    return kResources + "/bitmaps/" + folder(t.language) + std::to_string(t.lesson.picture) + ".png";
}
std::string narrationPath(const char *name, const std::string &language = "en") {
    return kResources + "/sounds/" + folder(language) + name + ".wav";
}
// English is recorded at 22050 Hz; espeak-ng's voices of the other languages,
// with nothing above 5 kHz, at 11025 Hz.
unsigned narrationRate(const std::string &language) { return language == "en" ? 22050u : 11025u; }

std::vector<Told> told(bool narratedOnly) {
    std::vector<Told> out;
    for (const char *language : kLanguages)
        for (const auto &l : kLessons)
            if (l.narration || !narratedOnly) out.push_back({l, language});
    return out;
}

std::string toldName(const ::testing::TestParamInfo<Told> &info) {
    const LessonResource &l = info.param.lesson;
    return info.param.language + "_" + (l.narration ? std::string(l.narration) : "picture_" + std::to_string(l.picture));
}

std::vector<unsigned char> readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double peakDb(const std::vector<int16_t> &s) {
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(int(v)));
    return dbfs(peak);
}

double rmsDb(const std::vector<int16_t> &s) {
    double sum = 0;
    for (int16_t v : s) sum += double(v) * v;
    return dbfs(std::sqrt(sum / std::max<size_t>(s.size(), 1)));
}

class LessonPicture : public ::testing::TestWithParam<Told> {};

TEST_P(LessonPicture, Is600x400WithItsSharpTwin) {
    QImage img(QString::fromStdString(picturePath(GetParam())));
    ASSERT_FALSE(img.isNull()) << picturePath(GetParam()) << " missing or unreadable";
    EXPECT_EQ(img.width(), 600);
    EXPECT_EQ(img.height(), 400);
    std::string twin = picturePath(GetParam());
    twin.replace(twin.size() - 4, 4, "@2x.png");
    EXPECT_EQ(QImage(QString::fromStdString(twin)).size(), QSize(1200, 800)) << twin;
}

// The game draws its 25x25 play/stop button at (75,18)-(99,42): the picture
// must show nothing there, nor in a margin around it, or the button would sit
// on top of text or drawing.
TEST_P(LessonPicture, LeavesTheButtonSquareClear) {
    QImage img(QString::fromStdString(picturePath(GetParam())));
    ASSERT_FALSE(img.isNull());
    const int margin = 4;
    int minLum = 255, maxLum = 0;
    for (int y = 18 - margin; y <= 42 + margin; ++y)
        for (int x = 75 - margin; x <= 99 + margin; ++x) {
            int lum = qGray(img.pixel(x, y));
            minLum = std::min(minLum, lum);
            maxLum = std::max(maxLum, lum);
        }
    EXPECT_LE(maxLum - minLum, 24) << "something is drawn in the button square of " << picturePath(GetParam());
    EXPECT_GE(minLum, 150) << "the button square of " << picturePath(GetParam()) << " is not light parchment";
}

// Share of the pixels of a rectangle that stand out from the parchment.
double markedShare(const QImage &img, int x0, int y0, int x1, int y1) {
    const QColor parchment(0xE9, 0xDC, 0xB8);
    int marked = 0, all = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, ++all) {
            QColor c = img.pixelColor(x, y);
            int d = std::abs(c.red() - parchment.red()) + std::abs(c.green() - parchment.green()) +
                    std::abs(c.blue() - parchment.blue());
            marked += d > 60;
        }
    return double(marked) / all;
}

// A blank or nearly blank picture would pass the size check: each page has
// its text in the left column and a drawing (map, coin or scene) on the right.
TEST_P(LessonPicture, CarriesTextAndAnIllustration) {
    QImage img(QString::fromStdString(picturePath(GetParam())));
    ASSERT_FALSE(img.isNull());
    double text = markedShare(img, 24, 84, 318, 366);
    EXPECT_GT(text, 0.10) << "the text column is (nearly) empty";
    EXPECT_LT(text, 0.40) << "the text column is not ink on parchment";
    EXPECT_GT(markedShare(img, 332, 84, 580, 366), 0.30) << "no illustration on the right";
    // the text runs down the column: ink on most rows of its upper part
    int rowsWithInk = 0;
    for (int y = 90; y < 330; ++y) {
        bool ink = false;
        for (int x = 24; x < 318 && !ink; ++x) ink = qGray(img.pixel(x, y)) < 90;
        rowsWithInk += ink;
    }
    EXPECT_GT(rowsWithInk, 120) << "too few lines of text";
}

INSTANTIATE_TEST_SUITE_P(AllLessons, LessonPicture, ::testing::ValuesIn(told(false)), toldName);

class LessonNarration : public ::testing::TestWithParam<Told> {};

TEST_P(LessonNarration, IsPcm16MonoAtItsRate) {
    const std::string path = narrationPath(GetParam().lesson.narration, GetParam().language);
    const unsigned rate = narrationRate(GetParam().language);
    Wave w;
    ASSERT_EQ(readWave(path, w), "") << path;
    EXPECT_EQ(w.formatTag, 1) << "not plain PCM";
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.sampleRate, rate);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.blockAlign, 2);
    EXPECT_EQ(w.byteRate, 2 * rate);
    EXPECT_LT(std::filesystem::file_size(path), std::uintmax_t{2} * 1024 * 1024 * rate / 22050) << "narration too large";
}

TEST_P(LessonNarration, IsASpokenLessonAtTheSharedLevel) {
    Wave w;
    ASSERT_EQ(readWave(narrationPath(GetParam().lesson.narration, GetParam().language), w), "");
    double seconds = w.seconds();
    EXPECT_GT(seconds, 15.0) << "too short for a lesson text";
    EXPECT_LT(seconds, 48.0);
    EXPECT_NEAR(peakDb(w.samples), -3.0, 1.0) << "peak should sit near -3 dBFS like the other sounds";
    EXPECT_GT(rmsDb(w.samples), -30.0) << "too quiet";
    // speech has pauses but is mostly voiced: count 50 ms windows with sound
    const size_t win = w.sampleRate / 20;
    size_t loud = 0, windows = 0;
    for (size_t i = 0; i + win <= w.samples.size(); i += win, ++windows) {
        std::vector<int16_t> part(w.samples.begin() + i, w.samples.begin() + i + win);
        if (rmsDb(part) > -40.0) ++loud;
    }
    EXPECT_GT(double(loud) / windows, 0.6) << "mostly silence";
    // no long silence in the middle: a dropped sentence or a stalled synthesiser
    size_t quietRun = 0, longest = 0;
    for (size_t i = 0; i + win <= w.samples.size(); i += win) {
        std::vector<int16_t> part(w.samples.begin() + i, w.samples.begin() + i + win);
        quietRun = rmsDb(part) > -45.0 ? 0 : quietRun + 1;
        longest = std::max(longest, quietRun);
    }
    EXPECT_LT(longest * 0.05, 2.0) << "a silence of two seconds or more";
}

INSTANTIATE_TEST_SUITE_P(AllLessons, LessonNarration, ::testing::ValuesIn(told(true)), toldName);

// One level in every language: a narration recorded much louder or softer
// than the others would jump out when the player goes from lesson to lesson.
TEST(LessonNarrations, HaveSimilarLoudness) {
    double lo = 0, hi = -200;
    for (const auto &t : told(true)) {
        Wave w;
        ASSERT_EQ(readWave(narrationPath(t.lesson.narration, t.language), w), "") << t.lesson.narration;
        double r = rmsDb(w.samples);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    EXPECT_LT(hi - lo, 4.0) << "RMS levels spread over " << hi - lo << " dB";
}

TEST(LessonTexts, ExportedForTheGameMatchTheTable) {
    QFile f(QString::fromStdString(kResources + "/lessons.json"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "lessons.json missing";
    QJsonParseError err;
    QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &err);
    ASSERT_EQ(err.error, QJsonParseError::NoError) << err.errorString().toStdString();
    QJsonArray lessons = doc.object().value("lessons").toArray();
    ASSERT_EQ(lessons.size(), int(std::size(kLessons)));
    for (const auto &expected : kLessons) {
        bool found = false;
        for (const auto &v : lessons) {
            QJsonObject o = v.toObject();
            if (o.value("picture").toInt() != expected.picture) continue;
            found = true;
            EXPECT_EQ(o.value("year").toInt(), expected.year) << expected.picture;
            if (expected.narration)
                EXPECT_EQ(o.value("narration").toString().toStdString(), expected.narration);
            else
                EXPECT_TRUE(o.value("narration").isNull());
            QString text = o.value("text").toString();
            int words = text.split(' ', Qt::SkipEmptyParts).size();
            EXPECT_GE(words, 60) << expected.picture;
            EXPECT_LE(words, 130) << expected.picture;
            EXPECT_FALSE(o.value("title").toString().isEmpty());
            // and in each other language, of about the English length (the picture's room)
            const QJsonObject languages = o.value("languages").toObject();
            for (const char *language : kLanguages) {
                if (std::string_view(language) == "en") continue;
                const QJsonObject t = languages.value(language).toObject();
                EXPECT_FALSE(t.value("title").toString().isEmpty()) << language << " " << expected.picture;
                EXPECT_FALSE(t.value("dates").toString().isEmpty()) << language << " " << expected.picture;
                const qsizetype length = t.value("text").toString().size();
                EXPECT_GT(length, text.size() * 9 / 10) << language << " " << expected.picture;
                EXPECT_LT(length, text.size() * 13 / 10) << language << " " << expected.picture;
            }
        }
        EXPECT_TRUE(found) << "no text for picture " << expected.picture;
    }
}

TEST(LessonFonts, AreBundledWithTheirLicence) {
    for (const char *name : {"EBGaramond12-Regular.otf", "EBGaramond12-Italic.otf",
                             "EBGaramond12-Bold.otf", "OFL.txt"}) {
        auto bytes = readFile(kResources + "/fonts/" + name);
        EXPECT_GT(bytes.size(), 1000u) << name;
    }
    auto ofl = readFile(kResources + "/fonts/OFL.txt");
    std::string text(ofl.begin(), ofl.end());
    EXPECT_NE(text.find("SIL OPEN FONT LICENSE Version 1.1"), std::string::npos);
}

}  // namespace
