// The Praetorian Prefect's dialogs, the reports, the information line, the
// sound routing and the lesson dialog.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "GuiTestSupport.h"
#include "client/LessonTexts.h"
#include "qtcommon/Languages.h"
#include "qtcommon/MessageCatalogue.h"
#include "qtcommon/RulesText.h"
#include "qtcommon/view/LegionFigures.h"
#include "qtcommon/view/MapDrawing.h"
#include "client/ScreenText.h"

namespace {

// Runs `dialog` modally and does `act` to it once it shows; returns exec's result
// and whether the dialog was still open after `act` (then it is closed by OK/Yes).
template <class Act>
std::pair<bool, int> runDialog(AdvisorDialog& d, Act act) {
    bool stillOpen = false;
    QTimer::singleShot(0, &d, [&] {
        act(d);
        QTimer::singleShot(30, &d, [&] {
            stillOpen = d.isVisible();
            if (stillOpen) (d.okButton() ? d.okButton() : d.yesButton())->click();
        });
    });
    d.exec();
    return {stillOpen, d.answer()};
}

void press(QWidget* w, int key) {
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key(key));
}

}  // namespace

// ----------------------------------------------------------- the dialogs

TEST(AdvisorDialogs, EnterAnswersYes) {
    Harness h;
    AdvisorDialog d(h.window.get(), h.pictures, AdvisorDialog::Question, "Princeps,\n\nShall we?");
    auto [open, answer] = runDialog(d, [](AdvisorDialog& d) { press(&d, Qt::Key_Return); });
    EXPECT_FALSE(open);
    EXPECT_EQ(answer, 3);
    EXPECT_EQ(d.windowTitle(), "Message from the Praetorian Prefect");
}

TEST(AdvisorDialogs, EscapeTheCloseBoxAndEnterOnNoAnswerNo) {
    Harness h;
    for (int how = 0; how < 3; ++how) {
        AdvisorDialog d(h.window.get(), h.pictures, AdvisorDialog::Question, "A question");
        auto [open, answer] = runDialog(d, [how](AdvisorDialog& d) {
            if (how == 0) press(&d, Qt::Key_Escape);
            if (how == 1) d.close();
            if (how == 2) {
                // Tab from Yes to No, then Enter: the focused button answers.
                press(&d, Qt::Key_Tab);
                ASSERT_EQ(d.focusWidget(), d.noButton());
                press(&d, Qt::Key_Return);
            }
        });
        EXPECT_FALSE(open) << how;
        EXPECT_EQ(answer, AdvisorDialog::No) << how;
    }
}

TEST(AdvisorDialogs, OkByEveryMeans) {
    Harness h;
    for (int how = 0; how < 4; ++how) {
        AdvisorDialog d(h.window.get(), h.pictures, AdvisorDialog::Message, "News");
        auto [open, answer] = runDialog(d, [how](AdvisorDialog& d) {
            if (how == 0) press(&d, Qt::Key_Return);
            if (how == 1) press(&d, Qt::Key_Escape);
            if (how == 2) d.close();
            if (how == 3) d.okButton()->click();
        });
        EXPECT_FALSE(open) << how;
        EXPECT_EQ(answer, 2) << how;
    }
}

TEST(AdvisorDialogs, LabelsHoldForOneQuestionOnly) {
    Harness h;
    QStringList labels;
    auto recorder = h.window->advisor().beforeExec;
    h.window->advisor().beforeExec = [&](AdvisorDialog& d) {
        if (d.yesButton()) labels << d.yesButton()->text() + "/" + d.noButton()->text();
        recorder(d);
    };
    h.game.presenter().askWithLabels("Princeps,\r\n\r\nWho shall it be?", "Farmers", "Soldiers");
    h.game.presenter().ask("Princeps,\r\n\r\nAgain?");
    EXPECT_EQ(labels, QStringList({"Farmers/Soldiers", "Yes/No"}));
}

// The rules keep their own words for the terminal protocol; the window shows them mended.
TEST(AdvisorDialogs, TheRulesWordsAreShownInCorrectedEnglish) {
    Harness h;
    h.game.presenter().tell("Princeps,\r\n\r\nThe Visigoth king Aleric is marching on Rome!");
    h.game.presenter().ask("Princeps,\r\n\r\nThe Goths are offering peace for 9 years \r\nin exchange for 16000 sesterces.");
    ASSERT_EQ(h.told.size(), 1u);
    ASSERT_EQ(h.asked.size(), 1u);
    EXPECT_EQ(h.told[0], "Princeps,\n\nThe Visigoth king Alaric is marching on Rome!");
    // The rules' hard line breaks inside a paragraph flow: the dialog wraps.
    EXPECT_EQ(h.asked[0], "Princeps,\n\nThe Goths are offering peace for 9 years in exchange for 16,000 sesterces.");
}

