#include "client/OrderOutcome.h"

#include "client/ScreenLayout.h"
#include "model/Province.h"

#include "model/TranslationMarks.h"

namespace {

// Which names fill a form's places, in order.
enum class Words { None, From, To, FromTo, ToFrom };

struct OutcomeText {
    Outcome id;
    Words words;
    const char* form;
    bool toldByAdvisor = false;
};

const OutcomeText texts[] = {
    {Outcome::Moved, Words::FromTo, QT_TRANSLATE_NOOP("ScreenText", "A legion moved from %1 to %2.")},
    {Outcome::Occupied, Words::To, QT_TRANSLATE_NOOP("ScreenText", "A legion occupied %1: no enemy defended it.")},
    {Outcome::Won, Words::To, QT_TRANSLATE_NOOP("ScreenText", "Victory: %1 is ours.")},
    {Outcome::Raided, Words::ToFrom,
     QT_TRANSLATE_NOOP("ScreenText", "Our raid into %1 won the battle; the legion returns to %2.")},
    {Outcome::Fought, Words::To,
     QT_TRANSLATE_NOOP("ScreenText", "We won the battle in %1, but enemy legions still hold it.")},
    {Outcome::Lost, Words::To, QT_TRANSLATE_NOOP("ScreenText", "Our attack on %1 failed: one legion lost.")},
    {Outcome::Marching, Words::FromTo, QT_TRANSLATE_NOOP("ScreenText", "A legion marches from %1 to %2.")},
    {Outcome::NoLegion, Words::From, QT_TRANSLATE_NOOP("ScreenText", "No order: no Roman legion in %1 can go.")},
    {Outcome::NotReady, Words::From,
     QT_TRANSLATE_NOOP("ScreenText", "No order: the legions in %1 are already marching.")},
    {Outcome::AllMoved, Words::From,
     QT_TRANSLATE_NOOP("ScreenText", "No order: the legions in %1 have already moved this year."), true},
    {Outcome::SameProvince, Words::From,
     QT_TRANSLATE_NOOP("ScreenText", "No order: the legions already stand in %1. Choose another province.")},
    {Outcome::FrontierClosed, Words::To,
     QT_TRANSLATE_NOOP("ScreenText", "Frontier closed: our legions enter %1 only to attack an enemy army there."),
     true},
    {Outcome::TooFar, Words::To,
     QT_TRANSLATE_NOOP("ScreenText", "Too far: %1 can be attacked only from a province next to it.")},
    {Outcome::NoRoute, Words::FromTo, QT_TRANSLATE_NOOP("ScreenText", "No route: no way leads from %1 to %2.")},
    {Outcome::NothingPickedUp, Words::None,
     QT_TRANSLATE_NOOP("ScreenText", "No order: press on one of your legions, then drag it to a province.")},
    {Outcome::NoProvince, Words::None,
     QT_TRANSLATE_NOOP("ScreenText", "No order: there is no province there. Drop the legion on a province.")},
    {Outcome::UndoCommand, Words::FromTo, QT_TRANSLATE_NOOP("ScreenText", "Undo the order from %1 to %2")},
    {Outcome::Undone, Words::FromTo,
     QT_TRANSLATE_NOOP("ScreenText", "Order taken back: the legion sent from %1 to %2 stands in %1 again.")},
    {Outcome::NothingToUndo, Words::None, QT_TRANSLATE_NOOP("ScreenText", "No order of this year is left to take back.")},
    {Outcome::UndoAfterBattle, Words::None,
     QT_TRANSLATE_NOOP("ScreenText", "The last order cannot be taken back: its battle has been fought.")},
    {Outcome::UndoAfterAdvice, Words::None,
     QT_TRANSLATE_NOOP("ScreenText", "The last order cannot be taken back: the advisor has told you what it brought.")},
};

const OutcomeText& textOf(Outcome id) {
    for (const OutcomeText& t : texts)
        if (t.id == id) return t;
    return texts[0];
}

Outcome outcomeId(OrderResult result, const Province& to) {
    switch (result) {
        case OrderResult::Moved: return Outcome::Moved;
        case OrderResult::Occupied: return Outcome::Occupied;
        case OrderResult::Won: return Outcome::Won;
        case OrderResult::Raided: return Outcome::Raided;
        case OrderResult::Fought: return Outcome::Fought;
        case OrderResult::Lost: return Outcome::Lost;
        case OrderResult::Marching: return Outcome::Marching;
        case OrderResult::NoLegion: return Outcome::NoLegion;
        case OrderResult::NotReady: return Outcome::NotReady;
        case OrderResult::AllMoved: return Outcome::AllMoved;
        case OrderResult::SameProvince: return Outcome::SameProvince;
        case OrderResult::FrontierClosed: return Outcome::FrontierClosed;
        case OrderResult::NoRoute: return to.isFrontier() ? Outcome::TooFar : Outcome::NoRoute;
    }
    return Outcome::NoLegion;
}

OrderOutcome filled(Outcome id, const Province* from, const Province* to) {
    const Words w = textOf(id).words;
    const Province* first = w == Words::From || w == Words::FromTo ? from : w == Words::None ? nullptr : to;
    const Province* second = w == Words::FromTo ? to : w == Words::ToFrom ? from : nullptr;
    OrderOutcome o{id, {}};
    for (const Province* p : {first, second})
        if (p) o.words.push_back({p->name()});
    return o;
}

}  // namespace

OrderOutcome orderOutcome(OrderResult result, const Province& from, const Province& to) {
    return filled(outcomeId(result, to), &from, &to);
}

OrderOutcome refusal(Outcome id, const Province* about) { return filled(id, about, about); }

OrderOutcome dropOutcome(const DropResult& result, const Province& from) {
    switch (result.refusal) {
        // The terminal names the source: the press took up nothing because its legions march.
        case DropResult::Refusal::NothingPickedUp: return refusal(Outcome::NotReady, &from);
        case DropResult::Refusal::NoProvince: return refusal(Outcome::NoProvince);
        case DropResult::Refusal::None: break;
    }
    // A refusal about the source alone names no target.
    return orderOutcome(result.order, from, result.target ? *result.target : from);
}

const char* outcomeForm(Outcome id) { return textOf(id).form; }

bool toldByAdvisor(Outcome id) { return textOf(id).toldByAdvisor; }

std::string englishOutcome(const OrderOutcome& outcome) { return englishText(noticeLine(outcome, 0)); }

ScreenTextLine noticeLine(const OrderOutcome& outcome, int offsetX) {
    // Amber, on the line where the province's words stand.
    return {offsetX + view::InfoBox.x, 600, 0xffbe50, outcomeForm(outcome.id), outcome.words};
}
