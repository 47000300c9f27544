#include "client/UndoText.h"

#include "engine/Game.h"

namespace {

// An undo outcome naming the two provinces of a move, or of a drop at a map point.
OrderOutcome naming(Outcome id, const Order& order, const World& game) {
    const Province* from = nullptr;
    const Province* to = nullptr;
    if (const auto* m = std::get_if<order::Move>(&order)) {
        from = game.provinceAtIndex(m->from);
        to = game.provinceAtIndex(m->to);
    } else if (const auto* d = std::get_if<order::DropAt>(&order)) {
        from = game.provinceAtIndex(d->from);
        to = game.provinceAt(d->x, d->y);
    }
    OrderOutcome o{id, {}};
    for (const Province* p : {from, to}) o.words.push_back({p ? p->name() : std::string()});
    return o;
}

}  // namespace

OrderOutcome undoneText(const Order& order, const World& game) { return naming(Outcome::Undone, order, game); }

OrderOutcome undoBlockedText(UndoBlock why) {
    switch (why) {
        case UndoBlock::DrewChance: return refusal(Outcome::UndoAfterBattle);
        case UndoBlock::Revealed: return refusal(Outcome::UndoAfterAdvice);
        case UndoBlock::NothingToUndo:
        case UndoBlock::None: break;
    }
    return refusal(Outcome::NothingToUndo);
}

OrderOutcome undoCommandText(const PlaySession& session) {
    if (const Order* last = session.undoable()) return naming(Outcome::UndoCommand, *last, session.game());
    return undoBlockedText(session.undoBlock());
}