TEST(AdvisorDialogs, TextIsShownAsGivenNeverAsAFormat) {
    Harness h;
    h.game.presenter().tell("Princeps,\r\n\r\n100% of the legions %s %d\r\nrefuse.");
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_EQ(h.told[0], "Princeps,\n\n100% of the legions %s %d refuse.");
}

// A language whose catalogue has two of the rules' messages, one with its
// places in another order.
class TwoMessages : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != "Messages") return {};
        if (QByteArray(source) == englishSource(MessageId::PlagueEnded)) return "Princeps,\r\n\r\nLa peste est finie.";
        if (QByteArray(source) == englishSource(MessageId::PeaceOffer)) return "%3 sesterces, %2 ans: les %1.";
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST(AdvisorDialogs, TheRulesMessagesSpeakTheWindowsLanguage) {
    Harness h;
    const Message peace{MessageId::PeaceOffer, {"Goths", "5", "12000"}};
    const Message riot{MessageId::GrainRiot, {}};
    EXPECT_EQ(translatedText(peace), fromRulesText(englishText(peace))) << "untranslated: the corrected English";
    TwoMessages french;
    QCoreApplication::installTranslator(&french);
    EXPECT_EQ(translatedText(peace), "12000 sesterces, 5 ans: les Goths.");
    h.game.presenter().tell({MessageId::PlagueEnded, {}});
    h.game.presenter().tell(riot);
    QCoreApplication::removeTranslator(&french);
    ASSERT_EQ(h.told.size(), 2u);
    EXPECT_EQ(h.told[0], "Princeps,\n\nLa peste est finie.");
    EXPECT_EQ(QString::fromStdString(h.told[1]), fromRulesText(englishText(riot)));
}

TEST(AdvisorDialogs, CentredOverTheWindowAndScaledWithIt) {
    Harness h;
    h.window->show();
    auto shownSize = [&](const QString& text) {
        AdvisorDialog d(h.window.get(), h.pictures, AdvisorDialog::Message, text);
        QSize size;
        QPoint centre;
        runDialog(d, [&](AdvisorDialog& d) {
            size = d.size();
            centre = d.frameGeometry().center();
        });
        EXPECT_LE((centre - h.window->frameGeometry().center()).manhattanLength(), 2);
        return size;
    };
    const QSize small = shownSize("Princeps,\n\nA short word.");
    const QSize tall = shownSize("Princeps,\n\nA longer message\nover\nmany\nmore\nlines.");
    EXPECT_GT(tall.height(), small.height()) << "sized for its text";
    h.window->resize(2560, 1440);
    const QSize big = shownSize("Princeps,\n\nA short word.");
    EXPECT_GT(big.width(), small.width() * 3 / 2) << "scaled with the window";
}

TEST(AdvisorDialogs, EscapeAndTheCloseBoxMeanNoWhenAskedToDiscardAGame) {
    Harness h;
    for (int how = 0; how < 2; ++how) {
        AdvisorDialog d(h.window.get(), h.pictures, AdvisorDialog::Question, "Discard the current game?");
        auto [open, answer] = runDialog(d, [how](AdvisorDialog& d) {
            if (how == 0) press(&d, Qt::Key_Escape);
            else d.close();
        });
        EXPECT_FALSE(open) << how;
        EXPECT_EQ(answer, AdvisorDialog::No) << how;
    }
}

TEST(AdvisorDialogs, ReportPlaysTheMarchAfterARepaintThenLogs) {
    Harness h;
    int repaints = 0;
    h.sounds.repaint = [&] { ++repaints; };
    const size_t lines = h.game.eventLog.size();
    h.game.report({MessageId::BarbariansSighted, {"Goths"}}, {MessageId::BarbariansCrossed, {"Goths"}});
    ASSERT_EQ(h.backend.calls.size(), 1u);
    EXPECT_EQ(h.backend.calls[0].name, "IDR_MARCH_SND");
    EXPECT_EQ(h.backend.calls[0].mode, SoundBackend::Mode::Sync);
    EXPECT_EQ(repaints, 1);
    ASSERT_EQ(h.game.eventLog.size(), lines + 1);
    EXPECT_EQ(h.game.eventLog.back(), "The Goths have crossed the frontier!");
}

