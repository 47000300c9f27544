#include "rules/World.h"

void World::transferProvince(Empire& newHolder, Province& province, Empire* oldHolder) {
    const bool frontier = province.isFrontier();
    if (oldHolder != nullptr && !frontier && oldHolder->holds(province)) oldHolder->removeProvince(province);
    if (province.name() == "Italia" && oldHolder != nullptr && oldHolder->isRomans()) plunderTreasury();
    if (frontier) {
        // The frontier lands never change hands: a won fight there is a raid.
        logMessage({MessageId::RaidSucceeded, {province.name()}});
        return;
    }
    if (!newHolder.addProvince(province)) return;
    if (newHolder.isRomans())
        logMessage({MessageId::Reconquered, {province.name()}});
    else if (oldHolder != nullptr && oldHolder->isRomans())
        logMessage({MessageId::Overrun, {province.name()}});
}

void World::plunderTreasury() {
    const int before = romans.treasury;
    romans.treasury /= 2;
    romans.ledger.plunder += before - romans.treasury;
    presenter().tell({MessageId::TreasuryPlundered, {}});
}

void World::logMessage(const Message& line) {
    const std::string text = englishText(line);
    if (!eventLog.empty() && eventLog.back() == text) return;
    eventLog.push_back(text);
    if (eventLog.size() > 10) eventLog.erase(eventLog.begin());
    presenter().news(line);
}
