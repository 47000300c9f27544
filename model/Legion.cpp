#include "model/Legion.h"

#include "model/Empire.h"
#include "model/Game.h"
#include "model/Random.h"

// A route needs a start and a next province; a shorter one (a search that
// found nothing) would send the legion stepping past its end, so it is refused
// and the legion keeps what it had.
bool Legion::giveRoute(const Route& r) {
    if (r.size() < 2) return false;
    route = r;
    routeIndex = 0;
    hasRoute = true;
    return true;
}

Province& Legion::nextOnRoute() const { return *route[static_cast<std::size_t>(routeIndex + 1)]; }

void Legion::advance() {
    if (!hasRoute) return;
    ++routeIndex;
    province = route[static_cast<std::size_t>(routeIndex)];
    if (routeIndex == static_cast<int>(route.size()) - 1) hasRoute = false;
    moved = true;
}

void Legion::moveTo(Province& target) {
    if (!target.isFrontier()) province = &target;
    moved = true;
}

Legion::StepResult Legion::followRoute(Empire& stepper) {
    Game& game = Game::instance();
    Province& next = nextOnRoute();
    Empire* holder = game.ownerOf(next);

    auto enter = [&] {
        advance();
        stepper.onProvinceTaken(next);
        return StepResult::Advanced;
    };
    if (holder == nullptr || holder->name == stepper.name) {
        stepper.addProvince(next);
        return enter();
    }
    if (holder->countLegionsIn(next) == 0) {
        game.transferProvince(stepper, next, holder);
        return enter();
    }

    game.playSound(0);
    game.showMove(*province, next);
    if (rng::draw() % 2 == 0) {
        // The attacker loses a legion: the first unmoved one of its stack. When
        // none is unmoved (rebels' flags are never cleared) the attacker itself
        // falls, or a routed legion could never lose a battle on the march.
        Legion* loser = this;
        for (auto& l : stepper.legions) {
            if (!l->moved && l->province->sameAs(*province)) {
                loser = l.get();
                break;
            }
        }
        const bool self = loser == this;
        stepper.removeLegion(*loser);
        return self ? StepResult::Destroyed : StepResult::Fought;
    }
    holder->removeFirstLegionIn(next, false);
    if (holder->countLegionsIn(next) > 0) return StepResult::Fought;
    game.transferProvince(stepper, next, holder);
    return enter();
}