TEST(Hints, NoGivesOneMessageYesGivesFive) {
    Harness h;
    h.answers = {false};
    h.window->showHints();
    EXPECT_EQ(h.told.size(), 1u);
    h.told.clear();
    h.answers = {true};
    h.window->showHints();
    ASSERT_EQ(h.told.size(), 5u);
    EXPECT_EQ(h.told.back().substr(0, 44), "If at any time you need help, you can refer ");
}

// ------------------------------------------------------------ the reports

namespace {
QStringList texts(const std::vector<GameScreen::TextLine>& lines) {
    QStringList out;
    for (const auto& l : lines) out << l.text;
    return out;
}
}  // namespace

TEST(Reports, LinesOfAKnownPosition) {
    Harness h;
    RomanEmpire& r = h.game.romans;
    r.taxIncome = 120;
    r.legionCost = 120;
    r.treasury = 4000;
    r.plague = false;
    const auto lines = h.screen.economicReportLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].text, "YEAR: 235 AD");
    EXPECT_EQ(lines[0].x, 1110);
    EXPECT_EQ(lines[0].y, 100);
    EXPECT_EQ(lines[1].text, "ECONOMIC REPORT");
    EXPECT_EQ(lines[2].text, "Tax Revenue: 120");
    EXPECT_EQ(lines[3].text, "Legion Cost: 120");
    EXPECT_EQ(lines[4].text, "Net: +0");
    EXPECT_EQ(lines[5].text, "Treasury: 4000");
    EXPECT_EQ(lines[6].text, QStringLiteral("The Empire can support %1 legions").arg(r.legionLimit()));
    EXPECT_EQ(lines[7].text, "Taxes are being collected");
    EXPECT_EQ(lines[8].text, "Legions are being paid");
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].x, 1010);
    EXPECT_EQ(lines[8].y, 280);
    r.legionCost = 150;
    EXPECT_EQ(h.screen.economicReportLines()[4].text, "Net: -30");
}

TEST(Reports, PlagueLinesAreRed) {
    Harness h;
    RomanEmpire& r = h.game.romans;
    r.plague = true;
    r.treasury = 10;
    auto lines = h.screen.economicReportLines();
    EXPECT_EQ(lines[7].text, "The Empire is suffering from a plague.");
    EXPECT_EQ(lines[8].text, "Legion creation and tax collection are slowed!");
    EXPECT_EQ(lines[7].colour, QColor(160, 0, 0));
    EXPECT_EQ(lines[8].colour, QColor(160, 0, 0));
    EXPECT_EQ(lines[6].colour, QColor(Qt::black));
    r.treasury = 0;
    lines = h.screen.economicReportLines();
    EXPECT_EQ(lines[7].text, "The Empire is out of money:");
    EXPECT_EQ(lines[8].text, "The legions are disbanding!");
    EXPECT_EQ(lines[8].colour, QColor(160, 0, 0));
    r.plague = false;
    r.treasury = -500;  // in debt without plague: the ordinary lines
    lines = h.screen.economicReportLines();
    EXPECT_EQ(lines[7].text, "Taxes are being collected");
    EXPECT_EQ(lines[7].colour, QColor(Qt::black));
}

TEST(Reports, MilitaryReportShowsTheReignsNewsUnderTheirYears) {
    Harness h;
    h.game.eventLog = {"kept in the saved game"};
    h.window->newsDesk().startReign();
    h.game.logMessage({MessageId::Overrun, {"first"}});
    h.game.turn = 3;
    h.game.logMessage({MessageId::Overrun, {"second"}});
    const auto lines = h.screen.militaryReportLines();
    EXPECT_EQ(texts(lines), QStringList({"MILITARY REPORT", "Before", "kept in the saved game", "235 AD",
                                         "first has been overrun", "238 AD", "second has been overrun"}));
    EXPECT_EQ(lines[1].y, 345);
    EXPECT_EQ(lines[2].y, 365);

    // More news than the scroll holds: the newest shows, the wheel reads back.
    for (int i = 0; i < 30; ++i) h.game.logMessage({MessageId::Overrun, {"news " + std::to_string(i)}});
    EXPECT_EQ(h.screen.militaryReportLines().back().text, "news 29 has been overrun");
    EXPECT_LE(h.screen.militaryReportLines().back().y, 565) << "clear of the scroll's lower ornament";
    h.window->wheel(QPoint(1100, 400), 5);
    EXPECT_EQ(h.screen.militaryReportLines().back().text, "news 24 has been overrun");
    h.window->wheel(QPoint(500, 400), 5);
    EXPECT_EQ(h.screen.militaryReportLines().back().text, "news 24 has been overrun") << "the wheel over the map scrolls nothing";
    h.window->wheel(QPoint(1100, 400), -99);
    EXPECT_EQ(h.screen.militaryReportLines().back().text, "news 29 has been overrun");
    h.window->wheel(QPoint(1100, 400), 999);
    EXPECT_EQ(h.screen.militaryReportLines()[1].text, "Before") << "scrolled back to the first line";
}

