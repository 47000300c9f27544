// The window's input: the pointer, the keys, the menu commands and the pauses.
#include <gtest/gtest.h>

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QMouseEvent>
#include <QTest>
#include <QTextBrowser>

#include "GuiTestSupport.h"
#include "client/FigureStack.h"
#include "game/src/PageViewer.h"
#include "qtcommon/FatalErrors.h"
#include "qtcommon/GameFiles.h"

namespace {

Province& P(Game& g, const char* name) { return g.findProvince(name); }

// Leaves the Romans with exactly `count` ready legions in `province` and none elsewhere.
void onlyRomansIn(Game& g, const char* province, int count) {
    g.romans.deleteAllLegions();
    g.romans.addLegions(province, count);
}

struct Snapshot {
    int turn, treasury, skill;
    std::vector<std::pair<std::string, int>> legions;
    std::vector<std::string> roman;
    static Snapshot of(Game& g) {
        Snapshot s{g.turn, g.romans.treasury, g.skillLevel, {}, {}};
        for (Empire* e : g.empires())
            for (auto& l : e->legions) s.legions.push_back({l->province->name(), l->moved});
        for (Province* p : g.romans.provinces) s.roman.push_back(p->name());
        return s;
    }
    bool operator==(const Snapshot& o) const {
        return turn == o.turn && treasury == o.treasury && skill == o.skill && legions == o.legions && roman == o.roman;
    }
};

}  // namespace

// ------------------------------------------------------------ the pointer

TEST(Pointer, APressPicksUpOnTheFigureToItsLastPixelNotOnTheRulesBoxAlone) {
    Harness h;
    Province& italia = P(h.game, "Italia");
    const view::LayoutRect icon = view::figureIconBox(italia);
    h.window->leftPress(Harness::layoutOf(icon.x + icon.w - 1, icon.y + icon.h - 1));
    EXPECT_EQ(h.window->carry().source(), &italia);
    h.window->leftPress(Harness::layoutOf(icon.x, icon.y));
    EXPECT_EQ(h.window->carry().source(), &italia);
    h.window->leftPress(Harness::layoutOf(icon.x + icon.w, icon.y + 2));
    EXPECT_NE(h.window->carry().source(), &italia);
    // The far corner of the rules' legion box lies on Dalmatia, off the figure.
    h.window->leftPress(Harness::layoutOf(italia.legionX() + 73, italia.legionY() + 59));
    EXPECT_NE(h.window->carry().source(), &italia);
}

TEST(Pointer, OverlappingBoxesTheEarlierProvinceDecidesEvenWhenItRefuses) {
    Harness h;
    // Aquitania (table index 1) and Narbonensis (25) overlap around map (200, 200).
    Province& aquitania = P(h.game, "Aquitania");
    Province& narbonensis = P(h.game, "Narbonensis");
    h.game.romans.deleteAllLegions();
    h.game.romans.addLegions("Narbonensis", 1);
    h.game.romans.addLegions("Aquitania", 1);
    h.window->leftPress(Harness::layoutOf(200, 200));
    EXPECT_EQ(h.window->carry().source(), &aquitania);
    // Aquitania's only unmoved legion is marching along a route: nothing is picked,
    // although Narbonensis below has a ready legion.
    Legion& marcher = *h.game.romans.legions.back();
    ASSERT_EQ(marcher.province, &aquitania);
    marcher.giveRoute(h.game.findRoute(aquitania, P(h.game, "Italia")));
    ASSERT_TRUE(marcher.hasRoute);
    h.window->leftPress(Harness::layoutOf(200, 200));
    EXPECT_EQ(h.window->carry().source(), nullptr);
    (void)narbonensis;
}

TEST(Pointer, ReleaseOnTheSourceProvinceChangesNothing) {
    Harness h;
    onlyRomansIn(h.game, "Italia", 1);
    Province& italia = P(h.game, "Italia");
    const Snapshot before = Snapshot::of(h.game);
    h.window->leftPress(Harness::layoutOf(italia.legionX() + 5, italia.legionY() + 5));
    const MapRect r = italia.hitRects.front();
    h.window->leftRelease(Harness::layoutOf(r.left + 5, r.top + 5));
    EXPECT_TRUE(before == Snapshot::of(h.game));
    EXPECT_TRUE(h.window->recordedPauses.empty());
}

