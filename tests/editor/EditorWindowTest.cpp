// The editor's window, menus and dialogs, driven offscreen with the choices a
// designer would make.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUndoStack>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "EditorFixture.h"
#include "editor/BriefingDialog.h"
#include "editor/EditorWindow.h"
#include "editor/GameProgram.h"
#include "editor/HelpDialog.h"
#include "editor/OptionsDialog.h"
#include "editor/SelectionPanel.h"
#include "qtcommon/view/MapDrawing.h"
#include "tests/editor/PositionSnapshot.h"

namespace editor::test {
namespace {

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
    // Throw away unsaved changes when asked?
    bool discard = false;
    int discardQuestions = 0;
    // Where the game program is ("": not found), and what it was started with.
    QString program;
    bool programStarts = true;
    QStringList started;
    int helpShown = 0;
    // What the title and briefing dialog is filled with before OK.
    QString briefingTitle, briefingText;

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
    bool askDiscardChanges() override {
        ++discardQuestions;
        return discard;
    }
    QString gameProgram() const override { return program; }
    bool startGame(const QString& path, const QStringList& arguments) override {
        started = QStringList{path} + arguments;
        return programStarts;
    }
    void showHelp() override { ++helpShown; }
    int execBriefingDialog(BriefingDialog& d) override {
        d.titleField()->setText(briefingTitle);
        d.briefingField()->setPlainText(briefingText);
        d.accept();
        return d.result();
    }
    void showWelcome() override {
        ++welcomes;
        EditorWindow::showWelcome();
    }
};

class Window : public EditorFixture {
protected:
    void SetUp() override {
        testApplication();
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

TEST_F(Window, TheKeyboardMovesTheHighlightAndSetsHolderAndLegionsNamingTheProvince) {
    QWidget* map = window->centralWidget();
    EXPECT_EQ(map->focusPolicy(), Qt::StrongFocus);
    session->select(&province("Italia"));
    QTest::keyClick(map, Qt::Key_Up);
    Province* moved = session->selected();
    ASSERT_TRUE(moved);
    ASSERT_NE(moved, &province("Italia"));
    EXPECT_EQ(session->selection(), std::vector<Province*>{moved});
    EXPECT_TRUE(map->accessibleName().startsWith("Map: " + QString::fromStdString(moved->name()) + '.'));

    QTest::keyClick(map, Qt::Key_B);
    EXPECT_EQ(game().ownerOf(*moved), &game().barbarians);
    QTest::keyClick(map, Qt::Key_Plus);
    QTest::keyClick(map, Qt::Key_Plus);
    QTest::keyClick(map, Qt::Key_Minus);
    EXPECT_EQ(game().barbarians.countLegionsIn(*moved), 1);
    EXPECT_TRUE(map->accessibleName().contains("Held by the barbarians. Barbarian legions: 1."));
    // Each key one step of undo.
    window->undoStack().undo();
    EXPECT_EQ(game().barbarians.countLegionsIn(*moved), 2);

    // The right-click menu from the keyboard, on the highlighted province.
    window->popupAnswer = CmdOwnerSassanids;
    QTest::keyClick(map, Qt::Key_Menu);
    EXPECT_EQ(window->popupsShown, 1);
    EXPECT_EQ(game().ownerOf(*moved), &game().sassanids);
}

bool sameArea(const QImage& a, const QImage& b, const QRect& area) {
    return a.copy(area) == b.copy(area);
}

TEST_F(Window, AProvinceGivenToTheSassanidsShowsTheirColourAndNoLegions) {
    Province& italia = province("Italia");
    const QRect legionArea(italia.legionX() + MapLeft, italia.legionY() + MapTop, 73, 59);
    const MapRect& land = italia.hitRects.front();
    const QRect landArea(land.left + MapLeft, land.top + MapTop, land.right - land.left, land.bottom - land.top);

    // Selected throughout, so its mark is on every picture compared.
    session->select(&italia);
    const QImage plain = window->renderScene();
    for (int i = 0; i < 3; ++i) game().romans.appendLegion(italia);
    const QImage withLegions = window->renderScene();
    ASSERT_FALSE(sameArea(plain, withLegions, legionArea));

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
    EXPECT_EQ(advisor.told[0].rfind("Welcome to the map editor! You can use this tool to create custom scenarios.", 0), 0u);
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
    // In the game's plain words, then the reader's own.
    EXPECT_EQ(boxes[0].text, "The file could not be opened.\n\nUnable to open file");
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
    EXPECT_NE(boxes[0].text.find("version 1.0"), std::string::npos);
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

TEST_F(Options, Year476And234AreRefusedAndTheDialogStaysOpen) {
    for (const char* year : {"476", "501", "234"}) {
        boxes.clear();
        fill(year, "5000");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        ASSERT_EQ(boxes.size(), 1u) << year;
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_EQ(boxes[0].text, "Year must be between 235 and 475.");
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
    EXPECT_EQ(boxes[0].text, "Year must be between 235 and 475.");
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].text, "Treasury must be greater than 0.");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Options, NumbersBeyond32BitsAreRefused) {
    fill("4294967531", "4294967296");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Year must be between 235 and 475.");
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


// --- Many provinces, undo, files and the game -------------------------------

QPoint scenePointIn(Province& p) {
    const MapRect& r = p.hitRects.front();
    return {MapLeft + (r.left + r.right) / 2, MapTop + (r.top + r.bottom) / 2};
}

TEST_F(Window, ClicksBandsAndTheListSelectAlike) {
    Province& italia = province("Italia");
    Province* hit = window->provinceAtScene(scenePointIn(italia));
    ASSERT_NE(hit, nullptr);
    window->leftClick(scenePointIn(italia), Qt::NoModifier);
    EXPECT_EQ(session->selection(), std::vector<Province*>{hit});
    window->leftClick(scenePointIn(province("Aegyptus")), Qt::ShiftModifier);
    EXPECT_EQ(session->selection().size(), 2u);
    // The list shows the same selection.
    QListWidget& list = *window->panel().list();
    EXPECT_EQ(list.selectedItems().size(), 2);
    // A click on the sea selects nothing.
    window->leftClick(QPoint(MapLeft + 2, MapTop + 2), Qt::NoModifier);
    EXPECT_TRUE(session->selection().empty());
    EXPECT_TRUE(list.selectedItems().empty());
    // A band over the whole map takes every province; the list follows.
    window->bandSelect(QPoint(0, 0), QPoint(EditorWindow::SceneWidth, EditorWindow::SceneHeight), Qt::NoModifier);
    EXPECT_EQ(list.selectedItems().size(), list.count());
    // Selecting in the list selects on the map.
    list.clearSelection();
    list.item(3)->setSelected(true);
    ASSERT_EQ(session->selection().size(), 1u);
    EXPECT_EQ(game().indexOf(*session->selection().front()), list.item(3)->data(Qt::UserRole).toInt());
}

TEST_F(Window, ThePanelChangesEverySelectedProvinceInOneUndoableStep) {
    session->setSelection({&province("Italia"), &province("Belgica"), &province("Armenia")});
    window->panel().refresh();
    SelectionPanel& panel = window->panel();
    panel.holderChoice()->setCurrentIndex(1);  // Barbarians
    panel.setHolderButton()->click();
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().barbarians);
    EXPECT_EQ(game().ownerOf(province("Belgica")), &game().barbarians);
    EXPECT_EQ(game().ownerOf(province("Armenia")), &game().sassanids);
    panel.countField()->setValue(4);
    panel.addButton()->click();
    EXPECT_EQ(game().barbarians.countLegionsIn(province("Belgica")), 4);
    EXPECT_EQ(game().sassanids.countLegionsIn(province("Armenia")), 4);
    EXPECT_TRUE(window->hasUnsavedChanges());
    EXPECT_TRUE(window->isWindowModified());

    QUndoStack& undo = window->undoStack();
    EXPECT_EQ(undo.count(), 2);
    window->menuAction(CmdUndo)->trigger();
    EXPECT_EQ(game().barbarians.countLegionsIn(province("Belgica")), 0);
    EXPECT_EQ(game().sassanids.countLegionsIn(province("Armenia")), 0);
    window->menuAction(CmdUndo)->trigger();
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().romans);
    EXPECT_FALSE(window->hasUnsavedChanges());
    window->menuAction(CmdRedo)->trigger();
    window->menuAction(CmdRedo)->trigger();
    EXPECT_EQ(game().barbarians.countLegionsIn(province("Italia")), 4);
    // The keys are the ones every program uses.
    EXPECT_EQ(window->menuAction(CmdUndo)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(window->menuAction(CmdRedo)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    // A command that changes nothing leaves nothing to undo.
    session->setSelection({&province("Armenia")});
    window->setHolderCommand(&game().barbarians);
    EXPECT_EQ(undo.count(), 2);
}

TEST_F(Window, TheRightClickMenuActsOnTheSelectionItWasOpenedOn) {
    session->setSelection({&province("Italia"), &province("Aegyptus")});
    window->popupAnswer = CmdAddLegion;
    rightClick(province("Aegyptus"));
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), 1);
    EXPECT_EQ(game().romans.countLegionsIn(province("Aegyptus")), 1);
    window->menuAction(CmdUndo)->trigger();
    EXPECT_TRUE(game().romans.legions.empty());
}

TEST_F(Window, UnsavedChangesAreOnlyThrownAwayWhenTheDesignerSaysSo) {
    session->setSelection({&province("Italia")});
    window->setHolderCommand(&game().barbarians);
    window->menuAction(CmdNew)->trigger();
    EXPECT_EQ(window->discardQuestions, 1);
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().barbarians);
    QCloseEvent close;
    QApplication::sendEvent(window.get(), &close);
    EXPECT_FALSE(close.isAccepted());

