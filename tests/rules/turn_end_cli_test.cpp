// The turn ends by itself once the last Roman legion has moved: the front end
// asks the rules after every successful drop.
#include <sstream>

#include <gtest/gtest.h>

#include "cli/Session.h"
#include "client/PlaySession.h"
#include "engine/Game.h"

namespace {

std::string play(const std::string& script) {
    PlaySession play(5);
    std::istringstream in(script);
    std::ostringstream out;
    Session(play, in, out, Session::Options{std::string("n")}).run();
    return out.str();
}

TEST(TurnEndTest, TheLastPossibleDropEndsTheTurn) {
    std::string moves;
    for (int i = 0; i < 5; ++i) moves += "drop Italia Aquitania\n";
    for (int i = 0; i < 3; ++i) moves += "drop Aegyptus Africa\n";
    const std::string eight = play(moves + "dump\n");
    EXPECT_NE(eight.find("\"turn\":0,"), std::string::npos);
    const std::string nine = play(moves + "drop Syria Palestina\ndump\n");
    EXPECT_NE(nine.find("\"turn\":1,"), std::string::npos) << nine;
    EXPECT_EQ(nine.find("\"turn\":0,"), std::string::npos);
}

}  // namespace
