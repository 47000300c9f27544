#include "game/src/SceneKey.h"

#include "engine/Game.h"

namespace {

template <typename Value>
void add(std::vector<std::uintptr_t>& key, Value value) {
    key.push_back(std::uintptr_t(value));
}

}  // namespace

std::vector<std::uintptr_t> ownershipKey(const Game& game) {
    std::vector<std::uintptr_t> key;
    for (const Empire* empire : game.empires()) {
        if (!empire) continue;
        add(key, empire);
        add(key, empire->mapColour);
        add(key, empire->provinces.size());
        for (const Province* p : empire->provinces) add(key, p);
    }
    return key;
}

std::vector<std::uintptr_t> worldKey(const Game& game) {
    std::vector<std::uintptr_t> key = ownershipKey(game);
    add(key, game.turn);
    for (const Empire* empire : game.empires()) {
        if (!empire) continue;
        add(key, empire->legionIcon);
        add(key, empire->legions.size());
        for (const auto& l : empire->legions) {
            add(key, l->province);
            add(key, l->moved);
            add(key, l->hasRoute);
            add(key, l->routeIndex);
            add(key, l->route.size());
            for (const Province* step : l->route) add(key, step);
        }
    }
    return key;
}