    window->discard = true;
    window->menuAction(CmdNew)->trigger();
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().romans);
    EXPECT_FALSE(window->hasUnsavedChanges());
    EXPECT_EQ(window->undoStack().count(), 0);
    // Nothing left to lose: no question.
    window->menuAction(CmdNew)->trigger();
    EXPECT_EQ(window->discardQuestions, 3);
}

TEST_F(Window, SaveWritesToTheOpenFileAndSaveAsAsksForANewOne) {
    window->savePath = (dir / "first.avn").string();
    window->menuAction(CmdSave)->trigger();
    EXPECT_EQ(window->currentFile(), QString::fromStdString(window->savePath));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("first.avn")));
    session->setSelection({&province("Italia")});
    window->addLegionsCommand(2);
    EXPECT_TRUE(window->hasUnsavedChanges());
    window->savePath = (dir / "not-asked.avn").string();
    window->menuAction(CmdSave)->trigger();
    EXPECT_FALSE(std::filesystem::exists(dir / "not-asked.avn"));
    EXPECT_FALSE(window->hasUnsavedChanges());
    window->menuAction(CmdSaveAs)->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir / "not-asked.avn"));
    EXPECT_EQ(window->currentFile(), QString::fromStdString(window->savePath));
}

TEST_F(Window, PlayStartsTheGameWithTheScenarioAsItStandsOrSaysWhyNot) {
    window->menuAction(CmdPlay)->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("not found"), std::string::npos);
    EXPECT_TRUE(window->started.isEmpty());

    boxes.clear();
    window->program = QStringLiteral("/opt/aurovane/aurovane");
    session->setSelection({&province("Italia")});
    window->addLegionsCommand(3);
    window->menuAction(CmdPlay)->trigger();
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(window->started.size(), 2);
    EXPECT_EQ(window->started[0], window->program);
    // What the game opens is what the editor shows, saved or not.
    Game other(7);
    ASSERT_TRUE(other.loadFromFile(QFile::encodeName(window->started[1]).toStdString()).ok);
    EXPECT_EQ(PositionSnapshot::of(other), PositionSnapshot::of(game()));
    EXPECT_TRUE(window->hasUnsavedChanges());

    // A saved scenario is played from its own file.
    window->savePath = (dir / "saved.avn").string();
    window->menuAction(CmdSave)->trigger();
    window->programStarts = false;
    boxes.clear();
    window->menuAction(CmdPlay)->trigger();
    EXPECT_EQ(window->started[1], QString::fromStdString(window->savePath));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("could not be started"), std::string::npos);
}

