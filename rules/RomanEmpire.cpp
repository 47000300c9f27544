#include "rules/RomanEmpire.h"

#include <algorithm>

#include "model/SavedPosition.h"
#include "rules/World.h"

RomanEmpire::RomanEmpire(World& world) : Empire(world, Power::Romans, 0), world_(world) { mapColour = 0; }

void RomanEmpire::takeTurn() {
    const int tax = computeTax();
    ledger.taxes += earn(tax);
    taxIncome = tax;
    raiseLegions();
    checkMoney();
    payLegions();
    considerBonusDemand();
    for (auto& l : legions) l->moved = false;
    advanceRoutedLegions();
    updatePlague();
    checkRevolts();
    Province* province = nullptr;
    int count = 0;
    if (world_.ceckForFreeLegions(province, count)) settleTribe(*province, count);
}

int RomanEmpire::earn(int amount) {
    const int before = treasury;
    treasury = static_cast<int>(std::min<long long>(static_cast<long long>(treasury) + amount, SavedPosition::MaxTreasury));
    return treasury - before;
}

void RomanEmpire::checkMoney() {
    const int m = treasury;
    if (m > 0 && m < 5000 && !moneyWarningShown) {
        moneyWarningShown = true;
        world_.presenter().tell({MessageId::MoneyRunningOut, {}});
    } else if (m <= 0 && !legions.empty()) {
        world_.presenter().tell({MessageId::TreasuryEmpty, {}});
        legions.pop_back();
    }
}

void RomanEmpire::considerBonusDemand() {
    static constexpr int chance[] = {30, 20, 10};
    const int r = world_.random.draw();
    if (legions.size() > 10 && r % chance[world_.skillLevel] == 0) world_.demandBonus();
}

int RomanEmpire::computeTax() const {
    int sum = 0;
    for (const Province* p : provinces) {
        if (p->name() == "Aegyptus")
            sum += 1200;
        else if (p->name() == "Britannia")
            sum += 800;
        else if (p->name() == "Dacia")
            sum += 200;
        else
            sum += 400;
    }
    return plague ? sum / 4 : sum;
}

int RomanEmpire::legionLimit() const {
    int limit = static_cast<int>(provinces.size());
    for (const Province* p : provinces) {
        if (p->name() == "Aegyptus") limit += 2;
        if (p->name() == "Britannia") limit += 1;
        if (p->name() == "Dacia") limit -= 1;
    }
    return limit < 3 ? 3 : limit;
}

void RomanEmpire::raiseLegions() {
    bool limitReached = false;
    for (Province* p : provinces) {
        if (static_cast<int>(legions.size()) >= legionLimit()) {
            limitReached = true;
            break;
        }
        if (!plague && world_.random.draw() % 3 == 0 && p->name() != "Dacia") ++p->raiseCounter;
        if (p->raiseCounter >= 3) {
            if (treasury <= 375) return;
            p->raiseCounter = 0;
            appendLegion(*p);
        }
    }
    if (limitReached && !legionLimitHintShown && provinces.size() < 23) {
        world_.presenter().tell({MessageId::LegionLimitHint, {}});
        legionLimitHintShown = true;
    }
}

void RomanEmpire::payLegions() {
    legionCost = static_cast<int>(legions.size()) * 375;
    const int before = treasury;
    for (std::size_t i = 0; i < legions.size(); ++i) {
        if (treasury <= 0) break;
        treasury -= 375;
        if (treasury < 0) treasury = 0;
    }
    ledger.pay += before - treasury;
}

// A plague ends once its counter has run down, also when a loaded or edited
// position starts it at 0 or below: it would otherwise never end.
void RomanEmpire::updatePlague() {
    if (plague) {
        --plagueCounter;
        if (plagueCounter <= 0) {
            world_.presenter().tell({MessageId::PlagueEnded, {}});
            plague = false;
        }
        return;
    }
    static constexpr int chance[] = {20, 15, 10};
    static constexpr int baseYears[] = {5, 10, 15};
    if (world_.random.draw() % chance[world_.skillLevel] != 0) return;
    ++world_.plagueCount;
    plague = true;
    plagueCounter = world_.random.draw() % 5 + baseYears[world_.skillLevel];
    world_.playSound(SoundKind::Plague);
    moneyWarningShown = false;
    world_.presenter().tell({MessageId::PlagueStarted, {}});
}

void RomanEmpire::prepareNewGame() {
    Province& italia = world_.findProvince("Italia");
    for (int i = 0; i < 5; ++i) appendLegion(italia);
    addLegions("Aegyptus", 3);
    addLegions("Syria", 1);
}

void RomanEmpire::advanceRoutedLegions() {
    for (;;) {
        auto it = std::find_if(legions.begin(), legions.end(), [](const auto& l) { return l->hasRoute && !l->moved; });
        if (it == legions.end()) return;
        followRoute(world_, **it, *this);
    }
}

void RomanEmpire::showHint() {
    if (world_.random.draw() % 10 != 0) return;
    struct Hint {
        bool* shown;
        MessageId text;
    };
    const Hint hints[] = {
        {&egyptHintShown, MessageId::EgyptHint},
        {&britanniaHintShown, MessageId::BritanniaHint},
        {&daciaHintShown, MessageId::DaciaHint},
        {&northAfricaHintShown, MessageId::NorthAfricaHint},
    };
    for (const Hint& h : hints) {
        if (!*h.shown) {
            *h.shown = true;
            world_.presenter().tell({h.text, {}});
            return;
        }
    }
}
