#include "rules/World.h"

void World::transferProvince(Empire& newHolder, Province& province, Empire* oldHolder) {
    const bool frontier = province.isFrontier();
    if (oldHolder != nullptr && !frontier && oldHolder->holds(province)) oldHolder->removeProvince(province);
    if (province.name() == "Italia" && oldHolder != nullptr && oldHolder->isRomans()) plunderTreasury();
    if (frontier) {
        // The frontier lands never change hands: a won fight there is a raid.
        logMessage("Our raid into " + province.name() + " was successful");
        return;
    }
    if (!newHolder.addProvince(province)) return;
    if (newHolder.isRomans())
        logMessage("We have reconquered " + province.name());
    else if (oldHolder != nullptr && oldHolder->isRomans())
        logMessage(province.name() + " has been overrun");
}

void World::plunderTreasury() {
    romans.treasury /= 2;
    presenter().tell("Princeps,\r\n\r\nOur enemies have reached Rome and plundered\r\nthe Imperial treasury!");
}

void World::logMessage(const std::string& text) {
    if (!eventLog.empty() && eventLog.back() == text) return;
    eventLog.push_back(text);
    if (eventLog.size() > 10) eventLog.erase(eventLog.begin());
    presenter().news(text);
}
