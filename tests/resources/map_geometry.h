// The fixed geometry of the map picture (800x548): every province's legion
// spot and hit rectangles in table order, and the box of each inner
// province's tint picture.  The map generator (tools/map/generate.py) reads
// this file too, so the drawn map and the click geometry come from one table.
//
// Kept free of game code on purpose: once the game's own province table
// exists, the test can ask Game::provinceAt instead of mapProvinceAt below.
#pragma once

#include <array>
#include <string_view>

namespace mapgeo {

struct Rect {
    int left, top, width, height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    // Strictly inside, as the game's hit test does: edges do not count.
    constexpr bool contains(int x, int y) const {
        return left < x && x < right() && top < y && y < bottom();
    }
};

enum class Side { Roman, Barbarian, Sassanid };

struct Province {
    std::string_view name;
    Side side;               // colour of the land on the bare map
    int legionX, legionY;    // top-left corner of the 73x59 legion box
    int rectCount;
    std::array<Rect, 6> rects;
};

constexpr int MapWidth = 800;
constexpr int MapHeight = 548;
constexpr int LegionBoxWidth = 73;
constexpr int LegionBoxHeight = 59;
constexpr int ProvinceCount = 30;

// Table order matters: where rectangles overlap, the earlier province wins.
// @geometry-begin
constexpr std::array<Province, ProvinceCount> provinces{{
    {"Italia", Side::Roman, 295, 200, 4, {{{240, 200, 76, 35}, {289, 238, 35, 37}, {293, 190, 35, 30}, {320, 245, 20, 45}}}},
    {"Aquitania", Side::Roman, 150, 160, 4, {{{141, 183, 85, 35}, {131, 220, 30, 30}, {133, 190, 25, 80}, {150, 220, 20, 20}}}},
    {"Terraconensis", Side::Roman, 86, 256, 4, {{{80, 253, 50, 100}, {130, 275, 50, 20}, {90, 336, 60, 20}, {124, 290, 40, 50}}}},
    {"Upper Rhine", Side::Barbarian, 275, 67, 3, {{{262, 30, 64, 107}, {272, 135, 17, 13}, {283, 136, 22, 8}}}},
    {"Mauretania", Side::Roman, 161, 351, 2, {{{55, 386, 200, 43}, {183, 371, 55, 18}}}},
    {"Africa", Side::Roman, 374, 418, 3, {{{253, 371, 40, 80}, {287, 431, 165, 62}, {240, 368, 20, 20}}}},
    {"Aegyptus", Side::Roman, 544, 457, 2, {{{454, 442, 60, 50}, {509, 467, 100, 80}}}},
    {"Dalmatia", Side::Roman, 390, 205, 2, {{{346, 214, 90, 50}, {387, 222, 50, 65}}}},
    {"Macedonia", Side::Roman, 437, 272, 1, {{{418, 293, 75, 90}}}},
    {"Pontus", Side::Roman, 600, 250, 4, {{{589, 282, 50, 50}, {570, 298, 25, 25}, {556, 299, 27, 16}, {597, 330, 31, 9}}}},
    {"Palestina", Side::Roman, 625, 423, 3, {{{634, 429, 40, 50}, {606, 483, 35, 30}, {622, 463, 30, 30}}}},
    {"Armenia", Side::Sassanid, 752, 264, 3, {{{742, 182, 58, 190}, {726, 297, 28, 61}, {685, 191, 55, 47}}}},
    {"Sarmatia", Side::Barbarian, 520, 150, 2, {{{480, 109, 150, 66}, {510, 180, 50, 30}}}},
    {"Syria", Side::Roman, 662, 335, 3, {{{651, 381, 17, 40}, {664, 351, 50, 60}, {714, 343, 20, 60}}}},
    {"Dacia", Side::Roman, 450, 150, 6, {{{433, 189, 58, 34}, {446, 176, 40, 20}, {487, 189, 20, 20}, {469, 219, 23, 26}, {425, 198, 22, 22}, {439, 180, 59, 9}}}},
    {"Pannonia", Side::Roman, 327, 125, 3, {{{277, 158, 135, 34}, {340, 193, 70, 20}, {295, 144, 35, 20}}}},
    {"Britannia", Side::Roman, 104, 12, 1, {{{88, 17, 70, 87}}}},
    {"Thracia", Side::Roman, 470, 220, 3, {{{434, 237, 100, 40}, {480, 280, 70, 30}, {440, 265, 100, 25}}}},
    {"Belgica", Side::Roman, 180, 40, 6, {{{165, 98, 87, 37}, {195, 77, 41, 27}, {185, 120, 25, 23}, {244, 108, 12, 30}, {146, 113, 36, 21}, {171, 83, 29, 14}}}},
    {"Lower Rhine", Side::Barbarian, 218, 10, 2, {{{209, 47, 54, 23}, {246, 71, 18, 29}}}},
    {"Lower Danube", Side::Barbarian, 425, 100, 1, {{{413, 98, 63, 76}}}},
    {"Mesopotamia", Side::Sassanid, 735, 356, 5, {{{711, 404, 78, 46}, {695, 411, 28, 20}, {726, 390, 44, 23}, {734, 380, 12, 12}, {750, 416, 50, 12}}}},
    {"Upper Danube", Side::Barbarian, 360, 80, 2, {{{328, 28, 86, 114}, {334, 142, 78, 11}}}},
    {"Lusitania", Side::Roman, 34, 287, 1, {{{17, 258, 65, 128}}}},
    {"Lugdunensis", Side::Roman, 150, 100, 5, {{{104, 143, 100, 26}, {205, 150, 20, 17}, {80, 147, 30, 20}, {119, 134, 50, 20}, {116, 160, 15, 30}}}},
    {"Narbonensis", Side::Roman, 187, 188, 4, {{{180, 228, 49, 35}, {160, 250, 30, 20}, {216, 244, 25, 20}, {173, 230, 30, 30}}}},
    {"Raetia", Side::Roman, 240, 115, 1, {{{230, 140, 40, 50}}}},
    {"Lydia", Side::Roman, 610, 310, 5, {{{597, 343, 50, 35}, {644, 350, 16, 24}, {583, 359, 15, 21}, {590, 378, 39, 13}, {588, 352, 15, 11}}}},
    {"Phrygia", Side::Roman, 536, 294, 5, {{{518, 324, 60, 50}, {513, 311, 41, 18}, {575, 330, 17, 22}, {530, 370, 47, 17}, {550, 315, 18, 12}}}},
    {"Cappadocia", Side::Roman, 670, 264, 4, {{{645, 296, 74, 40}, {660, 335, 24, 16}, {683, 333, 16, 12}, {640, 310, 7, 20}}}},
}};
// @geometry-end

// The 23 inner provinces' tint pictures: bitmap ids by colour (plain,
// "-yellow", "-blue"), the shared mask id, size, and where the game draws
// them in window pixels before the horizontal screen offset.  The map itself
// sits at window (180, 30), so a tint's map position is (windowX - 180,
// windowY - 30).
struct Tint {
    std::string_view name;
    int plainId, yellowId, blueId, maskId;
    int width, height;
    int windowX, windowY;
    constexpr int mapX() const { return windowX - 180; }
    constexpr int mapY() const { return windowY - 30; }
};

constexpr int TintCount = 23;

// @tints-begin
constexpr std::array<Tint, TintCount> tints{{
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

// The province the game selects at map point (x, y): the first in table
// order with a rectangle strictly containing the point, or -1.
constexpr int mapProvinceAt(int x, int y) {
    for (int i = 0; i < ProvinceCount; ++i)
        for (int r = 0; r < provinces[i].rectCount; ++r)
            if (provinces[i].rects[r].contains(x, y)) return i;
    return -1;
}

// The window position of the CONSTANTINOPLE label (picture 251, 100x15).
constexpr int ConstantinopleWindowX = 724;
constexpr int ConstantinopleWindowY = 294;
constexpr int ConstantinopleWidth = 100;
constexpr int ConstantinopleHeight = 15;

}  // namespace mapgeo
