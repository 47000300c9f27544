#include "model/Legion.h"

#include "model/Province.h"

bool routeFollowsLinks(const Route& route) {
    for (std::size_t i = 0; i + 1 < route.size(); ++i) {
        if (!Province::isNeighbour(*route[i + 1], *route[i])) return false;
    }
    return true;
}

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
