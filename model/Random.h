#pragma once
#include <cstdint>

// The one source of chance in the game. Every rule draws from it in a fixed
// order, so that a seed and a list of orders always replay the same game.
namespace rng {

// Restarts the sequence from the given state.
void seed(std::uint32_t value);

// The next result, 0..32767.
int draw();

// The current state, so a front end can report or resume a sequence.
std::uint32_t state();

}  // namespace rng
