#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "client/ScreenText.h"

class Game;
class Province;

// The position as the page draws it, as one JSON object: the year, the
// reports, the news, and for every province its tint and its legion icons.
std::string pageState(Game& game);

// A list of screen texts, and the information line of a province (or of none).
void writeScreenLines(std::ostream& out, const std::vector<ScreenTextLine>& lines);
void writeInfoLine(std::ostream& out, const Province* province);
