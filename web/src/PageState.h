#pragma once
#include <optional>
#include <string>
#include <vector>

#include "client/MarchLines.h"
#include "client/ScreenText.h"
#include "model/Power.h"

class Game;
class Province;
class TextBuilder;
class World;

// The position as the page draws it, as one JSON object: the year, the
// reports, the news, and for every province its tint, its holder's pattern,
// its description in words and its legion icons.
std::string pageState(Game& game);
// The results dialog: its picture, title and the counts in their places.
std::string pageResultsDialog(const World& game);

// A list of screen texts, and the information line of a province (or of none).
void writeScreenLines(TextBuilder& out, const std::vector<ScreenTextLine>& lines);
// Phrases in the page's language, each ending a sentence, joined by a blank.
std::string pageDescription(const std::vector<ScreenPhrase>& parts);
void writeInfoLine(TextBuilder& out, const Province* province);
// The pattern a holder lays over its land, as [pattern, spacing, thickness].
void writeMark(TextBuilder& out, std::optional<Power> holder);
// Texts as a JSON list.
void writeStrings(TextBuilder& out, const std::vector<std::string>& texts);
// A number with at most two decimals, and layout points as [x, y] pairs.
void writeDecimal(TextBuilder& out, double value);
void writePoints(TextBuilder& out, const std::vector<view::LayoutPointF>& points);
