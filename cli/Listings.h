#pragma once
#include <string>

class Game;

// Readable pages for a person playing at a terminal.
std::string helpText();
// Every province: its holder, the legions standing there, its worth.
std::string mapListing(Game& game);
// The year, the treasury and the latest news.
std::string statusReport(Game& game);
