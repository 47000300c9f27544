#pragma once
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "client/MarchLines.h"
#include "client/ScreenText.h"
#include "model/Power.h"

class Game;
class Province;
class World;

// The position as the page draws it, as one JSON object: the year, the
// reports, the news, and for every province its tint, its holder's pattern,
// its description in words and its legion icons.
std::string pageState(Game& game);
// The results dialog: its picture, title and the counts in their places.
std::string pageResultsDialog(const World& game);

// A list of screen texts, and the information line of a province (or of none).
void writeScreenLines(std::ostream& out, const std::vector<ScreenTextLine>& lines);
// Phrases in the page's language, each ending a sentence, joined by a blank.
std::string pageDescription(const std::vector<ScreenPhrase>& parts);
void writeInfoLine(std::ostream& out, const Province* province);
// The pattern a holder lays over its land, as [pattern, spacing, thickness].
void writeMark(std::ostream& out, std::optional<Power> holder);
// Texts as a JSON list.
void writeStrings(std::ostream& out, const std::vector<std::string>& texts);
// A number with at most two decimals, and layout points as [x, y] pairs.
void writeDecimal(std::ostream& out, double value);
void writePoints(std::ostream& out, const std::vector<view::LayoutPointF>& points);
