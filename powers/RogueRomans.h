#pragma once
#include "model/Empire.h"

class World;

// Mutinous legions and rebel provinces. They have no will of their own: they
// only march along the routes the unrest rules gave them.
class RogueRomans : public Empire {
public:
    explicit RogueRomans(World& world);

    void takeTurn() override;
    void updateLegions() override;

private:
    World& world_;
};
