#pragma once
// The news of one year of the reign, gathered while it is played: what the
// front ends are shown (the battles the rules animate, the lines of the
// military report) and what changed between the start and the end of the
// year. Nothing here plays a rule; front ends feed it and read it.
#include <set>
#include <string>
#include <vector>

#include "rules/RomanEmpire.h"

class Province;
class World;

// One battle of the year: where, who attacked whom, how it ended, and whose
// legion fell in it (empty when the attacker walked into an empty province).
struct BattleNews {
    enum class Outcome { Taken, Won, Repulsed };
    std::string place;
    std::string attacker;
    std::string defender;
    Outcome outcome = Outcome::Repulsed;
    std::string fallen;
};

// The reign's news line by line, each with the year it was reported in (0
// for lines that came with a loaded game).
struct ChronicleLine {
    int year;
    std::string text;
    // The province, when the line is the rules' "overrun" of a province that
    // went over to the rebels: no enemy overran it, and a player reads so.
    std::string defected = {};
};

struct YearSummary {
    int year = 0;  // the year that ended
    std::vector<BattleNews> battles;
    std::vector<std::string> gained, lost;  // Roman provinces, by name
    int legionsRaised = 0;
    int legionsLostInBattle = 0;
    int legionsGoneOtherwise = 0;  // disbanded, or gone over to the rebels
    int legionsAtEnd = 0;
    int taxIncome = 0, legionCost = 0;
    int treasuryBefore = 0, treasuryAfter = 0;
    // What came into and left the treasury this year, by cause; it sums to
    // the change of the treasury.
    struct Accounts {
        int taxes = 0, settlers = 0;                  // in
        int pay = 0, bonus = 0, tribute = 0, plunder = 0;  // out
    } accounts;
    int invasions = 0, plagues = 0, revolts = 0;  // begun this year
    bool plague = false;                          // a plague rages at the year's end
    std::vector<ChronicleLine> news;             // the military report's lines of the year
    // Provinces to show on the map: lost ones and frontier lands an invasion entered.
    std::vector<std::string> flashes;
};

class YearNews {
public:
    explicit YearNews(World& world) : world_(world) {}

    // A new reign (new game, scenario, load): forgets the chronicle and opens
    // the year the game stands in, its military report kept as earlier news.
    void startReign();
    // The start of the player's year.
    void startYear();
    // A battle begins: the move the rules animate before every fight.
    void battleBegins(const Province& from, const Province& to);
    // A line has just been added to the military report.
    void newsLogged(const std::string& line);
    // Settles the last battle (its outcome can be read once the rules moved on).
    void settle();
    // The year's news, and the next year opened.
    YearSummary finishYear();
    // The game's objects were built anew in the state they stood in (an
    // undo): the year's record follows the Roman legions by their place in
    // the list, `before` being that list as it was, and its battles by name.
    void followRebuiltGame(const std::vector<const void*>& before);

    int openYear() const { return start_.year; }
    const std::vector<ChronicleLine>& chronicle() const { return chronicle_; }

private:
    struct Snapshot {
        int year = 0;
        std::set<std::string> romanProvinces;
        std::set<const void*> romanLegions;
        std::vector<int> enemyLegions;  // per province, in table order
        int treasury = 0;
        TreasuryLedger ledger;
        int invasions = 0, plagues = 0, revolts = 0;
    };
    Snapshot snapshot() const;
    struct Pending {
        std::string place, attacker, defender;
        const Province* to = nullptr;
        int defenderLegions = 0;
    };

    World& world_;
    Snapshot start_;
    std::vector<BattleNews> battles_;
    std::vector<Pending> pending_;
    std::vector<ChronicleLine> news_;
    std::vector<ChronicleLine> chronicle_;
};
