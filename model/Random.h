#pragma once
#include <cstdint>

// The source of chance of one game. Every rule draws from its game's generator
// in a fixed order, so that a seed and a list of orders always replay the same game.
class Random {
public:
    explicit Random(std::uint32_t seed = 1) : state_(seed) {}

    // Restarts the sequence from the given state.
    void seed(std::uint32_t value) { state_ = value; }
    // The next result, 0..32767.
    int draw();
    // The current state, so a front end can report or resume a sequence.
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_;
};
