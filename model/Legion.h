#pragma once
#include <vector>

class Empire;
class Province;
class Legion;

// The provinces a legion is to march through: element 0 is where it stood when
// given the route, the last one is its destination.
using Route = std::vector<Province*>;

// Shows "Route is invalid" when some step does not follow the map's links.
void validateRoute(const Route& route);

// Gives the route to the first ready legion of `empire` in `province` (one that
// has neither moved nor is marching) and returns it, or nullptr.
Legion* setLegionRoute(const Province& province, const Route& route, Empire& empire);

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
    // One step along the route with occupation, conquest or one exchange of battle.
    // The legion may be destroyed by it: nothing may touch it afterwards unless
    // the result says it survived.
    enum class StepResult { Advanced, Fought, Destroyed };
    StepResult followRoute(Empire& stepper);
};
