#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/Legion.h"
#include "model/Power.h"

class Province;
class ProvinceMap;

// The common base of the four powers: a name, the provinces held and the
// legions owned. Lists keep insertion order, and many rules act on "the first"
// matching legion, so the order is part of the game.
class Empire {
public:
    Empire(ProvinceMap& map, Power power, int legionIcon);
    Empire(const Empire&) = delete;
    Empire& operator=(const Empire&) = delete;
    virtual ~Empire();

    virtual void takeTurn();
    virtual void updateLegions();
    virtual void prepareNewGame();
    virtual void raiseLegions();
    virtual void onProvinceTaken(Province& province);

    const Power power;
    std::string name;
    std::vector<Province*> provinces;
    std::vector<std::unique_ptr<Legion>> legions;
    int legionIcon;
    int mapColour = 3;

    // Province list.
    bool addProvince(Province& province);
    void removeProvince(const Province& province);
    bool holds(const Province& province) const;
    bool isRomans() const { return power == Power::Romans; }

    // Legion list; provinces compare by name.
    int countLegionsIn(const Province& province) const;
    bool hasReadyLegionIn(const Province& province) const;
    bool allLegionsMovedIn(const Province& province) const;
    bool hasLegionInAny(const std::vector<Province*>& list) const;
    void removeLegionsIn(const Province& province);
    void deleteAllLegions();
    void addLegions(const std::string& provinceName, int count);
    // Appends `count` new legions standing in `province`, each given its own
    // copy of `route` (none when the route has no step).
    void addLegions(Province& province, int count, const Route& route = {});
    void setRouteForLegionsIn(const Province& province, const Route& route);

    // Appends one new legion standing in `province` and returns it.
    Legion& appendLegion(Province& province);
    // Removes the first legion standing in `province` that matches; false when none.
    bool removeFirstLegionIn(const Province& province, bool onlyUnmoved);
    // Removes and destroys the given legion.
    void removeLegion(const Legion& legion);
    // The position of the legion in the list, or -1.
    int indexOf(const Legion& legion) const;

protected:
    ProvinceMap& map_;
};
