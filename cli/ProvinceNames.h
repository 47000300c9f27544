#pragma once
#include <string>

class Game;
class Province;

// Finds the province a typed name means: the exact name first (with '_' for
// blanks), then the same name in any case, then the one province whose name
// starts with what was typed. `why` says what went wrong when none is found.
Province* provinceFromToken(const Game& game, const std::string& token, std::string& why);
