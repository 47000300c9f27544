#include "client/GameOver.h"

#include "rules/World.h"

bool gameIsOver(const World& game) { return game.romans.provinces.empty() || game.year() >= 476; }

bool keptAfterTheYear(const World& game) { return !gameIsOver(game); }
