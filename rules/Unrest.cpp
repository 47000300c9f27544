#include "rules/World.h"
#include "model/InternalError.h"

LegionGroup* World::findLegionGroup(const Province& province) {
    for (LegionGroup& group : legionGroups) {
        for (Province* p : group.provinces) {
            if (p->sameAs(province)) return &group;
        }
    }
    return nullptr;
}

void World::demandBonus() {
    int amount = romans.treasury / 5;
    if (amount < 10000) amount = 10000;
    const bool pay = presenter().ask({MessageId::BonusDemand, {std::to_string(amount)}});
    if (pay) {
        if (amount <= romans.treasury) {
            romans.treasury -= amount;
            romans.ledger.bonus += amount;
            return;
        }
        presenter().tell({MessageId::BonusUnaffordable, {}});
    } else if (random.draw() % 2 != 0) {
        presenter().tell({MessageId::BonusDropped, {}});
        return;
    }
    mutinyAfterRefusal();
}

void World::mutinyAfterRefusal() {
    // The order in which the armies lose patience; the North African legions never do.
    for (LegionGroup* group : {&legionGroups[1], &legionGroups[2], &legionGroups[0]}) {
        if (romans.hasLegionInAny(group->provinces)) {
            mutiny(group, *group->provinces.front());
            ++rebellionCount;
            return;
        }
    }
}

void World::mutiny(LegionGroup* group, Province& province) {
    if (group == nullptr) return;
    bool armyMarching = false;
    for (Province* p : group->provinces) {
        if (!romans.holds(*p)) continue;
        const int n = romans.countLegionsIn(*p);
        romans.removeLegionsIn(*p);
        romans.removeProvince(*p);
        empire(Power::RogueRomans).addProvince(*p);
        if (n > 0 && !armyMarching) {
            armyMarching = true;
            addRebelArmy(*p, n, findRoute(*p, findProvince("Italia")));
        } else {
            addRebelLegions(*p, n);
        }
    }
    presenter().tell({MessageId::LegionsRebelled, {group->name}});
    if (!romans.rebellionHintShown) {
        presenter().tell({MessageId::RebellionHint, {}});
        romans.rebellionHintShown = true;
    }
    empire(Power::RogueRomans).setRouteForLegionsIn(province, findRoute(province, findProvince("Italia")));
}

void World::raiseRebellion(Province& province) {
    Empire* holder = romans.holds(province) ? &romans : ownerOf(province);
    if (holder == nullptr) return;
    const int n = holder->countLegionsIn(province);
    holder->removeLegionsIn(province);
    transferProvince(empire(Power::RogueRomans), province, holder);
    addRebelLegions(province, n);
}

void World::addRebelLegions(Province& province, int count) { empire(Power::RogueRomans).addLegions(province, count); }

void World::addRebelArmy(Province& province, int count, const Route& route) {
    empire(Power::RogueRomans).addLegions(province, count, route);
}

void RomanEmpire::revoltIfUngarrisoned(const char* provinceName, MessageId message) {
    Province& province = world_.findProvince(provinceName);
    if (!holds(province) || countLegionsIn(province) > 0) return;
    static constexpr int chance[] = {10, 5, 3};
    if (world_.random.draw() % chance[world_.skillLevel] != 0) return;
    ++world_.rebellionCount;
    world_.presenter().tell({message, {}});
    world_.logMessage({MessageId::ProvinceRebelled, {province.name()}});
    removeProvince(province);
}

void RomanEmpire::checkRevolts() {
    revoltIfUngarrisoned("Britannia", MessageId::BritanniaRevolt);
    revoltIfUngarrisoned("Aegyptus", MessageId::AegyptusRevolt);
    Province& italia = world_.findProvince("Italia");
    if (!world_.hasGrainShortage() || !holds(italia)) return;
    static constexpr int chance[] = {20, 10, 5};
    if (world_.random.draw() % chance[world_.skillLevel] != 0) return;
    removeLegionsIn(italia);
    removeProvince(italia);
    world_.presenter().tell({MessageId::GrainRiot, {}});
}

bool World::hasGrainShortage() {
    for (const char* name : {"Aegyptus", "Mauretania", "Africa"}) {
        if (romans.holds(findProvince(name))) return false;
    }
    return true;
}

void World::palestinaUprising() {
    Province& palestina = findProvince("Palestina");
    if (romans.holds(palestina)) return;
    playSound(SoundKind::Uprising);
    presenter().tell({MessageId::JudeaOverthrown, {}});
    if (Empire* holder = ownerOf(palestina)) {
        holder->removeLegionsIn(palestina);
        holder->removeProvince(palestina);
    }
    romans.addProvince(palestina);
    romans.addLegions("Palestina", 5);
}

bool World::ceckForFreeLegions(Province*& province, int& count) {
    static constexpr int chance[] = {10, 15, 20};
    if (random.draw() % chance[skillLevel] != 0) return false;
    std::vector<Province*> candidates;
    for (const char* name : {"Belgica", "Pannonia", "Raetia"}) {
        Province* p = provinceNamed(name);
        if (p == nullptr) throw InternalError(std::string("World::ceckForFreeLegions can't find province ") + name);
        if (romans.holds(*p)) candidates.push_back(p);
    }
    if (candidates.empty()) return false;
    province = candidates[static_cast<std::size_t>(random.draw()) % candidates.size()];
    count = 1;
    return true;
}

void RomanEmpire::settleTribe(Province& province, int count) {
    const bool farmers = world_.presenter().askWithLabels({MessageId::SettleTribe, {province.name()}}, {MessageId::Farmers, {}},
                                                          {MessageId::Soldiers, {}});
    if (farmers) {
        ledger.settlers += earn(5000);
        return;
    }
    for (int i = 0; i < count && hasRoomForLegion(); ++i) appendLegion(province);
}
