#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/Session.h"
#include "client/PlaySession.h"
#include "client/StateLine.h"
#include "engine/Game.h"

namespace {

struct Replay {
    std::string script;  // path below the source tree, without extension
    std::uint32_t seed;
    int skill;
    std::string answers;
};

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "missing " << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replays the script through the terminal edition, in this process, exactly as
// `aurovane-cli --seed N --skill S --answers A < script` would.
// The session's log, played again on the same seed, must give the same game:
// the same position and the same answers to the same questions.
std::string transcriptOf(const Replay& r) {
    PlaySession play(r.seed, r.skill);
    std::istringstream orders(read(std::string(AUROVANE_SOURCE_DIR) + "/" + r.script + ".script"));
    std::ostringstream out;
    Session(play, orders, out, {r.answers.empty() ? std::nullopt : std::optional<std::string>(r.answers)}).run();
    const auto again = PlaySession::replay(r.seed, r.skill, play.log());
    EXPECT_EQ(stateLine(again->game()), stateLine(play.game())) << r.script << ": the replayed log";
    std::vector<bool> asked, answered;
    for (const auto& e : play.log()) asked.insert(asked.end(), e.answers.begin(), e.answers.end());
    for (const auto& e : again->log()) answered.insert(answered.end(), e.answers.begin(), e.answers.end());
    EXPECT_EQ(asked, answered) << r.script;
    return out.str();
}

// The golden scripts name their command line on their first line.
Replay goldenGame(const std::string& name) {
    Replay r{"tests/golden/" + name, 0, 1, ""};
    std::istringstream first(read(std::string(AUROVANE_SOURCE_DIR) + "/" + r.script + ".script"));
    std::string word;
    while (first >> word && word != "--answers") {
        if (word == "--seed") first >> r.seed;
        if (word == "--skill") first >> r.skill;
    }
    first >> r.answers;
    return r;
}

void expectSameTranscript(const Replay& r) {
    const std::string expected = read(std::string(AUROVANE_SOURCE_DIR) + "/" + r.script + ".transcript");
    const std::string actual = transcriptOf(r);
    if (actual == expected) return;
    std::istringstream a(actual), e(expected);
    std::string la, le;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, la));
        const bool moreE = static_cast<bool>(std::getline(e, le));
        if (!moreA && !moreE) break;
        if (la != le || moreA != moreE) {
            ADD_FAILURE() << r.script << " differs first at line " << line << "\n expected: " << le
                          << "\n   actual: " << la;
            return;
        }
    }
}

TEST(Transcript, WorkedExamplesOfTheTerminalProtocol) {
    expectSameTranscript({"tests/cli/examples/new-game", 1, 1, ""});
    expectSameTranscript({"tests/cli/examples/opening", 42, 1, "yn"});
    expectSameTranscript({"tests/cli/examples/scenario-260", 7, 1, "y"});
}

// Any change in the order of the draws, or in what the rules say, shows here.
TEST(Transcript, GoldenGamesReplayExactly) {
    for (const char* name : {"whole-game", "new-game-hard", "scenario-308", "scenario-410", "scenario-455"})
        expectSameTranscript(goldenGame(name));
}

TEST(Transcript, TheWholeGoldenGameReachesTheEndOfTheEmpire) {
    const std::string transcript = read(std::string(AUROVANE_SOURCE_DIR) + "/tests/golden/whole-game.transcript");
    for (const char* moment : {"lesson 260\n", "lesson 285\n", "lesson 476\n", "results ", "newgame\n",
                               "offering peace", "Tigris", "have rebelled", "move \"Upper Rhine\""})
        EXPECT_NE(transcript.find(moment), std::string::npos) << moment;
}

}  // namespace