TEST(Reports, RefreshRedrawsTheScrollWhenTheLogChanges) {
    Harness h;
    h.screen.paintScreen();
    const QRect scroll(990, 0, 345, 664);
    const QImage before = h.screen.front().image().copy(scroll);
    h.game.logMessage({MessageId::EnemyDefeated, {"Raetia"}});
    const QImage after = h.screen.front().image().copy(scroll);
    EXPECT_NE(before, after);
}

TEST(InformationLine, CoinPlaces) {
    Harness h;
    auto coins = [&](const char* name) {
        QList<int> out;
        for (auto [x, picture] : h.screen.provinceInfo(&h.game.findProvince(name)).coins) out << picture;
        return out;
    };
    EXPECT_EQ(coins("Britannia"), QList<int>({268, 268, 268, 269}));
    EXPECT_EQ(coins("Aegyptus"), QList<int>({268, 268, 268, 268}));
    EXPECT_EQ(coins("Dacia"), QList<int>({268, 269, 269, 269}));
    EXPECT_EQ(coins("Italia"), QList<int>({268, 268, 269, 269}));
    EXPECT_TRUE(coins("Upper Rhine").isEmpty()) << "a frontier land has no coin places at all";
    const auto info = h.screen.provinceInfo(&h.game.findProvince("Britannia"));
    ASSERT_EQ(info.coins.size(), 4u);
    EXPECT_EQ(info.coins[0].first, 515);
    EXPECT_EQ(info.coins[3].first, 581);
}

TEST(InformationLine, TextsWithAndWithoutAProvince) {
    Harness h;
    EXPECT_EQ(texts(h.screen.provinceInfo(nullptr).texts), QStringList({"Province:", "Tax value:", "Attributes:"}));
    Province& rhine = h.game.findProvince("Upper Rhine");
    const auto t = texts(h.screen.provinceInfo(&rhine).texts);
    EXPECT_EQ(t, QStringList({"Province: Upper Rhine", "Tax value:", "Attributes: Vandal and Frankish territory (hostile)"}));
    rhine.hostility = Friendly;
    EXPECT_EQ(texts(h.screen.provinceInfo(&rhine).texts)[2], "Attributes: Vandal and Frankish territory (friendly)");
    EXPECT_EQ(texts(h.screen.provinceInfo(&h.game.findProvince("Italia")).texts)[2], "Attributes: Supports 1 legion");
    EXPECT_EQ(texts(h.screen.provinceInfo(&h.game.findProvince("Upper Danube")).texts)[2],
              "Attributes: Marcomanni territory (hostile)");
}

// The page shows the same lines as the window, from the same English forms.
TEST(ScreenTexts, TheWindowsUntranslatedLinesAreThePagesEnglish) {
    Harness h;
    h.game.romans.plague = true;
    h.game.eventLog = {"Rome has been plundered", "The Marcommani have abandonned Raetia"};
    std::vector<ScreenTextLine> lines = ::economicReportLines(h.game, 95);
    for (ScreenTextLine& l : ::militaryReportLines(h.game, 95)) lines.push_back(l);
    for (ScreenTextLine& l : legendLines(95)) lines.push_back(l);
    for (ScreenTextLine& l : instructionLines(95)) lines.push_back(l);
    for (const Province* p : h.game.provinceTable)
        for (ScreenTextLine& l : provinceInfoLine(p, 95).texts) lines.push_back(l);
    for (const ScreenTextLine& l : lines) EXPECT_EQ(view::screenText(l).toStdString(), englishText(l)) << l.form;

    // Words are put in as QString::arg puts them, a word's own marks included.
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"a", "b"}, {"%2", "b"}, {"x%1y"}, {"1", "2", "3"}, {}}) {
        QString filled = QStringLiteral("%2 and %1, %1%10 %0 %");
        for (const std::string& w : words) filled = filled.arg(QString::fromStdString(w));
        EXPECT_EQ(fillForm("%2 and %1, %1%10 %0 %", words), filled.toStdString());
    }
}

// --------------------------------------------------------------- sounds

