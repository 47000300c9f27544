#pragma once
#include <string>
#include <vector>

#include "engine/Game.h"

// What a scenario file carries, read off a game: enough to compare the
// position the editor saved with the one the game loaded.
struct PositionSnapshot {
    int turn, treasury, plagueCounter;
    bool plague;
    std::vector<std::vector<std::string>> provinces, legions;
    bool operator==(const PositionSnapshot&) const = default;

    static PositionSnapshot of(Game& g) {
        PositionSnapshot s{g.turn, g.romans.treasury, g.romans.plagueCounter, g.romans.plague, {}, {}};
        for (Empire* e : g.empires()) {
            std::vector<std::string> provinces, legions;
            for (const Province* p : e->provinces) provinces.push_back(p->name());
            for (const auto& l : e->legions) legions.push_back(l->province->name());
            s.provinces.push_back(provinces);
            s.legions.push_back(legions);
        }
        return s;
    }
};
