#include "powers/Sassanids.h"

#include "rules/World.h"

Sassanids::Sassanids(World& world) : EnemyEmpire(world, Power::Sassanids, 3) { mapColour = 2; }

void Sassanids::takeTurn() {
    static constexpr int chance[] = {4, 3, 2};
    static constexpr int baseSize[] = {2, 4, 7};
    World& game = world_;
    const bool invading = game.random.draw() % chance[game.skillLevel] == 0;
    if (invading) ++game.invasionCount;
    if (invading && legions.empty()) {
        const int size = game.random.draw() % 5 + baseSize[game.skillLevel];
        Province* start = &game.findProvince("Armenia");
        if (game.random.draw() % 2 == 0) start = &game.findProvince("Mesopotamia");
        if (Province* target = chooseInvasionTarget()) {
            addLegions(*start, size, invasionRoute(*start, *target));
            if (game.sassanidWarningPending) {
                game.report("Princeps,\r\n\r\nThe Sassanids are massing troops across the Tigris River!",
                                "The Sassanids have crossed the Tigris!");
                game.sassanidWarningPending = false;
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
