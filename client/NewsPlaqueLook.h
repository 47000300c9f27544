#pragma once
// How the year's news plaque looks, for every front end that draws it: its
// measures in layout pixels at the normal text size, centred over the map,
// and its colours (0xRRGGBB).
#include "client/YearNewsText.h"

namespace news_plaque {

inline constexpr int Width = 500;
inline constexpr int Top = 22;  // from the plaque's top to the title's box
inline constexpr int TitlePixels = 24, TitleBox = 32, TitleGap = 12;
inline constexpr int BodyPixels = 16, LinePitch = 19;
inline constexpr int SectionIndent = 24, LineIndent = 40, RightMargin = 20;
// The footer: under the last line by FooterGap, its (last) line's box FooterRise
// above the plaque's bottom edge; the plaque's height leaves FooterBox for it.
inline constexpr int FooterPixels = 14, FooterPitch = 17, FooterMargin = 12;
inline constexpr int FooterGap = 10, FooterBox = 30, FooterRise = 28, FooterLineBox = 20;
inline constexpr int MapMargin = 8;  // the least space between the plaque and the map's edges
inline constexpr int Radius = 10, RimWidth = 3, InnerInset = 6, InnerRadius = 7, ClipInset = 8;
inline constexpr unsigned Paper = 0xf3e4be, Rim = 0x5a3c19, InnerRim = 0xa0783c, TitleInk = 0x6e1414, FooterInk = 0x5a4628;

inline constexpr unsigned toneInk(NewsTone tone) {
    switch (tone) {
        case NewsTone::Section: return 0x6e1414;
        case NewsTone::Good: return 0x145a1e;
        case NewsTone::Bad: return 0xaa1414;
        case NewsTone::Plain: break;
    }
    return 0x1e140a;
}

}  // namespace news_plaque
