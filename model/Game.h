#pragma once
#include <array>
#include <functional>
#include <iosfwd>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "model/GameEvent.h"
#include "model/LegionGroup.h"
#include "model/Province.h"
#include "powers/Barbarians.h"
#include "powers/RogueRomans.h"
#include "powers/Sassanids.h"
#include "rules/RomanEmpire.h"

// What a save or a load came to; `error` is the text a front end shows in
// its "ERROR" box when `ok` is false.
struct FileResult {
    bool ok = true;
    std::string error;
};

// The whole state of one game. One per process, reached through instance();
// new games, scenarios and loads reset and refill it in place.
class Game {
public:
    using SoundHook = std::function<void(int kind)>;
    using MoveHook = std::function<void(Province& from, Province& to)>;
    using DefeatHook = std::function<void(const std::string& empireName, Province& province)>;
    using ReportHook = std::function<void()>;

    static Game& instance();
    // Ends the one game (program exit; tests start afresh with it).
    static void destroyInstance();
    static bool exists();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
    ~Game();

    // Fields, in the order the game keeps them.
    SoundHook soundHook;
    std::array<Province*, ProvinceCount> provinceTable{};
    int skillLevel = 1;
    MoveHook moveHook;
    DefeatHook defeatHook;
    ReportHook reportHook;
    int turn = 0;
    RomanEmpire romans;
    Barbarians barbarians;
    Sassanids sassanids;
    RogueRomans rogueRomans;
    std::array<LegionGroup, 4> legionGroups;
    int invasionCount = 0;
    int plagueCount = 0;
    int rebellionCount = 0;
    bool sassanidWarningPending = true;
    std::list<std::unique_ptr<GameEvent>> events;
    std::vector<std::string> eventLog;
    Province* dragSource = nullptr;
    Province* dropTarget = nullptr;

    int year() const { return 235 + turn; }
    // The four powers in the order files and sweeps use.
    std::array<Empire*, 4> empires() { return {&romans, &barbarians, &sassanids, &rogueRomans}; }

    // Hooks, each skipped when not installed.
    void playSound(int kind) const;
    void showMove(Province& from, Province& to) const;
    void showDefeat(const std::string& empireName, Province& province) const;

    // Empires and the map.
    Empire& getEmpire(const std::string& name);
    Province& findProvince(const std::string& name);
    // The same lookup for untrusted names: nullptr instead of an error.
    Province* provinceNamed(const std::string& name) const;
    Province* provinceAt(int x, int y) const;
    // A map point that provinceAt resolves to the province, for orders given
    // without a pointer; false for a province that owns no point of its own.
    bool pointIn(const Province& province, int& x, int& y) const;
    Empire* ownerOf(const Province& province);
    Route findRoute(Province& from, Province& to);
    void addLegions(Province& province, int count);

    // Holders and news.
    void transferProvince(Empire& newHolder, Province& province, Empire* oldHolder);
    void plunderTreasury();
    void logMessage(const std::string& text);

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

    // Saved games.
    FileResult saveToFile(const std::string& path);
    FileResult loadFromFile(const std::string& path);
    // The writer and the reader on streams: the same text, the same checks.
    void saveToStream(std::ostream& out);
    FileResult loadFromStream(std::istream& in);
    FileResult loadFromText(const std::string& text);

    // Orders and battles.
    // The first province, in table order, whose legion box holds the map point
    // (both ends of the box included).
    Province* legionBoxAt(int x, int y) const;
    // A press on a province's legions: it becomes dragSource when the player may
    // give it an order (or be told why not); otherwise dragSource is cleared.
    void pickUp(Province* province);
    bool dropLegions(int x, int y);
    bool romansCanMove() const;
    void moveToAdjacent(Province& target, Empire& empire, Province& source);

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

private:
    Game();
    void buildMap();
    void buildLegionGroups();
};
