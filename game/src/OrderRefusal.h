#pragma once
// Why a drag of legions gave no order, in a line for the information bar.
#include <QString>

class Game;
class Province;

// Read after Game::dropLegions refused the order from `source` (the province
// picked up, or none) to `target` (the province under the drop, or none):
// the game is as it was before the drop.
QString orderRefusal(Game& game, const Province* source, const Province* target);
