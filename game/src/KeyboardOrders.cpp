#include "game/src/KeyboardOrders.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "game/view/MapDrawing.h"
#include "engine/Game.h"

namespace {

// The legion box in map pixels, both of its ends included.
constexpr int BoxWidth = LegionBoxWidth + 1;
constexpr int BoxHeight = LegionBoxHeight + 1;

QPointF boxCentre(const Province& p) { return QPointF(p.legionX() + BoxWidth / 2.0, p.legionY() + BoxHeight / 2.0); }

QString lowerName(const Province& p) { return QString::fromLatin1(p.name().c_str()).toLower(); }

}  // namespace

KeyboardOrders::KeyboardOrders(Game& game, Actions actions) : game_(game), actions_(std::move(actions)) {}

int KeyboardOrders::indexOf(const Province* p) const {
    for (std::size_t i = 0; i < game_.provinceTable.size(); ++i)
        if (p && game_.provinceTable[i] == p) return int(i);
    return -1;
}

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
    const QPointF origin = boxCentre(from);
    const Province* best = nullptr;
    bool bestInCone = false;
    double bestScore = std::numeric_limits<double>::max();
    for (const Province* q : game.provinceTable) {
        if (!q || q == &from) continue;
        const QPointF d = boxCentre(*q) - origin;
        double along = 0, across = 0;
        switch (key) {
            case Qt::Key_Right: along = d.x(); across = std::abs(d.y()); break;
            case Qt::Key_Left: along = -d.x(); across = std::abs(d.y()); break;
            case Qt::Key_Down: along = d.y(); across = std::abs(d.x()); break;
            case Qt::Key_Up: along = -d.y(); across = std::abs(d.x()); break;
            default: return nullptr;
        }
        if (along <= 0) continue;
        // Within 60 degrees either side of the arrow a province counts as lying
        // that way; off to the side it is taken only when nothing lies that way.
        const bool inCone = across <= along * 1.75;
        const double score = along + 2.0 * across;
        if ((inCone && !bestInCone) || (inCone == bestInCone && score < bestScore)) {
            best = q;
            bestInCone = inCone;
            bestScore = score;
        }
    }
    return best;
}

void KeyboardOrders::placeCursor() {
    // Where the player most likely wants to give an order: the first province
    // with a legion ready to move, else the first Roman one.
    for (std::size_t i = 0; i < game_.provinceTable.size(); ++i) {
        const Province* p = game_.provinceTable[i];
        if (p && game_.romans.hasReadyLegionIn(*p)) {
            cursor_ = int(i);
            return;
        }
    }
    for (std::size_t i = 0; i < game_.provinceTable.size(); ++i) {
        const Province* p = game_.provinceTable[i];
        if (p && game_.romans.holds(*p)) {
            cursor_ = int(i);
            return;
        }
    }
    cursor_ = 0;
}

bool KeyboardOrders::typing(qint64 nowMs) const {
    return !typed_.isEmpty() && nowMs - lastTypedMs_ <= TypingPauseMs && nowMs >= lastTypedMs_;
}

bool KeyboardOrders::typeLetter(QChar c, qint64 nowMs) {
    if (!typing(nowMs)) typed_.clear();
    // The provinces whose names start with a text, in alphabetical order.
    auto matching = [this](const QString& start) {
        std::vector<std::pair<QString, int>> found;
        for (std::size_t i = 0; i < game_.provinceTable.size(); ++i) {
            const Province* p = game_.provinceTable[i];
            if (p && lowerName(*p).startsWith(start)) found.emplace_back(lowerName(*p), int(i));
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    const QString longer = typed_ + c;
    auto found = matching(longer);
    if (!found.empty()) {
        typed_ = longer;
        cursor_ = found.front().second;
    } else if (longer.size() > 1 && longer.count(c) == longer.size()) {
        // The same letter again: the next province that starts with it.
        const auto same = matching(QString(c));
        if (same.empty()) return false;
        auto it = std::find_if(same.begin(), same.end(), [this](const auto& m) { return m.second == cursor_; });
        cursor_ = (it == same.end() || std::next(it) == same.end()) ? same.front().second : std::next(it)->second;
        typed_ = longer;
    } else {
        // A letter that continues no name begins a new one, if any starts with it.
        found = matching(QString(c));
        if (found.empty()) return typing(nowMs);  // a slip within a name is swallowed
        typed_ = QString(c);
        cursor_ = found.front().second;
    }
    lastTypedMs_ = nowMs;
    notify();
    return true;
}

void KeyboardOrders::enter() {
    typed_.clear();
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
            typed_.clear();
            if (const Province* from = cursor()) {
                if (const Province* to = nextInDirection(game_, *from, key)) cursor_ = indexOf(to);
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
            typed_.clear();
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
        if (!endsTurn || typing(nowMs)) return typeLetter(letter, nowMs);
        typed_.clear();
        carried_ = -1;
        if (actions_.endTurn) actions_.endTurn();
        notify();
        return true;
    }
    return false;
}

void KeyboardOrders::draw(QPainter& p, int offsetX) const {
    const Province* here = cursor();
    if (!here) return;
    p.save();
    p.setClipRect(QRect(offsetX + view::MapLeft, view::MapTop, view::MapWidth, view::MapHeight));
    p.setBrush(Qt::NoBrush);
    auto box = [offsetX](const Province& q, int grow) {
        return QRect(offsetX + view::MapLeft + q.legionX() - grow, view::MapTop + q.legionY() - grow,
                     BoxWidth + 2 * grow, BoxHeight + 2 * grow);
    };
    const QColor gold(255, 215, 0);
    if (const Province* source = carried()) {
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
}
