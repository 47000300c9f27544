#pragma once
#include <string>

class Game;

// Readable pages for a person playing at a terminal, at `width` columns.
std::string helpText(int width);
// Every province: its holder, the legions standing there, its worth, and
// below it the provinces a legion there may step to (at `width` columns).
std::string mapListing(Game& game, int width);
// The year, the treasury and the latest news.
std::string statusReport(Game& game, int width);
