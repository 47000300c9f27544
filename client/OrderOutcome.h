#pragma once
// What became of an order of the player, or why none was given, as one id
// with the words that fill its form: the window translates the form, the
// page and the plain terminal show the English. One table words them all.
#include <string>
#include <vector>

#include "client/ScreenText.h"
#include "rules/Orders.h"

class Province;

enum class Outcome {
    // Carried out.
    Moved, Occupied, Won, Raided, Fought, Lost, Marching,
    // Refused by the rules.
    NoLegion, NotReady, AllMoved, SameProvince, FrontierClosed, TooFar, NoRoute,
    // Refused before an order: the press took up nothing, or the drop fell on no province.
    NothingPickedUp, NoProvince,
    // Undo: the order it would take back, the order it took back, or why it took back none.
    UndoCommand, Undone, NothingToUndo, UndoAfterBattle, UndoAfterAdvice,
};

struct OrderOutcome {
    Outcome id;
    std::vector<ScreenTextArg> words;  // the names in the order the form's places number them
};

// The outcome of the rules' answer to an order from `from` to `to`.
OrderOutcome orderOutcome(OrderResult result, const Province& from, const Province& to);
// A refusal about the legions of one province alone (NotReady, NoLegion, ...),
// or about none (NothingPickedUp, NoProvince).
OrderOutcome refusal(Outcome id, const Province* about = nullptr);
// The outcome of the terminal's drop at a map point, whose source was named.
OrderOutcome dropOutcome(const DropResult& result, const Province& from);

// The English form, with %1-style places for its words (context "ScreenText").
const char* outcomeForm(Outcome id);
// Whether the advisor has already said it in a message of its own.
bool toldByAdvisor(Outcome id);
// The outcome in English, as the page and the plain terminal show it.
std::string englishOutcome(const OrderOutcome& outcome);
// The outcome as the information line shows it in place of a province's.
ScreenTextLine noticeLine(const OrderOutcome& outcome, int offsetX);
