#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>
#include <functional>
#include <optional>

#include "client/KeyboardChoice.h"

class Game;
class Province;
class QPainter;

// Orders from the keyboard, by the rules the mouse gives them: a highlighted
// province (moved with the arrow keys or by typing the start of its name),
// Enter to pick up its legions (Game::pickUp), Enter on the target to drop them
// (through the same path as a release of the left button, at a map point of
// the target), Escape to put them down again, E or Space to end the turn
// (the same path as a release of the right button).
class KeyboardOrders {
public:
    struct Actions {
        // The order from one province to another (Orders::move) and what
        // follows a successful one.
        std::function<void(Province& from, Province& to)> order;
        // A release of the right button: the end of the turn.
        std::function<void()> endTurn;
        // The highlight or the pick-up changed: show them.
        std::function<void()> changed;
    };

    // A name typed after a longer pause than this starts afresh.
    static constexpr qint64 TypingPauseMs = NameTyping::PauseMs;

    KeyboardOrders(Game& game, Actions actions);

    // A key pressed in the game window at the time `nowMs` (any steady clock).
    // True when the key was taken as a keyboard order or as part of a name.
    bool keyPress(int key, const QString& text, Qt::KeyboardModifiers modifiers, bool autoRepeat, qint64 nowMs);

    // The highlighted province, if the keyboard has been used.
    const Province* cursor() const;
    // The province whose legions Enter picked up and that still is the
    // rules' drag source; none otherwise.
    const Province* carried() const;
    // What has been typed of a name so far.
    QString typed() const { return QString::fromStdString(names_.typed()); }

    // The highlight, drawn over the map in layout pixels; gives back the
    // area it drew in (empty for none).
    QRect draw(QPainter& p, int screenOffsetX) const;

    // The nearest province from `from` in the direction of an arrow key, by
    // the centres of the legion boxes; none when there is none that way.
    static const Province* nextInDirection(const Game& game, const Province& from, int arrowKey);

private:
    const Province* at(int index) const;
    void placeCursor();
    bool typeLetter(QChar c, qint64 nowMs);
    void enter();
    void notify() const {
        if (actions_.changed) actions_.changed();
    }

    Game& game_;
    Actions actions_;
    int cursor_ = -1;
    int carried_ = -1;
    NameTyping names_;
};
