#include <array>
#include <deque>

#include "model/Advisor.h"
#include "model/Game.h"

void validateRoute(const Route& route) {
    for (std::size_t i = 0; i + 1 < route.size(); ++i) {
        if (!Province::isNeighbour(*route[i + 1], *route[i])) {
            Advisor::tell("Route is invalid");
            return;
        }
    }
}

Legion* setLegionRoute(const Province& province, const Route& route, Empire& empire) {
    if (route.size() < 2) return nullptr;  // nowhere to go: nobody is sent
    for (auto& l : empire.legions) {
        if (!l->moved && !l->hasRoute && l->province->sameAs(province)) {
            l->giveRoute(route);
            return l.get();
        }
    }
    Advisor::tell("ERROR: setLegionRoute didn't find a legion to move");
    return nullptr;
}

// Breadth-first over the map graph. The routes are the ones a search over whole
// paths (refusing only repeats within a path) would find first: a province
// reached once is never worth reaching again by a later, no shorter path, so a
// global visited set changes the speed and not the answer.
Route Game::findRoute(Province& from, Province& to) {
    std::array<int, ProvinceCount> cameFrom;
    cameFrom.fill(-2);
    auto indexOf = [this](const Province* p) {
        for (std::size_t i = 0; i < provinceTable.size(); ++i) {
            if (provinceTable[i]->sameAs(*p)) return static_cast<int>(i);
        }
        return -1;
    };
    std::deque<int> queue;
    const int start = indexOf(&from);
    cameFrom[static_cast<std::size_t>(start)] = -1;
    queue.push_back(start);
    Route route;
    while (!queue.empty()) {
        const int last = queue.front();
        queue.pop_front();
        Province& lastProvince = *provinceTable[static_cast<std::size_t>(last)];
        if (Province::isNeighbour(to, lastProvince)) {
            route.push_back(&to);
            for (int i = last; i != -1; i = cameFrom[static_cast<std::size_t>(i)])
                route.insert(route.begin(), provinceTable[static_cast<std::size_t>(i)]);
            break;
        }
        for (int k = 0; k < lastProvince.neighbourCount; ++k) {
            const int n = indexOf(lastProvince.neighbours[static_cast<std::size_t>(k)]);
            if (cameFrom[static_cast<std::size_t>(n)] != -2) continue;
            cameFrom[static_cast<std::size_t>(n)] = last;
            queue.push_back(n);
        }
    }
    validateRoute(route);
    return route;
}
