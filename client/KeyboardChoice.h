#pragma once
// Which province the keyboard's highlight goes to, for the window and the
// page alike: where it starts, and the start of a name typed.
#include <string>

class World;

// Where the player most likely wants to give an order: the first province
// with a legion ready to move, else the first Roman one (indexes of the
// province table).
int firstHighlight(const World& game);

// Each letter typed moves the highlight to the first province, in
// alphabetical order, whose name starts with what has been typed; the same
// letter again goes on to the next name with that letter; a pause starts afresh.
class NameTyping {
public:
    // A name typed after a longer pause than this starts afresh.
    static constexpr long long PauseMs = 1000;

    // Whether a name is being typed at the time `nowMs` (any steady clock).
    bool typing(long long nowMs) const;
    // A letter ('a' to 'z' or the blank) typed at `nowMs`, with the highlight
    // on `cursor` (an index of the province table, -1 for none), which moves
    // to the province the name now picks. False when the letter was not taken.
    bool type(const World& game, char letter, long long nowMs, int& cursor);
    void clear() { typed_.clear(); }
    const std::string& typed() const { return typed_; }

private:
    std::string typed_;
    long long lastMs_ = 0;
};