TEST(Pointer, DropOfTheLastMovableLegionEndsTheTurn) {
    Harness h;
    onlyRomansIn(h.game, "Italia", 1);
    Province& italia = P(h.game, "Italia");
    Province& dalmatia = P(h.game, "Dalmatia");
    ASSERT_TRUE(h.game.romans.holds(dalmatia));
    h.window->leftPress(Harness::layoutOf(italia.legionX() + 5, italia.legionY() + 5));
    const MapRect r = dalmatia.hitRects.front();
    h.window->leftRelease(Harness::layoutOf(r.left + 5, r.top + 5));
    EXPECT_EQ(h.game.turn, 1) << "the turn ended without a right click";
    // The enemy-turn banner was shown for its 500 ms.
    const auto& pauses = h.window->recordedPauses;
    EXPECT_NE(std::find(pauses.begin(), pauses.end(), 500), pauses.end());
}

TEST(Pointer, DropThatLeavesLegionsToMoveKeepsTheTurn) {
    Harness h;
    onlyRomansIn(h.game, "Italia", 2);
    Province& italia = P(h.game, "Italia");
    const MapRect r = P(h.game, "Dalmatia").hitRects.front();
    h.window->leftPress(Harness::layoutOf(italia.legionX() + 5, italia.legionY() + 5));
    h.window->leftRelease(Harness::layoutOf(r.left + 5, r.top + 5));
    EXPECT_EQ(h.game.turn, 0);
    EXPECT_EQ(h.game.romans.countLegionsIn(P(h.game, "Dalmatia")), 1);
}

TEST(Pointer, RightReleaseEndsTheTurn) {
    Harness h;
    h.window->rightRelease(QPoint(10, 10));
    EXPECT_EQ(h.game.turn, 1);
}

TEST(Pointer, HoverRedrawsTheInformationLineOnlyWhenTheProvinceChanges) {
    Harness h;
    h.screen.paintScreen();
    const QRect line(185, 595, 780, 23);
    const QImage empty = h.screen.front().image().copy(line);
    const MapRect r = P(h.game, "Britannia").hitRects.front();
    h.window->pointerMove(Harness::layoutOf(r.left + 3, r.top + 3));
    const QImage britannia = h.screen.front().image().copy(line);
    EXPECT_NE(britannia, empty);
    EXPECT_EQ(h.screen.hoveredProvince(), &P(h.game, "Britannia"));
    // Into the sea (map point 10, 520): the bare labels again.
    h.window->pointerMove(Harness::layoutOf(10, 520));
    EXPECT_EQ(h.screen.front().image().copy(line), empty);
    EXPECT_EQ(h.screen.hoveredProvince(), nullptr);
}

TEST(Pointer, WidgetPositionsMapBackToLayoutPixelsAtAnyScale) {
    Harness h;
    ScreenWidget* w = h.window->screenWidget();
    // Half the drawn width with its margins (1336 + 2 x 12); letterboxed vertically.
    w->resize(680, 500);
    const QRectF r = w->targetRect();
    EXPECT_DOUBLE_EQ(r.width(), 683.0);
    EXPECT_DOUBLE_EQ(r.height(), 336.0);
    // Even margins: 6 pixels left of the legend and right of the scroll.
    EXPECT_DOUBLE_EQ(r.x(), 6.0);
    EXPECT_DOUBLE_EQ(r.x() + 1336 * 0.5, 680.0 - 6.0);
    EXPECT_DOUBLE_EQ(r.y() + 332 * 0.5, 250.0) << "the drawn height is centred";
    EXPECT_EQ(w->toLayout(QPointF(r.x(), r.y())), QPoint(0, 0));
    EXPECT_EQ(w->toLayout(QPointF(r.x() + 90.0, r.y() + 15.0)), QPoint(180, 30));
    EXPECT_EQ(w->toLayout(QPointF(r.x() + 90.4, r.y() + 15.6)), QPoint(180, 31));
    w->resize(1280, 620);  // a 1280x720 laptop less its title and menu
    const QRectF l = w->targetRect();
    EXPECT_LE(l.width(), 1280.0);
    EXPECT_LE(l.height(), 620.0);
    EXPECT_NEAR(l.width() / l.height(), 1366.0 / 672.0, 1e-9);
}

