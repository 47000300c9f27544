#include "model/MapData.h"

#include "model/TranslationMarks.h"

namespace mapdata {

// The map generator in tools/map reads this table: keep one province a entry.
// @provinces-begin
const std::array<ProvinceSpec, 30> provinces = {{
    {QT_TRANSLATE_NOOP("Names", "Italia"), {"Aquitania", "Narbonensis", "Pannonia", "Dalmatia", "Raetia"}, 295, 200,
     {{{240, 200, 76, 35}, {289, 238, 35, 37}, {293, 190, 35, 30}, {320, 245, 20, 45}}}},
    {QT_TRANSLATE_NOOP("Names", "Aquitania"), {"Italia", "Terraconensis", "Lugdunensis", "Raetia", "Narbonensis"}, 150, 160,
     {{{141, 183, 85, 35}, {131, 220, 30, 30}, {133, 190, 25, 80}, {150, 220, 20, 20}}}},
    {QT_TRANSLATE_NOOP("Names", "Terraconensis"), {"Aquitania", "Lusitania", "Narbonensis"}, 86, 256,
     {{{80, 253, 50, 100}, {130, 275, 50, 20}, {90, 336, 60, 20}, {124, 290, 40, 50}}}},
    {QT_TRANSLATE_NOOP("Names", "Upper Rhine"), {"Belgica", "Pannonia", "Raetia"}, 275, 67,
     {{{262, 30, 64, 107}, {272, 135, 17, 13}, {283, 136, 22, 8}}}},
    {QT_TRANSLATE_NOOP("Names", "Mauretania"), {"Lusitania", "Africa"}, 161, 351, {{{55, 386, 200, 43}, {183, 371, 55, 18}}}},
    {QT_TRANSLATE_NOOP("Names", "Africa"), {"Mauretania", "Aegyptus"}, 374, 418,
     {{{253, 371, 40, 80}, {287, 431, 165, 62}, {240, 368, 20, 20}}}},
    {QT_TRANSLATE_NOOP("Names", "Aegyptus"), {"Africa", "Palestina"}, 544, 457, {{{454, 442, 60, 50}, {509, 467, 100, 80}}}},
    {QT_TRANSLATE_NOOP("Names", "Dalmatia"), {"Pannonia", "Italia", "Dacia", "Macedonia", "Thracia"}, 390, 205,
     {{{346, 214, 90, 50}, {387, 222, 50, 65}}}},
    {QT_TRANSLATE_NOOP("Names", "Macedonia"), {"Dalmatia", "Thracia"}, 437, 272, {{{418, 293, 75, 90}}}},
    {QT_TRANSLATE_NOOP("Names", "Pontus"), {"Thracia", "Phrygia", "Lydia", "Cappadocia"}, 600, 250,
     {{{589, 282, 50, 50}, {570, 298, 25, 25}, {556, 299, 27, 16}, {597, 330, 31, 9}}}},
    {QT_TRANSLATE_NOOP("Names", "Palestina"), {"Syria", "Aegyptus"}, 625, 423, {{{634, 429, 40, 50}, {606, 483, 35, 30}, {622, 463, 30, 30}}}},
    {QT_TRANSLATE_NOOP("Names", "Armenia"), {"Syria", "Cappadocia"}, 752, 264, {{{742, 182, 58, 190}, {726, 297, 28, 61}, {685, 191, 55, 47}}}},
    {QT_TRANSLATE_NOOP("Names", "Sarmatia"), {"Dacia", "Thracia"}, 520, 150, {{{480, 109, 150, 66}, {510, 180, 50, 30}}}},
    {QT_TRANSLATE_NOOP("Names", "Syria"), {"Palestina", "Lydia", "Cappadocia"}, 662, 335,
     {{{651, 381, 17, 40}, {664, 351, 50, 60}, {714, 343, 20, 60}}}},
    {QT_TRANSLATE_NOOP("Names", "Dacia"), {"Dalmatia", "Thracia"}, 450, 150,
     {{{433, 189, 58, 34}, {446, 176, 40, 20}, {487, 189, 20, 20}, {469, 219, 23, 26}, {425, 198, 22, 22},
       {439, 180, 59, 9}}}},
    {QT_TRANSLATE_NOOP("Names", "Pannonia"), {"Italia", "Dalmatia", "Raetia"}, 327, 125,
     {{{277, 158, 135, 34}, {340, 193, 70, 20}, {295, 144, 35, 20}}}},
    {QT_TRANSLATE_NOOP("Names", "Britannia"), {"Belgica"}, 104, 12, {{{88, 17, 70, 87}}}},
    {QT_TRANSLATE_NOOP("Names", "Thracia"), {"Pontus", "Phrygia", "Dacia", "Dalmatia", "Macedonia"}, 470, 220,
     {{{434, 237, 100, 40}, {480, 280, 70, 30}, {440, 265, 100, 25}}}},
    {QT_TRANSLATE_NOOP("Names", "Belgica"), {"Britannia", "Lugdunensis", "Raetia"}, 180, 40,
     {{{165, 98, 87, 37}, {195, 77, 41, 27}, {185, 120, 25, 23}, {244, 108, 12, 30}, {146, 113, 36, 21},
       {171, 83, 29, 14}}}},
    {QT_TRANSLATE_NOOP("Names", "Lower Rhine"), {"Britannia", "Belgica"}, 218, 10, {{{209, 47, 54, 23}, {246, 71, 18, 29}}}},
    {QT_TRANSLATE_NOOP("Names", "Lower Danube"), {"Pannonia", "Dacia"}, 425, 100, {{{413, 98, 63, 76}}}},
    {QT_TRANSLATE_NOOP("Names", "Mesopotamia"), {"Syria"}, 735, 356,
     {{{711, 404, 78, 46}, {695, 411, 28, 20}, {726, 390, 44, 23}, {734, 380, 12, 12}, {750, 416, 50, 12}}}},
    {QT_TRANSLATE_NOOP("Names", "Upper Danube"), {"Pannonia"}, 360, 80, {{{328, 28, 86, 114}, {334, 142, 78, 11}}}},
    {QT_TRANSLATE_NOOP("Names", "Lusitania"), {"Terraconensis", "Mauretania"}, 34, 287, {{{17, 258, 65, 128}}}},
    {QT_TRANSLATE_NOOP("Names", "Lugdunensis"), {"Aquitania", "Belgica", "Raetia"}, 150, 100,
     {{{104, 143, 100, 26}, {205, 150, 20, 17}, {80, 147, 30, 20}, {119, 134, 50, 20}, {116, 160, 15, 30}}}},
    {QT_TRANSLATE_NOOP("Names", "Narbonensis"), {"Terraconensis", "Italia", "Aquitania"}, 187, 188,
     {{{180, 228, 49, 35}, {160, 250, 30, 20}, {216, 244, 25, 20}, {173, 230, 30, 30}}}},
    {QT_TRANSLATE_NOOP("Names", "Raetia"), {"Lugdunensis", "Belgica", "Italia", "Aquitania", "Pannonia"}, 240, 115, {{{230, 140, 40, 50}}}},
    {QT_TRANSLATE_NOOP("Names", "Lydia"), {"Syria", "Cappadocia", "Phrygia", "Pontus"}, 610, 310,
     {{{597, 343, 50, 35}, {644, 350, 16, 24}, {583, 359, 15, 21}, {590, 378, 39, 13}, {588, 352, 15, 11}}}},
    {QT_TRANSLATE_NOOP("Names", "Phrygia"), {"Pontus", "Lydia", "Thracia"}, 536, 294,
     {{{518, 324, 60, 50}, {513, 311, 41, 18}, {575, 330, 17, 22}, {530, 370, 47, 17}, {550, 315, 18, 12}}}},
    {QT_TRANSLATE_NOOP("Names", "Cappadocia"), {"Pontus", "Lydia", "Syria"}, 670, 264,
     {{{645, 296, 74, 40}, {660, 335, 24, 16}, {683, 333, 16, 12}, {640, 310, 7, 20}}}},
}};
// @provinces-end

const std::array<ProvinceTraits, 10> traits = {{
    {"Britannia", QT_TRANSLATE_NOOP("Names", "Rebellious. Supports 2 legions"), 3, 0},
    {"Aegyptus", QT_TRANSLATE_NOOP("Names", "Rebellious. Supports 3 legions"), 4, 0},
    {"Dacia", QT_TRANSLATE_NOOP("Names", "Does not raise or support legions"), 1, 0},
    {"Lower Rhine", QT_TRANSLATE_NOOP("Names", "Saxon territory"), 0, 2},
    {"Armenia", QT_TRANSLATE_NOOP("Names", "Sassanid territory"), 0, 2},
    {"Mesopotamia", QT_TRANSLATE_NOOP("Names", "Sassanid territory"), 0, 2},
    {"Sarmatia", QT_TRANSLATE_NOOP("Names", "Goth territory"), 0, 2},
    {"Upper Rhine", QT_TRANSLATE_NOOP("Names", "Vandal, Frankish territory"), 0, 2},
    {"Upper Danube", QT_TRANSLATE_NOOP("Names", "Marcommani territory"), 0, 2},
    {"Lower Danube", QT_TRANSLATE_NOOP("Names", "Goth territory"), 0, 2},
}};

}  // namespace mapdata
