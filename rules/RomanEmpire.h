#pragma once
#include "model/Empire.h"
#include "rules/Messages.h"

class World;

// Every sesterce that came into or left the treasury since the game object
// was made, by cause: the accounts of any span of play are the difference of
// two readings. Kept beside the treasury, never read by a rule.
struct TreasuryLedger {
    long long taxes = 0, settlers = 0;                  // in
    long long pay = 0, bonus = 0, tribute = 0, plunder = 0;  // out
    TreasuryLedger operator-(const TreasuryLedger& o) const {
        return {taxes - o.taxes, settlers - o.settlers, pay - o.pay, bonus - o.bonus, tribute - o.tribute,
                plunder - o.plunder};
    }
    long long net() const { return taxes + settlers - pay - bonus - tribute - plunder; }
};

// The player's empire: an Empire with a treasury, taxes, upkeep and plague.
class RomanEmpire : public Empire {
public:
    explicit RomanEmpire(World& world);

    void takeTurn() override;
    void prepareNewGame() override;
    void raiseLegions() override;

    int computeTax() const;
    int legionLimit() const;
    void payLegions();
    void updatePlague();
    void showHint();
    void checkRevolts();
    // Every marching legion takes its step, first in the list first.
    void advanceRoutedLegions();
    void settleTribe(Province& province, int count);
    // Adds to the treasury, which stops at the most a saved game may hold,
    // so that no game can overflow it; gives back what was added.
    int earn(int amount);

    int taxIncome = 0;
    int legionCost = 0;
    int treasury = 100000;
    TreasuryLedger ledger;
    bool egyptHintShown = false;
    bool daciaHintShown = false;
    bool northAfricaHintShown = false;
    bool britanniaHintShown = false;
    bool legionLimitHintShown = false;
    bool plague = false;
    bool rebellionHintShown = false;
    bool moneyWarningShown = false;
    int plagueCounter = 0;

private:
    void checkMoney();
    void considerBonusDemand();
    void revoltIfUngarrisoned(const char* provinceName, MessageId message);

    World& world_;
};