TEST_F(Window, TheBriefingIsKeptAndUndoneLikeAnyOtherChange) {
    window->briefingTitle = QStringLiteral("Aurelian");
    window->briefingText = QStringLiteral("Restore the world.");
    window->menuAction(CmdBriefing)->trigger();
    EXPECT_EQ(session->title(), "Aurelian");
    EXPECT_EQ(session->briefing(), "Restore the world.");
    EXPECT_TRUE(window->hasUnsavedChanges());
    window->menuAction(CmdUndo)->trigger();
    EXPECT_TRUE(session->title().empty());
    EXPECT_TRUE(session->briefing().empty());
}

TEST_F(Window, TheBriefingDialogTrimsAndRefusesWhatIsTooLong) {
    BriefingDialog d(*session);
    d.show();
    d.titleField()->setText(QStringLiteral("  The Gothic War "));
    d.briefingField()->setPlainText(QString(MaxBriefingLength + 1, QLatin1Char('x')));
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(session->briefing().empty());
    d.briefingField()->setPlainText(QStringLiteral("Princeps, the Goths are at the Danube."));
    QTest::mouseClick(d.okButton(), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    // Until the saved file carries them, the game in memory holds them.
    EXPECT_EQ(game().scenarioTitle, "The Gothic War");
    EXPECT_EQ(game().scenarioBriefing, "Princeps, the Goths are at the Danube.");
    EXPECT_EQ(d.titleField()->maxLength(), MaxTitleLength);
}

TEST_F(Window, TheMenusOfferEveryCommandWithItsKeysAndHelpStaysInside) {
    for (int command : {CmdNew, CmdLoad, CmdSave, CmdSaveAs, CmdPlay, CmdExit, CmdUndo, CmdRedo, CmdSelectAll,
                        CmdSelectNone, CmdOptions, CmdBriefing, CmdHelp, CmdAbout}) {
        QAction* action = window->menuAction(command);
        ASSERT_NE(action, nullptr) << command;
        EXPECT_TRUE(action->text().contains(QLatin1Char('&'))) << command;
    }
    EXPECT_EQ(window->menuAction(CmdSaveAs)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    window->menuAction(CmdHelp)->trigger();
    EXPECT_EQ(window->helpShown, 1);
    HelpDialog help;
    EXPECT_TRUE(help.page()->toPlainText().contains(QStringLiteral("from 235 to 475 AD")));
    EXPECT_FALSE(help.page()->openLinks());
    window->menuAction(CmdSelectAll)->trigger();
    EXPECT_EQ(session->selection().size(), game().provinceTable.size());
}

TEST_F(Window, TheGameProgramIsFoundBesideTheEditorOrInTheBuildTree) {
    const std::filesystem::path editorDir = dir / "build" / "editor";
    std::filesystem::create_directories(editorDir);
    const QString editorFolder = QString::fromStdString(editorDir.string());
    EXPECT_TRUE(findGameProgram(editorFolder).isEmpty());
    const QString name = QFileInfo(gameProgramCandidates(editorFolder).front()).fileName();
    auto makeProgram = [&](const std::filesystem::path& path, bool runnable) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        std::filesystem::permissions(path, runnable ? std::filesystem::perms::owner_all
                                                    : std::filesystem::perms::owner_read);
    };
    // A file that cannot run is no program.
    makeProgram(editorDir.parent_path() / "game" / name.toStdString(), false);
    EXPECT_TRUE(findGameProgram(editorFolder).isEmpty());
    makeProgram(editorDir.parent_path() / "game" / name.toStdString(), true);
    EXPECT_TRUE(findGameProgram(editorFolder).endsWith(QStringLiteral("/game/") + name));
    // Installed side by side, the one beside the editor comes first.
    makeProgram(editorDir / name.toStdString(), true);
    EXPECT_EQ(QFileInfo(findGameProgram(editorFolder)).absolutePath(), QFileInfo(editorFolder).absoluteFilePath());
}

}  // namespace
}  // namespace editor::test
