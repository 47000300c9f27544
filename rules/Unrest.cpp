#include "model/Advisor.h"
#include "model/Game.h"
#include "model/InternalError.h"
#include "model/Random.h"

LegionGroup* Game::findLegionGroup(const Province& province) {
    for (LegionGroup& group : legionGroups) {
        for (Province* p : group.provinces) {
            if (p->sameAs(province)) return &group;
        }
    }
    return nullptr;
}

void Game::demandBonus() {
    int amount = romans.treasury / 5;
    if (amount < 10000) amount = 10000;
    const bool pay = Advisor::ask("Princeps,\r\n\r\nThe legions are demanding a bonus of " + std::to_string(amount) +
                                  " sesterces.\r\n\r\nDo you wish to pay them?");
    if (pay) {
        if (amount <= romans.treasury) {
            romans.treasury -= amount;
            return;
        }
        Advisor::tell("Princeps,\r\n\r\nWe do not have that much in the treasury.");
    } else if (rng::draw() % 2 != 0) {
        Advisor::tell("Princeps,\r\n\r\nThe troops have backed down from their demands.");
        return;
    }
    mutinyAfterRefusal();
}

void Game::mutinyAfterRefusal() {
    // The order in which the armies lose patience; the North African legions never do.
    for (LegionGroup* group : {&legionGroups[1], &legionGroups[2], &legionGroups[0]}) {
        if (romans.hasLegionInAny(group->provinces)) {
            mutiny(group, *group->provinces.front());
            ++rebellionCount;
            return;
        }
    }
}

void Game::mutiny(LegionGroup* group, Province& province) {
    if (group == nullptr) return;
    bool armyMarching = false;
    for (Province* p : group->provinces) {
        if (!romans.holds(*p)) continue;
        const int n = romans.countLegionsIn(*p);
        romans.removeLegionsIn(*p);
        romans.removeProvince(*p);
        rogueRomans.addProvince(*p);
        if (n > 0 && !armyMarching) {
            armyMarching = true;
            addRebelArmy(*p, n, findRoute(*p, findProvince("Italia")));
        } else {
            addRebelLegions(*p, n);
        }
    }
    Advisor::tell("Princeps,\r\n\r\nThe " + group->name +
                  " have rebelled! They have\r\nproclaimed their commander the new Emperor and are\r\nmarching on "
                  "Rome!");
    if (!romans.rebellionHintShown) {
        Advisor::tell(
            "When a province rebels it is shown in white, and any legions\r\nin it are shown in red.  You no longer "
            "control rebelling\r\nlegions.  To regain control of a rebelling province you\r\nmust move a "
            "non-rebelling legion into it.");
        romans.rebellionHintShown = true;
    }
    rogueRomans.setRouteForLegionsIn(province, findRoute(province, findProvince("Italia")));
}

void Game::raiseRebellion(Province& province) {
    Empire* holder = romans.holds(province) ? &romans : ownerOf(province);
    if (holder == nullptr) return;
    const int n = holder->countLegionsIn(province);
    holder->removeLegionsIn(province);
    transferProvince(rogueRomans, province, holder);
    addRebelLegions(province, n);
}

void Game::addRebelLegions(Province& province, int count) {
    for (int i = 0; i < count && rogueRomans.hasRoomForLegion(); ++i) rogueRomans.appendLegion(province);
}

void Game::addRebelArmy(Province& province, int count, const Route& route) {
    for (int i = 0; i < count && rogueRomans.hasRoomForLegion(); ++i) {
        Legion& legion = rogueRomans.appendLegion(province);
        legion.giveRoute(route);
    }
}

void RomanEmpire::revoltIfUngarrisoned(const char* provinceName, const char* message, const char* logLine) {
    Game& game = Game::instance();
    Province& province = game.findProvince(provinceName);
    if (!holds(province) || countLegionsIn(province) > 0) return;
    static constexpr int chance[] = {10, 5, 3};
    if (rng::draw() % chance[game.skillLevel] != 0) return;
    ++game.rebellionCount;
    Advisor::tell(message);
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
    Game& game = Game::instance();
    Province& italia = game.findProvince("Italia");
    if (!game.hasGrainShortage() || !holds(italia)) return;
    static constexpr int chance[] = {20, 10, 5};
    if (rng::draw() % chance[game.skillLevel] != 0) return;
    removeLegionsIn(italia);
    removeProvince(italia);
    Advisor::tell(
        "Princeps,\r\n\r\nThe people of Italia are rioting over the lack of grain!\r\n\r\nWe should send a legion "
        "there to restore order.");
}

bool Game::hasGrainShortage() {
    for (const char* name : {"Aegyptus", "Mauretania", "Africa"}) {
        if (romans.holds(findProvince(name))) return false;
    }
    return true;
}

void Game::palestinaUprising() {
    Province& palestina = findProvince("Palestina");
    if (romans.holds(palestina)) return;
    playSound(5);
    Advisor::tell("Palestina has been overthrown by the\r\nPeople's Front of Judea (the PFJ)!");
    if (Empire* holder = ownerOf(palestina)) {
        holder->removeLegionsIn(palestina);
        holder->removeProvince(palestina);
    }
    romans.addProvince(palestina);
    romans.addLegions("Palestina", 5);
}

bool Game::ceckForFreeLegions(Province*& province, int& count) {
    static constexpr int chance[] = {10, 15, 20};
    if (rng::draw() % chance[skillLevel] != 0) return false;
    std::vector<Province*> candidates;
    for (const char* name : {"Belgica", "Pannonia", "Raetia"}) {
        Province* p = provinceNamed(name);
        if (p == nullptr) throw InternalError(std::string("Game::ceckForFreeLegions can't find province ") + name);
        if (romans.holds(*p)) candidates.push_back(p);
    }
    if (candidates.empty()) return false;
    province = candidates[static_cast<std::size_t>(rng::draw()) % candidates.size()];
    count = 1;
    return true;
}

void RomanEmpire::settleTribe(Province& province, int count) {
    const bool farmers = Advisor::askWithLabels(
        "A tribe from across the Rhine is asking to settle in\r\n" + province.name() +
            ".  Should we settle them as farmers to\r\nincrease tax revenue, or press them into military "
            "service?\r\n\r\n[Settling them as farmers will put 5,000 sesterces into\r\nthe treasury]",
        "Farmers", "Soldiers");
    if (farmers) {
        earn(5000);
        return;
    }
    for (int i = 0; i < count && hasRoomForLegion(); ++i) appendLegion(province);
}
