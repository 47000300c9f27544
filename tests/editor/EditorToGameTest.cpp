// Across both programs: a scenario built and saved in the editor's window,
// its title and briefing too, is opened by the game window's own Load command.
#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "client/EditorSession.h"
#include "editor/EditorWindow.h"
#include "editor/Messages.h"
#include "client/ScenarioBriefing.h"
#include "tests/editor/PositionSnapshot.h"
#include "tests/gui/GuiTestSupport.h"

#include <QMessageBox>

namespace {

using editor::EditorSession;
using editor::EditorWindow;

class SavingEditor : public EditorWindow {
public:
    using EditorWindow::EditorWindow;
    std::string path;

protected:
    std::string chooseSavePath() override { return path; }
};

TEST(EditorToGame, TheGamesLoadCommandOpensTheEditorsScenario) {
    testApp();
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("aurovane-editor-to-game-" + std::to_string(::getpid()) + ".AVN");
    std::vector<std::string> boxes;
    editor::setMessageBoxHandler([&](QWidget*, const std::string& caption, const std::string& text) {
        boxes.push_back(caption + ": " + text);
    });

    // The editor program: its start position, then a designer's changes.
    Game::destroyInstance();
    PositionSnapshot built;
    {
        view::Pictures pictures;
        EditorSession session(Game::instance());
        session.setUpStartPosition();
        SavingEditor window(session, pictures);
        Game& g = Game::instance();
        session.select(&g.findProvince("Pannonia"));
        window.runProvinceCommand(editor::CmdOwnerBarbarians);
        window.runProvinceCommand(editor::CmdAddLegion);
        session.select(&g.findProvince("Syria"));
        window.runProvinceCommand(editor::CmdOwnerSassanids);
        window.runProvinceCommand(editor::CmdAddLegion);
        window.runProvinceCommand(editor::CmdAddLegion);
        session.select(&g.findProvince("Lusitania"));
        window.runProvinceCommand(editor::CmdOwnerNoOne);
        session.select(&g.findProvince("Italia"));
        for (int i = 0; i < 4; ++i) window.runProvinceCommand(editor::CmdAddLegion);
        session.applyOptions(editor::checkOptions({"3000", "420", true, 8}, session.plagueCounter()));
        session.setTitleAndBriefing("The Gothic War", "Princeps,\n\nthe Goths are at the Danube.");
        built = PositionSnapshot::of(g);
        window.path = file.string();
        window.menuAction(editor::CmdSave)->trigger();
    }
    editor::setMessageBoxHandler({});
    ASSERT_EQ(boxes, std::vector<std::string>{"Alert: Scenario saved"});

    // The game program: its own start, then File > Load of that file.
    Harness h(4242);
    ASSERT_FALSE(PositionSnapshot::of(h.game) == built);
    h.window->chooseFile = [&](bool) { return QString::fromStdString(file.string()); };
    ASSERT_TRUE(std::filesystem::exists(file));
    // A box from the game's reader would wait for a person: note it and close it.
    QString gameBox;
    QTimer closer;  // stops with the test, whether or not it fired
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                gameBox = box->text();
                box->accept();
            }
    });
    closer.start(0);
    h.window->action(Command::Load)->trigger();
    EXPECT_TRUE(gameBox.isEmpty()) << gameBox.toStdString();

    EXPECT_TRUE(PositionSnapshot::of(h.game) == built);
    EXPECT_EQ(h.game.year(), 420);
    EXPECT_EQ(h.game.romans.treasury, 3000);
    EXPECT_TRUE(h.game.romans.plague);
    EXPECT_EQ(h.game.romans.plagueCounter, 8);
    EXPECT_EQ(h.game.ownerOf(h.game.findProvince("Lusitania")), nullptr);
    EXPECT_EQ(h.game.sassanids.countLegionsIn(h.game.findProvince("Syria")), 2);
    EXPECT_EQ(h.game.romans.countLegionsIn(h.game.findProvince("Italia")), 4);
    // The Prefect reads the scenario's briefing, under its title, as it opens.
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_EQ(h.told[0].rfind("The Gothic War\n\nPrinceps,\n\nthe Goths", 0), 0u) << h.told[0];
    std::filesystem::remove(file);
}

// The Prefect reads a briefing under its title, and nothing of a scenario without one.
TEST(EditorToGame, ThePrefectReadsTheBriefingUnderItsTitleAndNothingWithoutOne) {
    testApp();
    Harness h(4242);
    h.game.scenarioTitle = "The Gothic War";
    tellScenarioBriefing(h.game);
    EXPECT_TRUE(h.told.empty());
    h.game.scenarioBriefing = "Princeps,\n\nthe Goths are at the Danube.";
    tellScenarioBriefing(h.game);
    ASSERT_EQ(h.told.size(), 1u);
    EXPECT_EQ(h.told[0].rfind("The Gothic War\n\nPrinceps,", 0), 0u) << h.told[0];
    h.game.scenarioTitle.clear();
    EXPECT_EQ(scenarioBriefingText(h.game), h.game.scenarioBriefing);
}

}  // namespace
