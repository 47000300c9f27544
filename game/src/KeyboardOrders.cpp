#include "game/src/KeyboardOrders.h"

#include <QPainter>
#include <QPen>

#include "qtcommon/view/LegionFigures.h"
#include "qtcommon/view/MapDrawing.h"
#include "engine/Game.h"

KeyboardOrders::KeyboardOrders(Game& game, Actions actions) : game_(game), actions_(std::move(actions)) {}

const Province* KeyboardOrders::at(int index) const {
    if (index < 0 || index >= int(game_.provinceTable.size())) return nullptr;
    return game_.provinceTable[std::size_t(index)];
}

const Province* KeyboardOrders::cursor() const { return at(cursor_); }

const Province* KeyboardOrders::carried() const {
    const Province* p = at(carried_);
    // A press of the mouse, a new game or a load may have replaced the pick-up.
    return p && game_.dragSource == p ? p : nullptr;
}

const Province* KeyboardOrders::nextInDirection(const Game& game, const Province& from, int key) {
    switch (key) {
        case Qt::Key_Right: return view::nextInDirection(game, from, 1, 0);
        case Qt::Key_Left: return view::nextInDirection(game, from, -1, 0);
        case Qt::Key_Down: return view::nextInDirection(game, from, 0, 1);
        case Qt::Key_Up: return view::nextInDirection(game, from, 0, -1);
        default: return nullptr;
    }
}

void KeyboardOrders::placeCursor() { cursor_ = firstHighlight(game_); }

bool KeyboardOrders::typeLetter(QChar c, qint64 nowMs) {
    if (!names_.type(game_, c.toLatin1(), nowMs, cursor_)) return false;
    notify();
    return true;
}

void KeyboardOrders::enter() {
    names_.clear();
    if (cursor() == nullptr) {
        placeCursor();
        notify();
        return;
    }
    Province& here = *game_.provinceTable[std::size_t(cursor_)];
    if (const Province* source = carried()) {
        // The order to the highlighted province.
        Province& from = *game_.provinceTable[std::size_t(carried_)];
        const int sourceIndex = carried_;
        carried_ = -1;
        if (actions_.order) actions_.order(from, here);
        // More legions to send from the same place: back to it.
        if (game_.romans.hasReadyLegionIn(*source)) cursor_ = sourceIndex;
        notify();
        return;
    }
    game_.pickUp(&here);
    if (game_.dragSource == &here && game_.romans.hasReadyLegionIn(here)) {
        carried_ = cursor_;
    } else if (game_.dragSource == &here && actions_.order) {
        // Nothing here can move: the order says why, as the mouse's drop
        // does, and changes nothing.
        actions_.order(here, here);
    }
    notify();
}

bool KeyboardOrders::keyPress(int key, const QString& text, Qt::KeyboardModifiers modifiers, bool autoRepeat,
                              qint64 nowMs) {
    // Ctrl and Alt keys are the menus' shortcuts.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            names_.clear();
            if (const Province* from = cursor()) {
                if (const Province* to = nextInDirection(game_, *from, key)) cursor_ = game_.indexOf(*to);
            } else {
                placeCursor();
            }
            notify();
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!autoRepeat) enter();
            return true;
        case Qt::Key_Escape:
            names_.clear();
            if (carried()) {
                // As a press of the mouse outside every legion box.
                game_.pickUp(nullptr);
                carried_ = -1;
                notify();
                return true;
            }
            carried_ = -1;
            return false;
        default:
            break;
    }
    if (autoRepeat) return false;
    const QChar c = text.size() == 1 ? text.front().toLower() : QChar();
    const bool endsTurn = key == Qt::Key_Space || key == Qt::Key_E;
    if (endsTurn || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))) {
        // E and the blank continue a name being typed ("Lower Rhine"); otherwise
        // they end the turn.
        const QChar letter = key == Qt::Key_Space ? QLatin1Char(' ') : (key == Qt::Key_E ? QLatin1Char('e') : c);
        if (!endsTurn || names_.typing(nowMs)) return typeLetter(letter, nowMs);
        names_.clear();
        carried_ = -1;
        if (actions_.endTurn) actions_.endTurn();
        notify();
        return true;
    }
    return false;
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
    if (const Province* source = carried()) {
        area |= box(*source, 4);
        // The order being given: from the legions picked up to the highlight.
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
