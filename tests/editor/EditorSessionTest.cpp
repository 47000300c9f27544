// The editing rules of the scenario editor, driven without a window.
#include <algorithm>
#include <limits>

#include "EditorFixture.h"
#include "tests/editor/PositionSnapshot.h"

namespace editor::test {
namespace {

using Session = EditorFixture;

std::vector<std::string> names(const std::vector<Province*>& provinces) {
    std::vector<std::string> out;
    for (const Province* p : provinces) out.push_back(p->name());
    return out;
}

std::vector<std::string> legionPlaces(const Empire& empire) {
    std::vector<std::string> out;
    for (const auto& l : empire.legions) out.push_back(l->province->name());
    return out;
}

TEST_F(Session, StartsFromTheDefaultPositionWithoutRomanLegions) {
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(game().romans.provinces.size(), 23u);
    EXPECT_TRUE(game().romans.legions.empty());
    EXPECT_EQ(game().romans.treasury, 75000);
    EXPECT_EQ(legionPlaces(game().barbarians), (std::vector<std::string>{"Upper Rhine", "Upper Rhine"}));
    EXPECT_EQ(names(game().sassanids.provinces), (std::vector<std::string>{"Armenia", "Mesopotamia"}));
    EXPECT_TRUE(game().rogueRomans.provinces.empty());
    EXPECT_EQ(session->selected(), nullptr);
}

// The editor never seeds the generator: a start from the generator's initial
// state always gives the same position as the game's own start from it.
TEST(StartPosition, DrawsFromTheGeneratorWithoutReseedingIt) {
    auto startFrom = [](std::uint32_t state, bool inEditor) {
        Game& game = Game::newInstance(state);
        if (inEditor) {
            EditorSession(game).setUpStartPosition();
        } else {
            game.startNewGame();
            game.romans.deleteAllLegions();
        }
        std::vector<int> seen(game.barbarians.tribeCountdown.begin(), game.barbarians.tribeCountdown.end());
        for (const Province* p : game.provinceTable) seen.push_back(p->raiseCounter);
        seen.push_back(static_cast<int>(game.random.state() & 0x7fffffff));
        Game::destroyInstance();
        return seen;
    };
    EXPECT_EQ(startFrom(1, true), startFrom(1, false));
    EXPECT_EQ(startFrom(1, true), startFrom(1, true));
    EXPECT_EQ(startFrom(99, true), startFrom(99, false));
}

TEST_F(Session, AClickOnTheSeaOrOffTheMapSelectsNothing) {
    session->select(&province("Italia"));
    // Between Italia and Africa, and left of the map picture.
    ASSERT_EQ(game().provinceAt(330, 340), nullptr);
    EXPECT_EQ(session->selectAt(MapLeft + 330, MapTop + 340), nullptr);
    EXPECT_EQ(session->selectAt(50, 50), nullptr);
    EXPECT_EQ(session->selected(), &province("Italia"));
}

TEST_F(Session, AClickOnAProvinceSelectsItThroughTheMapOffset) {
    Province& italia = province("Italia");
    const auto [x, y] = windowPointIn(italia);
    EXPECT_EQ(session->selectAt(x, y), &italia);
    EXPECT_EQ(session->selected(), &italia);
    EXPECT_TRUE(session->ownerMenuEnabled());
}

TEST_F(Session, FrontierLandsKeepTheirHoldersButTakeLegions) {
    Province& armenia = province("Armenia");
    const auto [x, y] = windowPointIn(armenia);
    ASSERT_EQ(session->selectAt(x, y), &armenia);
    EXPECT_FALSE(session->ownerMenuEnabled());

    // Owner commands that arrive anyway leave the holder alone.
    for (int command : {CmdOwnerRomans, CmdOwnerBarbarians, CmdOwnerRogueRomans, CmdOwnerNoOne}) {
        EXPECT_TRUE(session->runMenuCommand(command));
        EXPECT_EQ(game().ownerOf(armenia), &game().sassanids);
    }
    EXPECT_TRUE(session->runMenuCommand(CmdAddLegion));
    EXPECT_TRUE(session->runMenuCommand(CmdAddLegion));
    EXPECT_EQ(game().sassanids.countLegionsIn(armenia), 2);
    EXPECT_TRUE(session->runMenuCommand(CmdDeleteLegion));
    EXPECT_EQ(game().sassanids.countLegionsIn(armenia), 1);
}

TEST_F(Session, GivingARomanProvinceToTheSassanidsDisbandsItsRomanLegions) {
    Province& italia = province("Italia");
    Province& syria = province("Syria");
    session->select(&italia);
    for (int i = 0; i < 3; ++i) session->runMenuCommand(CmdAddLegion);
    session->select(&syria);
    session->runMenuCommand(CmdAddLegion);
    // A Barbarian legion that happens to stand in Italia is not the holder's.
    game().barbarians.appendLegion(italia);
    ASSERT_EQ(game().romans.countLegionsIn(italia), 3);

    session->select(&italia);
    EXPECT_TRUE(session->runMenuCommand(CmdOwnerSassanids));

    EXPECT_EQ(game().ownerOf(italia), &game().sassanids);
    EXPECT_FALSE(game().romans.holds(italia));
    EXPECT_EQ(game().romans.countLegionsIn(italia), 0);
    EXPECT_EQ(legionPlaces(game().romans), (std::vector<std::string>{"Syria"}));
    EXPECT_EQ(game().barbarians.countLegionsIn(italia), 1);
    EXPECT_EQ(game().sassanids.countLegionsIn(italia), 0);
    EXPECT_EQ(names(game().sassanids.provinces).back(), "Italia");
    EXPECT_EQ(game().romans.provinces.size(), 22u);
    // Nothing goes to the news log: the editor makes no history.
    EXPECT_TRUE(game().eventLog.empty());
    EXPECT_TRUE(advisor.told.empty());
}

TEST_F(Session, SettingTheHolderItAlreadyHasChangesNothing) {
    Province& pontus = province("Pontus");
    session->select(&pontus);
    for (int i = 0; i < 3; ++i) session->runMenuCommand(CmdAddLegion);
    const auto provincesBefore = names(game().romans.provinces);

    session->runMenuCommand(CmdOwnerRomans);

    EXPECT_EQ(names(game().romans.provinces), provincesBefore);
    EXPECT_EQ(game().romans.countLegionsIn(pontus), 3);
}

TEST_F(Session, EveryOwnerCommandNamesItsEmpire) {
    Province& dacia = province("Dacia");
    session->select(&dacia);
    session->runMenuCommand(CmdOwnerBarbarians);
    EXPECT_EQ(game().ownerOf(dacia), &game().barbarians);
    session->runMenuCommand(CmdOwnerRogueRomans);
    EXPECT_EQ(game().ownerOf(dacia), &game().rogueRomans);
    EXPECT_FALSE(game().barbarians.holds(dacia));
    session->runMenuCommand(CmdOwnerRomans);
    EXPECT_EQ(game().ownerOf(dacia), &game().romans);
    EXPECT_FALSE(game().rogueRomans.holds(dacia));
}

TEST_F(Session, NoOneRemovesTheHolderAndItsLegionsThere) {
    Province& britannia = province("Britannia");
    session->select(&britannia);
    session->runMenuCommand(CmdAddLegion);
    session->runMenuCommand(CmdOwnerNoOne);
    EXPECT_EQ(game().ownerOf(britannia), nullptr);
    EXPECT_EQ(game().romans.countLegionsIn(britannia), 0);

    // Without a holder there is nobody to raise or disband a legion for.
    session->runMenuCommand(CmdAddLegion);
    session->runMenuCommand(CmdDeleteLegion);
    session->runMenuCommand(CmdOwnerNoOne);
    for (Empire* e : game().empires()) EXPECT_EQ(e->countLegionsIn(britannia), 0) << e->name;
    EXPECT_EQ(game().ownerOf(britannia), nullptr);
}

TEST_F(Session, AddLegionAppendsAPlainLegionOfTheHolder) {
    Province& africa = province("Africa");
    session->select(&africa);
    session->runMenuCommand(CmdOwnerRogueRomans);
    session->runMenuCommand(CmdAddLegion);
    ASSERT_EQ(game().rogueRomans.legions.size(), 1u);
    const Legion& legion = *game().rogueRomans.legions.back();
    EXPECT_EQ(legion.owner, &game().rogueRomans);
    EXPECT_EQ(legion.province, &africa);
    EXPECT_FALSE(legion.hasRoute);
    EXPECT_FALSE(legion.moved);
    EXPECT_TRUE(legion.route.empty());
    EXPECT_EQ(legion.routeIndex, 0);
}

TEST_F(Session, DeleteLegionRemovesTheFirstOfTheHoldersLegionsThere) {
    Province& italia = province("Italia");
    Province& lydia = province("Lydia");
    game().romans.appendLegion(lydia);
    Legion& first = game().romans.appendLegion(italia);
    first.giveRoute(game().findRoute(italia, province("Lusitania")));
    game().romans.appendLegion(lydia);
    game().romans.appendLegion(italia);

    session->select(&italia);
    session->runMenuCommand(CmdDeleteLegion);

    ASSERT_EQ(legionPlaces(game().romans), (std::vector<std::string>{"Lydia", "Lydia", "Italia"}));
    // The one with the route was first in the list, so it is the one gone.
    for (const auto& l : game().romans.legions) EXPECT_FALSE(l->hasRoute);
}

TEST_F(Session, DeleteLegionIgnoresLegionsOfOtherEmpires) {
    Province& thracia = province("Thracia");
    game().barbarians.appendLegion(thracia);
    session->select(&thracia);
    session->runMenuCommand(CmdDeleteLegion);
    EXPECT_EQ(game().barbarians.countLegionsIn(thracia), 1);
}

TEST_F(Session, CommandsWithoutASelectionOrUnknownChangeNothing) {
    EXPECT_TRUE(session->runMenuCommand(CmdAddLegion));
    EXPECT_TRUE(game().romans.legions.empty());
    session->select(&province("Italia"));
    EXPECT_FALSE(session->runMenuCommand(4005));
    EXPECT_FALSE(session->runMenuCommand(CmdOwnerMenu));
    EXPECT_TRUE(game().romans.legions.empty());
}

TEST(ParseWholeNumber, ReadsLikeTheDecimalConversion) {
    int v = -1;
    EXPECT_TRUE(parseWholeNumber("  42abc", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(parseWholeNumber("abc", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(parseWholeNumber("", v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(parseWholeNumber("-17", v));
    EXPECT_EQ(v, -17);
    EXPECT_TRUE(parseWholeNumber("+8", v));
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(parseWholeNumber("2147483647", v));
    EXPECT_EQ(v, std::numeric_limits<int>::max());
    EXPECT_TRUE(parseWholeNumber("-2147483648", v));
    EXPECT_EQ(v, std::numeric_limits<int>::min());
    EXPECT_FALSE(parseWholeNumber("2147483648", v));
    EXPECT_FALSE(parseWholeNumber("-2147483649", v));
    // Wrapping would turn this into 235.
    EXPECT_FALSE(parseWholeNumber("4294967531", v));
    EXPECT_FALSE(parseWholeNumber("99999999999999999999999999", v));
    // Only the first 55 characters of a field are read.
    EXPECT_TRUE(parseWholeNumber(std::string(54, ' ') + "7" + "9", v));
    EXPECT_EQ(v, 7);
}

OptionsForm formOf(const std::string& year, const std::string& treasury, bool plague = false,
                   int plagueYears = DefaultPlagueYears) {
    OptionsForm f;
    f.year = year;
    f.treasury = treasury;
    f.plague = plague;
    f.plagueYears = plagueYears;
    return f;
}

TEST(CheckOptions, YearsOutsideTheRangeAreRefused) {
    // 476 would play on past the game's end, which comes as 476 begins.
    for (const char* year : {"476", "501", "234", "0", "abc", "-235", "4294967531"}) {
        const OptionsOutcome o = checkOptions(formOf(year, "1000"), 0);
        EXPECT_EQ(o.errors, std::vector<std::string>{YearError}) << year;
    }
    EXPECT_EQ(checkOptions(formOf("235", "1000"), 0).turn, 0);
    EXPECT_TRUE(checkOptions(formOf("475", "1000"), 0).ok());
    EXPECT_EQ(checkOptions(formOf("475", "1000"), 0).turn, 240);
}

TEST(CheckOptions, TreasuryMustBePositiveAndFit) {
    for (const char* treasury : {"0", "-5", "", "2147483648"}) {
        const OptionsOutcome o = checkOptions(formOf("300", treasury), 0);
        EXPECT_EQ(o.errors, std::vector<std::string>{TreasuryError}) << treasury;
    }
    const OptionsOutcome o = checkOptions(formOf("300", "2147483647"), 0);
    EXPECT_TRUE(o.ok());
    EXPECT_EQ(o.treasury, 2147483647);
}

TEST(CheckOptions, BothMessagesComeInOrder) {
    const OptionsOutcome o = checkOptions(formOf("600", "0"), 0);
    EXPECT_EQ(o.errors, (std::vector<std::string>{YearError, TreasuryError}));
}

TEST(CheckOptions, ATickedPlagueWithoutCounterTakesTheGivenYears) {
    OptionsOutcome o = checkOptions(formOf("300", "100", true, 7), 0);
    EXPECT_TRUE(o.ok());
    EXPECT_TRUE(o.plague);
    EXPECT_EQ(o.plagueCounter, 7);
    o = checkOptions(formOf("300", "100", true, 3), -4);
    EXPECT_EQ(o.plagueCounter, 3);
    EXPECT_EQ(checkOptions(formOf("300", "100", true, 0), 0).errors,
              std::vector<std::string>{PlagueYearsError});
    EXPECT_EQ(checkOptions(formOf("300", "100", true, 21), 0).errors,
              std::vector<std::string>{PlagueYearsError});
    EXPECT_TRUE(checkOptions(formOf("300", "100", true, 20), 0).ok());
}

TEST(CheckOptions, AnExistingCountdownIsKept) {
    OptionsOutcome o = checkOptions(formOf("300", "100", true, 0), 6);
    EXPECT_TRUE(o.ok());
    EXPECT_EQ(o.plagueCounter, 6);
    // Without plague the years field is not read at all.
    o = checkOptions(formOf("300", "100", false, 99), 0);
    EXPECT_TRUE(o.ok());
    EXPECT_FALSE(o.plague);
    EXPECT_EQ(o.plagueCounter, 0);
}

TEST_F(Session, StoredOptionsReachTheGame) {
    session->applyOptions(checkOptions(formOf("410", "1234", true, 5), session->plagueCounter()));
    EXPECT_EQ(game().turn, 175);
    EXPECT_EQ(game().romans.treasury, 1234);
    EXPECT_TRUE(game().romans.plague);
    EXPECT_EQ(game().romans.plagueCounter, 5);
    EXPECT_EQ(session->yearText(), "410");
    EXPECT_EQ(session->treasuryText(), "1234");

    // Refused values store nothing.
    session->applyOptions(checkOptions(formOf("100", "99"), session->plagueCounter()));
    EXPECT_EQ(game().turn, 175);
    EXPECT_EQ(game().romans.treasury, 1234);
}

}  // namespace
}  // namespace editor::test

// --- Many provinces at once -------------------------------------------------

namespace editor::test {
namespace {

class Selection : public EditorFixture {
protected:
    void selectAll(std::initializer_list<const char*> names) {
        session->select(nullptr);
        for (const char* name : names) session->toggleSelected(province(name));
    }
};

TEST_F(Selection, ClicksWithShiftOrCtrlAddAndTakeOutAndTheMenuKeepsTheSelection) {
    selectAll({"Italia", "Dacia", "Armenia"});
    EXPECT_EQ(session->selection().size(), 3u);
    session->toggleSelected(province("Dacia"));
    EXPECT_FALSE(session->isSelected(province("Dacia")));
    // The menu opened on a selected province acts on all of them...
    session->select(&province("Armenia"));
    EXPECT_EQ(session->selection().size(), 2u);
    EXPECT_EQ(session->selected(), &province("Armenia"));
    // ...on any other, on that one alone.
    session->select(&province("Belgica"));
    EXPECT_EQ(session->selection(), std::vector<Province*>{&province("Belgica")});
    session->select(nullptr);
    EXPECT_TRUE(session->selection().empty());
    EXPECT_EQ(session->selected(), nullptr);
}

TEST_F(Selection, ABandTakesTheProvincesItTouchesWithCornersInAnyOrder) {
    const MapRect& r = province("Italia").hitRects.front();
    const auto touched = session->provincesTouching(r.right - 1, r.bottom - 1, r.left + 1, r.top + 1);
    EXPECT_NE(std::find(touched.begin(), touched.end(), &province("Italia")), touched.end());
    EXPECT_TRUE(session->provincesTouching(-50, -50, -10, -10).empty());
    EXPECT_EQ(session->provincesTouching(-1000, -1000, 5000, 5000).size(), game().provinceTable.size());
}

TEST_F(Selection, TheHolderChangesForAllButTheFrontierLands) {
    selectAll({"Italia", "Dacia", "Armenia"});
    const Empire* armenia = game().ownerOf(province("Armenia"));
    game().romans.appendLegion(province("Italia"));
    EXPECT_TRUE(session->ownerMenuEnabled());
    EXPECT_EQ(session->setHolderOfSelection(&game().sassanids), 2);
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().sassanids);
    EXPECT_EQ(game().ownerOf(province("Dacia")), &game().sassanids);
    EXPECT_EQ(game().ownerOf(province("Armenia")), armenia);
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), 0);
    // Again: nothing left to change.
    EXPECT_EQ(session->setHolderOfSelection(&game().sassanids), 0);
    EXPECT_EQ(session->setHolderOfSelection(nullptr), 2);
    EXPECT_EQ(game().ownerOf(province("Dacia")), nullptr);

    selectAll({"Armenia", "Mesopotamia"});
    EXPECT_FALSE(session->ownerMenuEnabled());
}

TEST_F(Selection, LegionsComeAndGoByTheNumberAndNeverBeyondTheLimit) {
    session->setSelection({&province("Britannia")});
    session->setHolderOfSelection(nullptr);
    selectAll({"Italia", "Aegyptus", "Britannia"});
    EXPECT_EQ(session->addLegionsToSelection(5), 2);
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), 5);
    EXPECT_EQ(game().romans.countLegionsIn(province("Aegyptus")), 5);
    EXPECT_EQ(game().romans.countLegionsIn(province("Britannia")), 0);
    EXPECT_EQ(session->removeLegionsFromSelection(3), 2);
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), 2);
    EXPECT_EQ(session->removeLegionsFromSelection(10), 2);
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), 0);
    EXPECT_EQ(session->removeLegionsFromSelection(1), 0);
    // Counts out of bounds are held to them.
    session->addLegionsToSelection(1000000);
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), MaxLegionsAtOnce);
    session->removeLegionsFromSelection(-4);
    EXPECT_EQ(game().romans.countLegionsIn(province("Italia")), MaxLegionsAtOnce - 1);
    // The right-click menu's commands act on the whole selection too.
    session->runMenuCommand(CmdAddLegion);
    EXPECT_EQ(game().romans.countLegionsIn(province("Aegyptus")), MaxLegionsAtOnce);
}

