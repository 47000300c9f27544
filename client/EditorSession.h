#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/SavedPosition.h"

#include "model/TranslationMarks.h"

class Empire;
class Game;
class Province;

// The scenario editor's state and commands, free of any window: the desktop
// editor and the page's editor both edit through it, and tests drive every
// editing rule directly.
namespace editor {

// The map picture's top-left corner in the editor window. The editor lays out
// for a 1366-pixel-wide window and never shifts horizontally.
constexpr int MapLeft = 180;
constexpr int MapTop = 30;

// Command numbers of the window menu and of the right-click menu.
enum Command : int {
    CmdAbout = 104,
    CmdExit = 105,
    CmdOptions = 106,
    CmdBriefing = 107,
    CmdHelp = 108,
    CmdLoad = 2000,
    CmdSave = 2001,
    CmdNew = 2002,
    CmdSaveAs = 2003,
    CmdPlay = 2004,
    CmdUndo = 2100,
    CmdRedo = 2101,
    CmdSelectAll = 2102,
    CmdSelectNone = 2103,
    CmdOwnerMenu = 3000,
    CmdAddLegion = 3001,
    CmdDeleteLegion = 3002,
    CmdOwnerRomans = 4000,
    CmdOwnerBarbarians = 4001,
    CmdOwnerSassanids = 4002,
    CmdOwnerRogueRomans = 4003,
    CmdOwnerNoOne = 4004,
};

inline constexpr int FirstYear = 235;
// The game decides the West's fate as the year turns to 476; a scenario that
// started there or later would play on with no end, so 475 is the last year
// a scenario may start in.
inline constexpr int LastScenarioYear = 475;
// The question before unsaved changes are thrown away, and its answers.
inline constexpr const char* DiscardChanges =
    QT_TRANSLATE_NOOP("editor::EditorWindow", "The scenario has changes that are not saved. Throw them away?");
inline constexpr const char* ThrowAway = QT_TRANSLATE_NOOP("editor::EditorWindow", "Throw away");
inline constexpr const char* KeepEditing = QT_TRANSLATE_NOOP("editor::EditorWindow", "Keep editing");
// The options dialog's messages, in English; the window shows them translated.
inline constexpr const char* YearError = QT_TRANSLATE_NOOP("editor::OptionsDialog", "Year must be between 235 and 475.");
inline constexpr const char* TreasuryError = QT_TRANSLATE_NOOP("editor::OptionsDialog", "Treasury must be greater than 0.");
inline constexpr const char* PlagueYearsError =
    QT_TRANSLATE_NOOP("editor::OptionsDialog", "Plague years must be between 1 and 20.");
inline constexpr int MinPlagueYears = 1;
inline constexpr int MaxPlagueYears = 20;
inline constexpr int DefaultPlagueYears = 10;
// How many legions one command adds or removes at most: enough for any
// province's garrison, small enough that no slip of a finger fills memory.
inline constexpr int MaxLegionsAtOnce = 50;
// What the scenario's title and briefing may hold, in characters: what a saved file carries.
inline constexpr int MaxTitleLength = static_cast<int>(SavedPosition::MaxTitleLength);
inline constexpr int MaxBriefingLength = static_cast<int>(SavedPosition::MaxBriefingLength);

// What the Scenario Options dialog holds when a button is pressed.
struct OptionsForm {
    std::string treasury;
    std::string year;
    bool plague = false;
    // Only read when `asksPlagueYears` was true for the position (see below).
    int plagueYears = DefaultPlagueYears;
};

// The values the dialog would store, or the messages that keep it open.
struct OptionsOutcome {
    std::vector<std::string> errors;
    int turn = 0;
    int treasury = 0;
    bool plague = false;
    int plagueCounter = 0;
    bool ok() const { return errors.empty(); }
};

// Converts an edit field's text as the C library's decimal conversion does
// (leading blanks, optional sign, the digits up to the first other character;
// no digits gives 0), reading at most the first 55 characters as the dialog
// does. Returns false when the number does not fit a 32-bit signed integer.
bool parseWholeNumber(const std::string& text, int& value);

// Checks the dialog's fields against the position's current plague counter.
// Both the year and the treasury are always checked, so both messages can come.
OptionsOutcome checkOptions(const OptionsForm& form, int currentPlagueCounter);

// A plague in force with a counter of 0 or less never ends in the game, so a
// ticked plague on such a position needs its remaining years from the designer.
bool asksPlagueYears(bool plagueTicked, int currentPlagueCounter);

// The name the editor gives a province's holder, in English ("No one" for
// none); the window shows it translated.
const char* holderName(const Game& game, const Empire* empire);

class EditorSession {
public:
    explicit EditorSession(Game& game);

