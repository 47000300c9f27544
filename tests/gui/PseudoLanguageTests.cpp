// The window in a made-up language that marks every text it translates: any
// word a player could read that is not marked never passed the catalogue, so
// no translation could reach it.
#include <QAccessible>
#include <QLocale>
#include <QTranslator>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <functional>

#include "qtcommon/Languages.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
};

// What is left of a text once every marked part is taken out, marks nested in
// marks included: it should hold no letter.
QString unmarked(QString text) {
    static const QRegularExpression innermost(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    return text;
}

bool hasLetter(const QString& text) {
    for (QChar c : text)
        if (c.isLetter()) return true;
    return false;
}

void collect(QAccessibleInterface* i, QStringList& texts, int depth = 0) {
    if (!i || depth > 12) return;
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        if (const QString s = i->text(t); !s.isEmpty()) texts << s;
    for (int c = 0; c < i->childCount(); ++c) collect(i->child(c), texts, depth + 1);
}

// Each of the advisor's messages and questions, its title and words, kept in
// `texts` before the harness answers it.
void recordAdvisor(Harness& h, QStringList& texts) {
    auto answer = h.window->advisor().beforeExec;
    h.window->advisor().beforeExec = [&texts, answer](AdvisorDialog& d) {
        texts << d.windowTitle();
        collect(QAccessible::queryAccessibleInterface(&d), texts);
        answer(d);
    };
}

struct PseudoLanguage {
    PseudoLanguage() {
        testApp();
        // Any language but English: the window then translates names and numbers too.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCoreApplication::installTranslator(&marking);
    }
    ~PseudoLanguage() {
        QCoreApplication::removeTranslator(&marking);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    MarkingTranslator marking;
};

TEST(PseudoLanguage, EveryWordOfTheScreenItsReportsNewsAndAdvisorComesThroughTheCatalogue) {
    PseudoLanguage language;
    Harness h;
    QStringList advisorTexts;
    recordAdvisor(h, advisorTexts);
    h.window->show();
    h.window->newsDesk().setEnabled(true);
    // A year played: the reports, the year's news over the map, the chronicle.
    const Province& italia = h.game.findProvince("Italia");
    const MapRect r = italia.hitRects.front();
    h.window->pointerMove(Harness::layoutOf((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    h.window->rightRelease(QPoint());
    ASSERT_TRUE(h.screen.newsPanel().isShown());
    h.window->grab();
    QStringList texts;
    collect(QAccessible::queryAccessibleInterface(h.window.get()), texts);
    for (const view::NewsPanel::Line& l : h.screen.newsPanel().lines) texts << l.text;
    texts << h.screen.newsPanel().title << h.screen.newsPanel().footer;
    for (const GameScreen::TextLine& l : h.screen.economicReportLines()) texts << l.text;
    for (const GameScreen::TextLine& l : h.screen.militaryReportLines()) texts << l.text;
    for (const GameScreen::TextLine& l : h.screen.provinceInfo(&italia).texts) texts << l.text;
    texts << advisorTexts;
    ASSERT_GT(texts.size(), 40);
    QStringList leaks;
    for (QString t : texts) {
        // Options > Language names each language in its own words.
        for (const Language& l : languages()) t.remove(l.nativeName);
        if (hasLetter(unmarked(t))) leaks << t;
    }
    EXPECT_TRUE(leaks.isEmpty()) << leaks.join(QStringLiteral("\n  ")).toStdString();
}

// Every year of a whole reign, to its end: the news and reports of later
// years, the rare events and the end's own words come through it too.
TEST(PseudoLanguage, NoWordOfAWholeReignEscapesTheCatalogue) {
    PseudoLanguage language;
    Harness h;
    QStringList texts;
    recordAdvisor(h, texts);
    h.window->show();
    h.window->newsDesk().setEnabled(true);
    h.answers.assign(1000, true);  // every offer taken, and the reign goes on after 285
    int years = 0;
    // The results come at 285 and at the end.
    while (h.quits == 0 && h.results < 2 && years++ < 300) {
        // A garrison everywhere and a full treasury, so that the reign reaches its last years.
        h.game.romans.treasury = 100000;
        for (Province* p : std::vector<Province*>(h.game.romans.provinces.begin(), h.game.romans.provinces.end()))
            if (const int held = h.game.romans.countLegionsIn(*p); held < 3) h.game.romans.addLegions(*p, 3 - held);
        h.window->endTurn();
        for (const view::NewsPanel::Line& l : h.screen.newsPanel().lines) texts << l.text;
        texts << h.screen.newsPanel().title << h.screen.newsPanel().footer;
        for (const GameScreen::TextLine& l : h.screen.economicReportLines()) texts << l.text;
        for (const GameScreen::TextLine& l : h.screen.militaryReportLines()) texts << l.text;
    }
    collect(QAccessible::queryAccessibleInterface(h.window.get()), texts);
    EXPECT_EQ(h.results, 2) << "the whole reign, to 476";
    QStringList leaks;
    for (QString t : texts) {
        for (const Language& l : languages()) t.remove(l.nativeName);
        if (hasLetter(unmarked(t)) && !leaks.contains(t)) leaks << t;
    }
    EXPECT_TRUE(leaks.isEmpty()) << years << " years; " << leaks.join(QStringLiteral("\n  ")).toStdString();
}

}  // namespace
