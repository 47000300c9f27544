#include "rules/YearNews.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

#include "rules/World.h"

namespace {

Empire* firstWithLegionsIn(const World& world, const Province& province, const Empire* other) {
    for (Empire* e : world.empires())
        if (e != other && e->countLegionsIn(province) > 0) return e;
    return nullptr;
}

std::vector<std::string> missingFrom(const std::set<std::string>& from, const std::set<std::string>& in) {
    std::vector<std::string> out;
    for (const std::string& s : from)
        if (!in.count(s)) out.push_back(s);
    return out;
}

}  // namespace

YearNews::Snapshot YearNews::snapshot() const {
    Snapshot s;
    s.year = world_.year();
    for (const Province* p : world_.romans.provinces) s.romanProvinces.insert(p->name());
    for (const auto& l : world_.romans.legions) s.romanLegions.insert(l.get());
    for (const Province* p : world_.provinceTable) {
        int enemies = 0;
        for (const Empire* e : world_.empires())
            if (e != &world_.romans) enemies += e->countLegionsIn(*p);
        s.enemyLegions.push_back(enemies);
    }
    s.treasury = world_.romans.treasury;
    s.ledger = world_.romans.ledger;
    s.invasions = world_.invasionCount;
    s.plagues = world_.plagueCount;
    s.revolts = world_.rebellionCount;
    return s;
}

void YearNews::startReign() {
    chronicle_.clear();
    for (const std::string& line : world_.eventLog) chronicle_.push_back({0, line});
    startYear();
}

void YearNews::startYear() {
    start_ = snapshot();
    battles_.clear();
    pending_.clear();
    news_.clear();
}

void YearNews::battleBegins(const Province& from, const Province& to) {
    settle();
    Empire* defender = world_.ownerOf(to);
    Empire* attacker = firstWithLegionsIn(world_, from, defender);
    if (!defender) defender = firstWithLegionsIn(world_, to, attacker);
    Pending b;
    b.place = to.name();
    b.attacker = attacker ? attacker->name : std::string();
    b.defender = defender ? defender->name : std::string();
    b.to = &to;
    b.defenderLegions = defender ? defender->countLegionsIn(to) : 0;
    pending_.push_back(b);
}

void YearNews::followRebuiltGame(const std::vector<const void*>& before) {
    std::map<const void*, const void*> now;
    for (std::size_t i = 0; i < before.size() && i < world_.romans.legions.size(); ++i)
        now[before[i]] = world_.romans.legions[i].get();
    // Legions lost earlier in the year stand for themselves by numbers no
    // legion's address can be.
    std::set<const void*> start;
    std::uintptr_t lost = 0;
    for (const void* l : start_.romanLegions) {
        const auto found = now.find(l);
        start.insert(found != now.end() ? found->second : reinterpret_cast<const void*>(++lost));
    }
    start_.romanLegions = std::move(start);
    for (Pending& b : pending_) b.to = &world_.findProvince(b.place);
}

void YearNews::newsLogged(const std::string& line) {
    chronicle_.push_back({world_.year(), line});
    // Logged just after the handover, so the holder is the new one; a
    // province the rebels marched on this year was taken, not handed over.
    auto marchedOn = [this](const Province* p) {
        for (const Pending& b : pending_)
            if (b.to == p) return true;
        for (const BattleNews& b : battles_)
            if (b.place == p->name()) return true;
        return false;
    };
    for (const Province* p : world_.provinceTable)
        if (line == englishText({MessageId::Overrun, {p->name()}}) && world_.ownerOf(*p) &&
            world_.ownerOf(*p)->power == Power::RogueRomans && !marchedOn(p))
            chronicle_.back().defected = p->name();
    news_.push_back(chronicle_.back());
}

void YearNews::settle() {
    for (const Pending& b : pending_) {
        // A failed attack costs the attacker a legion; a won one the defender.
        BattleNews n{b.place, b.attacker, b.defender, BattleNews::Outcome::Repulsed, b.attacker};
        const Empire* holder = world_.ownerOf(*b.to);
        if (holder && !b.attacker.empty() && holder->name == b.attacker && b.attacker != b.defender) {
            n.outcome = BattleNews::Outcome::Taken;
            n.fallen = b.defenderLegions > 0 ? b.defender : std::string();
        } else if (!b.defender.empty() && world_.getEmpire(b.defender).countLegionsIn(*b.to) < b.defenderLegions) {
            n.outcome = BattleNews::Outcome::Won;
            n.fallen = b.defender;
        }
        battles_.push_back(n);
    }
    pending_.clear();
}

YearSummary YearNews::finishYear() {
    settle();
    const Snapshot end = snapshot();
    YearSummary s;
    s.year = start_.year;
    s.battles = battles_;
    s.gained = missingFrom(end.romanProvinces, start_.romanProvinces);
    s.lost = missingFrom(start_.romanProvinces, end.romanProvinces);
    int gone = 0;
    for (const void* l : start_.romanLegions) gone += end.romanLegions.count(l) ? 0 : 1;
    for (const void* l : end.romanLegions) s.legionsRaised += start_.romanLegions.count(l) ? 0 : 1;
    for (const BattleNews& b : battles_) s.legionsLostInBattle += b.fallen == world_.romans.name ? 1 : 0;
    s.legionsLostInBattle = std::min(s.legionsLostInBattle, gone);
    s.legionsGoneOtherwise = gone - s.legionsLostInBattle;
    s.legionsAtEnd = int(end.romanLegions.size());
    s.taxIncome = world_.romans.taxIncome;
    s.legionCost = world_.romans.legionCost;
    s.treasuryBefore = start_.treasury;
    s.treasuryAfter = end.treasury;
    // A year's sums fit in an int: the treasury itself does.
    const TreasuryLedger year = end.ledger - start_.ledger;
    s.accounts = {int(year.taxes), int(year.settlers), int(year.pay), int(year.bonus), int(year.tribute),
                  int(year.plunder)};
    s.invasions = end.invasions - start_.invasions;
    s.plagues = end.plagues - start_.plagues;
    s.revolts = end.revolts - start_.revolts;
    s.plague = world_.romans.plague;
    s.news = news_;
    s.flashes = s.lost;
    if (s.invasions > 0) {
        for (std::size_t i = 0; i < world_.provinceTable.size() && i < start_.enemyLegions.size(); ++i) {
            const Province* p = world_.provinceTable[i];
            if (p->isFrontier() && end.enemyLegions[i] > start_.enemyLegions[i]) s.flashes.push_back(p->name());
        }
    }
    start_ = end;
    battles_.clear();
    news_.clear();
    return s;
}
