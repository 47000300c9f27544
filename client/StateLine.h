#pragma once
#include <string>

class Game;

// The one-line JSON picture of the whole position that `dump` prints; tools
// outside this repository parse it, so its shape never changes.
std::string stateLine(Game& game);
