#include "powers/Sassanids.h"

#include "model/Advisor.h"
#include "model/Game.h"
#include "model/Random.h"

Sassanids::Sassanids() : EnemyEmpire("Sassanids", 3) { mapColour = 2; }

void Sassanids::takeTurn() {
    static constexpr int chance[] = {4, 3, 2};
    static constexpr int baseSize[] = {2, 4, 7};
    Game& game = Game::instance();
    const bool invading = rng::draw() % chance[game.skillLevel] == 0;
    if (invading) ++game.invasionCount;
    if (invading && legions.empty()) {
        const int size = rng::draw() % 5 + baseSize[game.skillLevel];
        Province* start = &game.findProvince("Armenia");
        if (rng::draw() % 2 == 0) start = &game.findProvince("Mesopotamia");
        if (Province* target = chooseInvasionTarget()) {
            raiseArmy(*start, invasionRoute(*start, *target), size);
            if (game.sassanidWarningPending) {
                Advisor::report("Princeps,\r\n\r\nThe Sassanids are massing troops across the Tigris River!",
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
                          return holder == nullptr || holder->name == "Romans" || holder->name == "Rebelling Legions";
                      });
}
