#pragma once
#include <initializer_list>

#include "model/Empire.h"

class World;

// The shared behaviour of the powers that invade from outside: each legion, once
// a turn, marches, seizes an undefended neighbour, attacks weak Roman
// neighbours, or sets out for the nearest province its power does not hold.
class EnemyEmpire : public Empire {
public:
    EnemyEmpire(World& world, Power power, int legionIcon);

    void updateLegions() override;
    virtual Province* chooseInvasionTarget() = 0;

    // True when the attack won (the legion lives); false when the attacker lost
    // and the caller must destroy it.
    bool attack(Empire& defender, Legion& legion, Empire& attacker, Province& target);
    Route findTargetRoute(Province& start) const;
    void advanceAlongRoute(Legion& legion, int index);

protected:
    // The invasion route: the start province, then the shortest route from it
    // to the target (so the army's first step is onto its own start).
    Route invasionRoute(Province& start, Province& target);
    // One draw picks among the named provinces whose holder (or none) the
    // power would march on; no candidate, no draw.
    Province* drawTarget(std::initializer_list<const char*> names, bool (*wanted)(const Empire* holder));

private:
    bool seizeUndefendedNeighbour(Legion& legion);
    // Returns false when the attacker fell and was destroyed.
    enum class Action { None, Done, Destroyed };
    Action attackWeakRomanNeighbour(Legion& legion);

protected:
    World& world_;
};
