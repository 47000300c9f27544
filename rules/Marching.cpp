#include "model/InternalError.h"
#include "rules/World.h"

Legion* setLegionRoute(World& world, const Province& province, const Route& route, Empire& empire) {
    if (route.size() < 2) return nullptr;  // nowhere to go: nobody is sent
    for (auto& l : empire.legions) {
        if (!l->moved && !l->hasRoute && l->province->sameAs(province)) {
            l->giveRoute(route);
            return l.get();
        }
    }
    world.presenter().diagnostic("ERROR: setLegionRoute didn't find a legion to move");
    return nullptr;
}

Legion::StepResult followRoute(World& world, Legion& legion, Empire& stepper) {
    Province& next = legion.nextOnRoute();
    Empire* holder = world.ownerOf(next);

    auto enter = [&] {
        legion.advance();
        stepper.onProvinceTaken(next);
        return Legion::StepResult::Advanced;
    };
    if (holder == nullptr || holder->power == stepper.power) {
        stepper.addProvince(next);
        return enter();
    }
    if (holder->countLegionsIn(next) == 0) {
        world.transferProvince(stepper, next, holder);
        return enter();
    }

    world.playSound(SoundKind::Battle);
    world.showMove(*legion.province, next);
    if (world.random.draw() % 2 == 0) {
        // The attacker loses a legion: the first unmoved one of its stack. When
        // none is unmoved (rebels' flags are never cleared) the attacker itself
        // falls, or a routed legion could never lose a battle on the march.
        Legion* loser = &legion;
        for (auto& l : stepper.legions) {
            if (!l->moved && l->province->sameAs(*legion.province)) {
                loser = l.get();
                break;
            }
        }
        const bool self = loser == &legion;
        stepper.removeLegion(*loser);
        return self ? Legion::StepResult::Destroyed : Legion::StepResult::Fought;
    }
    holder->removeFirstLegionIn(next, false);
    if (holder->countLegionsIn(next) > 0) return Legion::StepResult::Fought;
    world.transferProvince(stepper, next, holder);
    return enter();
}

void marchRoutedLegions(World& world, Empire& empire) {
    int visited = 0;
    for (std::size_t i = 0; i < empire.legions.size(); ++i) {
        Legion& legion = *empire.legions[i];
        if (legion.hasRoute) followRoute(world, legion, empire);
        if (++visited > 100) throw InternalError("Empire::updateLegions() stuck in loop!");
    }
}