TEST_F(Selection, ASnapshotBringsBackTheWholeScenario) {
    session->setTitleAndBriefing("Gothic Winter", "Hold the Danube.");
    const EditorSession::Snapshot before = session->snapshot();
    selectAll({"Italia", "Thracia"});
    session->setHolderOfSelection(&game().barbarians);
    session->addLegionsToSelection(3);
    game().turn = 100;
    session->setTitleAndBriefing("", "");
    EXPECT_FALSE(EditorSession::same(before, session->snapshot()));
    session->restore(before);
    EXPECT_TRUE(EditorSession::same(before, session->snapshot()));
    EXPECT_EQ(game().ownerOf(province("Italia")), &game().romans);
    EXPECT_EQ(game().barbarians.countLegionsIn(province("Thracia")), 0);
    EXPECT_EQ(game().turn, 0);
    EXPECT_EQ(session->title(), "Gothic Winter");
    EXPECT_EQ(session->briefing(), "Hold the Danube.");
}

// Until the saved file carries them, only the game in memory holds these.
TEST_F(Selection, TitleAndBriefingAreCutToTheirLengthsWithoutBreakingACharacter) {
    std::string title;
    for (int i = 0; i < MaxTitleLength + 5; ++i) title += "\xC3\xA6";  // "æ", two bytes
    session->setTitleAndBriefing(title, std::string(MaxBriefingLength + 100, 'x'));
    EXPECT_EQ(game().scenarioTitle.size(), 2u * MaxTitleLength);
    EXPECT_EQ(game().scenarioBriefing.size(), static_cast<std::size_t>(MaxBriefingLength));
}

TEST_F(Selection, NewGivesTheStartPositionBackWithTheSameDraws) {
    const PositionSnapshot start = PositionSnapshot::of(game());
    const auto countdown = game().barbarians.tribeCountdown;
    selectAll({"Italia"});
    session->setHolderOfSelection(&game().sassanids);
    session->setTitleAndBriefing("T", "B");
    game().random.draw();
    session->newScenario();
    EXPECT_EQ(PositionSnapshot::of(game()), start);
    EXPECT_EQ(game().barbarians.tribeCountdown, countdown);
    EXPECT_TRUE(session->selection().empty());
    EXPECT_TRUE(session->title().empty());
    EXPECT_TRUE(session->briefing().empty());
}

}  // namespace
}  // namespace editor::test
