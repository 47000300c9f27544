// Plays the golden games with the simple policy and writes each script with
// the transcript the terminal edition prints for it. Run it only when a change
// of the rules is meant to change the games; the golden test then holds them.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/Session.h"
#include "client/PlaySession.h"
#include "engine/Game.h"
#include "tests/support/Policy.h"

namespace {

struct GoldenGame {
    const char* name;
    std::uint32_t seed;
    int skill;
    const char* answers;
    const char* opening;  // first order, before the policy takes over
    int maxTurns;
};

void play(const GoldenGame& g, const std::string& dir) {
    PlaySession play(g.seed, g.skill);
    std::istringstream none;
    std::ostringstream transcript;
    Session session(play, none, transcript, {g.answers});
    session.run();  // sets the game up; no orders yet

    std::ostringstream script;
    script << "# aurovane-cli --seed " << g.seed << " --skill " << g.skill << " --answers " << g.answers << '\n';
    auto order = [&](const std::string& line) {
        script << line << '\n';
        return session.handle(line);
    };
    bool going = *g.opening == '\0' || order(g.opening);
    int turns = 0;
    while (going && turns < g.maxTurns) {
        const std::string next = nextPolicyOrder(play.game());
        if (next == "end") ++turns;
        going = order(next);
        if (transcript.str().find("\nnewgame\n") != std::string::npos) break;
    }
    going = going && order("dump");
    std::ofstream(dir + "/" + g.name + ".script") << script.str();
    std::ofstream(dir + "/" + g.name + ".transcript") << transcript.str();
    std::cout << g.name << ": " << turns << " turns, year " << play.game().year() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_golden DIRECTORY\n";
        return 2;
    }
    const GoldenGame games[] = {
        {"whole-game", 9, 0, "y", "", 300},
        {"new-game-hard", 4, 2, "ny", "", 60},
        {"scenario-308", 5, 2, "yn", "scenario 308", 60},
        {"scenario-410", 8, 0, "ny", "scenario 410", 80},
        {"scenario-455", 13, 1, "y", "scenario 455", 40},
    };
    for (const GoldenGame& g : games) play(g, argv[1]);
    return 0;
}
