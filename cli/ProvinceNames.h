#pragma once
#include <string>

class Game;
class Province;
class TerminalWords;

// Finds the province a typed name means: the exact name first (with '_' for
// blanks), then the same name in any case, then the one province whose name
// starts with what was typed. `why` says what went wrong when none is found,
// in the language of `words` (what was typed shown printable), whose names are
// understood as well as the game's own.
Province* provinceFromToken(const TerminalWords& words, const Game& game, const std::string& token, std::string& why);
