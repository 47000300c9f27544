#include <filesystem>
#include <fstream>
#include <sstream>

#include "client/StateLine.h"
#include "model/TextBuilder.h"
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

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

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

// The saved files and the page's messages are written without streams; every
// kind of value they hold must come out as a stream writes it.
TEST(TextBuilderTest, WritesWhatAStreamWrites) {
    enum Old { Zero, One };
    const std::size_t size = 4000000000u;
    const unsigned char letter = 'A';
    std::ostringstream stream;
    TextBuilder text;
    stream << "a" << std::string("b") << ' ' << -12 << size << true << false << letter << One << -2147483647L;
    text << "a" << std::string("b") << ' ' << -12 << size << true << false << letter << One << -2147483647L;
    EXPECT_EQ(text.str(), stream.str());
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

namespace {

TEST_F(SavedGameTest, TheReignFollowsTheLegionsInASectionOfItsOwn) {
    game().startNewGame();
    game().invasionCount = 3;
    game().plagueCount = 1;
    game().rebellionCount = 2;
    game().romans.taxIncome = 9200;
    game().romans.legionCost = 3375;
    game().eventLog = {"The Goths have crossed the frontier!", "Pannonia has been overrun"};
    game().scenarioTitle = "Aetius # and the Huns";
    game().scenarioBriefing = "Dear students,\n\n" + std::string(100, 'x') + " \xC3\xA6";
    const std::string text = saved();
    const std::string legions = "Rebelling Legions-Legions\n0     #    number of legions\n";
    const std::string section = text.substr(text.find(legions) + legions.size());
    EXPECT_EQ(section,
              "Aurovane-extras 1   # what the game keeps beyond the lines above\n"
              "3   # invasions\n1   # plagues\n2   # rebellions\n"
              "9200   # tax revenue last year\n3375   # legion cost last year\n"
              "2   # lines of news\n> The Goths have crossed the frontier!\n> Pannonia has been overrun\n"
              "1   # lines of title\n> Aetius # and the Huns\n4   # lines of briefing\n> Dear students,\n>\n> " +
                  std::string(72, 'x') + "\n+ " + std::string(28, 'x') + " \xC3\xA6\n");

    restart(5);
    ASSERT_TRUE(loadText(text).ok) << loadText(text).error;
    EXPECT_EQ(game().invasionCount, 3);
    EXPECT_EQ(game().rebellionCount, 2);
    EXPECT_EQ(game().romans.legionCost, 3375);
    EXPECT_EQ(game().eventLog.back(), "Pannonia has been overrun");
    EXPECT_EQ(game().scenarioTitle, "Aetius # and the Huns");
    EXPECT_EQ(game().scenarioBriefing, "Dear students,\n\n" + std::string(100, 'x') + " \xC3\xA6");

    // What a file cannot carry is made safe on the way out, never refused on the way back.
    game().scenarioTitle = "Two\nlines\x1b[2J" + std::string(200, 't');
    game().scenarioBriefing = "Bad \xFF byte\r\n";
    game().eventLog.assign(12, "Caf\xC3\xA9");
    const std::string odd = saved();
    ASSERT_TRUE(loadText(odd).ok) << loadText(odd).error;
    EXPECT_EQ(game().scenarioTitle, "Two lines [2J" + std::string(SavedPosition::MaxTitleLength - 13, 't'));
    EXPECT_EQ(game().scenarioBriefing, "Bad ? byte\n");
    EXPECT_EQ(game().eventLog, std::vector<std::string>(10, "Caf?"));
    EXPECT_EQ(saved(), odd);
    game().scenarioBriefing = std::string(SavedPosition::MaxBriefingLength, '\n');
    ASSERT_TRUE(loadText(saved()).ok) << loadText(saved()).error;
    EXPECT_EQ(game().scenarioBriefing.size(), SavedPosition::MaxBriefingLength);
}

TEST_F(SavedGameTest, ABadReignSectionIsRefusedByLineAndChangesNothing) {
    game().startNewGame();
    game().eventLog = {"Dacia has been overrun"};
    const std::string good = saved();
    const std::string position = good.substr(0, good.find("Aurovane-extras"));
    const std::string tally = "Aurovane-extras 1\n0\n0\n0\n0\n0\n";
    game().turn = 12;
    game().invasionCount = 4;
    const std::string before = stateLine(game());
    struct Case {
        std::string section;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"Germanic Tribes-Legions\n",
         "expected the end of the file or the line \"Aurovane-extras 1\" after the last "
         "legion section, found \"Germanic Tribes-Legions\""},
        {"Aurovane-extras 2\n",
         "the file was written by a later Aurovane (its Aurovane-extras section is of version 2; "
         "this one reads version 1)"},
        {"Aurovane-extras 1\n-1\n", "the number of invasions -1 is out of range (0 to 1000000000)"},
        {tally, "the file ends before the number of lines of the news"},
        {tally + "11\n", "the file ends before a line of the news"},
        {tally + "1\nPannonia\n", "\"Pannonia\" is not a line of the news (they begin with > or +)"},
        {tally + "1\n+ overrun\n", "a line of the news goes on (+) from no line before it"},
        {tally + "11\n" + repeated("> a\n", 11), "more than 10 lines in the news"},
        {tally + "1\n> Caf\xC3\xA9\n", "the news may hold only ASCII letters"},
        {tally + "0\n2\n> A\n> B\n", "more than 1 line in the title"},
        {tally + "0\n2\n> " + std::string(70, 'a') + "\n+ " + std::string(11, 'a') + "\n",
         "a line of the title is longer than 80 characters"},
        {tally + "0\n0\n4002\n", "the number of lines of the briefing 4002 is out of range (0 to 4001)"},
        {tally + "0\n0\n0\nmore\n", "there is more after the briefing"},
    };
    for (const Case& c : cases) {
        const FileResult result = loadText(position + c.section);
        EXPECT_FALSE(result.ok) << c.section;
        EXPECT_NE(result.error.find(c.message), std::string::npos) << result.error;
        EXPECT_EQ(stateLine(game()), before) << c.section;
    }
    // Comments, blank lines and Windows line ends are read as in the rest of the file.
    ASSERT_TRUE(loadText(position + "# the reign\r\nAurovane-extras 1 # "
                                    "v1\r\n\r\n0\n0\n0\n0\n0\n1\r\n>No blank\r\n0\n0\n")
                    .ok);
    EXPECT_EQ(game().eventLog, std::vector<std::string>{"No blank"});
}

}  // namespace
