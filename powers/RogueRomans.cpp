#include "powers/RogueRomans.h"

RogueRomans::RogueRomans() : Empire("Rebelling Legions", 4) {}

void RogueRomans::takeTurn() { updateLegions(); }

void RogueRomans::updateLegions() { Empire::updateLegions(); }
