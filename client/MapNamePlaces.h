#pragma once
// Written by tools/map/generate.py with the map picture (bitmap 111): where
// the map leaves room for the names that the window, the editor and the page
// write on it themselves (MapNames.h). Regenerate instead of editing.
#include <array>

#include "client/MapNames.h"

inline constexpr std::array<MapNamePlace, 4> MapNamePlaces = {{
    {"Lower Rhine", {178, 31, 263, 40}, 11, true, 1, 10},
    {"Lower Danube", {434, 81, 483, 100}, 11, true, 2, 10},
    {"Upper Rhine", {270, 76, 318, 99}, 13, false, 2, 12},
    {"Upper Danube", {331, 56, 440, 67}, 13, false, 1, 12},
}};
