#pragma once
#include <string>

class Game;

// Everything fixed that the page draws with, as one JSON object: the
// provinces' hit rectangles, legion spots and links, the tint pictures and
// their places, the lessons with their words, pictures and narrations.
std::string pageTables(const Game& game);