TEST(Sounds, KindsGoToTheirRecordings) {
    RecordingSoundBackend b;
    GameSounds s(b);
    int repaints = 0;
    s.repaint = [&] { ++repaints; };
    for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, -1}) s.playGameSound(static_cast<SoundKind>(kind));
    ASSERT_EQ(b.calls.size(), 5u);
    EXPECT_EQ(b.calls[0].name, "IDR_SWORD_SND");
    EXPECT_EQ(b.calls[1].name, "IDR_MARCH_SND");
    EXPECT_EQ(b.calls[1].mode, SoundBackend::Mode::Sync);
    EXPECT_EQ(b.calls[2].name, "IDR_COUGH_SND");
    EXPECT_EQ(b.calls[3].name, "IDR_PFJ_SND");
    EXPECT_EQ(b.calls[4].name, "IDR_INTRO_SND");
    for (int i : {0, 2, 3, 4}) EXPECT_EQ(b.calls[i].mode, SoundBackend::Mode::Async);
    EXPECT_EQ(repaints, 1);
}

TEST(Sounds, SoundOffIsSilentAndDoesNotRepaint) {
    RecordingSoundBackend b;
    GameSounds s(b);
    int repaints = 0;
    s.repaint = [&] { ++repaints; };
    s.enabled = false;
    for (int kind : {0, 3, 4, 5, 6}) s.playGameSound(static_cast<SoundKind>(kind));
    EXPECT_TRUE(b.calls.empty());
    EXPECT_EQ(repaints, 0);
}

TEST(Sounds, ABattleAnimatesAndSoundsTheSword) {
    Harness h;
    Province& italia = h.game.findProvince("Italia");
    Province& dalmatia = h.game.findProvince("Dalmatia");
    h.screen.paintScreen();
    h.screen.animateMove(italia, dalmatia);
    ASSERT_EQ(h.backend.calls.size(), 1u);
    EXPECT_EQ(h.backend.calls[0].name, "IDR_SWORD_SND");
}

TEST(Sounds, NoAudioDeviceMeansSilenceWithoutWaiting) {
    testApp();
    int waits = 0;
    QtSoundBackend b([&](int) { ++waits; });
    if (b.hasOutput()) GTEST_SKIP() << "this machine has an audio output";
    b.play("IDR_MARCH_SND", SoundBackend::Mode::Sync);
    EXPECT_EQ(waits, 0);
    EXPECT_FALSE(b.isPlaying());
}

// ------------------------------------------------------------ animations

TEST(Animations, ForeignMovesOncePerPairAndTurnRomanEveryTime) {
    Harness h;
    Game& g = h.game;
    h.screen.paintScreen();
    Province& rhine = g.findProvince("Upper Rhine");
    Province& belgica = g.findProvince("Belgica");
    Province& italia = g.findProvince("Italia");
    Province& dalmatia = g.findProvince("Dalmatia");
    auto count330 = [&] {
        return std::count(h.window->recordedPauses.begin(), h.window->recordedPauses.end(), 330);
    };
    h.screen.animateMove(rhine, belgica);
    h.screen.animateMove(rhine, belgica);
    EXPECT_EQ(count330(), 1) << "a second Barbarian move between the same provinces is not animated";
    h.screen.animateMove(italia, dalmatia);
    h.screen.animateMove(italia, dalmatia);
    EXPECT_EQ(count330(), 3) << "every Roman move is";
    h.screen.forgetAnimatedMoves();
    h.screen.animateMove(rhine, belgica);
    EXPECT_EQ(count330(), 4) << "the next turn animates it again";
    // The Barbarian march has 3 frames of 100 ms.
    EXPECT_EQ(std::count(h.window->recordedPauses.begin(), h.window->recordedPauses.end(), 100), 6);
}

TEST(Animations, MoveOutOfAnUnheldProvinceShowsTheCrossedSwords) {
    Harness h;
    h.answers = {true};
    h.window->action(Command::Scenario410)->trigger();
    Province& britannia = h.game.findProvince("Britannia");
    Province& belgica = h.game.findProvince("Belgica");
    h.screen.paintScreen();
    const QImage before = h.screen.front().image();
    h.window->recordedPauses.clear();
    h.screen.animateMove(britannia, belgica);
    EXPECT_EQ(h.window->recordedPauses, std::vector<int>({330}));
    const int mx = (view::figureSpot(britannia).x() + view::figureSpot(belgica).x()) / 2 + 205;
    const int my = (view::figureSpot(britannia).y() + view::figureSpot(belgica).y()) / 2 + 44;
    const QRect swords(mx - 11, my, 23, 23);
    EXPECT_NE(before.copy(swords), h.screen.front().image().copy(swords));
    EXPECT_TRUE(h.screen.wasAnimated("Britannia", "Belgica"));
}

