#include "powers/Sassanids.h"

#include "rules/World.h"

Sassanids::Sassanids(World& world) : EnemyEmpire(world, Power::Sassanids, 3) { mapColour = 2; }

void Sassanids::takeTurn() {
    static constexpr int chance[] = {4, 3, 2};
    static constexpr int baseSize[] = {2, 4, 7};
    const bool invading = world_.random.draw() % chance[world_.skillLevel] == 0;
    if (invading) ++world_.invasionCount;
    if (invading && legions.empty()) {
        const int size = world_.random.draw() % 5 + baseSize[world_.skillLevel];
        Province* start = &world_.findProvince("Armenia");
        if (world_.random.draw() % 2 == 0) start = &world_.findProvince("Mesopotamia");
        if (Province* target = chooseInvasionTarget()) {
            addLegions(*start, size, invasionRoute(*start, *target));
            if (world_.sassanidWarningPending) {
                world_.report({MessageId::SassanidsMassing, {}}, {MessageId::SassanidsCrossed, {}});
                world_.sassanidWarningPending = false;
            }
        }
    }
    updateLegions();
}

Province* Sassanids::chooseInvasionTarget() {
    return drawTarget({"Pontus", "Lydia", "Cappadocia", "Phrygia", "Syria", "Palestina", "Aegyptus", "Thracia",
                       "Macedonia"},
                      [](const Empire* holder) {
                          return holder == nullptr || holder->power == Power::Romans || holder->power == Power::RogueRomans;
                      });
}
