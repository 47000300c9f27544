#include "game/src/KeyboardOrders.h"

#include <QPainter>
#include <QPen>

#include "qtcommon/view/LegionFigures.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

// The carry's key for a key of the window, with the letter it types.
std::optional<CarryKey> carryKey(int key, const QString& text, char& letter) {
    switch (key) {
        case Qt::Key_Left: return CarryKey::Left;
        case Qt::Key_Right: return CarryKey::Right;
        case Qt::Key_Up: return CarryKey::Up;
        case Qt::Key_Down: return CarryKey::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter: return CarryKey::Enter;
        case Qt::Key_Escape: return CarryKey::Escape;
        case Qt::Key_Space: return CarryKey::Space;
        case Qt::Key_E: letter = 'e'; return CarryKey::Letter;
        default: break;
    }
    if (text.size() != 1) return std::nullopt;
    letter = text.front().toLower().toLatin1();
    return CarryKey::Letter;
}

}  // namespace

KeyboardOrders::KeyboardOrders(LegionCarry& carry, Actions actions) : carry_(carry), actions_(std::move(actions)) {}

const Province* KeyboardOrders::nextInDirection(const Game& game, const Province& from, int key) {
    switch (key) {
        case Qt::Key_Right: return view::nextInDirection(game, from, 1, 0);
        case Qt::Key_Left: return view::nextInDirection(game, from, -1, 0);
        case Qt::Key_Down: return view::nextInDirection(game, from, 0, 1);
        case Qt::Key_Up: return view::nextInDirection(game, from, 0, -1);
        default: return nullptr;
    }
}

bool KeyboardOrders::keyPress(int key, const QString& text, Qt::KeyboardModifiers modifiers, bool autoRepeat,
                              qint64 nowMs) {
    // Ctrl and Alt keys are the menus' shortcuts.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    char letter = 0;
    const std::optional<CarryKey> k = carryKey(key, text, letter);
    if (!k) return false;
    const LegionCarry::KeyAnswer answer = carry_.key(*k, letter, autoRepeat, nowMs);
    if (!answer.taken) return false;
    if (answer.order.kind != CarryOrder::Kind::None && actions_.order) actions_.order(answer.order);
    if (actions_.changed) actions_.changed();
    return true;
}

QRect KeyboardOrders::draw(QPainter& p, int offsetX) const {
    const Province* here = cursor();
    if (!here) return {};
    const QRect map(offsetX + view::MapLeft, view::MapTop, view::MapWidth, view::MapHeight);
    p.save();
    p.setClipRect(map);
    p.setBrush(Qt::NoBrush);
    auto box = [offsetX](const Province& q, int grow) {
        return view::pickUpBox(q).translated(offsetX + view::MapLeft, view::MapTop).adjusted(-grow, -grow, grow, grow);
    };
    const QColor gold(255, 215, 0);
    QRect area = box(*here, 7);
    // The order being given: from the legions picked up to the highlight (a
    // carry of the pointer shows its own figure).
    if (const Province* source = carried(); source && !carry_.carrying()) {
        area |= box(*source, 4);
        p.setPen(QPen(Qt::white, 2, Qt::DashLine));
        p.drawRect(box(*source, 2));
        if (source != here) {
            p.setPen(QPen(gold, 2, Qt::DashLine));
            p.drawLine(box(*source, 0).center(), box(*here, 0).center());
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(box(*here, 5));
    p.setPen(QPen(gold, 3));
    p.drawRect(box(*here, 3));
    p.restore();
    return area & map;
}