TEST(Animations, DefeatsPlayTheirFrames) {
    Harness h;
    h.screen.paintScreen();
    Province& p = h.game.findProvince("Syria");
    auto frames = [&](Power loser, int delay) {
        h.window->recordedPauses.clear();
        h.screen.animateDefeat(loser, p);
        return std::count(h.window->recordedPauses.begin(), h.window->recordedPauses.end(), delay);
    };
    EXPECT_EQ(frames(Power::Romans, 150), 3);
    EXPECT_EQ(frames(Power::RogueRomans, 100), 2);
    EXPECT_EQ(frames(Power::Sassanids, 100), 6);
    EXPECT_EQ(frames(Power::Barbarians, 100), 4);
}

// The client's steps, played by the window on a wide screen, show the very
// areas with the very pauses the window's own march always had: the frames
// carried in even steps (Qt's rounding) from the figure halfway to the target.
TEST(Animations, TheWindowPlaysAMarchWhereAndAsLongAsItAlwaysDid) {
    Harness h;
    h.screen.setLayout(QSize(1600, 672), 1.0);
    const int o = h.screen.screenOffsetX();
    ASSERT_GT(o, 0);
    h.screen.paintScreen();
    Province& italia = h.game.findProvince("Italia");
    Province& dalmatia = h.game.findProvince("Dalmatia");
    std::vector<QRect> shown;
    h.screen.present = [&](const QRegion& r) { shown.push_back(r.boundingRect()); };
    h.window->recordedPauses.clear();
    h.screen.animateMove(italia, dalmatia);
    const QPoint start = view::legionSpot(italia, o);
    const QPoint d = view::legionSpot(dalmatia, o) - start;
    const QPoint end = start + QPoint((d.x() + (d.x() < 0 ? -1 : 1)) / 2, (d.y() + (d.y() < 0 ? -1 : 1)) / 2);
    // The screen was painted just before: composing it afresh shows nothing new.
    std::vector<QRect> expected;
    QRect previous;
    for (int i = 0; i <= 8; ++i) {
        const QRect here(start + (end - start) * i / 8, QSize(35, 65));
        expected.push_back(previous.isNull() ? here : previous.united(here));
        previous = here;
    }
    EXPECT_EQ(shown, expected);
    std::vector<int> pauses(9, 50);
    pauses.push_back(330);
    EXPECT_EQ(h.window->recordedPauses, pauses);
}

TEST(Animations, TurnBannerRestoresWhatItCovered) {
    Harness h;
    h.screen.paintScreen();
    const QImage before = h.screen.front().image();
    h.screen.showTurnBanner();
    EXPECT_EQ(h.window->recordedPauses, std::vector<int>({500}));
    EXPECT_EQ(h.screen.front().image(), before);
}

// ---------------------------------------------------------------- lessons

TEST(Lessons, ToggleStopAndPlayAgainFromTheStart) {
    Harness h;
    LessonDialog d(h.window.get(), h.pictures, h.sounds, 249);
    EXPECT_TRUE(h.backend.calls.empty());
    d.clickAt({75, 18});
    EXPECT_TRUE(d.narrationPlaying());
    ASSERT_EQ(h.backend.calls.size(), 1u);
    EXPECT_EQ(h.backend.calls[0].name, "IDR_ADRIANOPLE");
    EXPECT_EQ(h.backend.calls[0].mode, SoundBackend::Mode::Async);
    d.clickAt({99, 42});
    EXPECT_FALSE(d.narrationPlaying());
    EXPECT_EQ(h.backend.stops, 1);
    d.clickAt({80, 30});
    EXPECT_TRUE(d.narrationPlaying());
    EXPECT_EQ(h.backend.calls.size(), 2u) << "played again from the beginning";
    d.clickAt({100, 18});
    d.clickAt({75, 43});
    d.clickAt({74, 20});
    EXPECT_TRUE(d.narrationPlaying());
    EXPECT_EQ(h.backend.calls.size(), 2u);
    EXPECT_EQ(h.backend.stops, 1);
}

TEST(Lessons, TheKeyboardPlaysAndStopsTheNarrationAndAReaderHearsTheWords) {
    Harness h;
    LessonDialog d(h.window.get(), h.pictures, h.sounds, 249);
    EXPECT_TRUE(d.accessibleDescription().contains("Adrianople")) << d.accessibleDescription().toStdString();
    d.show();
    d.narrationButton()->setFocus();
    // Enter presses the focused button, not Close; Space too.
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_TRUE(d.narrationPlaying());
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(d.narrationButton(), Qt::Key_Space);
    EXPECT_FALSE(d.narrationPlaying());
    EXPECT_EQ(d.narrationButton()->text(), "&Play narration");
    d.closeButton()->setFocus();
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
}

