#include "model/Advisor.h"
#include "model/Game.h"
#include "model/Random.h"

bool Game::romansCanMove() const {
    for (const auto& l : romans.legions) {
        if (!l->moved) return true;
    }
    return false;
}

Province* Game::legionBoxAt(int x, int y) const {
    for (Province* p : provinceTable) {
        const int left = p->legionX();
        const int top = p->legionY();
        if (x >= left && x <= left + LegionBoxWidth && y >= top && y <= top + LegionBoxHeight) return p;
    }
    return nullptr;
}

void Game::pickUp(Province* province) {
    dragSource = nullptr;
    if (province != nullptr && (romans.hasReadyLegionIn(*province) || romans.allLegionsMovedIn(*province)))
        dragSource = province;
}

bool Game::dropLegions(int x, int y) {
    if (dragSource == nullptr || romans.legions.empty() || !romans.hasReadyLegionIn(*dragSource)) {
        if (dragSource != nullptr && romans.countLegionsIn(*dragSource) > 0) {
            Advisor::tell(
                "Princeps,\r\n\r\nAll the units in the province have already moved.\r\nNotice how the legion icon "
                "appears grayed out.  You will be\r\nable to move grayed out legions again next turn.");
        }
        return false;
    }
    Province& source = *dragSource;
    dropTarget = provinceAt(x, y);
    if (dropTarget == nullptr || dropTarget->sameAs(source)) return false;
    Province& target = *dropTarget;
    if (target.isFrontier()) {
        Empire* holder = ownerOf(target);
        if (holder == nullptr || holder->countLegionsIn(target) == 0) {
            // Roman troops enter the frontier lands only to attack.
            target.showFrontierRule();
            return false;
        }
    }
    if (Province::isNeighbour(target, source) || Province::isNeighbour(source, target)) {
        moveToAdjacent(target, romans, source);
        return true;
    }
    if (target.isFrontier()) return false;
    const Route route = findRoute(source, target);
    if (route.size() < 2) return false;
    // The route goes to a legion the player could have picked up, never to one
    // already marching elsewhere.
    Legion* legion = setLegionRoute(source, route, romans);
    if (legion == nullptr) return false;
    legion->followRoute(romans);
    return true;
}

void Game::moveToAdjacent(Province& target, Empire& empire, Province& source) {
    Legion* legion = nullptr;
    for (auto& l : empire.legions) {
        if (!l->moved && !l->hasRoute && l->province->sameAs(source)) {
            legion = l.get();
            break;
        }
    }
    if (legion == nullptr) {
        // The drop rule checks for a ready legion first, so this marks a fault.
        Advisor::tell("legion's current province (none) doesn't match from->name() (" + source.name());
        return;
    }
    Empire* holder = ownerOf(target);
    if (holder == nullptr || holder->name == empire.name) {
        transferProvince(empire, target, nullptr);
        legion->moveTo(target);
        return;
    }
    if (holder->countLegionsIn(target) < 1) {
        transferProvince(empire, target, holder);
        legion->moveTo(target);
        return;
    }
    showMove(*legion->province, target);
    if (rng::draw() % 2 == 0) {
        showDefeat(empire.name, source);
        empire.removeFirstLegionIn(source, true);
        logMessage("Our attack on " + target.name() + " failed");
        return;
    }
    showDefeat(holder->name, target);
    holder->removeFirstLegionIn(target, false);
    if (holder->countLegionsIn(target) > 0) {
        legion->moved = true;
        logMessage("Enemy legion in " + target.name() + " defeated");
        return;
    }
    transferProvince(empire, target, holder);
    legion->moveTo(target);
    if (holder->legions.empty() && holder->name != "Rebelling Legions") {
        static constexpr int mutinyChance[] = {4, 3, 2};
        if (rng::draw() % mutinyChance[skillLevel] == 0) {
            if (LegionGroup* group = findLegionGroup(target)) mutiny(group, target);
        }
    }
}
