#pragma once
#include <string>

class Game;
class TerminalWords;

// Readable pages for a person playing at a terminal, at `width` columns, in the language of `words`.
std::string helpText(const TerminalWords& words, int width);
// Every province: its holder, the legions standing there, its worth, and
// below it the provinces a legion there may step to (at `width` columns).
std::string mapListing(const TerminalWords& words, Game& game, int width);
// The year, the treasury and the latest news.
std::string statusReport(const TerminalWords& words, Game& game, int width);
