#pragma once
// The results shown at the end of the Crisis and of the West: the picture,
// its title and the three counts written over it in their places.
#include <vector>

#include "client/ScreenText.h"

class World;

struct ResultsDialog {
    int picture;
    const char* title;  // a form of the "ScreenText" context
    std::vector<ScreenTextLine> counts;  // invasions, plagues, rebellions; places in the picture
};

ResultsDialog resultsDialog(const World& game);
