#include "powers/RogueRomans.h"

#include "rules/World.h"

RogueRomans::RogueRomans(World& world) : Empire(world, Power::RogueRomans, 4), world_(world) {}

void RogueRomans::takeTurn() { updateLegions(); }

void RogueRomans::updateLegions() { marchRoutedLegions(world_, *this); }
