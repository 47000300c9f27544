#include "model/Game.h"
#include "model/Random.h"

void Game::resetForNewGame() {
    invasionCount = 0;
    plagueCount = 0;
    rebellionCount = 0;
    turn = 0;
    for (Province* p : provinceTable) p->raiseCounter = rng::draw() % 3;
    sassanids.deleteAllLegions();
    barbarians.deleteAllLegions();
    rogueRomans.deleteAllLegions();
    romans.deleteAllLegions();
    static constexpr int treasuryBySkill[] = {100000, 75000, 50000};
    romans.treasury = treasuryBySkill[skillLevel];
}

void Game::assignDefaultOwners() {
    for (Empire* e : {static_cast<Empire*>(&romans), static_cast<Empire*>(&sassanids),
                      static_cast<Empire*>(&barbarians), static_cast<Empire*>(&rogueRomans)})
        e->provinces.clear();
    for (Empire* e : {static_cast<Empire*>(&romans), static_cast<Empire*>(&sassanids),
                      static_cast<Empire*>(&barbarians), static_cast<Empire*>(&rogueRomans)})
        e->deleteAllLegions();
    for (const char* name :
         {"Italia", "Aquitania", "Narbonensis", "Dacia", "Dalmatia", "Terraconensis", "Aegyptus", "Africa",
          "Palestina", "Lugdunensis", "Macedonia", "Britannia", "Pontus", "Lydia", "Cappadocia", "Phrygia",
          "Thracia", "Raetia", "Lusitania", "Syria", "Belgica", "Pannonia", "Mauretania"})
        romans.addProvince(findProvince(name));
    for (const char* name : {"Upper Rhine", "Sarmatia", "Lower Rhine", "Upper Danube", "Lower Danube"})
        barbarians.addProvince(findProvince(name));
    for (const char* name : {"Armenia", "Mesopotamia"}) sassanids.addProvince(findProvince(name));
}

void Game::startNewGame() {
    resetForNewGame();
    assignDefaultOwners();
    buildEventList();
    romans.prepareNewGame();
    barbarians.addLegions("Upper Rhine", 2);
}
