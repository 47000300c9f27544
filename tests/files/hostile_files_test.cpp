// Every file of the hostile and the odd-but-valid corpus, through the reader
// and through the terminal edition, against the table of what must happen.
#include <fstream>
#include <sstream>

#include "client/Json.h"
#include "cli/Session.h"
#include "client/PlaySession.h"
#include "client/StateLine.h"
#include "tests/support/TestGame.h"

namespace {

const std::string Corpus = std::string(AUROVANE_SOURCE_DIR) + "/tests/files/";

struct Outcome {
    std::string file;
    bool refused = false;
    std::string expected;  // the message, or the file that saves the same position
};

std::vector<Outcome> outcomes() {
    std::vector<Outcome> out;
    std::ifstream table(Corpus + "outcomes.tsv");
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t a = line.find('\t');
        const std::size_t b = line.find('\t', a + 1);
        out.push_back({line.substr(0, a), line.substr(a + 1, b - a - 1) == "refused", line.substr(b + 1)});
    }
    return out;
}

std::string savedText(Game& game) {
    std::ostringstream text;
    game.saveToStream(text);
    return text.str();
}

// What the terminal edition prints for the orders, from a fresh game.
std::string terminal(const std::string& orders) {
    PlaySession play(7);
    std::istringstream in(orders);
    std::ostringstream out;
    Session(play, in, out, {}).run();
    return out.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

class HostileFiles : public GameTest {};

TEST_F(HostileFiles, TheCorpusIsLargeEnough) {
    int hostile = 0, odd = 0;
    for (const Outcome& o : outcomes()) ++(o.refused ? hostile : odd);
    EXPECT_GE(hostile, 80);
    EXPECT_GE(odd, 20);
}

TEST_F(HostileFiles, TheReaderRefusesOrLoadsEachAsTheTableSays) {
    for (const Outcome& o : outcomes()) {
        restart(3);
        game().turn = 12;
        game().romans.treasury = 1234;
        game().romans.appendLegion(P("Dacia"));
        const std::string before = stateLine(game());
        const FileResult result = game().loadFromFile(Corpus + o.file);
        if (o.refused) {
            EXPECT_FALSE(result.ok) << o.file;
            EXPECT_EQ(result.error, o.expected) << o.file;
            EXPECT_EQ(stateLine(game()), before) << o.file;
            continue;
        }
        ASSERT_TRUE(result.ok) << o.file << ": " << result.error;
        const std::string loaded = savedText(game());
        ASSERT_TRUE(game().loadFromFile(Corpus + o.expected).ok) << o.expected;
        EXPECT_EQ(loaded, savedText(game())) << o.file;
        // Whatever loads saves and loads again to the same position.
        std::istringstream again(loaded);
        ASSERT_TRUE(game().loadFromStream(again).ok) << o.file;
        EXPECT_EQ(savedText(game()), loaded) << o.file;
    }
    EXPECT_TRUE(advisor.messages.empty());
    EXPECT_TRUE(advisor.diagnostics.empty());
}

TEST_F(HostileFiles, TheTerminalEditionPrintsTheRefusalAndKeepsItsGame) {
    GameTest::TearDown();
    for (const Outcome& o : outcomes()) {
        const std::vector<std::string> out = lines(terminal("dump\nload " + Corpus + o.file + "\ndump\n"));
        if (o.refused) {
            ASSERT_EQ(out.size(), 3u) << o.file;
            EXPECT_EQ(out[1], "error " + jsonString(o.expected)) << o.file;
            EXPECT_EQ(out[2], out[0]) << o.file;
        } else {
            ASSERT_EQ(out.size(), 2u) << o.file;
            EXPECT_EQ(out[1], lines(terminal("load " + Corpus + o.expected + "\ndump\n")).at(0)) << o.file;
        }
    }
    GameTest::SetUp();
}

}  // namespace
