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
struct ScreenTextLine {
    int x, y;
    std::string text;
    unsigned colour;  // 0xRRGGBB
};

inline constexpr unsigned ScreenBlack = 0x000000, ScreenRed = 0xff0000, ScreenWhite = 0xffffff;

std::vector<ScreenTextLine> economicReportLines(const World& game, int offsetX);
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
std::vector<ScreenTextLine> legendLines(int offsetX);
std::vector<ScreenTextLine> instructionLines(int offsetX);
