// Two games in one process: each keeps its own chance, presenter and
// transcript, however their orders interleave.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/Session.h"
#include "client/PlaySession.h"
#include "engine/Game.h"

namespace {

std::vector<std::string> orders(const char* script) {
    std::ifstream in(std::string(AUROVANE_SOURCE_DIR) + "/tests/golden/" + script + ".script");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct Player {
    Player(std::uint32_t seed, int skill, const char* answers, const char* script)
        : game(seed, skill), session(game, none, out, {std::string(answers)}), lines(orders(script)) {
        session.run();  // sets the game up; the orders follow one by one
    }
    // Plays the next order; false once the script is over.
    bool next() {
        if (done >= lines.size()) return false;
        session.handle(lines[done++]);
        return true;
    }
    PlaySession game;
    std::istringstream none;
    std::ostringstream out;
    Session session;
    std::vector<std::string> lines;
    std::size_t done = 0;
};

std::string alone(std::uint32_t seed, int skill, const char* answers, const char* script) {
    Player p(seed, skill, answers, script);
    while (p.next()) {
    }
    return p.out.str();
}

TEST(TwoGames, InterleavedGamesEachGiveTheirOwnTranscript) {
    // The command lines of the two golden games.
    const std::string first = alone(5, 2, "yn", "scenario-308");
    const std::string second = alone(8, 0, "ny", "scenario-410");
    Player a(5, 2, "yn", "scenario-308");
    Player b(8, 0, "ny", "scenario-410");
    for (bool going = true; going;) going = a.next() | b.next();
    EXPECT_EQ(a.out.str(), first);
    EXPECT_EQ(b.out.str(), second);
    std::ifstream golden(std::string(AUROVANE_SOURCE_DIR) + "/tests/golden/scenario-410.transcript");
    std::ostringstream text;
    text << golden.rdbuf();
    EXPECT_EQ(second, text.str());
}

}  // namespace
