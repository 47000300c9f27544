#include <utility>

#include "rules/World.h"

// Each set-up runs after the reset, the default owners and the event list.
namespace {

void addForOwners(World& game, std::initializer_list<std::pair<const char*, int>> legions) {
    for (const auto& [name, count] : legions) game.addLegions(game.findProvince(name), count);
}

void addFor(Empire& empire, std::initializer_list<std::pair<const char*, int>> legions) {
    for (const auto& [name, count] : legions) empire.addLegions(name, count);
}

}  // namespace

void World::scenario260() {
    turn = 24;
    romans.treasury = 50000;
    addForOwners(*this, {{"Italia", 3}, {"Britannia", 3}, {"Aegyptus", 3}, {"Aquitania", 2}, {"Syria", 1},
                         {"Palestina", 1}, {"Lugdunensis", 1}, {"Narbonensis", 1}, {"Raetia", 1}, {"Pontus", 3}});
}

void World::scenario308() {
    turn = 70;
    romans.treasury = 50000;
    addForOwners(*this, {{"Italia", 3}, {"Britannia", 1}, {"Aegyptus", 1}, {"Aquitania", 2}, {"Syria", 1},
                         {"Palestina", 1}, {"Lugdunensis", 1}, {"Narbonensis", 1}, {"Raetia", 1},
                         {"Macedonia", 1}, {"Pontus", 1}});
    Province& dacia = findProvince("Dacia");
    romans.removeProvince(dacia);
    empire(Power::Barbarians).addProvince(dacia);
}

void World::scenario410() {
    turn = 174;
    romans.treasury = 20000;
    for (const char* name : {"Britannia", "Dacia", "Thracia"}) romans.removeProvince(findProvince(name));
    for (const char* name : {"Thracia", "Dacia"}) empire(Power::Barbarians).addProvince(findProvince(name));
    addFor(romans, {{"Italia", 5}, {"Lydia", 2}, {"Cappadocia", 2}, {"Syria", 2}, {"Terraconensis", 1},
                    {"Aquitania", 1}, {"Raetia", 1}});
    addFor(empire(Power::Barbarians), {{"Thracia", 3}, {"Dacia", 3}});
}

// Mauretania stays Roman only: no position the game sets up has a province held twice.
void World::scenario476() {
    turn = 240;
    romans.treasury = 20000;
    romans.provinces.clear();
    for (const char* name : {"Italia", "Lugdunensis", "Dalmatia", "Mauretania"}) romans.addProvince(findProvince(name));
    for (const char* name :
         {"Pontus", "Lydia", "Phrygia", "Cappadocia", "Syria", "Macedonia", "Thracia", "Palestina", "Aegyptus"})
        empire(Power::RogueRomans).addProvince(findProvince(name));
    for (const char* name : {"Aquitania", "Narbonensis", "Terraconensis", "Lusitania", "Africa", "Belgica",
                             "Britannia", "Dacia", "Pannonia", "Raetia"})
        empire(Power::Barbarians).addProvince(findProvince(name));
    addFor(romans, {{"Italia", 2}, {"Mauretania", 1}});
    addFor(empire(Power::RogueRomans), {{"Pontus", 3}, {"Syria", 2}, {"Aegyptus", 2}, {"Thracia", 1}, {"Macedonia", 1}});
    addFor(empire(Power::Barbarians), {{"Terraconensis", 1}, {"Lusitania", 1}, {"Aquitania", 1}});
}

void World::scenario455() {
    scenario476();
    turn = 219;
    romans.treasury = 40000;
    Empire& tribes = empire(Power::Barbarians);
    tribes.deleteAllLegions();
    Province& africa = findProvince("Africa");
    tribes.addLegions(africa, 10);
    tribes.setRouteForLegionsIn(africa, findRoute(africa, findProvince("Italia")));
}

bool World::startScenario(int year) {
    void (World::*setUp)() = nullptr;
    switch (year) {
    case 260: setUp = &World::scenario260; break;
    case 308: setUp = &World::scenario308; break;
    case 410: setUp = &World::scenario410; break;
    case 455: setUp = &World::scenario455; break;
    default: return false;
    }
    resetForNewGame();
    assignDefaultOwners();
    buildEventList();
    (this->*setUp)();
    return true;
}
