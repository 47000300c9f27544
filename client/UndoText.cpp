#include "client/UndoText.h"

#include "engine/Game.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

std::string nameAt(const World& game, int index) {
    const Province* p = index >= 0 && index < ProvinceCount ? game.provinceTable[static_cast<std::size_t>(index)] : nullptr;
    return p ? p->name() : std::string();
}

// The two provinces of a move or a drop; a drop names its map point.
std::vector<ScreenTextArg> route(const Order& order, const World& game) {
    if (const auto* m = std::get_if<order::Move>(&order)) return {{nameAt(game, m->from)}, {nameAt(game, m->to)}};
    if (const auto* d = std::get_if<order::DropAt>(&order)) {
        const Province* at = game.provinceAt(d->x, d->y);
        return {{nameAt(game, d->from)}, {at ? at->name() : std::string()}};
    }
    return {{""}, {""}};
}

}  // namespace

UndoText undoneText(const Order& order, const World& game) {
    return {QT_TRANSLATE_NOOP("ScreenText", "Order taken back: the legion sent from %1 to %2 stands in %1 again."),
            route(order, game)};
}

UndoText undoBlockedText(UndoBlock why) {
    switch (why) {
    case UndoBlock::DrewChance:
        return {QT_TRANSLATE_NOOP("ScreenText", "The last order cannot be taken back: its battle has been fought.")};
    case UndoBlock::Revealed:
        return {QT_TRANSLATE_NOOP("ScreenText",
                                  "The last order cannot be taken back: the advisor has told you what it brought.")};
    case UndoBlock::NothingToUndo:
    case UndoBlock::None:
        break;
    }
    return {QT_TRANSLATE_NOOP("ScreenText", "No order of this year is left to take back.")};
}

UndoText undoCommandText(const PlaySession& session) {
    if (const Order* last = session.undoable())
        return {QT_TRANSLATE_NOOP("ScreenText", "Undo the order from %1 to %2"), route(*last, session.game())};
    return undoBlockedText(session.undoBlock());
}

std::string englishText(const UndoText& text) {
    std::vector<std::string> words;
    for (const ScreenTextArg& a : text.args) words.push_back(shownWord(a));
    return fillForm(text.form, words);
}