    Game& game() { return game_; }

    // The start position: the default new game, without the Roman legions.
    // The random generator is deliberately left unseeded, so every start is
    // the same.
    void setUpStartPosition();
    // File > New: the start position again, with the same draws as when the
    // editor started.
    void newScenario();

    // A right button press at a window point. Returns the province hit and
    // makes it the selected one; nullptr (selection unchanged) off the map's
    // provinces, when no menu is to be shown.
    Province* selectAt(int windowX, int windowY);
    // The province the menu was last opened on.
    Province* selected() const { return selected_; }
    // Makes `province` the one the menu is for. A province already among the
    // selected keeps the whole selection, so the menu acts on all of them;
    // any other becomes the only one selected. nullptr selects nothing.
    void select(Province* province);

    // The provinces the commands act on, in the order they were selected.
    const std::vector<Province*>& selection() const { return selection_; }
    bool isSelected(const Province& province) const;
    void setSelection(std::vector<Province*> provinces);
    // Shift/Ctrl-click: in when it was out, out when it was in.
    void toggleSelected(Province& province);
    // Adds those not yet selected, keeping the order.
    void addToSelection(const std::vector<Province*>& provinces);
    // Every province with a hit rectangle inside or across a map rectangle
    // (map pixels, corners in any order): what a rubber band takes.
    std::vector<Province*> provincesTouching(int x1, int y1, int x2, int y2) const;

    // The frontier lands keep their holders in the editor: the Owner
    // commands are offered while any selected province can change hands.
    bool ownerMenuEnabled() const;

    // Runs a right-click menu command (4000-4004, 3001, 3002) on every
    // selected province. Returns true when the command was one of these, so
    // the window redraws; unknown numbers return false.
    bool runMenuCommand(int command);

    // The commands on the whole selection. Each returns how many provinces
    // it changed (0: nothing to undo). `empire` nullptr means no one; the
    // frontier lands are left out. The counts are kept within 1 and
    // MaxLegionsAtOnce; a province without a holder takes no legions.
    int setHolderOfSelection(Empire* empire);
    int addLegionsToSelection(int count);
    int removeLegionsFromSelection(int count);

    // The whole scenario as it stands, to take back a change.
    struct Snapshot {
        SavedPosition position;
        std::string title;
        std::string briefing;
    };
    Snapshot snapshot();
    void restore(const Snapshot& snapshot);
    // Whether two snapshots hold the same scenario.
    static bool same(const Snapshot& a, const Snapshot& b);

    // The empire names of the owner commands 4000 to 4003.
    const std::map<int, std::string>& ownerCommands() const { return ownerCommands_; }

    void setOwner(Province& province, Empire& empire);
    void clearOwner(Province& province);
    void addLegion(Province& province);
    void deleteLegion(Province& province);

    // Scenario Options: what the dialog shows on opening, and storing.
    std::string treasuryText() const;
    std::string yearText() const;
    bool plague() const;
    int plagueCounter() const;
    void applyOptions(const OptionsOutcome& outcome);

    // The scenario's title and briefing (empty: none), cut to their lengths.
    const std::string& title() const;
    const std::string& briefing() const;
    void setTitleAndBriefing(const std::string& title, const std::string& briefing);

    bool welcomeShown = false;

private:
    Game& game_;
    Province* selected_ = nullptr;
    std::vector<Province*> selection_;
    std::uint32_t startDraws_;
    std::map<int, std::string> ownerCommands_;
};

}  // namespace editor
