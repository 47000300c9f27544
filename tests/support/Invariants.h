#pragma once
#include <string>
#include <vector>

class Game;

// Everything that must hold between any two actions of a game; each broken rule
// is one line of the result.
std::vector<std::string> brokenInvariants(Game& game);
