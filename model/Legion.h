#pragma once
#include <vector>

class Empire;
class Province;
class Legion;

// The provinces a legion is to march through: element 0 is where it stood when
// given the route, the last one is its destination.
using Route = std::vector<Province*>;

// Whether every step of the route follows the map's links.
bool routeFollowsLinks(const Route& route);

class Legion {
public:
    Legion(Empire& owner, Province& province) : owner(&owner), province(&province) {}

    bool moved = false;
    Empire* owner;
    Province* province;
    Route route;
    int routeIndex = 0;
    bool hasRoute = false;

    // Hands the legion a fresh copy of a route to walk from its start; false,
    // and nothing changes, for a route without a step in it.
    bool giveRoute(const Route& r);
    // The province the next step leads to; only meaningful while hasRoute.
    Province& nextOnRoute() const;
    // One step along the route, without any fighting.
    void advance();
    // Enters `target` unless it is a frontier land (a won fight there is only a raid).
    void moveTo(Province& target);
    enum class StepResult { Advanced, Fought, Destroyed };
};