TEST(Lessons, ClosingStopsTheNarrationWhateverTheSoundOption) {
    Harness h;
    h.sounds.enabled = false;
    LessonDialog d(h.window.get(), h.pictures, h.sounds, 162);
    QTimer::singleShot(0, &d, [&] {
        d.clickAt({80, 25});
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&d, &esc);
    });
    d.exec();
    ASSERT_EQ(h.backend.calls.size(), 1u);
    EXPECT_EQ(h.backend.calls[0].name, "IDR_MAXIMINUS_THRAX");
    EXPECT_FALSE(d.narrationPlaying());
    EXPECT_FALSE(h.backend.playing);
    EXPECT_GE(h.backend.stops, 1);
}

TEST(Lessons, IntroductionLoopsItsMusicUntilClosed) {
    Harness h;
    LessonDialog d(h.window.get(), h.pictures, h.sounds, 266);
    ASSERT_EQ(h.backend.calls.size(), 1u);
    EXPECT_EQ(h.backend.calls[0].name, "IDR_INTRO_SND");
    EXPECT_EQ(h.backend.calls[0].mode, SoundBackend::Mode::Loop);
    d.clickAt({80, 25});  // no button on the introduction
    EXPECT_EQ(h.backend.calls.size(), 1u);
    EXPECT_TRUE(h.backend.playing);
    QTimer::singleShot(0, &d, [&] { d.close(); });
    d.exec();
    EXPECT_FALSE(h.backend.playing);
}

// The windows' language for the length of a test.
struct WindowsLanguage {
    explicit WindowsLanguage(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
    ~WindowsLanguage() { QLocale::setDefault(QLocale::system()); }
};

TEST(Lessons, ToldInTheWindowsLanguageWithTheEnglishOnesWhereItHasNone) {
    Harness h;
    view::Pictures bundled;
    bundled.load();
    {
        WindowsLanguage german(QLocale::German);
        EXPECT_EQ(uiLanguage(), "de");
        LessonDialog d(h.window.get(), h.pictures, h.sounds, 161);
        EXPECT_EQ(d.accessibleName(), QString::fromUtf8("Konstantin der Große"));
        EXPECT_TRUE(d.accessibleDescription().contains("Milvischen")) << d.accessibleDescription().toStdString();
        d.clickAt({80, 25});
        ASSERT_EQ(h.backend.calls.size(), 1u);
        EXPECT_EQ(h.backend.calls[0].name, "de/IDR_CONSTANTINE");
        const view::Graphic& picture = bundled.graphic(161, uiLanguage());
        EXPECT_NE(&picture, &bundled.graphic(161));
        EXPECT_TRUE(picture.isLoaded() && picture.hasSharpTwin());
    }
    for (const auto language : {QLocale::French, QLocale::Italian, QLocale::Spanish}) {
        WindowsLanguage other(language);
        EXPECT_EQ(uiLanguage(), QLocale(language).name().left(2));
        EXPECT_EQ(GameSounds::narrationFor(249, uiLanguage()), uiLanguage() + "/IDR_ADRIANOPLE");
        EXPECT_TRUE(bundled.graphic(249, uiLanguage()).isLoaded());
    }
    // A language the game is not told in: English, everywhere.
    WindowsLanguage portuguese(QLocale::Portuguese);
    EXPECT_EQ(uiLanguage(), "en");
    LessonDialog d(h.window.get(), h.pictures, h.sounds, 161);
    EXPECT_EQ(d.accessibleName(), "Constantine I");
    EXPECT_EQ(GameSounds::narrationFor(161, QStringLiteral("pt")), "IDR_CONSTANTINE");
    EXPECT_EQ(&bundled.graphic(161, QStringLiteral("pt")), &bundled.graphic(161));
    EXPECT_EQ(lessonTextOfYear(313, "pt"), lessonTextOfYear(313));
}

TEST(Lessons, ShownAtTheirYearsWithTheZoomTwice) {
    Harness h;
    h.window->recordedPauses.clear();
    h.window->showLesson(378);
    EXPECT_EQ(h.lessons, std::vector<int>({249}));
    EXPECT_EQ(std::count(h.window->recordedPauses.begin(), h.window->recordedPauses.end(), 50), 20);
    h.window->showLesson(377);
    EXPECT_EQ(h.lessons.size(), 1u);
}

// ---------------------------------------------------------------- results

TEST(Results, CountsStandBesideTheirLabels) {
    Harness h;
    h.game.invasionCount = 7;
    h.game.plagueCount = 2;
    h.game.rebellionCount = 11;
    QImage shown;
    h.window->resultsShown = nullptr;  // the real dialog, closed as soon as it is drawn
    h.window->resize(1366, 768);       // where it is shown unscaled
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = dynamic_cast<PictureDialog*>(w); d && d->isVisible()) {
                shown = d->grab().toImage();
                d->accept();
            }
    });
    h.window->showResults();
    ASSERT_FALSE(shown.isNull());
    PictureDialog bare(h.window.get(), h.pictures, 250, QSize(600, 400), "Results", false, 0);
    EXPECT_EQ(bare.pictureRect(), QRect(0, 0, 600, 400));
    ASSERT_NE(bare.closeButton(), nullptr);
    EXPECT_GE(bare.closeButton()->y(), 400) << "a Close button under the picture";
    const QImage plain = bare.grab().toImage();
    for (int y : {127, 168, 210})
        EXPECT_NE(shown.copy(QRect(430, y, 24, 18)), plain.copy(QRect(430, y, 24, 18))) << "count at y " << y;
    // Nothing else of the picture changes.
    EXPECT_EQ(shown.copy(QRect(0, 0, 420, 400)), plain.copy(QRect(0, 0, 420, 400)));
}

