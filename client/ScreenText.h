#pragma once
#include <string>
#include <utility>
#include <vector>

class World;
class Province;

// The words of the map screen and where they stand, for every front end that
// draws it: the reports on the scroll, the information line under the map,
// the legend and the instructions. Places are layout pixels with the
// horizontal screen offset already added.
//
// Each line is an English form with %1-style places and the words that fill
// them, so that the window can translate the form (context "ScreenText") and
// the page can show the English: one copy of every text.

// A word put into a form: a number, a name, or a text of the rules, which a
// player reads in corrected English.
struct ScreenTextArg {
    std::string text;
    bool fromRules = false;
};

struct ScreenTextLine {
    int x, y;
    unsigned colour;  // 0xRRGGBB
    const char* form;
    std::vector<ScreenTextArg> args = {};
    // For a form with %n (a plural entry of the catalogue, its source the
    // English plural): the number that picks the form; -1 for none.
    long long count = -1;
};

// Words with no place on the screen (what a screen reader is told): an
// English form with %1-style places and the words that fill them.
struct ScreenPhrase {
    const char* form;
    std::vector<ScreenTextArg> args = {};
};

// The warning red is dark enough to read on the parchment (better than 5:1).
inline constexpr unsigned ScreenBlack = 0x000000, ScreenRed = 0xa00000, ScreenWhite = 0xffffff;

// A form with its words in place, filled as Qt's QString::arg fills one word
// after another: each takes every place of the lowest number still in the text.
std::string fillForm(std::string form, const std::vector<std::string>& words);
// A word as a player reads it: the rules' texts in corrected English.
std::string shownWord(const ScreenTextArg& arg);
// The line in English, as the window shows it untranslated.
std::string englishText(const ScreenTextLine& line);

std::vector<ScreenTextLine> economicReportLines(const World& game, int offsetX);
ScreenTextLine militaryReportTitle(int offsetX);
// The title and the year's news under it.
std::vector<ScreenTextLine> militaryReportLines(const World& game, int offsetX);

// The information line: its texts and the coin places (x, picture id), at y 595.
struct ScreenInfoLine {
    std::vector<ScreenTextLine> texts;
    std::vector<std::pair<int, int>> coins;
};
ScreenInfoLine provinceInfoLine(const Province* province, int offsetX);

// A picture of the screen at its place.
struct ScreenPicture {
    int x, y, picture;
};

// The legend's pictures (its icons and the title), its words beside the
// icons, and the instructions under the map.
std::vector<ScreenPicture> legendPictures(int offsetX);
// The English note and instructions in the pieces the screen has always
// placed them in; their forms are English only (the page and the golden
// screens draw them so): a translation takes the whole sentences below.
std::vector<ScreenTextLine> legendLines(int offsetX);
// The legend's lines before the note's pieces: the names beside the figures.
inline constexpr std::size_t LegendNamedLines = 5;
std::vector<ScreenTextLine> instructionLines(int offsetX);

// A whole sentence and the box it wraps into, where a translation's words
// find their own line breaks.
struct ScreenTextBlock {
    int x, y, w, h;
    unsigned colour;
    const char* form;
};
// The legend's note under the figures; the instructions under the map.
ScreenTextBlock legendNote(int offsetX);
ScreenTextBlock instructionsText(int offsetX);
// The same for a touch screen, where there is no right button: the bar's End Year ends the turn.
std::vector<ScreenTextLine> touchInstructionLines(int offsetX);
ScreenTextBlock touchInstructionsText(int offsetX);