TEST(Pointer, TheScreenIsShownPixelForPixelAtAFractionalScale) {
    Harness h;
    ScreenWidget* w = h.window->screenWidget();
    // Wider than the drawn area by a fraction: the scale and the origin fall between pixels.
    h.window->resize(1380, 760);
    h.window->show();
    QCoreApplication::processEvents();
    h.screen.paintScreen();
    const QRectF r = w->targetRect();
    ASSERT_NE(r.x(), std::round(r.x()));
    const QImage composed = h.screen.front().image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(composed.width(), int(std::ceil(r.width())));
    const QImage shown = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin(qRound(r.x()), qRound(r.y()));
    const QRect inside = QRect(origin, composed.size()) & shown.rect();
    EXPECT_EQ(shown.copy(inside), composed.copy(inside.translated(-origin))) << "no pixel resampled";
    EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0)) << "the margin stays black";
}

TEST(Keys, PFJTogetherStartTheUprising) {
    Harness h;
    Province& palestina = P(h.game, "Palestina");
    // The People's Front rises against whoever holds Palestina, if not Rome.
    h.game.transferProvince(h.game.sassanids, palestina, &h.game.romans);
    h.game.romans.removeLegionsIn(palestina);
    ASSERT_FALSE(h.game.romans.holds(palestina));
    h.window->keyDown(Qt::Key_P);
    h.window->keyDown(Qt::Key_F);
    h.window->keyUp(Qt::Key_P);
    h.window->keyDown(Qt::Key_J);
    EXPECT_FALSE(h.game.romans.holds(palestina)) << "P was released before J came";
    EXPECT_TRUE(h.told.empty());
    h.window->keyDown(Qt::Key_P);
    EXPECT_TRUE(h.game.romans.holds(palestina));
    EXPECT_EQ(h.game.romans.countLegionsIn(palestina), 5);
    ASSERT_EQ(h.told.size(), 1u);
    ASSERT_FALSE(h.backend.calls.empty());
    EXPECT_EQ(h.backend.calls.back().name, "IDR_PFJ_SND");
}

// -------------------------------------------------------------- the menu

TEST(Menu, TitlesItemsAndIdsInOrder) {
    Harness h;
    QStringList seen;
    std::function<void(QMenu*, const QString&)> walk = [&](QMenu* m, const QString& path) {
        for (QAction* a : m->actions()) {
            if (a->isSeparator()) continue;
            if (a->menu()) walk(a->menu(), path + a->text() + QStringLiteral(" > "));
            // A language's share of translated entries is the catalogue's own business.
            else seen << QString(path + a->text()).remove(QRegularExpression(" \\(\\d+% translated\\)")) +
                             QStringLiteral("=") + a->data().toString();
        }
    };
    for (QAction* top : h.window->menuBar()->actions()) walk(top->menu(), top->text() + QStringLiteral(" > "));
    const QStringList expected = {
        "&File > &New Game=3002", "&File > &Continue Last Game=3003", "&File > &Save=3001", "&File > &Load=3000", "&File > E&xit=105",
        "&Edit > &Undo=4000",
        "&Options > S&kill Level > &Easy=5000", "&Options > S&kill Level > &Normal=5001", "&Options > S&kill Level > &Hard=5002",
        "&Options > &Sound=6000", "&Options > &Year's News=6001", "&Options > &Larger Text=6002",
        "&Options > Lan&guage > English=en", "&Options > Lan&guage > Deutsch=de",
        "&Options > Lan&guage > Fran\u00e7ais=fr", "&Options > Lan&guage > Italiano=it",
        "&Options > Lan&guage > Espa\u00f1ol=es",
        "&Options > S&cenarios > &Valerian (260 AD)=1100",
        "&Options > S&cenarios > &Constantine (306 AD)=1101", "&Options > S&cenarios > H&onorius (409 AD)=1102",
        "&Options > S&cenarios > Valentinian &III (454 AD)=1103",
        "Hi&story > History &Lessons > Maximinus Thrax=2000", "Hi&story > History &Lessons > Three Empires=2002",
        "Hi&story > History &Lessons > Aurelian=2003", "Hi&story > History &Lessons > Diocletian=2004",
        "Hi&story > History &Lessons > Constantine I=2005", "Hi&story > History &Lessons > Battle of Adrianople=2010",
        "Hi&story > History &Lessons > Theodosius I=2009", "Hi&story > History &Lessons > Sack of 410 AD=2006",
        "Hi&story > History &Lessons > Sack of 455 AD=2007", "Hi&story > History &Lessons > Romulus Augustulus=2008",
        "Hi&story > Study &Guide=106", "Hi&story > Take &Quiz=108",
        "&Help > &Hints from the Prefect=110", "&Help > &Tutorial=103", "&Help > &About ...=104"};
    EXPECT_EQ(seen, expected);
    // Alt and a letter reaches every menu, and no two items of one menu share a letter.
    std::function<void(const QList<QAction*>&)> noClash = [&](const QList<QAction*>& items) {
        QSet<QChar> letters;
        for (QAction* a : items) {
            const qsizetype amp = a->text().indexOf('&');
            if (amp >= 0) EXPECT_FALSE(letters.contains(a->text().at(amp + 1).toLower())) << a->text().toStdString();
            if (amp >= 0) letters.insert(a->text().at(amp + 1).toLower());
            if (a->menu()) noClash(a->menu()->actions());
        }
    };
    noClash(h.window->menuBar()->actions());
    for (QAction* top : h.window->menuBar()->actions()) EXPECT_TRUE(top->text().contains('&')) << top->text().toStdString();
    const auto aboutKeys = h.window->action(Command::About)->shortcuts();
    EXPECT_TRUE(aboutKeys.contains(QKeySequence(Qt::ALT | Qt::Key_Question)));
    EXPECT_TRUE(aboutKeys.contains(QKeySequence(Qt::ALT | Qt::Key_Slash)));
    EXPECT_FALSE(aboutKeys.contains(QKeySequence(Qt::Key_Slash)));
}

