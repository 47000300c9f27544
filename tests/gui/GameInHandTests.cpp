// Whatever replaces the game (a new game, a restart after a defeat, a
// scenario, a load, Continue), the screen shows the game in hand at once:
// nothing of the last one's year's news, flashes, carry or information line.
// And what the window shows of results, files and questions.
#include <gtest/gtest.h>
#include <QFileInfo>
#include <QLocale>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "qtcommon/Languages.h"
#include "game/src/QuizDialog.h"

namespace {

Province& P(Game& g, const char* name) { return g.findProvince(name); }

// What the last game leaves when the screen is not brought up to date.
void leaveStaleScreen(Harness& h) {
    h.window->newsDesk().setEnabled(true);
    view::NewsPanel stale;
    stale.title = QStringLiteral("The year 249 AD");
    stale.lines.push_back({QStringLiteral("The plague still rages"), view::NewsPanel::Tone::Bad});
    h.screen.setNewsPanel(stale);
    h.screen.setFlashed({&P(h.game, "Mesopotamia")});
    h.screen.setNotice(QStringLiteral("a refusal of the last game"));
    h.screen.paintScreen();
}

// The window's screen is exactly a screen composed afresh for the game in hand.
void expectGameInHand(Harness& h, const std::string& step) {
    EXPECT_FALSE(h.screen.newsPanel().isShown()) << step;
    EXPECT_TRUE(h.screen.notice().isEmpty()) << step;
    GameScreen fresh(h.game, h.pictures);
    fresh.buildRegions();
    fresh.setLayout(h.screen.layoutSize(), h.screen.front().scale());
    fresh.setChronicle(&h.window->newsDesk().news().chronicle());
    fresh.decorate = h.screen.decorate;
    fresh.paintScreen();
    EXPECT_TRUE(h.screen.front().image() == fresh.front().image()) << step << ": the screen shows the last game";
}

void loseEveryProvince(Game& game) {
    for (Province* p : std::vector<Province*>(game.romans.provinces.begin(), game.romans.provinces.end()))
        game.transferProvince(game.barbarians, *p, &game.romans);
    game.romans.deleteAllLegions();
}

}  // namespace

TEST(GameInHand, EveryWayOfReplacingTheGameRedrawsTheWholeScreenAtOnce) {
    Harness h;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kept.avn"));
    h.window->chooseFile = [&](bool) { return path; };

    leaveStaleScreen(h);
    h.answers = {true};
    h.window->chooseNewGame();
    expectGameInHand(h, "new game");

    h.window->rightRelease({});  // a year played, and kept for Continue
    ASSERT_TRUE(h.game.saveToFile(QFile::encodeName(path).toStdString()).ok);
    leaveStaleScreen(h);
    h.answers = {true};
    h.window->startScenario(Command::Scenario410);
    expectGameInHand(h, "scenario");

    leaveStaleScreen(h);
    ASSERT_TRUE(h.window->openFile(path));
    expectGameInHand(h, "load");

    leaveStaleScreen(h);
    h.window->continueLastGame();
    expectGameInHand(h, "continue");

    // Defeated, "Tenta iterum?" Yes: the new 235 AD game, nothing of the lost one.
    leaveStaleScreen(h);
    loseEveryProvince(h.game);
    h.answers = {true};
    h.window->endTurn();
    ASSERT_EQ(h.game.year(), 235);
    EXPECT_EQ(h.results, 1) << "a lost reign shows its results too";
    expectGameInHand(h, "restart");
}

TEST(GameInHand, QuittingWithTheYearsOrdersAsksFirst) {
    Harness h;
    h.window->action(Command::Exit)->trigger();
    EXPECT_EQ(h.quits, 1) << "nothing to lose: no question";
    EXPECT_TRUE(h.asked.empty());

    Harness g;
    // One legion of Italia's five into Dalmatia: an order the year would lose.
    g.window->giveOrder({CarryOrder::Kind::Move, &P(g.game, "Italia"), &P(g.game, "Dalmatia")});
    ASSERT_TRUE(g.window->gameInProgress());
    g.answers = {false};
    g.window->action(Command::Exit)->trigger();
    ASSERT_EQ(g.asked.size(), 1u);
    EXPECT_EQ(g.quits, 0) << "No keeps the game";
    g.answers = {true};
    g.window->close();
    EXPECT_EQ(g.asked.size(), 2u) << "the close box asks too";
    EXPECT_EQ(g.quits, 1);
}

