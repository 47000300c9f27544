#pragma once
#include <string>
#include <vector>

class Game;

// Everything that must hold between any two actions of a game; each broken rule
// is one line of the result.
std::vector<std::string> brokenInvariants(Game& game);
// The part of them that holds from any position the reader accepts, however
// unlike a real game's (Rome's legions abroad, the frontier lands in other
// hands, an empty treasury).
std::vector<std::string> brokenRules(Game& game);
// Saves the game and loads it back from what was saved, as Continue does the
// next day: "" when the reader took the file and the position came back the
// same; otherwise what went wrong.
std::string reloadProblem(Game& game);
