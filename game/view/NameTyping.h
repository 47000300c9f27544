#pragma once
// The start of a province's name typed on the keyboard, for the window and the
// page alike: each letter moves the highlight to the first province, in
// alphabetical order, whose name starts with what has been typed; the same
// letter again goes on to the next name with that letter; a pause starts afresh.
#include <string>

class World;

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
