// The editor's window, menus and dialogs, driven offscreen with the choices a
// designer would make.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "EditorFixture.h"
#include "editor/EditorWindow.h"
#include "editor/OptionsDialog.h"
#include "qtcommon/view/MapDrawing.h"
#include "tests/editor/PositionSnapshot.h"

namespace editor::test {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "editor-window-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down during the program's exit crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A window whose popups, file choices and dialogs are answered by the test.
class ScriptedWindow : public EditorWindow {
public:
    using EditorWindow::EditorWindow;

    // What the popup is to answer, by command number (0: dismiss).
    int popupAnswer = 0;
    int popupsShown = 0;
    bool ownerMenuWasEnabled = true;
    bool addLegionWasEnabled = false;
    std::string openPath;
    std::string savePath;
    int welcomes = 0;

protected:
    QAction* execPopup(QMenu& menu, const QPoint&) override {
        ++popupsShown;
        QAction* answer = nullptr;
        for (QAction* action : menu.actions()) {
            const int command = action->data().toInt();
            if (command == CmdOwnerMenu) ownerMenuWasEnabled = action->isEnabled();
            if (command == CmdAddLegion) addLegionWasEnabled = action->isEnabled();
            if (command == popupAnswer) answer = action;
            if (action->menu())
                for (QAction* sub : action->menu()->actions())
                    if (sub->data().toInt() == popupAnswer && action->isEnabled()) answer = sub;
        }
        return answer;
    }
    std::string chooseOpenPath() override { return openPath; }
    std::string chooseSavePath() override { return savePath; }
    void showWelcome() override {
        ++welcomes;
        EditorWindow::showWelcome();
    }
};

class Window : public EditorFixture {
protected:
    void SetUp() override {
        application();
        EditorFixture::SetUp();
        pictures.load();
        window = std::make_unique<ScriptedWindow>(*session, pictures);
        dir = std::filesystem::temp_directory_path() /
              ("aurovane-editor-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        window.reset();
        std::filesystem::remove_all(dir);
        EditorFixture::TearDown();
    }

    bool rightClick(Province& p) {
        const auto [x, y] = windowPointIn(p);
        EXPECT_EQ(game().provinceAt(x - MapLeft, y - MapTop), &p) << p.name();
        return window->rightButtonDown(QPoint(x, y), QPoint(x, y));
    }

    // Whatever pictures the build carries; missing ones draw placeholders.
    view::Pictures pictures;
    std::unique_ptr<ScriptedWindow> window;
    std::filesystem::path dir;
};

TEST_F(Window, ARightClickOnTheSeaShowsNoMenu) {
    ASSERT_EQ(game().provinceAt(330, 340), nullptr);
    EXPECT_FALSE(window->rightButtonDown(QPoint(MapLeft + 330, MapTop + 340), QPoint()));
    EXPECT_FALSE(window->rightButtonDown(QPoint(1100, 300), QPoint()));
    EXPECT_EQ(window->popupsShown, 0);
}

TEST_F(Window, ArmeniaGreysTheOwnerMenuWhileAddLegionWorks) {
    window->popupAnswer = CmdAddLegion;
    EXPECT_TRUE(rightClick(province("Armenia")));
    EXPECT_EQ(window->popupsShown, 1);
    EXPECT_FALSE(window->ownerMenuWasEnabled);
    EXPECT_TRUE(window->addLegionWasEnabled);
    EXPECT_EQ(game().sassanids.countLegionsIn(province("Armenia")), 1);

    // The greyed submenu cannot be answered.
    window->popupAnswer = CmdOwnerRomans;
    rightClick(province("Armenia"));
    EXPECT_EQ(game().ownerOf(province("Armenia")), &game().sassanids);
}

TEST_F(Window, EveryFrontierLandGreysTheOwnerMenuAndNoInnerOneDoes) {
    for (Province* p : game().provinceTable) {
        session->select(p);
        std::unique_ptr<QMenu> menu(window->buildProvinceMenu(nullptr));
        // Under the province's name, the Owner submenu.
        ASSERT_GE(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions().at(0)->text(), QString::fromStdString(p->name()));
        QAction* owner = menu->actions().at(1);
        ASSERT_EQ(owner->data().toInt(), CmdOwnerMenu);
        EXPECT_EQ(owner->isEnabled(), !p->isFrontier()) << p->name();
    }
}

TEST_F(Window, TheOwnerMenuGivesAProvinceAway) {
    Province& italia = province("Italia");
    for (int i = 0; i < 3; ++i) game().romans.appendLegion(italia);
    window->popupAnswer = CmdOwnerSassanids;
    EXPECT_TRUE(rightClick(italia));
    EXPECT_TRUE(window->ownerMenuWasEnabled);
    EXPECT_EQ(game().ownerOf(italia), &game().sassanids);
    EXPECT_EQ(game().romans.countLegionsIn(italia), 0);
}

bool sameArea(const QImage& a, const QImage& b, const QRect& area) {
    return a.copy(area) == b.copy(area);
}

TEST_F(Window, AProvinceGivenToTheSassanidsShowsTheirColourAndNoLegions) {
    Province& italia = province("Italia");
    const QRect legionArea(italia.legionX() + MapLeft, italia.legionY() + MapTop, 73, 59);
    const MapRect& land = italia.hitRects.front();
    const QRect landArea(land.left + MapLeft, land.top + MapTop, land.right - land.left, land.bottom - land.top);

    const QImage plain = window->renderScene();
    for (int i = 0; i < 3; ++i) game().romans.appendLegion(italia);
    const QImage withLegions = window->renderScene();
    ASSERT_FALSE(sameArea(plain, withLegions, legionArea));

    session->select(&italia);
    window->runProvinceCommand(CmdOwnerSassanids);
    const QImage given = window->renderScene();
    EXPECT_FALSE(sameArea(plain, given, landArea)) << "no Sassanid tint over Italia";

    // The same holder reached without ever having legions there draws alike.
    window->runProvinceCommand(CmdOwnerRomans);
    EXPECT_TRUE(sameArea(plain, window->renderScene(), legionArea.united(landArea)));
    window->runProvinceCommand(CmdOwnerSassanids);
    EXPECT_TRUE(window->renderScene() == given);
}

TEST_F(Window, StatusLineShowsTheYearAndTheRomanAccounts) {
    game().turn = 50;
    game().romans.treasury = 4321;
    game().romans.taxIncome = 900;
    game().romans.legionCost = 1125;
    const auto line = window->statusLine();
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[0].text, "Year: 285 AD");
    EXPECT_EQ(line[0].x, 180);
    EXPECT_EQ(line[1].text, "Treasury: 4321");
    EXPECT_EQ(line[1].x, 360);
    EXPECT_EQ(line[2].text, "Revenue: 900");
    EXPECT_EQ(line[3].text, "Expenses: 1125");
    EXPECT_EQ(line[3].x, 740);
    EXPECT_EQ(line[4].text, "Net: -225");
    EXPECT_EQ(line[4].x, 940);
    for (const auto& t : line) EXPECT_EQ(t.y, 600);
}

TEST_F(Window, TheWelcomeComesOnceAfterTheFirstPaint) {
    window->resize(1366, 700);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(50);
    window->repaint();
    QApplication::processEvents();
    window->update();
    QTest::qWait(50);
    EXPECT_EQ(window->welcomes, 1);
    ASSERT_EQ(advisor.told.size(), 1u);
    EXPECT_EQ(advisor.told[0].rfind("Welcome to the map editor! You can use this tool to create\n", 0), 0u);
}

TEST_F(Window, SaveConfirmsWithAnAlert) {
    window->savePath = (dir / "scenario.AVN").string();
    window->menuAction(CmdSave)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Alert");
    EXPECT_EQ(boxes[0].text, "Scenario saved");
    EXPECT_TRUE(std::filesystem::exists(window->savePath));
}

TEST_F(Window, ASaveThatCannotBeWrittenShowsOnlyTheWritersMessage) {
    window->savePath = (dir / "no-such-folder" / "scenario.AVN").string();
    window->menuAction(CmdSave)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_NE(boxes[0].text, "Scenario saved");
    EXPECT_FALSE(boxes[0].text.empty());
}

TEST_F(Window, CancellingTheFileChoiceDoesNothing) {
    window->menuAction(CmdSave)->trigger();
    window->menuAction(CmdLoad)->trigger();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Window, AMissingFileLeavesThePositionAlone) {
    session->select(&province("Italia"));
    session->runMenuCommand(CmdOwnerBarbarians);
    window->openPath = (dir / "missing.AVN").string();
    window->menuAction(CmdLoad)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_EQ(boxes[0].text, "Unable to open file");
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().barbarians);
}