// A picture folder of its own: walk frames red on their left half only, so
// that a mirrored frame shows red on the right.
TEST(Animations, MarchesWalkTowardTheTargetFacingTheirWay) {
    Harness h;
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    auto frames = [&](int first, QSize size) {
        for (int id = first; id < first + 8; ++id) {
            QImage img(size, QImage::Format_ARGB32);
            img.fill(Qt::transparent);
            QPainter(&img).fillRect(QRect(0, 0, size.width() / 2, size.height()), Qt::red);
            ASSERT_TRUE(img.save(root.filePath(QStringLiteral("%1.png").arg(id))));
        }
    };
    frames(400, QSize(35, 65));
    frames(410, QSize(43, 60));
    h.pictures.load(root.path());
    Game& g = h.game;
    // Which half of the last frame is red; it stands halfway to the target.
    auto redSide = [&](Province& from, Province& to, int width) {
        const QPoint start = view::legionSpot(from, 0);
        const QPoint at = start + (view::legionSpot(to, 0) - start) / 2;
        const QImage img = h.screen.front().image();
        const bool left = QColor(img.pixel(at.x() + 3, at.y() + 20)) == QColor(Qt::red);
        const bool right = QColor(img.pixel(at.x() + width - 3, at.y() + 20)) == QColor(Qt::red);
        return left && !right ? 'L' : right && !left ? 'R' : '?';
    };
    Province& italia = g.findProvince("Italia");       // legion spot x 295
    Province& dalmatia = g.findProvince("Dalmatia");   // legion spot x 390
    std::vector<QRect> shown;
    QImage composed;
    auto march = [&](Province& from, Province& to) {
        h.screen.paintScreen();
        composed = h.screen.front().image();
        shown.clear();
        const auto present = h.screen.present;
        h.screen.present = [&](const QRegion& r) {
            shown.push_back(r.boundingRect());
            present(r);
        };
        h.screen.animateMove(from, to);
        h.screen.present = present;
    };
    march(italia, dalmatia);
    EXPECT_EQ(redSide(italia, dalmatia, 35), 'L') << "a Roman marching east is drawn as painted";
    // Nothing changed since the last paint, so only the nine steps are shown.
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_LT(shown.front().left(), shown.back().left()) << "he walks east, step by step";
    // Italia's other legions stand where they stood as one of them steps out.
    const QRect home(view::legionSpot(italia, 0), QSize(35, 65));
    EXPECT_EQ(h.screen.front().image().copy(home), composed.copy(home));
    march(dalmatia, italia);
    EXPECT_EQ(redSide(dalmatia, italia, 35), 'R') << "a Roman marching west is mirrored";
    // The Barbarian pictures face the other way: mirrored when marching east.
    g.transferProvince(g.barbarians, dalmatia, &g.romans);
    march(dalmatia, g.findProvince("Thracia"));  // 390 -> 470
    EXPECT_EQ(redSide(dalmatia, g.findProvince("Thracia"), 43), 'R');
    EXPECT_EQ(shown.size(), 3u) << "three steps, the screen unchanged before them";
    march(dalmatia, italia);
    EXPECT_EQ(redSide(dalmatia, italia, 43), 'L');
}
