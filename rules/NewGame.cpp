#include "rules/World.h"

// Every new game and scenario opens here: nothing of the last game's plague,
// news or accounts is carried over. The hints stay once per run.
void World::resetForNewGame() {
    romans.plague = false;
    romans.plagueCounter = 0;
    romans.taxIncome = 0;
    romans.legionCost = 0;
    eventLog.clear();
    scenarioTitle.clear();
    scenarioBriefing.clear();
    invasionCount = 0;
    plagueCount = 0;
    rebellionCount = 0;
    turn = 0;
    for (Province* p : provinceTable) p->raiseCounter = random.draw() % 3;
    empire(Power::Sassanids).deleteAllLegions();
    empire(Power::Barbarians).deleteAllLegions();
    empire(Power::RogueRomans).deleteAllLegions();
    romans.deleteAllLegions();
    static constexpr int treasuryBySkill[] = {100000, 75000, 50000};
    romans.treasury = treasuryBySkill[skillLevel];
}

void World::assignDefaultOwners() {
    // Cleared in this order (Sassanids before the tribes), as they always were.
    const Power order[] = {Power::Romans, Power::Sassanids, Power::Barbarians, Power::RogueRomans};
    for (Power p : order) empire(p).provinces.clear();
    for (Power p : order) empire(p).deleteAllLegions();
    for (const char* name :
         {"Italia", "Aquitania", "Narbonensis", "Dacia", "Dalmatia", "Terraconensis", "Aegyptus", "Africa",
          "Palestina", "Lugdunensis", "Macedonia", "Britannia", "Pontus", "Lydia", "Cappadocia", "Phrygia",
          "Thracia", "Raetia", "Lusitania", "Syria", "Belgica", "Pannonia", "Mauretania"})
        romans.addProvince(findProvince(name));
    for (const char* name : {"Upper Rhine", "Sarmatia", "Lower Rhine", "Upper Danube", "Lower Danube"})
        empire(Power::Barbarians).addProvince(findProvince(name));
    for (const char* name : {"Armenia", "Mesopotamia"}) empire(Power::Sassanids).addProvince(findProvince(name));
}

void World::startNewGame() {
    resetForNewGame();
    assignDefaultOwners();
    buildEventList();
    romans.prepareNewGame();
    empire(Power::Barbarians).addLegions("Upper Rhine", 2);
}