TEST_F(Window, ABrokenFileIsRefusedAndLeavesThePositionAlone) {
    session->select(&province("Italia"));
    session->runMenuCommand(CmdOwnerBarbarians);
    session->runMenuCommand(CmdAddLegion);
    game().turn = 40;
    // A file cut off in the middle of the province lists, naming a province
    // that is not on the map.
    const auto path = dir / "broken.AVN";
    std::ofstream(path) << "3   # turn\n500   # treasury\n0   # plague\n0   # plague counter\n"
                           "1\n1\n1\n1\nRomans-provinces\n2    #    number of provinces\n"
                           "Italia\nAtlantis\n";
    window->openPath = path.string();
    window->menuAction(CmdLoad)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ERROR");
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(game().turn, 40);
    EXPECT_EQ(game().romans.treasury, 75000);
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().barbarians);
    EXPECT_EQ(game().barbarians.countLegionsIn(province("Italia")), 1);
}

TEST_F(Window, AboutShowsTheVersion) {
    window->menuAction(CmdAbout)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("Version 1.0"), std::string::npos);
}

TEST_F(Window, TheMenusCarryTheirCommands) {
    for (int command : {CmdLoad, CmdSave, CmdExit, CmdOptions, CmdAbout}) EXPECT_NE(window->menuAction(command), nullptr);
    QAction* about = window->menuAction(CmdAbout);
    EXPECT_TRUE(about->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_Slash)));
    EXPECT_TRUE(about->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_Question)));
}

