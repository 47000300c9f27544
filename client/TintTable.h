#pragma once
#include <array>
#include <string_view>

// Where the map view lays the tint of each inner province that Rome does not
// hold: the pictures by colour (plain for nobody and the rebels, "-yellow" for
// the tribes, "-blue" for the Persians), the mask they share, their size, and
// their window position before the horizontal screen offset. The map sits at
// window (180, 30), so a tint's map position is (windowX - 180, windowY - 30).
// The map generator in tools/map reads this table too: the drawn provinces and
// their tints come from one geometry.
struct TintSpec {
    std::string_view name;
    int plainId, yellowId, blueId, maskId;
    int width, height;
    int windowX, windowY;
    constexpr int mapX() const { return windowX - 180; }
    constexpr int mapY() const { return windowY - 30; }
};

// @tints-begin
inline constexpr std::array<TintSpec, 23> TintTable{{
    {"Macedonia", 140, 196, 216, 139, 124, 135, 593, 314},
    {"Palestina", 137, 202, 222, 138, 95, 120, 766, 437},
    {"Lusitania", 135, 203, 223, 136, 120, 155, 182, 267},
    {"Syria", 122, 197, 217, 120, 112, 104, 812, 366},
    {"Britannia", 125, 188, 208, 123, 110, 121, 243, 32},
    {"Terraconensis", 133, 193, 213, 134, 144, 134, 231, 277},
    {"Dacia", 128, 195, 215, 126, 95, 80, 598, 199},
    {"Aegyptus", 131, 201, 221, 132, 177, 109, 628, 469},
    {"Dalmatia", 130, 198, 218, 129, 117, 106, 513, 229},
    {"Mauretania", 141, 199, 219, 142, 229, 111, 215, 375},
    {"Thracia", 143, 207, 227, 144, 138, 110, 607, 237},
    {"Pontus", 145, 205, 225, 146, 130, 73, 707, 302},
    {"Italia", 147, 194, 214, 148, 200, 198, 388, 215},
    {"Aquitania", 173, 191, 211, 174, 144, 105, 286, 197},
    {"Belgica", 151, 189, 209, 152, 129, 98, 320, 81},
    {"Pannonia", 154, 206, 226, 155, 157, 99, 445, 162},
    {"Africa", 156, 200, 220, 157, 237, 139, 412, 386},
    {"Lugdunensis", 171, 190, 210, 172, 164, 83, 252, 150},
    {"Narbonensis", 175, 192, 212, 176, 112, 68, 324, 241},
    {"Raetia", 177, 204, 224, 178, 85, 75, 383, 157},
    {"Lydia", 242, 243, 241, 240, 96, 95, 754, 362},
    {"Phrygia", 246, 247, 245, 244, 99, 100, 682, 329},
    {"Cappadocia", 238, 239, 237, 236, 95, 80, 813, 307},
}};
// @tints-end

// The CONSTANTINOPLE label (picture 251), drawn from 313 AD on.
inline constexpr int ConstantinopleWindowX = 724;
inline constexpr int ConstantinopleWindowY = 294;