TEST(Menu, LargerTextEnlargesTheWordsAndTheReportsStillFit) {
    Harness h;
    const qreal plain = view::textScale();
    h.window->action(Command::LargerText)->trigger();
    EXPECT_NEAR(view::textScale(), std::min(1.5, plain * 1.2), 0.001);
    // The reports' words do not run into each other nor off the scroll, the
    // plague's long warning included.
    h.game.romans.plague = true;
    const QFontMetrics fm(view::screenFont());
    auto ink = [&](const GameScreen::TextLine& l) { return fm.tightBoundingRect(l.text).translated(l.x, l.y + fm.ascent()); };
    std::vector<GameScreen::TextLine> lines = h.screen.economicReportLines();
    for (const GameScreen::TextLine& l : h.screen.militaryReportLines()) lines.push_back(l);
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_FALSE(ink(lines[i - 1]).intersects(ink(lines[i]))) << i;
    for (const GameScreen::TextLine& l : lines) EXPECT_LT(ink(l).right(), 1340) << l.text.toStdString();
    h.window->action(Command::LargerText)->trigger();
    EXPECT_NEAR(view::textScale(), plain, 0.001);
}

TEST(Menu, SkillLevelCarriesOneCheckMark) {
    Harness h;
    auto checked = [&] {
        return std::tuple(h.window->action(Command::Easy)->isChecked(), h.window->action(Command::Normal)->isChecked(),
                          h.window->action(Command::Hard)->isChecked());
    };
    EXPECT_EQ(checked(), std::tuple(false, true, false));
    EXPECT_EQ(h.game.skillLevel, 1);
    h.window->action(Command::Hard)->trigger();
    EXPECT_EQ(checked(), std::tuple(false, false, true));
    EXPECT_EQ(h.game.skillLevel, 2);
    h.window->action(Command::Easy)->trigger();
    EXPECT_EQ(checked(), std::tuple(true, false, false));
    EXPECT_EQ(h.game.skillLevel, 0);
    h.window->action(Command::Easy)->trigger();  // choosing it again keeps its mark
    EXPECT_EQ(checked(), std::tuple(true, false, false));
}

TEST(Menu, SoundToggleSilencesTheGameSoundsOnly) {
    Harness h;
    QAction* sound = h.window->action(Command::Sound);
    EXPECT_TRUE(sound->isChecked());
    sound->trigger();
    EXPECT_FALSE(sound->isChecked());
    EXPECT_FALSE(h.sounds.enabled);
    h.game.playSound(SoundKind::Battle);
    EXPECT_TRUE(h.backend.calls.empty());
    sound->trigger();
    EXPECT_TRUE(sound->isChecked());
    h.game.playSound(SoundKind::Battle);
    ASSERT_EQ(h.backend.calls.size(), 1u);
    EXPECT_EQ(h.backend.calls[0].name, "IDR_SWORD_SND");
}

