#pragma once
#include <vector>

#include "client/Order.h"
#include "client/PlaySession.h"
#include "client/ScreenText.h"

class World;

// What the player is told of undo, in the window, the page and the plain
// terminal alike: English forms with %1-style places (context "ScreenText",
// as every screen text) and the words that fill them.
struct UndoText {
    const char* form;
    std::vector<ScreenTextArg> args = {};
};

// The order that was taken back, named from the game as it now stands.
UndoText undoneText(const Order& order, const World& game);
// Why nothing was taken back.
UndoText undoBlockedText(UndoBlock why);
// The menu item or button: what undo would take back, or why it cannot.
UndoText undoCommandText(const PlaySession& session);

// The text in English.
std::string englishText(const UndoText& text);