TEST(GameInHand, FileProblemsInPlainWordsWithTheReadersDetail) {
    Harness h;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const std::string before = h.game.eventLog.empty() ? "" : h.game.eventLog.back();
    const int turn = h.game.turn;
    EXPECT_FALSE(h.window->openFile(write("letter.avn", "Dear students,\nthe quiz is on Friday.\n")));
    EXPECT_FALSE(h.window->openFile(write("short.avn", "3\n75000\n")));
    EXPECT_FALSE(h.window->openFile(dir.filePath(QStringLiteral("missing.avn"))));
    ASSERT_EQ(h.told.size(), 3u);
    EXPECT_EQ(h.told[0].rfind("This is not an Aurovane saved game.\n\n", 0), 0u) << h.told[0];
    EXPECT_NE(h.told[0].find("\"Dear students,\" is not a number"), std::string::npos) << "and the detail";
    EXPECT_EQ(h.told[1].rfind("This saved game is cut short", 0), 0u) << h.told[1];
    EXPECT_EQ(h.told[2].rfind("The file could not be opened.", 0), 0u) << h.told[2];
    EXPECT_EQ(h.game.turn, turn) << "the game in hand is untouched";
}

TEST(GameInHand, FileProblemsSpeakTheWindowsLanguageNamesAndAll) {
    Harness h;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString letter = dir.filePath(QStringLiteral("letter.avn")), listed = dir.filePath(QStringLiteral("listed.avn"));
    ASSERT_TRUE(h.game.saveToFile(listed.toStdString()).ok);
    QFile f(listed);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    QString text = QString::fromUtf8(f.readAll());
    // Armenia listed for Rome first: it stays in the Romans' list.
    const QRegularExpression romans(QStringLiteral("Romans-provinces\n(\\d+)"));
    const int count = romans.match(text).captured(1).toInt();
    text.replace(romans, QStringLiteral("Romans-provinces\n%1\nArmenia").arg(count + 1));
    f.resize(0);
    f.write(text.toUtf8());
    f.close();
    QFile l(letter);
    ASSERT_TRUE(l.open(QIODevice::WriteOnly));
    l.write("Dear students,\n");
    l.close();

    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/aurovane_de.qm")));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCoreApplication::installTranslator(&german);
    EXPECT_FALSE(h.window->openFile(letter));
    EXPECT_FALSE(h.window->openFile(listed));
    QCoreApplication::removeTranslator(&german);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_EQ(h.told.size(), 2u);
    EXPECT_EQ(QString::fromStdString(h.told[0]),
              QStringLiteral("Dies ist kein gespeichertes Aurovane-Spiel.\n\nDie Datei lässt sich nicht laden: "
                             "„Dear students,“ ist keine Zahl (erwartet: die Runde) (Zeile 1)."));
    EXPECT_NE(QString::fromStdString(h.told[1]).indexOf(QStringLiteral("Armenien steht in der Liste der Römer, gehört aber immer den Sassaniden")), -1)
        << h.told[1];
}

TEST(GameInHand, EachScenarioIsNamedByTheYearThePlayerTakesOverIn) {
    for (int id : {Command::Scenario260, Command::Scenario308, Command::Scenario410, Command::Scenario455}) {
        Harness h;
        h.answers = {true};
        h.window->action(id)->trigger();
        const QString name = h.window->action(id)->text();
        EXPECT_TRUE(name.endsWith(QStringLiteral("(%1 AD)").arg(h.game.year()))) << name.toStdString();
    }
}