TEST(Menu, DeclinedDiscardQuestionLeavesTheGameAsItWas) {
    Harness h;
    h.window->rightRelease({});  // a year on, so a new game would show
    const Snapshot before = Snapshot::of(h.game);
    h.answers = {false};
    h.window->action(Command::NewGame)->trigger();
    ASSERT_EQ(h.asked.size(), 1u);
    EXPECT_EQ(h.asked[0], "Discard the current game?");
    EXPECT_TRUE(before == Snapshot::of(h.game));
    for (int id : {Command::Scenario260, Command::Scenario308, Command::Scenario410, Command::Scenario455}) {
        h.answers = {false};
        h.window->action(id)->trigger();
        EXPECT_EQ(h.asked.back(), "Are you sure you want to discard the current game?");
        EXPECT_TRUE(before == Snapshot::of(h.game)) << id;
    }
}

TEST(Menu, NewGameConfirmedOrPostedStartsAgain) {
    Harness h;
    h.window->rightRelease({});
    h.window->rightRelease({});
    ASSERT_EQ(h.game.turn, 2);
    h.answers = {true};
    h.window->action(Command::NewGame)->trigger();
    EXPECT_EQ(h.game.turn, 0);
    h.window->rightRelease({});
    const size_t questions = h.asked.size();
    h.window->newGameWithoutQuestion();  // as the end of the game posts it
    EXPECT_EQ(h.game.turn, 0);
    EXPECT_EQ(h.asked.size(), questions) << "no question with the parameter 1";
}

TEST(Menu, Valerian260AdvancesATurnAndShowsItsLesson) {
    Harness h;
    h.answers = {true};
    h.window->action(Command::Scenario260)->trigger();
    EXPECT_GE(h.game.year(), 260);
    ASSERT_FALSE(h.lessons.empty());
    EXPECT_EQ(h.lessons.front(), 233);
    bool rebelled = false;
    for (const auto& t : h.told) rebelled |= t.find("The eastern and western ends of the empire") != std::string::npos;
    EXPECT_TRUE(rebelled);
}

TEST(Menu, HonoriusAndValentinianWaitForThePlayer) {
    Harness h;
    h.answers = {true};
    h.window->action(Command::Scenario410)->trigger();
    EXPECT_EQ(h.game.turn, 174);
    h.answers = {true};
    h.window->action(Command::Scenario455)->trigger();
    EXPECT_EQ(h.game.turn, 219);
    EXPECT_TRUE(h.lessons.empty());
}

TEST(Menu, HistoryLessonZoomsAndShowsItsPicture) {
    Harness h;
    h.window->action(2010)->trigger();
    ASSERT_EQ(h.lessons.size(), 1u);
    EXPECT_EQ(h.lessons[0], 249);
    const auto& pauses = h.window->recordedPauses;
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 50), 10) << "ten zoom steps of 50 ms";
}

TEST(Menu, WebPagesAreOurOwnFiles) {
    Harness h;
    h.window->action(Command::StudyGuide)->trigger();
    h.window->action(Command::Tutorial)->trigger();
    h.window->action(Command::Quiz)->trigger();
    ASSERT_EQ(h.opened.size(), 3u);
    EXPECT_TRUE(h.opened[0].isLocalFile());
    EXPECT_TRUE(h.opened[0].toLocalFile().endsWith("guide.html"));
    EXPECT_TRUE(h.opened[1].toLocalFile().endsWith("tutorial.html"));
    EXPECT_TRUE(h.opened[2].toLocalFile().endsWith("quiz.html"));
}

TEST(Menu, ExitEndsTheProgramOnce) {
    Harness h;
    h.window->action(Command::Exit)->trigger();
    h.window->close();
    EXPECT_EQ(h.quits, 1);
}

TEST(Menu, SaveAndLoadGoThroughTheFileChoice) {
    Harness h;
    // A folder of its own: test runs side by side never share the file.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("saved.AVN"));
    h.window->chooseFile = [&](bool) { return path; };
    h.window->rightRelease({});
    const Snapshot saved = Snapshot::of(h.game);
    h.window->action(Command::Save)->trigger();
    ASSERT_TRUE(QFile::exists(path));
    ASSERT_FALSE(h.told.empty());
    EXPECT_EQ(h.told.back(), "Game saved") << "said on the game's parchment";
    h.answers = {true};
    h.window->action(Command::NewGame)->trigger();
    h.window->action(Command::Load)->trigger();
    EXPECT_EQ(Snapshot::of(h.game).turn, saved.turn);
    EXPECT_EQ(Snapshot::of(h.game).roman, saved.roman);
    h.window->chooseFile = [](bool) { return QString(); };  // cancelled: nothing happens
    const Snapshot before = Snapshot::of(h.game);
    h.window->action(Command::Load)->trigger();
    EXPECT_TRUE(before == Snapshot::of(h.game));
}

