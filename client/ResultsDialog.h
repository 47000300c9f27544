#pragma once
// The results shown at the end of the Crisis, of the West and of a lost
// reign: the picture, its title and the three counts written over it in their
// places.
#include <vector>

#include "client/ScreenText.h"

class World;

struct ResultsDialog {
    // A place of the picture, in its own pixels.
    struct Frame {
        int x, y, width, height;
    };
    int picture;
    const char* title;  // a form of the "ScreenText" context
    std::vector<ScreenTextLine> counts;  // invasions, plagues, rebellions; places in the picture
    // The frames the counts stand in, in the same order: a front end that
    // can writes each count large, centred in its frame.
    std::vector<Frame> frames;
    // A lost reign: the picture's praise of a survived one is covered by
    // these forms ("ScreenText"), each in its frame; null while Rome stands.
    const char* heading = nullptr;
    const char* verdict = nullptr;
    Frame headingFrame{}, verdictFrame{};
};

ResultsDialog resultsDialog(const World& game);
// The results in words, as the picture and its counts say them, for a
// reader who cannot see the picture.
std::vector<ScreenPhrase> resultsInWords(const World& game);