TEST(GameInHand, TheQuizIsAskedAndCheckedInsideTheGame) {
    Harness h;
    QFile page(MainWindow::webPage(QStringLiteral("quiz.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    std::vector<QuizQuestion> questions = quizQuestions(html);
    const std::optional<QuizMarking> marking = quizMarking(html);
    ASSERT_TRUE(marking);
    EXPECT_EQ(marking->passMark, 7);
    ASSERT_GE(questions.size(), 10u) << "every question of the page";
    for (const QuizQuestion& q : questions) EXPECT_EQ(q.answers.size(), 4) << q.question.toStdString();
    EXPECT_EQ(questions[1].answers[questions[1].right], "Valerian");

    QuizDialog quiz(h.window.get(), questions, *marking);
    EXPECT_EQ(quiz.check(), 0);
    EXPECT_TRUE(quiz.score().startsWith(QStringLiteral("You answered 0 of")));
    for (std::size_t i = 0; i < questions.size(); ++i) quiz.choices(i)->button(questions[i].right)->setChecked(true);
    EXPECT_EQ(quiz.check(), int(questions.size()));
    EXPECT_TRUE(quiz.score().endsWith(QStringLiteral("Well done, Princeps!")));
    quiz.startAgain();
    EXPECT_EQ(quiz.choices(0)->checkedId(), -1);
    EXPECT_TRUE(quiz.score().isEmpty());
}

// Every language's quiz page asks the English questions: as many, with as
// many answers, the same one right, the same pass mark, every verdict worded.
TEST(GameInHand, TheQuizOfEveryLanguageAsksTheSameQuestions) {
    const auto read = [](const QString& path) {
        QFile page(path);
        EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromUtf8(page.readAll());
    };
    // the window opens the page of its language, the English one where there is none
    QLocale::setDefault(QLocale(QLocale::Italian));
    EXPECT_TRUE(MainWindow::webPage(QStringLiteral("quiz.html")).endsWith("/it/quiz.html"));
    QLocale::setDefault(QLocale(QLocale::Portuguese));
    const QString folder = QFileInfo(MainWindow::webPage(QStringLiteral("quiz.html"))).absolutePath();
    QLocale::setDefault(QLocale::system());
    EXPECT_FALSE(folder.endsWith("/pt")) << folder.toStdString();
    const std::vector<QuizQuestion> english = quizQuestions(read(folder + "/quiz.html"));
    ASSERT_EQ(english.size(), 10u);
    for (const Language& each : languages()) {
        const QString& language = each.code;
        if (language == QLatin1String("en")) continue;
        const QString path = inLanguage(folder, QStringLiteral("quiz.html"), language);
        ASSERT_TRUE(path.endsWith(language + "/quiz.html")) << path.toStdString();
        const QString html = read(path);
        const std::vector<QuizQuestion> questions = quizQuestions(html);
        ASSERT_EQ(questions.size(), english.size()) << language.toStdString();
        for (std::size_t i = 0; i < questions.size(); ++i) {
            EXPECT_EQ(questions[i].answers.size(), english[i].answers.size()) << language.toStdString() << i;
            EXPECT_EQ(questions[i].right, english[i].right) << language.toStdString() << i;
        }
        const std::optional<QuizMarking> marking = quizMarking(html);
        ASSERT_TRUE(marking) << language.toStdString();
        EXPECT_EQ(marking->passMark, 7);
        for (const QString* words : {&marking->correct, &marking->allRight, &marking->passed, &marking->failed})
            EXPECT_FALSE(words->isEmpty()) << language.toStdString();
        for (const QString* words : {&marking->notQuite, &marking->noAnswer}) EXPECT_TRUE(words->contains("%1"));
        EXPECT_TRUE(marking->score.contains("%1") && marking->score.contains("%2")) << language.toStdString();
        // the other pages of the language beside it
        for (const char* page : {"tutorial.html", "guide.html"})
            EXPECT_TRUE(inLanguage(folder, page, language).endsWith(language + "/" + page)) << page;
    }
}

TEST(GameInHand, ProvincesThatGoOverToTheRebelsAreNotToldAsOverrun) {
    // Valerian's first year: the ends of the empire break away.
    Harness h;
    h.answers = {true};
    h.window->startScenario(Command::Scenario260);
    int defections = 0;
    for (const GameScreen::TextLine& l : h.screen.militaryReportLines()) {
        defections += l.text.endsWith(QStringLiteral(" has gone over to the rebels")) ? 1 : 0;
        if (l.text.endsWith(QStringLiteral(" has been overrun"))) {
            const Empire* holder = h.game.ownerOf(P(h.game, l.text.section(QStringLiteral(" has"), 0, 0).toStdString().c_str()));
            EXPECT_NE(holder, &h.game.rogueRomans) << l.text.toStdString();
        }
    }
    EXPECT_GT(defections, 0);
    // The rules' own log keeps its words.
    bool overrun = false;
    for (const std::string& line : h.game.eventLog) overrun |= line.find("has been overrun") != std::string::npos;
    EXPECT_TRUE(overrun);
}

TEST(GameInHand, ALongLineOfTheYearsNewsWrapsInsideThePlaque) {
    testApp();
    // The rows the plaque covers down the middle of the map.
    auto plaqueHeight = [](const QString& line) {
        view::NewsPanel panel;
        panel.title = QStringLiteral("The year 260 AD");
        panel.lines = {{line, view::NewsPanel::Tone::Bad}};
        panel.footer = QStringLiteral("Click to go on");
        QImage image(view::LayoutWidth, view::LayoutHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        view::drawNewsPanel(p, panel, 0);
        p.end();
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += image.pixel(view::MapLeft + view::MapWidth / 2, y) != qRgb(0, 0, 0) ? 1 : 0;
        return rows;
    };
    const QString thirteen = QStringLiteral(
        "Lost: Britannia, Belgica, Lugdunensis, Aquitania, Narbonensis, Raetia, Pannonia, Dacia, Thracia, "
        "Macedonia, Syria, Aegyptus, Africa");
    EXPECT_GE(plaqueHeight(thirteen), plaqueHeight(QStringLiteral("Lost: Dacia")) + 19) << "the names run on to a second line";
}
