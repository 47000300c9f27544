#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "engine/Game.h"

// Forcing chance in a test: search for a generator state from which the next
// draws satisfy `wanted` (which draws exactly as the rules under test will),
// then restart the game's generator from it. The rules themselves stay untouched.
inline std::uint32_t seedWhere(const std::function<bool()>& wanted, std::uint32_t from = 1) {
    for (std::uint32_t s = from; s < from + 2000000; ++s) {
        Game::instance().random.seed(s);
        if (wanted()) {
            Game::instance().random.seed(s);
            return s;
        }
    }
    throw std::runtime_error("no seed gives the wanted draws");
}

// A map point that Game::provinceAt resolves to the province.
inline std::pair<int, int> pointIn(const Province& province) {
    int x = 0, y = 0;
    if (!Game::instance().pointIn(province, x, y))
        throw std::runtime_error("no point of " + province.name() + " is its own");
    return {x, y};
}

// Drags the legions of `from` and drops them on `to`, as the pointer would.
inline bool drag(Province& from, Province& to) {
    Game& game = Game::instance();
    game.dragSource = &from;
    const auto [x, y] = pointIn(to);
    return game.dropLegions(x, y).carriedOut();
}
