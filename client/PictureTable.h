#pragma once
#include <array>

// The pictures of the game's screens, for every front end that draws them:
// each with the size it is drawn in (mask 0: a plain picture, otherwise one
// with transparency), the legion icons by kind, and the animations' frames.
struct PictureSpec {
    int id, mask, width, height;
};

inline constexpr PictureSpec PictureTable[] = {
    {111, 0, 800, 548},  {264, 265, 355, 664}, {185, 0, 162, 57},   {251, 0, 100, 15},
    {234, 0, 254, 38},   {168, 169, 35, 65},   {170, 169, 35, 65},  {179, 180, 43, 60},
    {114, 119, 40, 60},  {183, 184, 35, 65},   {229, 230, 23, 23},  {268, 0, 20, 20},
    {269, 0, 20, 20},    {231, 0, 25, 25},     {232, 0, 25, 25},    {160, 0, 600, 400},
    {161, 0, 600, 400},  {162, 0, 600, 400},   {163, 0, 600, 400},  {164, 0, 600, 400},
    {187, 0, 600, 400},  {233, 0, 600, 400},   {235, 0, 600, 400},  {248, 0, 600, 400},
    {249, 0, 600, 400},  {266, 0, 600, 400},   {165, 0, 640, 480},  {267, 0, 600, 400},
    {250, 0, 600, 400},  {182, 0, 68, 78},
};

// The picture of each legion icon kind (RomanActive 0, BarbarianIcon 1,
// UnsupportedIcon 2, SassanidIcon 3, RebelIcon 4, RomanMoved 5); 0 for the
// kind that has none.
inline constexpr std::array<int, 6> LegionIconPictures{168, 179, 0, 114, 183, 170};

// An animation: its frames (pictures and their masks) shown one after the
// other in one size, each for `delayMs`.
struct AnimationSpec {
    const char* name;
    std::array<int, 9> frames;  // unused entries 0
    std::array<int, 9> masks;
    int width, height, delayMs;
};

inline constexpr AnimationSpec AnimationTable[] = {
    {"romanDefeat", {288, 289, 290}, {291, 292, 293}, 87, 65, 150},
    {"barbarianDefeat", {294, 295, 296, 297}, {298, 299, 300, 301}, 54, 60, 100},
    {"sassanidDefeat", {316, 317, 318, 319, 320, 321}, {322, 323, 324, 325, 326, 327}, 49, 60, 100},
    // The rebel defeat's frames are not consecutive.
    {"rebelDefeat", {260, 262}, {261, 263}, 46, 60, 100},
    // Steps of a soldier carried from his province toward the target (an
    // eight-frame step cycle, every second frame where a march is short);
    // masks in the pictures' alpha.
    {"romanWalk", {400, 401, 402, 403, 404, 405, 406, 407, 400}, {}, 35, 65, 50},
    {"barbarianWalk", {410, 412, 414}, {}, 43, 60, 100},
    {"sassanidWalk", {420, 422, 424, 426}, {}, 40, 60, 75},
};

inline const AnimationSpec& animationNamed(const char* name) {
    for (const AnimationSpec& a : AnimationTable) {
        bool same = true;
        for (int i = 0; same && (name[i] || a.name[i]); ++i) same = name[i] == a.name[i];
        if (same) return a;
    }
    return AnimationTable[0];
}
