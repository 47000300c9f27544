#pragma once
#include <string>
#include <variant>

// What a player can do to a game, as typed values: each goes through the
// play session's one entry point and into its log, so that a seed and a log
// always give the same game again. Provinces are named by their place in the
// map's table, which replaying keeps while the province objects are new.
namespace order {

// One legion sent from a province to another (a drag, a drop or the keyboard).
struct Move {
    int from = -1;
    int to = -1;
};
// The terminal's drag to a map point, with the rules' own pick-up and drop.
struct DropAt {
    int from = -1;
    int x = 0;
    int y = 0;
};
struct EndYear {};
struct NewGame {};
struct Scenario {
    int year = 0;
};
// A saved game or scenario, as the text of its file.
struct Load {
    std::string text;
};
// The same, read from a file first (the log keeps the text it read).
struct LoadFile {
    std::string path;
};
struct Skill {
    int level = 1;
};
struct PalestinaUprising {};

}  // namespace order

using Order = std::variant<order::Move, order::DropAt, order::EndYear, order::NewGame, order::Scenario, order::Load,
                           order::LoadFile, order::Skill, order::PalestinaUprising>;
