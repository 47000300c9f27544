#pragma once
#include <string>

class Game;

// A plain, deterministic way to play the Roman side: retake what is lost, take
// what is undefended, attack what is weaker, keep the rebellious provinces
// garrisoned. It draws nothing, so games it plays replay exactly.
// Returns the next order as a terminal-edition line, or "end" for the turn.
std::string nextPolicyOrder(Game& game);
