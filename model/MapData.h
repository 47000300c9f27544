#pragma once
#include <array>

// The fixed geography of the game: names, links, legion spots and the
// rectangles of the map picture that belong to each province.
namespace mapdata {

struct RectSpec {
    int left, top, width, height;
};

struct ProvinceSpec {
    const char* name;
    std::array<const char*, 5> neighbours;  // stored order; unused entries null
    int legionX, legionY;
    std::array<RectSpec, 6> rects;  // unused entries have width 0
};

extern const std::array<ProvinceSpec, 30> provinces;

struct ProvinceTraits {
    const char* name;
    const char* description;
    int taxValue;
    int hostility;
};

extern const std::array<ProvinceTraits, 10> traits;

}  // namespace mapdata
