#include <filesystem>
#include <fstream>
#include <sstream>

#include "client/StateLine.h"
#include "tests/support/FileContents.h"
#include "tests/support/TestGame.h"

namespace {

namespace fs = std::filesystem;

class SavedGameTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        dir = fs::temp_directory_path() / ("aurovane-saves-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        GameTest::TearDown();
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }


    std::string saved() {
        EXPECT_TRUE(game().saveToFile(path("probe.avn")).ok);
        return fileContents(path("probe.avn"));
    }

    FileResult loadText(const std::string& text) {
        std::ofstream(path("edited.avn"), std::ios::binary) << text;
        return game().loadFromFile(path("edited.avn"));
    }

    // A well-formed file: a new game as written by the game itself.
    std::string newGameText() {
        game().startNewGame();
        return saved();
    }

    fs::path dir;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

TEST_F(SavedGameTest, NewGameIsWrittenInTheFixedFormSpacingIncluded) {
    game().barbarians.tribeCountdown = {3, 5, 2, 4};
    const auto l = lines(saved());
    const std::vector<std::string> head = {
        "0   # turn", "75000   # treasury", "0   # plague", "0   # plague counter",
        "3   # roman tribute owned by barbarians", "5   # roman tribute owned by barbarians",
        "2   # roman tribute owned by barbarians", "4   # roman tribute owned by barbarians",
        "Romans-provinces", "23    #    number of provinces", "Italia", "Aquitania", "Narbonensis"};
    ASSERT_GE(l.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + 13), head);