// --- Scenario Options -----------------------------------------------------

class Options : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        dialog = std::make_unique<OptionsDialog>(*session);
        dialog->show();
    }
    void TearDown() override {
        dialog.reset();
        Window::TearDown();
    }
    void fill(const char* year, const char* treasury) {
        dialog->yearField()->setText(QString::fromLatin1(year));
        dialog->treasuryField()->setText(QString::fromLatin1(treasury));
    }
    std::unique_ptr<OptionsDialog> dialog;
};

TEST_F(Options, OpensWithThePositionsValues) {
    game().romans.plague = true;
    game().romans.plagueCounter = 3;
    game().turn = 20;
    OptionsDialog d(*session);
    EXPECT_EQ(d.yearField()->text(), QStringLiteral("255"));
    EXPECT_EQ(d.treasuryField()->text(), QStringLiteral("75000"));
    EXPECT_TRUE(d.plagueBox()->isChecked());
    EXPECT_EQ(d.plagueYearsField()->value(), 3);
    EXPECT_FALSE(d.plagueYearsField()->isEnabled());
}

TEST_F(Options, Year501And234AreRefusedAndTheDialogStaysOpen) {
    for (const char* year : {"501", "234"}) {
        boxes.clear();
        fill(year, "5000");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        ASSERT_EQ(boxes.size(), 1u) << year;
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_EQ(boxes[0].text, "Year must be between 235 and 500.");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(game().turn, 0);
        EXPECT_EQ(game().romans.treasury, 75000);
    }
}

TEST_F(Options, Year235GivesTurn0) {
    game().turn = 30;
    fill("235", "5000");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(game().romans.treasury, 5000);
}

TEST_F(Options, BothErrorsAppearOneAfterTheOther) {
    fill("1000", "-3");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Year must be between 235 and 500.");
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].text, "Treasury must be greater than 0.");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Options, NumbersBeyond32BitsAreRefused) {
    fill("4294967531", "4294967296");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Year must be between 235 and 500.");
    EXPECT_EQ(boxes[1].text, "Treasury must be greater than 0.");
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(game().romans.treasury, 75000);
}

TEST_F(Options, CancelStoresNothing) {
    fill("300", "123");
    dialog->plagueBox()->setChecked(true);
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(game().romans.treasury, 75000);
    EXPECT_FALSE(game().romans.plague);
}

TEST_F(Options, CancelWithInvalidValuesClosesWithoutMessages) {
    fill("9999", "0");
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Options, EscapeAndTheCloseBoxStoreNothing) {
    fill("300", "123");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(game().turn, 0);

    OptionsDialog second(*session);
    second.show();
    second.yearField()->setText(QStringLiteral("300"));
    second.close();
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(game().romans.treasury, 75000);
}

