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
    const bool pay = presenter().ask("Princeps,\r\n\r\nThe legions are demanding a bonus of " + std::to_string(amount) +
                                  " sesterces.\r\n\r\nDo you wish to pay them?");
    if (pay) {
        if (amount <= romans.treasury) {
            romans.treasury -= amount;
            return;
        }
        presenter().tell("Princeps,\r\n\r\nWe do not have that much in the treasury.");
    } else if (random.draw() % 2 != 0) {
        presenter().tell("Princeps,\r\n\r\nThe troops have backed down from their demands.");
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
    presenter().tell("Princeps,\r\n\r\nThe " + group->name +
                  " have rebelled! They have\r\nproclaimed their commander the new Emperor and are\r\nmarching on "
                  "Rome!");
    if (!romans.rebellionHintShown) {
        presenter().tell(
            "When a province rebels it is shown in white, and any legions\r\nin it are shown in red.  You no longer "
            "control rebelling\r\nlegions.  To regain control of a rebelling province you\r\nmust move a "
            "non-rebelling legion into it.");
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

void RomanEmpire::revoltIfUngarrisoned(const char* provinceName, const char* message, const char* logLine) {
    World& game = world_;
    Province& province = game.findProvince(provinceName);
    if (!holds(province) || countLegionsIn(province) > 0) return;
    static constexpr int chance[] = {10, 5, 3};
    if (world_.random.draw() % chance[game.skillLevel] != 0) return;
    ++game.rebellionCount;
    world_.presenter().tell(message);
    game.logMessage(logLine);
    removeProvince(province);
}

void RomanEmpire::checkRevolts() {
    revoltIfUngarrisoned("Britannia",
                         "Princeps,\r\n\r\nThe tribes of Britannia have rebelled against Roman rule!\r\n\r\nWe should "
                         "send a legion there to restore order.",
                         "Britannia has rebelled");
    revoltIfUngarrisoned("Aegyptus",
                         "Princeps,\r\n\r\nThe people of Aegyptus have rebelled against Roman rule!\r\n\r\nWe should "
                         "send a legion there to restore order.",
                         "Aegyptus has rebelled");
    World& game = world_;
    Province& italia = game.findProvince("Italia");
    if (!game.hasGrainShortage() || !holds(italia)) return;
    static constexpr int chance[] = {20, 10, 5};
    if (world_.random.draw() % chance[game.skillLevel] != 0) return;
    removeLegionsIn(italia);
    removeProvince(italia);
    world_.presenter().tell(
        "Princeps,\r\n\r\nThe people of Italia are rioting over the lack of grain!\r\n\r\nWe should send a legion "
        "there to restore order.");
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
    presenter().tell("Palestina has been overthrown by the\r\nPeople's Front of Judea (the PFJ)!");
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
    const bool farmers = world_.presenter().askWithLabels(
        "A tribe from across the Rhine is asking to settle in\r\n" + province.name() +
            ".  Should we settle them as farmers to\r\nincrease tax revenue, or press them into military "
            "service?\r\n\r\n[Settling them as farmers will put 5,000 sesterces into\r\nthe treasury]",
        "Farmers", "Soldiers");
    if (farmers) {
        treasury += 5000;
        return;
    }
    for (int i = 0; i < count; ++i) appendLegion(province);
}
