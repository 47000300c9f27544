#pragma once
// The names the programs write on the map picture themselves, in the
// player's language: the frontier lands named in words of a language ("Upper
// Rhine") rather than in Latin. The picture leaves their places free; the
// map tool that paints it writes where (client/MapNamePlaces.h).
#include <string>
#include <vector>

struct MapNamePlace {
    const char* province;  // its name in the map's table: the text is that name in capitals
    struct {
        int left, top, right, bottom;  // map pixels
    } box;
    int pixelSize;   // of the type
    bool small;      // the small optical size of the face (EB Garamond 08) rather than 12
    int lines;       // the lines the English name takes in the box
    int linePitch;   // from one line's cap line to the next
};

// As the map's own names are set: letters a pixel apart, in its brown ink.
inline constexpr int MapNameTracking = 1;
inline constexpr unsigned MapNameInk = 0x302018;

const std::vector<MapNamePlace>& mapNamePlaces();

// A line of a name: its text, the centre of its width and the top of its
// capitals, in map pixels.
struct MapNameLine {
    std::string text;
    int centreX;
    int capTop;
};
// `name` (UTF-8, as it is written there) in as many lines as the English
// takes, parted at its blanks so that the longest line is as short as it can
// be; a name without blanks stays on one line, centred in the box's height.
std::vector<MapNameLine> mapNameLines(const MapNamePlace& place, const std::string& name);
