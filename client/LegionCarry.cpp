#include "client/LegionCarry.h"

#include <cstdlib>

#include "client/DropTarget.h"
#include "client/FigureStack.h"
#include "client/PaintedProvinces.h"
#include "rules/World.h"

using view::LayoutPoint;

LegionCarry::LegionCarry(const World& game, const view::PaintedProvinces& painted)
    : game_(game), painted_(painted), countFontPixels_(view::countFontPixels(1.0)) {}

void LegionCarry::setDeviceScale(double scale) { countFontPixels_ = view::countFontPixels(scale); }

Province* LegionCarry::at(int index) const {
    if (index < 0 || index >= int(game_.provinceTable.size())) return nullptr;
    return game_.provinceTable[std::size_t(index)];
}

int LegionCarry::indexOf(const Province* p) const { return p ? game_.indexOf(*p) : -1; }

LayoutPoint LegionCarry::mapPoint(LayoutPoint layout) const {
    return {layout.x - offsetX_ - view::MapLeft, layout.y - view::MapTop};
}

bool LegionCarry::ready(int index) const {
    const Province* p = at(index);
    return p && game_.romans.hasReadyLegionIn(*p);
}

void LegionCarry::show(int index) {
    if (index == shown_) return;
    shown_ = index;
    notice_.reset();
}

CarryOrder LegionCarry::moveOrder(int from, int to) { return {CarryOrder::Kind::Move, at(from), at(to)}; }

// ------------------------------------------------------------ the pointer

void LegionCarry::press(LayoutPoint point) {
    const LayoutPoint m = mapPoint(point);
    const Province* pressed = view::pickUpAt(game_, painted_, m.x, m.y, countFontPixels_);
    pressed_ = indexOf(pressed);
    source_ = pressed && game_.mayPickUp(*pressed) ? pressed_ : -1;
    pointerDown_ = true;
    carrying_ = false;
    pressedAt_ = pointer_ = point;
    target_ = -1;
    keyboardSource_ = -1;
}

bool LegionCarry::dragged(LayoutPoint point) const {
    return std::abs(point.x - pressedAt_.x) + std::abs(point.y - pressedAt_.y) > dragDistance_;
}

LegionCarry::Redraw LegionCarry::move(LayoutPoint point) {
    const LayoutPoint m = mapPoint(point);
    pointer_ = point;
    if (pointerDown_ && ready(source_)) {
        carrying_ = carrying_ || dragged(point);
        if (carrying_) {
            target_ = indexOf(view::dropTargetAt(game_, painted_, m.x, m.y, countFontPixels_));
            shown_ = target_;
            notice_.reset();
            return Redraw::Screen;
        }
    }
    const int hovered = indexOf(painted_.at(game_, m.x, m.y));
    if (hovered == shown_) return Redraw::Nothing;
    show(hovered);
    return Redraw::InfoLine;
}

CarryOrder LegionCarry::release(LayoutPoint point) {
    if (!pointerDown_) return {};
    pointerDown_ = false;
    const bool click = !carrying_ && !dragged(point);
    carrying_ = false;
    target_ = -1;
    const int from = source_;
    source_ = -1;
    // A press near a figure that overhangs a neighbour's land, released where
    // it was, would otherwise send the legions there.
    if (click) return {};
    if (from < 0) {
        // A drag says why nothing came along: a province whose legions would
        // not come is one whose legions march.
        notice_ = pressed_ >= 0 ? refusal(Outcome::NotReady, at(pressed_)) : refusal(Outcome::NothingPickedUp);
        return {};
    }
    const LayoutPoint m = mapPoint(point);
    const int target = indexOf(view::dropTargetAt(game_, painted_, m.x, m.y, countFontPixels_));
    if (target < 0 && ready(from)) {
        notice_ = refusal(Outcome::NoProvince);
        return {};
    }
    // Legions that cannot go are refused wherever the drop fell, in the rules'
    // own words: the order to their own province says why.
    return moveOrder(from, target >= 0 ? target : from);
}

void LegionCarry::cancel() {
    pointerDown_ = false;
    carrying_ = false;
    target_ = -1;
    source_ = -1;
}

// ------------------------------------------------------------ the keyboard

CarryOrder LegionCarry::enter() {
    names_.clear();
    // The pointer's press holds the legions until its release.
    if (pointerDown_) return {};
    if (cursor_ < 0) {
        cursor_ = firstHighlight(game_);
        show(cursor_);
        return {};
    }
    const int here = cursor_;
    if (source_ >= 0) {
        // The order to the highlighted province; afterwards back to the source
        // while more legions wait there.
        const int from = source_;
        source_ = -1;
        keyboardSource_ = from;
        return moveOrder(from, here);
    }
    if (!game_.mayPickUp(*at(here))) {
        notice_ = refusal(Outcome::NotReady, at(here));
        return {};
    }
    if (ready(here)) {
        source_ = here;
        return {};
    }
    // Nothing here can go: the order to the province itself says why, as a drop does.
    keyboardSource_ = here;
    return moveOrder(here, here);
}

LegionCarry::KeyAnswer LegionCarry::key(CarryKey key, char letter, bool autoRepeat, long long nowMs) {
    switch (key) {
        case CarryKey::Left:
        case CarryKey::Right:
        case CarryKey::Up:
        case CarryKey::Down: {
            names_.clear();
            const int dx = key == CarryKey::Right ? 1 : key == CarryKey::Left ? -1 : 0;
            const int dy = key == CarryKey::Down ? 1 : key == CarryKey::Up ? -1 : 0;
            if (const Province* from = cursor()) {
                if (const Province* to = view::nextInDirection(game_, *from, dx, dy)) cursor_ = indexOf(to);
            } else {
                cursor_ = firstHighlight(game_);
            }
            show(cursor_);
            return {true, {}};
        }
        case CarryKey::Enter:
            if (autoRepeat) return {true, {}};
            return {true, enter()};
        case CarryKey::Escape:
            names_.clear();
            if (source_ < 0) return {};
            // Put down, whether the keyboard or the pointer held them.
            cancel();
            return {true, {}};
        case CarryKey::Space:
        case CarryKey::Letter:
            break;
    }
    if (autoRepeat) return {};
    const char c = key == CarryKey::Space ? ' ' : letter >= 'A' && letter <= 'Z' ? char(letter - 'A' + 'a') : letter;
    const bool endsTurn = c == ' ' || c == 'e';
    if (!endsTurn && (c < 'a' || c > 'z')) return {};
    // E and the blank go on with a name being typed ("Lower Rhine"); otherwise
    // they end the turn.
    if (!endsTurn || names_.typing(nowMs)) {
        if (!names_.type(game_, c, nowMs, cursor_)) return {};
        show(cursor_);
        return {true, {}};
    }
    names_.clear();
    source_ = -1;
    return {true, {CarryOrder::Kind::EndTurn}};
}

CarryOrder LegionCarry::choose(const Province& province) {
    highlight(province);
    return enter();
}

// ------------------------------------------------------------ what became of it

void LegionCarry::highlight(const Province& province) {
    names_.clear();
    cursor_ = indexOf(&province);
    show(cursor_);
}

void LegionCarry::ordered(const Province& from, const Province& to, OrderResult result) {
    notice_ = orderOutcome(result, from, to);
    if (keyboardSource_ < 0) return;
    if (ready(keyboardSource_)) cursor_ = keyboardSource_;
    keyboardSource_ = -1;
    shown_ = cursor_;
}

void LegionCarry::reset() {
    cancel();
    pressed_ = -1;
    keyboardSource_ = -1;
    shown_ = -1;
    notice_.reset();
    names_.clear();
}
