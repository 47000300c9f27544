// The committed catalogues as a player meets them: every entry translated and
// finished, each translation keeping its source's places, plural forms and
// keyboard letter, and every letter of them in the bundled fonts.
#include <QFile>
#include <QLocale>
#include <QGuiApplication>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <vector>

#include "client/BuiltInCatalogues.h"
#include "client/Catalogue.h"
#include "client/ScreenText.h"

namespace {

struct Entry {
    QString context, source;
    bool numerus = false;
    QString type;          // "unfinished", "vanished"... or empty
    QStringList forms;     // the translation, or its plural forms
};

QString catalogue(const QString& lang) {
    return QStringLiteral(AUROVANE_SOURCE_DIR "/translations/aurovane_%1.ts").arg(lang);
}

std::vector<Entry> readCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Entry> entries;
    QString context;
    // A carriage return is written as <byte value="xd"/> inside a text.
    auto readText = [&xml] {
        QString text;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters()) text += xml.text();
            else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value("value").mid(1).toInt(nullptr, 16));
            else if (xml.isEndElement() && xml.name() != QLatin1String("byte")) break;
        }
        return text;
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) {
            entries.push_back({context, {}, xml.attributes().value("numerus") == QLatin1String("yes")});
        } else if (xml.name() == QLatin1String("source")) entries.back().source = readText();
        else if (xml.name() == QLatin1String("translation")) {
            entries.back().type = xml.attributes().value("type").toString();
            if (!entries.back().numerus) entries.back().forms << readText();
        } else if (xml.name() == QLatin1String("numerusform")) entries.back().forms << readText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

QSet<QString> places(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression place(QStringLiteral("%(\\d|n)"));
    for (auto it = place.globalMatch(text); it.hasNext();) found << it.next().captured();
    return found;
}

// The keyboard letter of a menu text: "&File" has one, "Fish && Chips" and
// the help page's "&gt;" none.
int accelerators(QString text) {
    static const QRegularExpression entity(QStringLiteral("&[a-z]+;"));
    return int(text.remove(QStringLiteral("&&")).remove(entity).count(QLatin1Char('&')));
}

// Qt's plural rules give these languages two forms: one, and the rest.
const std::map<QString, int> Languages = {{"de", 2}, {"fr", 2}, {"it", 2}, {"es", 2}};

TEST(Catalogues, EveryLanguageIsWholeAndKeepsItsSourcesPlacesPluralsAndKeys) {
    const std::vector<Entry> english = readCatalogue(catalogue("en"));
    ASSERT_GT(english.size(), 300u);
    for (const auto& [lang, numerusForms] : Languages) {
        const std::vector<Entry> entries = readCatalogue(catalogue(lang));
        ASSERT_EQ(entries.size(), english.size()) << lang.toStdString();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            const std::string where = lang.toStdString() + " " + e.context.toStdString() + ": " + e.source.toStdString();
            EXPECT_EQ(e.context, english[i].context) << where;
            EXPECT_EQ(e.source, english[i].source) << where;
            EXPECT_TRUE(e.type.isEmpty()) << where << " is " << e.type.toStdString();
            ASSERT_EQ(e.forms.size(), e.numerus ? numerusForms : 1) << where;
            for (int f = 0; f < e.forms.size(); ++f) {
                const QString& t = e.forms[f];
                EXPECT_FALSE(t.trimmed().isEmpty()) << where;
                // A singular may spell its number out ("Eine Legion"); every other form shows it.
                QSet<QString> wanted = places(e.source);
                if (e.numerus && f == 0) wanted.remove(QStringLiteral("%n"));
                QSet<QString> have = places(t);
                if (e.numerus && f == 0) have.remove(QStringLiteral("%n"));
                EXPECT_EQ(have, wanted) << where << " -> " << t.toStdString();
                EXPECT_EQ(accelerators(t), accelerators(e.source)) << where << " -> " << t.toStdString();
                // The screen wraps the lines; a translation breaks only between paragraphs.
                EXPECT_FALSE(QString(t).remove(QStringLiteral("\n\n")).contains(QLatin1Char('\n'))) << where;
            }
        }
    }
}