TEST_F(Options, ATickedPlagueAsksForItsYearsWhenThereIsNoCountdown) {
    ASSERT_EQ(game().romans.plagueCounter, 0);
    EXPECT_FALSE(dialog->plagueYearsField()->isEnabled());
    dialog->plagueBox()->setChecked(true);
    EXPECT_TRUE(dialog->plagueYearsField()->isEnabled());
    EXPECT_EQ(dialog->plagueYearsField()->value(), 10);
    EXPECT_EQ(dialog->plagueYearsField()->minimum(), 1);
    EXPECT_EQ(dialog->plagueYearsField()->maximum(), 20);
    dialog->plagueYearsField()->setValue(7);
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(game().romans.plague);
    EXPECT_EQ(game().romans.plagueCounter, 7);
}

TEST_F(Options, ARunningCountdownIsKeptWhenPlagueIsTicked) {
    game().romans.plagueCounter = 4;
    OptionsDialog d(*session);
    d.show();
    d.plagueBox()->setChecked(true);
    EXPECT_FALSE(d.plagueYearsField()->isEnabled());
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_TRUE(game().romans.plague);
    EXPECT_EQ(game().romans.plagueCounter, 4);
}

TEST_F(Options, AnEndlessLoadedPlagueGetsAnEnd) {
    game().romans.plague = true;
    game().romans.plagueCounter = -2;
    OptionsDialog d(*session);
    d.show();
    EXPECT_TRUE(d.plagueYearsField()->isEnabled());
    d.plagueYearsField()->setValue(12);
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_EQ(game().romans.plagueCounter, 12);
}

TEST_F(Options, UntickingThePlagueClearsTheFlagOnly) {
    game().romans.plague = true;
    game().romans.plagueCounter = 5;
    OptionsDialog d(*session);
    d.show();
    d.plagueBox()->setChecked(false);
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_FALSE(game().romans.plague);
    EXPECT_EQ(game().romans.plagueCounter, 5);
}

// --- Across both programs ---------------------------------------------------

TEST_F(Window, AScenarioBuiltInTheEditorOpensInTheGame) {
    // Build: Italia to the rebels with two legions, Dacia to the Barbarians,
    // Britannia to no one, Roman legions in Aegyptus, a Sassanid legion in
    // Armenia, the year 300, a treasury of 12345 and a plague of 6 years.
    window->popupAnswer = CmdOwnerRogueRomans;
    rightClick(province("Italia"));
    window->popupAnswer = CmdAddLegion;
    rightClick(province("Italia"));
    rightClick(province("Italia"));
    window->popupAnswer = CmdOwnerBarbarians;
    rightClick(province("Dacia"));
    window->popupAnswer = CmdOwnerNoOne;
    rightClick(province("Britannia"));
    window->popupAnswer = CmdAddLegion;
    for (int i = 0; i < 3; ++i) rightClick(province("Aegyptus"));
    rightClick(province("Armenia"));
    {
        OptionsDialog d(*session);
        d.show();
        d.yearField()->setText(QStringLiteral("300"));
        d.treasuryField()->setText(QStringLiteral("12345"));
        d.plagueBox()->setChecked(true);
        d.plagueYearsField()->setValue(6);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
    }
    const PositionSnapshot built = PositionSnapshot::of(game());
    ASSERT_EQ(built.turn, 65);
    ASSERT_EQ(built.legions[3], (std::vector<std::string>{"Italia", "Italia"}));

    window->savePath = (dir / "designed.AVN").string();
    window->menuAction(CmdSave)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    ASSERT_EQ(boxes[0].text, "Scenario saved");
    window.reset();
    session.reset();

    // The game program: a fresh Game, seeded and started as the game does,
    // then its Load.
    Game::newInstance(12345).startNewGame();
    ASSERT_NE(PositionSnapshot::of(game()), built);
    const FileResult loaded = Game::instance().loadFromFile((dir / "designed.AVN").string());
    ASSERT_TRUE(loaded.ok) << loaded.error;

    EXPECT_EQ(PositionSnapshot::of(game()), built);
    EXPECT_EQ(game().year(), 300);
    EXPECT_EQ(game().ownerOf(province("Britannia")), nullptr);
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().rogueRomans);
    EXPECT_EQ(game().romans.countLegionsIn(province("Aegyptus")), 3);
    EXPECT_EQ(game().sassanids.countLegionsIn(province("Armenia")), 1);
    EXPECT_TRUE(game().romans.plague);
    EXPECT_EQ(game().romans.plagueCounter, 6);
    EXPECT_TRUE(advisor.told.empty());
}

}  // namespace
}  // namespace editor::test
