#include "powers/EnemyEmpire.h"

#include <array>
#include <deque>

#include "model/Advisor.h"
#include "model/Game.h"
#include "model/Random.h"

void EnemyEmpire::updateLegions() {
    // Indexed walk: a legion that falls is removed, and the one behind it moves
    // up into its place and acts next, so every survivor acts exactly once.
    std::size_t k = 0;
    while (k < legions.size()) {
        Legion& legion = *legions[k];
        if (legion.hasRoute) {
            const std::size_t before = legions.size();
            advanceAlongRoute(legion, static_cast<int>(k));
            if (legions.size() == before) ++k;
            continue;
        }
        if (seizeUndefendedNeighbour(legion)) {
            ++k;
            continue;
        }
        const Action attacked = attackWeakRomanNeighbour(legion);
        if (attacked == Action::Destroyed) continue;
        if (attacked == Action::None) legion.giveRoute(findTargetRoute(*legion.province));
        ++k;
    }
}

bool EnemyEmpire::seizeUndefendedNeighbour(Legion& legion) {
    Game& game = Game::instance();
    const Province& here = *legion.province;
    for (int i = 0; i < here.neighbourCount; ++i) {
        Province* n = here.neighbours[static_cast<std::size_t>(i)];
        if (n == nullptr) continue;
        Empire* holder = game.ownerOf(*n);
        if (holder == nullptr || (holder->name == "Romans" && game.romans.countLegionsIn(*n) == 0)) {
            game.transferProvince(*this, *n, holder);
            legion.moveTo(*n);
            return true;
        }
    }
    return false;
}

EnemyEmpire::Action EnemyEmpire::attackWeakRomanNeighbour(Legion& legion) {
    Game& game = Game::instance();
    const Province& here = *legion.province;
    const int strength = countLegionsIn(here);
    for (int i = 0; i < here.neighbourCount; ++i) {
        Province* n = here.neighbours[static_cast<std::size_t>(i)];
        if (n == nullptr) continue;
        const int romans = game.romans.countLegionsIn(*n);
        if (romans <= 0 || romans > strength) continue;
        // Roman legions in a province nobody holds: the Romans defend it.
        Empire* holder = game.ownerOf(*n);
        Empire& defender = holder != nullptr ? *holder : static_cast<Empire&>(game.romans);
        if (attack(defender, legion, *this, *n)) return Action::Done;
        removeLegion(legion);
        return Action::Destroyed;
    }
    return Action::None;
}

bool EnemyEmpire::attack(Empire& defender, Legion& legion, Empire& attacker, Province& target) {
    Game& game = Game::instance();
    if (!Province::isNeighbour(target, *legion.province)) Advisor::tell("something strange is going on!");
    game.showMove(*legion.province, target);
    if (rng::draw() % 2 == 0) return false;
    defender.removeFirstLegionIn(target, false);
    if (defender.countLegionsIn(target) > 0) return true;
    game.showDefeat(defender.name, target);
    game.transferProvince(attacker, target, &defender);
    legion.moveTo(target);
    return true;
}

// Breadth-first through the power's own provinces to the nearest one it does
// not hold. A province reached once is never worth reaching again by a later,
// no shorter path, so the visited set gives the same first route as a search
// over whole paths, without its blow-up on a large territory.
Route EnemyEmpire::findTargetRoute(Province& start) const {
    Game& game = Game::instance();
    std::array<Province*, ProvinceCount> visited{};
    std::size_t visitedCount = 0;
    auto seen = [&](const Province* p) {
        for (std::size_t i = 0; i < visitedCount; ++i) {
            if (visited[i]->sameAs(*p)) return true;
        }
        return false;
    };
    std::deque<Route> queue;
    queue.push_back({&start});
    visited[visitedCount++] = &start;
    while (!queue.empty()) {
        const Route path = std::move(queue.front());
        queue.pop_front();
        const Province& last = *path.back();
        for (int i = 0; i < last.neighbourCount; ++i) {
            Province* n = last.neighbours[static_cast<std::size_t>(i)];
            if (n == nullptr || seen(n)) continue;
            Route extended = path;
            extended.push_back(n);
            const Empire* holder = game.ownerOf(*n);
            if (holder == nullptr || holder->name != name) {
                validateRoute(extended);
                return extended;
            }
            visited[visitedCount++] = n;
            queue.push_back(std::move(extended));
        }
    }
    return {};
}

void EnemyEmpire::advanceAlongRoute(Legion& legion, int index) {
    Game& game = Game::instance();
    Province& next = legion.nextOnRoute();
    Empire* holder = game.ownerOf(next);
    const bool hostile = holder != nullptr && holder->name != name;
    if (hostile && holder->countLegionsIn(next) >= 1) {
        if (!attack(*holder, legion, *this, next)) legions.erase(legions.begin() + index);
        return;
    }
    if (hostile)
        game.transferProvince(*this, next, holder);
    else
        addProvince(next);
    legion.advance();
}

Route EnemyEmpire::invasionRoute(Province& start, Province& target) {
    Route route{&start};
    const Route rest = Game::instance().findRoute(start, target);
    route.insert(route.end(), rest.begin(), rest.end());
    return route;
}

void EnemyEmpire::raiseArmy(Province& start, const Route& route, int count) {
    for (int i = 0; i < count && hasRoomForLegion(); ++i) {
        Legion& legion = appendLegion(start);
        legion.giveRoute(route);
    }
}

Province* EnemyEmpire::drawTarget(std::initializer_list<const char*> names, bool (*wanted)(const Empire* holder)) {
    Game& game = Game::instance();
    std::vector<Province*> candidates;
    for (const char* name : names) {
        Province& p = game.findProvince(name);
        if (wanted(game.ownerOf(p))) candidates.push_back(&p);
    }
    if (candidates.empty()) return nullptr;
    return candidates[static_cast<std::size_t>(rng::draw()) % candidates.size()];
}
