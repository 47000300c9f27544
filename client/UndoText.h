#pragma once
#include "client/Order.h"
#include "client/OrderOutcome.h"
#include "client/PlaySession.h"

class World;

// What the player is told of undo, in the window, the page and the plain
// terminal alike, as outcomes of the one table (OrderOutcome.h).

// The order that was taken back, named from the game as it now stands.
OrderOutcome undoneText(const Order& order, const World& game);
// Why nothing was taken back.
OrderOutcome undoBlockedText(UndoBlock why);
// The menu item or button: what undo would take back, or why it cannot.
OrderOutcome undoCommandText(const PlaySession& session);
