#pragma once
// The words painted into two pictures of the map screen, the legend's title
// and the Constantinople label. A reader of another language sees them
// covered by the same word in that language, written on the picture's own
// paper in its own ink; English keeps the painted word.
#include "model/TranslationMarks.h"

struct PictureLabel {
    int picture;
    int left, top, width, height;  // the painted word's box, from the picture's top left
    unsigned paper, ink;           // 0xRRGGBB
    const char* word;              // a form of the "ScreenText" context
    int pixelSize;                 // the painted size; a longer word takes a smaller one to keep the box
};

inline constexpr PictureLabel PictureLabels[] = {
    {185, 10, 10, 142, 37, 0xe9dcb8, 0x3a2a1a, QT_TRANSLATE_NOOP("ScreenText", "LEGEND"), 27},
    {251, 1, 1, 98, 13, 0xe5d8b5, 0x4a3a29, QT_TRANSLATE_NOOP("ScreenText", "CONSTANTINOPLE"), 12},
};
// Each letter's advance, in percent of the face's own (Qt's percentage spacing).
inline constexpr int PictureLabelSpacingPercent = 108;

// The label painted in a picture; null for a picture without words.
inline const PictureLabel* pictureLabel(int picture) {
    for (const PictureLabel& label : PictureLabels)
        if (label.picture == picture) return &label;
    return nullptr;
}
