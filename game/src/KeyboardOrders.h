#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <functional>
#include <optional>

#include "client/LegionCarry.h"

class Game;
class Province;
class QPainter;

// The window's keys for the client's carry (LegionCarry): the arrow keys or
// the start of a name move a highlight, Enter picks up its legions and Enter
// on the target sends them, Escape puts them down, E or Space ends the turn.
// Here the keys are read and the highlight drawn; the carry decides.
class KeyboardOrders {
public:
    struct Actions {
        // The order the keys asked for (a move or the end of the turn).
        std::function<void(const CarryOrder& order)> order;
        // The highlight, the pick-up or the notice changed: show them.
        std::function<void()> changed;
    };

    // A name typed after a longer pause than this starts afresh.
    static constexpr qint64 TypingPauseMs = NameTyping::PauseMs;

    KeyboardOrders(LegionCarry& carry, Actions actions);

    // A key pressed in the game window at the time `nowMs` (any steady clock).
    // True when the key was taken as a keyboard order or as part of a name.
    bool keyPress(int key, const QString& text, Qt::KeyboardModifiers modifiers, bool autoRepeat, qint64 nowMs);

    // The highlighted province, if the keyboard has been used.
    const Province* cursor() const { return carry_.cursor(); }
    // The province whose legions were picked up and wait for the drop.
    const Province* carried() const { return carry_.source(); }
    // What has been typed of a name so far.
    QString typed() const { return QString::fromStdString(carry_.typed()); }

    // The highlight, drawn over the map in layout pixels; gives back the
    // area it drew in (empty for none).
    QRect draw(QPainter& p, int screenOffsetX) const;

    // The nearest province from `from` in the direction of an arrow key, by
    // the centres of the legion boxes; none when there is none that way.
    static const Province* nextInDirection(const Game& game, const Province& from, int arrowKey);

private:
    LegionCarry& carry_;
    Actions actions_;
};