TEST(Catalogues, TheBundledFontsDrawEveryLetterOfEveryLanguage) {
    int argc = 1;
    char name[] = "catalogue-tests";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSet<QChar> letters;
    for (const QString& lang : {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it"),
                                QStringLiteral("es")})
        for (const Entry& e : readCatalogue(catalogue(lang)))
            for (const QString& text : e.forms + QStringList{e.source})
                for (QChar c : text)
                    if (!c.isSpace() && c.category() != QChar::Other_Control) letters << c;
    ASSERT_TRUE(letters.contains(QChar(0x00DF)));  // the German sharp s is among them
    // The spaces the languages group thousands with (French: U+202F), which a
    // space test above would pass over, and the no-break space.
    QString groups = QStringLiteral("\u00a0");
    for (const char* lang : {"de", "fr", "it", "es"}) {
        std::string problem;
        for (QChar c : QString::fromStdString(Catalogue::read(builtInCatalogue(lang), problem).number(10200)))
            if (!c.isDigit()) groups += c;
    }
    ASSERT_TRUE(groups.contains(QChar(0x202F)));
    // The faces the window and the editor draw in.
    for (const char* face : {"EBGaramond12-Regular.otf", "EBGaramond12-Bold.otf", "EBGaramond12-Italic.otf"}) {
        const QRawFont font(QStringLiteral(AUROVANE_SOURCE_DIR "/game/resources/fonts/") + QLatin1String(face), 16);
        ASSERT_TRUE(font.isValid()) << face;
        QString missing;
        for (QChar c : letters)
            if (!font.supportsCharacter(c)) missing += c;
        EXPECT_TRUE(missing.isEmpty()) << face << " lacks " << missing.toStdString();
    }
    // The reports' sums are drawn in the regular face.
    const QRawFont regular(QStringLiteral(AUROVANE_SOURCE_DIR "/game/resources/fonts/EBGaramond12-Regular.otf"), 16);
    for (QChar c : groups) EXPECT_TRUE(regular.supportsCharacter(c)) << "U+" << std::hex << int(c.unicode());
}

}  // namespace

// The page and the terminal read the same catalogues in their plain form: each
// entry as the window finds it, and numbers and plurals as Qt writes them.
TEST(Catalogues, ThePlainFormTheTerminalAndThePageReadHoldsEveryEntryAsTheWindowHasIt) {
    for (const auto& [lang, numerusForms] : Languages) {
        std::string problem;
        const Catalogue plain = Catalogue::read(builtInCatalogue(lang.toStdString()), problem);
        ASSERT_EQ(problem, "") << lang.toStdString();
        ASSERT_EQ(plain.language(), lang.toStdString());
        for (const Entry& e : readCatalogue(catalogue(lang))) {
            const std::string context = e.context.toStdString(), source = e.source.toStdString();
            if (!e.numerus) {
                EXPECT_EQ(plain.text(context, source), e.forms.front().toStdString()) << source;
                continue;
            }
            // Qt's rules: French takes the singular for none and one, the others for one alone.
            const int zeroForm = lang == QLatin1String("fr") ? 0 : 1;
            EXPECT_EQ(plain.counted(context, source, 0), QString(e.forms[zeroForm]).replace("%n", "0").toStdString());
            EXPECT_EQ(plain.counted(context, source, 1), QString(e.forms[0]).replace("%n", "1").toStdString());
            EXPECT_EQ(plain.counted(context, source, 12), QString(e.forms[1]).replace("%n", "12").toStdString());
        }
        const QLocale locale(lang);
        for (long long n : {0LL, 7LL, 999LL, 1000LL, 9999LL, 10200LL, 123456LL, 1234567LL, -1500LL, -12345678LL})
            EXPECT_EQ(plain.number(n), locale.toString(n).toStdString()) << lang.toStdString() << " " << n;
        EXPECT_EQ(plain.screenText("%1", {{"Xa, Yb, Zc"}}), locale.createSeparatedList({"Xa", "Yb", "Zc"}).toStdString());
    }
    EXPECT_EQ(Catalogue().text("Names", "Italia"), "Italia");
    EXPECT_EQ(Catalogue().number(10200), "10200");
}