TEST(Menu, LoadAsksBeforeDiscardingAGameInProgress) {
    Harness h;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("saved.avn"));
    ASSERT_TRUE(h.game.saveToFile(QFile::encodeName(path).toStdString()).ok);
    int chosen = 0;
    h.window->chooseFile = [&](bool) {
        ++chosen;
        return path;
    };
    EXPECT_FALSE(h.window->gameInProgress());
    h.window->action(Command::Load)->trigger();  // a game nobody played yet: no question
    EXPECT_TRUE(h.asked.empty());
    EXPECT_EQ(chosen, 1);
    h.window->rightRelease({});
    ASSERT_TRUE(h.window->gameInProgress());
    const Snapshot played = Snapshot::of(h.game);
    h.answers = {false};
    h.window->action(Command::Load)->trigger();
    ASSERT_EQ(h.asked.size(), 1u);
    EXPECT_EQ(h.asked[0], "Discard the current game?");
    EXPECT_EQ(chosen, 1) << "No keeps the game, and no file is asked for";
    EXPECT_TRUE(played == Snapshot::of(h.game));
    h.answers = {true};
    h.window->action(Command::Load)->trigger();
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(h.game.turn, 0);
    EXPECT_FALSE(h.window->gameInProgress());
}

TEST(Files, SavesGoToAFolderOfTheirOwnInTheDocuments) {
    testApp();
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const QString folder = GameFiles::savesFolder();
    qputenv("HOME", oldHome);
    EXPECT_TRUE(folder.startsWith(home.path())) << folder.toStdString();
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_STREQ(GameFiles::Extension, "avn");
}

TEST(Pages, TheGamesOwnViewerShowsOurPages) {
    Harness h;
    const QString guide = MainWindow::webPage(QStringLiteral("guide.html"));
    ASSERT_FALSE(guide.isEmpty());
    PageViewer viewer(h.window.get(), QUrl::fromLocalFile(guide));
    EXPECT_GT(viewer.browser()->document()->characterCount(), 200);
    EXPECT_FALSE(viewer.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(PageViewer::showPage(h.window.get(), QUrl(QStringLiteral("https://example.org/"))));
}

TEST(Sounds, WithoutAnAudioDeviceThePlayerIsToldOnceAndThePlayButtonDoesNotStick) {
    Harness h;
    h.backend.output = false;
    h.game.playSound(SoundKind::Battle);
    h.game.playSound(SoundKind::Plague);
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_NE(h.told[0].find("No audio device"), std::string::npos);
    LessonDialog d(h.window.get(), h.pictures, h.sounds, 249);
    EXPECT_FALSE(d.saysSilent());
    d.clickAt({80, 25});
    EXPECT_FALSE(d.narrationPlaying());
    EXPECT_TRUE(d.saysSilent()) << "the button says why it did not play";
    EXPECT_EQ(h.told.size(), 1u);
}

// -------------------------------------------------------------- pauses

// The harness's game in a window whose pauses are really waited for, its
// questions answered as the harness answers them.
std::unique_ptr<MainWindow> windowWithRealPauses(Harness& h, bool yearNews) {
    MainWindow::Options o;
    o.introduction = false;
    o.yearNews = yearNews;
    auto window = std::make_unique<MainWindow>(*h.play, h.pictures, h.screen, h.sounds, o);
    window->advisor().beforeExec = h.window->advisor().beforeExec;
    window->lessonShown = h.window->lessonShown;
    window->resultsShown = h.window->resultsShown;
    window->resize(1366, 720);
    window->show();
    return window;
}

TEST(Pauses, InputDuringAPauseIsDroppedNotReplayed) {
    testApp();
    Harness h;
    const std::unique_ptr<MainWindow> window = windowWithRealPauses(h, true);
    int released = 0;
    // A right click while the pause runs would end the turn if it got through.
    QTimer::singleShot(20, [&] {
        QWidget* w = window->screenWidget();
        const QPointF at(50, 50);
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &key);
        ++released;
    });
    window->pauseFor(120);
    QApplication::processEvents();
    EXPECT_EQ(released, 1);
    EXPECT_EQ(h.game.turn, 0);
    EXPECT_GE(window->inputDropped(), 3);
    // After the pause input is taken again.
    QWidget* w = window->screenWidget();
    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(h.game.turn, 1);
}

