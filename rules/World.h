#pragma once
#include <array>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "model/ProvinceMap.h"
#include "model/Random.h"
#include "rules/GameEvent.h"
#include "rules/LegionGroup.h"
#include "rules/Orders.h"
#include "rules/Presenter.h"
#include "rules/RomanEmpire.h"

// The game as the rules and the foreign powers see it: the map, the chance,
// the player's empire, the other powers as Empires, the calendar and the news,
// and the presenter everything is shown through. The Game above it holds the
// foreign powers themselves.
class World : public ProvinceMap {
public:
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    virtual ~World();

    // Declared first: every draw of the game comes from here, and nothing
    // before it in this class draws.
    Random random;
    int skillLevel = 1;
    int turn = 0;
    RomanEmpire romans;
    std::array<LegionGroup, 4> legionGroups;
    int invasionCount = 0;
    int plagueCount = 0;
    int rebellionCount = 0;
    bool sassanidWarningPending = true;
    std::list<std::unique_ptr<GameEvent>> events;
    std::vector<std::string> eventLog;
    Province* dragSource = nullptr;
    // The words a scenario's designer gave it, shown when it starts (empty: none).
    std::string scenarioTitle;
    std::string scenarioBriefing;

    int year() const { return 235 + turn; }

    // What the game shows goes to `presenter` (not owned; nullptr: nothing is shown).
    void setPresenter(Presenter* presenter) { presenter_ = presenter; }
    Presenter& presenter() const { return presenter_ != nullptr ? *presenter_ : silent_; }
    void playSound(SoundKind kind) const { presenter().sound(kind); }
    void showMove(Province& from, Province& to) const { presenter().move(from, to); }
    void showDefeat(const Empire& loser, Province& province) const { presenter().defeat(loser.power, province); }

    // The four powers in the order files and sweeps use.
    std::array<Empire*, 4> empires() const { return powers_; }
    Empire& empire(Power power) const { return *powers_[static_cast<std::size_t>(power)]; }
    Empire& getEmpire(const std::string& name);
    Empire* ownerOf(const Province& province);
    // The shortest route along the links; a route that broke them would be reported.
    Route findRoute(Province& from, Province& to);
    // Legions for whoever holds the province; none when nobody does.
    void addLegions(Province& province, int count);

    // Holders and news.
    void transferProvince(Empire& newHolder, Province& province, Empire* oldHolder);
    void plunderTreasury();
    void logMessage(const Message& line);
    // Announces an enemy action: the long form to the presenter, the marching
    // sound, then the news line.
    void report(const Message& message, const Message& logLine);

    // New game and scenarios.
    void resetForNewGame();
    void assignDefaultOwners();
    void startNewGame();
    void scenario260();
    void scenario308();
    void scenario410();
    void scenario455();
    void scenario476();
    // The first three steps of a new game, then the set-up of the scenario that
    // starts in `year` (260, 308, 410 or 455); false for any other year.
    bool startScenario(int year);
    // The 260 and 308 set-ups give the player nothing to order: the front end
    // ends their first turn at once.
    static bool firstTurnEndsAtOnce(int year) { return year == 260 || year == 308; }

    // Orders and battles.
    // The mouse's orders (the typed ones are Orders::move). A press on a
    // province's legions: it becomes dragSource when the player may give it an
    // order (or be told why not); otherwise dragSource is cleared.
    void pickUp(Province* province);
    // Whether a press on the province takes its legions up: some are ready, or
    // all have moved (the drop then says why they stay).
    bool mayPickUp(const Province& province) const;
    // The release at a map point: the order to the province there, if any.
    DropResult dropLegions(int x, int y);
    bool romansCanMove() const;
    OrderResult moveToAdjacent(Province& target, Empire& empire, Province& source);
    // Explains why Roman troops stay out of a frontier land.
    void showFrontierRule(const Province& province);

    // Unrest.
    LegionGroup* findLegionGroup(const Province& province);
    void demandBonus();
    void mutinyAfterRefusal();
    void mutiny(LegionGroup* group, Province& province);
    void raiseRebellion(Province& province);
    void addRebelLegions(Province& province, int count);
    void addRebelArmy(Province& province, int count, const Route& route);
    bool hasGrainShortage();
    void palestinaUprising();
    bool ceckForFreeLegions(Province*& province, int& count);

    // The calendar.
    void buildEventList();
    void runDueEvents();
    // The end of a turn, and the turns that follow at once while no Roman
    // legion is left to command.
    void advanceTurn();

protected:
    explicit World(std::uint32_t seed);
    // The Game hands over its foreign powers once they exist.
    void setPowers(Empire& barbarians, Empire& sassanids, Empire& rogueRomans);
    void buildLegionGroups();

private:
    std::array<Empire*, 4> powers_{};
    Presenter* presenter_ = nullptr;
    static Presenter silent_;
};

// A legion's step along its route, with occupation, conquest or one exchange
// of battle. The legion may be destroyed by it: nothing may touch it
// afterwards unless the result says it survived.
Legion::StepResult followRoute(World& world, Legion& legion, Empire& stepper);
// Every routed legion of a power that simply marches takes its step.
void marchRoutedLegions(World& world, Empire& empire);
// Gives the route to the first ready legion of `empire` in `province` (one that
// has neither moved nor is marching) and returns it, or nullptr.
Legion* setLegionRoute(World& world, const Province& province, const Route& route, Empire& empire);