    const std::string text = saved();
    EXPECT_NE(text.find("Germanic Tribes-Legions\n2     #    number of legions\n"
                        "Upper Rhine   # current province\n0    #   no route\n"
                        "Upper Rhine   # current province\n0    #   no route\n"
                        "Sassanids-Legions\n0     #    number of legions\n"
                        "Rebelling Legions-Legions\n0     #    number of legions\n"),
              std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(SavedGameTest, SaveLoadSaveGivesTheSameBytes) {
    for (int scenario : {0, 455, 410}) {
        if (scenario == 0)
            game().startNewGame();
        else
            game().startScenario(scenario);
        const std::string first = saved();
        ASSERT_TRUE(game().loadFromFile(path("probe.avn")).ok);
        EXPECT_EQ(saved(), first);
    }
}

TEST_F(SavedGameTest, LoadingRestoresThePositionAndRecomputesRoutes) {
    game().startScenario(455);
    game().romans.plague = true;
    game().romans.plagueCounter = 7;
    // One of the Vandals has already walked two steps of its march on Italia.
    Legion& walker = *game().barbarians.legions.front();
    walker.advance();
    walker.advance();
    ASSERT_EQ(walker.province->name(), "Lusitania");
    const std::string text = saved();

    restart(99);
    ASSERT_TRUE(loadText(text).ok);
    EXPECT_EQ(game().turn, 219);
    EXPECT_EQ(game().romans.treasury, 40000);
    EXPECT_TRUE(game().romans.plague);
    EXPECT_EQ(game().romans.plagueCounter, 7);
    const std::vector<std::string> expected = {"Italia", "Lugdunensis", "Dalmatia", "Mauretania"};
    std::vector<std::string> romans;
    for (Province* p : game().romans.provinces) romans.push_back(p->name());
    EXPECT_EQ(romans, expected);
    const Legion& loaded = *game().barbarians.legions.front();
    EXPECT_EQ(loaded.province->name(), "Lusitania");
    ASSERT_TRUE(loaded.hasRoute);
    EXPECT_EQ(loaded.routeIndex, 0);
    std::vector<std::string> route;
    for (Province* p : loaded.route) route.push_back(p->name());
    EXPECT_EQ(route, (std::vector<std::string>{"Lusitania", "Terraconensis", "Aquitania", "Italia"}));
    EXPECT_FALSE(loaded.moved);
}

TEST_F(SavedGameTest, HandEditedFilesAreReadLeniently) {
    std::string text = newGameText();
    // Trailing blanks without a comment, Windows line ends, a plague flag of 2.
    text.replace(text.find("Italia\n"), 7, "Italia   \n");
    text.replace(text.find("0   # plague\n"), 12, "2\n");
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(loadText(crlf).ok) << loadText(crlf).error;
    EXPECT_EQ(game().romans.provinces.front()->name(), "Italia");
    EXPECT_FALSE(game().romans.plague);
    EXPECT_TRUE(game().rogueRomans.provinces.empty());
    EXPECT_TRUE(game().rogueRomans.legions.empty());
}

TEST_F(SavedGameTest, BadFilesAreRefusedAndChangeNothing) {
    const std::string good = newGameText();
    // Change the live game so that "unchanged" is not the same as "the file's position".
    game().turn = 12;
    game().romans.treasury = 1234;
    game().romans.appendLegion(P("Dacia"));
    const std::string before = stateLine(game());

    struct Case {
        const char* what;
        std::string text;
        const char* mentions;
    };
    std::string unknown = good;
    unknown.replace(unknown.find("Aquitania\n"), 10, "Atlantis\n");
    std::string longLine = good;
    longLine.replace(longLine.find("Aquitania\n"), 10, "Aquitania" + std::string(80, ' ') + "\n");
    std::string tooMany = good;
    tooMany.replace(tooMany.find("23    #"), 2, "10001");
    std::string errorDestination = good;
    errorDestination.replace(errorDestination.rfind("0    #   no route"), 17, "1    #   has a route\nERROR");
    std::string hugeNumber = good;
    hugeNumber.replace(0, 1, "99999999999");
    const std::vector<Case> cases = {
        {"an unknown province", unknown, "Atlantis"},
        {"a long line", longLine, "79"},
        {"a count above the limit", tooMany, "out of range"},
        {"the ERROR destination", errorDestination, "ERROR"},
        {"a number beyond 32 bits", hugeNumber, "out of range"},
        {"a truncated file", good.substr(0, good.find("Sassanids-Legions")), "ends"},
        {"a file without sections", good.substr(0, good.find("Romans-provinces")), "ends"},
        {"an empty file", "", "ends"},
    };
    for (const Case& c : cases) {
        const FileResult result = loadText(c.text);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_EQ(result.error.rfind("Unable to load file", 0), 0u) << c.what << ": " << result.error;
        EXPECT_NE(result.error.find(c.mentions), std::string::npos) << c.what << ": " << result.error;
        EXPECT_NE(result.error.find("line "), std::string::npos) << c.what;
        EXPECT_EQ(stateLine(game()), before) << c.what;
    }
    EXPECT_TRUE(advisor.messages.empty());

    const FileResult missing = game().loadFromFile(path("no-such-file.avn"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "Unable to open file");
    EXPECT_EQ(game().loadFromFile(dir.string()).error, "Unable to open file: a folder has that name.");
    EXPECT_EQ(stateLine(game()), before);
}

TEST_F(SavedGameTest, DoubleListingsAndImpossibleRoutesAreMadeConsistent) {
    std::string text = newGameText();
    // Italia also listed by the Sassanids; a Roman legion marching to where it
    // stands; another to a frontier land it can never reach.
    text.replace(text.find("2    #    number of provinces\nArmenia"), 37,
                 "3    #    number of provinces\nItalia\nArmenia");
    const std::string firstLegion = "Italia   # current province\n0    #   no route\n";
    text.replace(text.find(firstLegion), firstLegion.size(),
                 "Italia   # current province\n1    #   has a route\nItalia    #   destination\n"
                 "Italia   # current province\n1    #   has a route\nUpper Rhine    #   destination\n");
    text.replace(text.find("9     #    number of legions"), 1, "10");
    ASSERT_TRUE(loadText(text).ok) << loadText(text).error;
    EXPECT_TRUE(game().romans.holds(P("Italia")));
    EXPECT_FALSE(game().sassanids.holds(P("Italia")));
    EXPECT_EQ(game().ownerOf(P("Italia")), &game().romans);
    EXPECT_TRUE(advisor.messages.empty());
    ASSERT_EQ(game().romans.legions.size(), 10u);
    EXPECT_FALSE(game().romans.legions[0]->hasRoute);
    EXPECT_FALSE(game().romans.legions[1]->hasRoute);
    EXPECT_TRUE(game().romans.legions[0]->route.empty());
}

TEST_F(SavedGameTest, SavingIsAtomic) {
    game().startNewGame();
    const std::string target = path("game.avn");
    std::ofstream(target) << "an older save\n";
    ASSERT_TRUE(game().saveToFile(target).ok);
    EXPECT_EQ(fileContents(target).rfind("0   # turn\n", 0), 0u);
    for (const auto& entry : fs::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename(), "game.avn") << "left behind: " << entry.path();

    const FileResult failed = game().saveToFile(path("missing-folder/game.avn"));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.error, "Unable to open file: the folder does not exist.");
    EXPECT_FALSE(fs::exists(path("missing-folder")));
}

}  // namespace