// Years that run by themselves: no Roman legion is left, and no province
// raises one for at least three years.
void emptyTheBarracks(Game& g) {
    g.romans.legions.clear();
    for (Province* p : g.provinceTable) p->raiseCounter = 0;
}

TEST(Pauses, TheMenuAndTheCloseBoxAnswerWhileYearsRunByThemselves) {
    {
        Harness alone(5);
        emptyTheBarracks(alone.game);
        alone.window->rightRelease({});
        ASSERT_GT(alone.game.turn, 1) << "the position should run several years by itself";
    }
    Harness h(5);
    emptyTheBarracks(h.game);
    const std::unique_ptr<MainWindow> window = windowWithRealPauses(h, false);
    int quits = 0;
    window->onQuit = [&] { ++quits; };
    // In the first pause of the year the player asks for the hints, then closes the window.
    bool asked = false;
    std::size_t toldInThePause = 0;
    h.screen.pause = [&](int ms) {
        if (!asked) {
            asked = true;
            QTimer::singleShot(0, [&] {
                // The menu opens under the player's pointer.
                QMenuBar* bar = window->menuBar();
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(bar->actions()[0]).center());
                EXPECT_NE(QApplication::activePopupWidget(), nullptr);
                if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
                window->action(Command::Help)->trigger();
                QCloseEvent close;
                QApplication::sendEvent(window.get(), &close);
                EXPECT_EQ(quits, 0) << "nothing may run under the turn's feet";
                toldInThePause = h.told.size();
            });
        }
        window->pauseFor(ms);
    };
    window->rightRelease({});
    EXPECT_EQ(h.game.turn, 1) << "the year under way ends, the next is the player's";
    EXPECT_GT(h.told.size(), toldInThePause) << "the hints come once the year is over";
    EXPECT_EQ(quits, 1);
}

// ------------------------------------------------------- internal errors

TEST(InternalErrors, PositionIsSavedBesideTheUsersSaves) {
    testApp();
    QTemporaryDir home;  // the user's data folder, for this run alone
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("AurovaneTest"));
    Game& g = freshGame(3);
    g.turn = 17;
    const QString path = reportInternalError(&g, "Empire::updateLegions() stuck in loop!", false);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    EXPECT_TRUE(path.endsWith(QStringLiteral(".avn")));
    // The emergency save is an ordinary saved game: it loads back.
    g.startNewGame();
    ASSERT_TRUE(g.loadFromFile(QFile::encodeName(path).toStdString()).ok);
    EXPECT_EQ(g.turn, 17);
    qunsetenv("XDG_DATA_HOME");
}

// ------------------------------------------------------------- a long game

TEST(Play, TwentyYearsWithTheMouseAlone) {
    Harness h(11);
    int drops = 0;
    for (int year = 0; year < 20 && h.quits == 0; ++year) {
        // Every province with a ready Roman legion sends one towards its first neighbour.
        for (Province* p : h.game.provinceTable) {
            if (!h.game.romans.hasReadyLegionIn(*p) || p->neighbourCount == 0) continue;
            Province* to = p->neighbours[0];
            h.window->leftPress(Harness::layoutOf(p->legionX() + 2, p->legionY() + 2));
            if (h.window->carry().source() != p) continue;
            const MapRect r = to->hitRects.front();
            const int before = h.game.turn;
            h.window->leftRelease(Harness::layoutOf((r.left + r.right) / 2, (r.top + r.bottom) / 2));
            ++drops;
            if (h.game.turn != before || h.quits) break;  // that drop ended the turn
        }
        const int before = h.game.turn;
        if (h.game.romansCanMove()) h.window->rightRelease({});
        EXPECT_GE(h.game.turn, before);
        h.window->pointerMove(Harness::layoutOf(300 + year, 220));
    }
    EXPECT_GT(drops, 10);
    EXPECT_GE(h.game.turn, 10);
    EXPECT_FALSE(h.lessons.empty()) << "the lesson of 236 was shown";
}
