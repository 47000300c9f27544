#pragma once
#include "model/Empire.h"

// Mutinous legions and rebel provinces. They have no will of their own: they
// only march along the routes the unrest rules gave them.
class RogueRomans : public Empire {
public:
    RogueRomans();

    void takeTurn() override;
    void updateLegions() override;
};
