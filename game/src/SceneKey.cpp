#include "game/src/SceneKey.h"

#include "engine/Game.h"

std::vector<std::uintptr_t> worldKey(const Game& game) {
    std::vector<std::uintptr_t> key{std::uintptr_t(game.turn)};
    auto add = [&key](auto value) { key.push_back(std::uintptr_t(value)); };
    for (const Empire* empire : game.empires()) {
        if (!empire) continue;
        add(empire);
        add(empire->mapColour);
        add(empire->legionIcon);
        add(empire->provinces.size());
        for (const Province* p : empire->provinces) add(p);
        add(empire->legions.size());
        for (const auto& l : empire->legions) {
            add(l->province);
            add(l->moved);
            add(l->hasRoute);
            add(l->routeIndex);
            add(l->route.size());
            for (const Province* step : l->route) add(step);
        }
    }
    return key;
}
