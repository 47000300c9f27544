#include "powers/EnemyEmpire.h"

#include "rules/World.h"

EnemyEmpire::EnemyEmpire(World& world, Power power, int legionIcon) : Empire(world, power, legionIcon), world_(world) {}

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
    const Province& here = *legion.province;
    for (int i = 0; i < here.neighbourCount; ++i) {
        Province* n = here.neighbours[static_cast<std::size_t>(i)];
        if (n == nullptr) continue;
        Empire* holder = world_.ownerOf(*n);
        if (holder == nullptr || (holder->isRomans() && world_.romans.countLegionsIn(*n) == 0)) {
            world_.transferProvince(*this, *n, holder);
            legion.moveTo(*n);
            return true;
        }
    }
    return false;
}

EnemyEmpire::Action EnemyEmpire::attackWeakRomanNeighbour(Legion& legion) {
    const Province& here = *legion.province;
    const int strength = countLegionsIn(here);
    for (int i = 0; i < here.neighbourCount; ++i) {
        Province* n = here.neighbours[static_cast<std::size_t>(i)];
        if (n == nullptr) continue;
        const int romans = world_.romans.countLegionsIn(*n);
        if (romans <= 0 || romans > strength) continue;
        // Roman legions in a province nobody holds: the Romans defend it.
        Empire* holder = world_.ownerOf(*n);
        Empire& defender = holder != nullptr ? *holder : static_cast<Empire&>(world_.romans);
        if (attack(defender, legion, *this, *n)) return Action::Done;
        removeLegion(legion);
        return Action::Destroyed;
    }
    return Action::None;
}

bool EnemyEmpire::attack(Empire& defender, Legion& legion, Empire& attacker, Province& target) {
    if (!Province::isNeighbour(target, *legion.province)) world_.presenter().diagnostic("something strange is going on!");
    world_.showMove(*legion.province, target);
    if (world_.random.draw() % 2 == 0) return false;
    defender.removeFirstLegionIn(target, false);
    if (defender.countLegionsIn(target) > 0) return true;
    world_.showDefeat(defender, target);
    world_.transferProvince(attacker, target, &defender);
    legion.moveTo(target);
    return true;
}

// Through the power's own provinces to the nearest one it does not hold.
Route EnemyEmpire::findTargetRoute(Province& start) const {
    return ProvinceMap::searchRoute(start, [this](const Province& p) {
        const Empire* holder = world_.ownerOf(p);
        return holder == nullptr || holder->power != power;
    });
}

void EnemyEmpire::advanceAlongRoute(Legion& legion, int index) {
    Province& next = legion.nextOnRoute();
    Empire* holder = world_.ownerOf(next);
    const bool hostile = holder != nullptr && holder->power != power;
    if (hostile && holder->countLegionsIn(next) >= 1) {
        if (!attack(*holder, legion, *this, next)) legions.erase(legions.begin() + index);
        return;
    }
    if (hostile)
        world_.transferProvince(*this, next, holder);
    else
        addProvince(next);
    legion.advance();
}

Route EnemyEmpire::invasionRoute(Province& start, Province& target) {
    Route route{&start};
    const Route rest = world_.findRoute(start, target);
    route.insert(route.end(), rest.begin(), rest.end());
    return route;
}

Province* EnemyEmpire::drawTarget(std::initializer_list<const char*> names, bool (*wanted)(const Empire* holder)) {
    std::vector<Province*> candidates;
    for (const char* name : names) {
        Province& p = world_.findProvince(name);
        if (wanted(world_.ownerOf(p))) candidates.push_back(&p);
    }
    if (candidates.empty()) return nullptr;
    return candidates[static_cast<std::size_t>(world_.random.draw()) % candidates.size()];
}
