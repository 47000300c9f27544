#include "rules/World.h"

bool World::romansCanMove() const {
    for (const auto& l : romans.legions) {
        if (!l->moved) return true;
    }
    return false;
}

bool World::mayPickUp(const Province& province) const {
    return romans.hasReadyLegionIn(province) || romans.allLegionsMovedIn(province);
}

void World::pickUp(Province* province) { dragSource = province != nullptr && mayPickUp(*province) ? province : nullptr; }

// Keeps every turn of the mouse: the press decided the source (see pickUp), a
// source without a ready legion is refused wherever the release falls, and a
// release on no province or on the source itself does nothing.
DropResult World::dropLegions(int x, int y) {
    DropResult result;
    if (dragSource == nullptr) {
        result.refusal = DropResult::Refusal::NothingPickedUp;
        return result;
    }
    if (romans.legions.empty() || !romans.hasReadyLegionIn(*dragSource)) {
        if (romans.countLegionsIn(*dragSource) > 0) {
            presenter().tell({MessageId::AllMoved, {}});
            result.order = OrderResult::AllMoved;
        }
        return result;
    }
    Province* target = provinceAt(x, y);
    if (target == nullptr) {
        result.refusal = DropResult::Refusal::NoProvince;
        return result;
    }
    result.target = target;
    result.order = Orders::move(*this, *dragSource, *target);
    return result;
}

// The same source the mouse could pick up, with the same words when it cannot.
OrderResult Orders::move(World& world, Province& source, Province& target) {
    RomanEmpire& romans = world.romans;
    if (!romans.hasReadyLegionIn(source)) {
        if (!romans.allLegionsMovedIn(source)) return OrderResult::NotReady;
        if (romans.countLegionsIn(source) == 0) return OrderResult::NoLegion;
        world.presenter().tell({MessageId::AllMoved, {}});
        return OrderResult::AllMoved;
    }
    if (target.sameAs(source)) return OrderResult::SameProvince;
    if (target.isFrontier()) {
        Empire* holder = world.ownerOf(target);
        if (holder == nullptr || holder->countLegionsIn(target) == 0) {
            // Roman troops enter the frontier lands only to attack.
            world.showFrontierRule(target);
            return OrderResult::FrontierClosed;
        }
    }
    if (Province::isNeighbour(target, source) || Province::isNeighbour(source, target))
        return world.moveToAdjacent(target, romans, source);
    if (target.isFrontier()) return OrderResult::NoRoute;
    const Route route = world.findRoute(source, target);
    if (route.size() < 2) return OrderResult::NoRoute;
    // The route goes to a legion the player could have picked up, never to one
    // already marching elsewhere.
    Legion* legion = setLegionRoute(world, source, route, romans);
    if (legion == nullptr) return OrderResult::NoLegion;
    followRoute(world, *legion, romans);
    return OrderResult::Marching;
}

OrderResult World::moveToAdjacent(Province& target, Empire& empire, Province& source) {
    Legion* legion = nullptr;
    for (auto& l : empire.legions) {
        if (!l->moved && !l->hasRoute && l->province->sameAs(source)) {
            legion = l.get();
            break;
        }
    }
    if (legion == nullptr) {
        // The drop rule checks for a ready legion first, so this marks a fault.
        presenter().diagnostic("legion's current province (none) doesn't match from->name() (" + source.name());
        return OrderResult::NoLegion;
    }
    Empire* holder = ownerOf(target);
    if (holder == nullptr || holder->power == empire.power) {
        transferProvince(empire, target, nullptr);
        legion->moveTo(target);
        return OrderResult::Moved;
    }
    if (holder->countLegionsIn(target) < 1) {
        transferProvince(empire, target, holder);
        legion->moveTo(target);
        return OrderResult::Occupied;
    }
    showMove(*legion->province, target);
    if (random.draw() % 2 == 0) {
        showDefeat(empire, source);
        empire.removeFirstLegionIn(source, true);
        logMessage({MessageId::AttackFailed, {target.name()}});
        return OrderResult::Lost;
    }
    showDefeat(*holder, target);
    holder->removeFirstLegionIn(target, false);
    if (holder->countLegionsIn(target) > 0) {
        legion->moved = true;
        logMessage({MessageId::EnemyDefeated, {target.name()}});
        return OrderResult::Fought;
    }
    transferProvince(empire, target, holder);
    legion->moveTo(target);
    if (holder->legions.empty() && holder->power != Power::RogueRomans) {
        static constexpr int mutinyChance[] = {4, 3, 2};
        if (random.draw() % mutinyChance[skillLevel] == 0) {
            if (LegionGroup* group = findLegionGroup(target)) mutiny(group, target);
        }
    }
    return target.isFrontier() ? OrderResult::Raided : OrderResult::Won;
}

void World::showFrontierRule(const Province& province) {
    if (province.name() == "Armenia" || province.name() == "Mesopotamia") {
        presenter().tell({MessageId::TigrisRule, {}});
    } else if (province.isFrontier()) {
        presenter().tell({MessageId::TeutoburgRule, {}});
    }
}
