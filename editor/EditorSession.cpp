#include "editor/EditorSession.h"

#include <cstdint>
#include <limits>

#include "engine/Game.h"

namespace editor {

namespace {

// The dialog reads each field into a buffer of 56 bytes.
constexpr std::size_t FieldLength = 55;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

bool parseWholeNumber(const std::string& fullText, int& value) {
    const std::string text = fullText.substr(0, FieldLength);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop as soon as it cannot fit.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                        : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool asksPlagueYears(bool plagueTicked, int currentPlagueCounter) {
    return plagueTicked && currentPlagueCounter <= 0;
}

OptionsOutcome checkOptions(const OptionsForm& form, int currentPlagueCounter) {
    OptionsOutcome outcome;
    int year = 0;
    if (!parseWholeNumber(form.year, year) || year < FirstYear || year > LastScenarioYear)
        outcome.errors.emplace_back(YearError);
    int treasury = 0;
    if (!parseWholeNumber(form.treasury, treasury) || treasury <= 0)
        outcome.errors.emplace_back(TreasuryError);
    outcome.plague = form.plague;
    outcome.plagueCounter = currentPlagueCounter;
    if (asksPlagueYears(form.plague, currentPlagueCounter)) {
        if (form.plagueYears < MinPlagueYears || form.plagueYears > MaxPlagueYears)
            outcome.errors.emplace_back(PlagueYearsError);
        outcome.plagueCounter = form.plagueYears;
    }
    outcome.turn = year - FirstYear;
    outcome.treasury = treasury;
    return outcome;
}

EditorSession::EditorSession(Game& game) : game_(game) {
    ownerCommands_ = {
        {CmdOwnerRomans, "Romans"},
        {CmdOwnerBarbarians, "Germanic Tribes"},
        {CmdOwnerSassanids, "Sassanids"},
        {CmdOwnerRogueRomans, "Rogue Romans"},
    };
}

void EditorSession::setUpStartPosition() {
    game_.startNewGame();
    game_.romans.deleteAllLegions();
    selected_ = nullptr;
}

Province* EditorSession::selectAt(int windowX, int windowY) {
    Province* hit = game_.provinceAt(windowX - MapLeft, windowY - MapTop);
    if (hit) selected_ = hit;
    return hit;
}

bool EditorSession::ownerMenuEnabled() const {
    return selected_ && !selected_->isFrontier();
}

bool EditorSession::runMenuCommand(int command) {
    const auto owner = ownerCommands_.find(command);
    const bool known = owner != ownerCommands_.end() || command == CmdOwnerNoOne ||
                       command == CmdAddLegion || command == CmdDeleteLegion;
    if (!known || !selected_) return known;
    Province& province = *selected_;
    if (owner != ownerCommands_.end()) {
        // The menu greys these out for the frontier lands; a command that
        // arrives anyway must not change a frontier holder either.
        if (province.isFrontier()) return true;
        setOwner(province, game_.getEmpire(owner->second));
    } else if (command == CmdOwnerNoOne) {
        if (province.isFrontier()) return true;
        clearOwner(province);
    } else if (command == CmdAddLegion) {
        addLegion(province);
    } else {
        deleteLegion(province);
    }
    return true;
}

void EditorSession::setOwner(Province& province, Empire& empire) {
    Empire* holder = game_.ownerOf(province);
    if (holder && holder->name != empire.name) {
        holder->removeLegionsIn(province);
        holder->removeProvince(province);
    }
    empire.addProvince(province);
}

void EditorSession::clearOwner(Province& province) {
    if (Empire* holder = game_.ownerOf(province)) {
        holder->removeLegionsIn(province);
        holder->removeProvince(province);
    }
}

void EditorSession::addLegion(Province& province) {
    if (Empire* holder = game_.ownerOf(province)) holder->appendLegion(province);
}

void EditorSession::deleteLegion(Province& province) {
    Empire* holder = game_.ownerOf(province);
    if (!holder || holder->countLegionsIn(province) == 0) return;
    holder->removeFirstLegionIn(province, false);
}

std::string EditorSession::treasuryText() const { return std::to_string(game_.romans.treasury); }

std::string EditorSession::yearText() const { return std::to_string(game_.turn + FirstYear); }

bool EditorSession::plague() const { return game_.romans.plague; }

int EditorSession::plagueCounter() const { return game_.romans.plagueCounter; }

void EditorSession::applyOptions(const OptionsOutcome& outcome) {
    if (!outcome.ok()) return;
    game_.turn = outcome.turn;
    game_.romans.treasury = outcome.treasury;
    game_.romans.plague = outcome.plague;
    game_.romans.plagueCounter = outcome.plagueCounter;
}

std::vector<PlacedText> EditorSession::statusLine() const {
    const RomanEmpire& romans = game_.romans;
    return {
        {180, 600, "Year: " + std::to_string(game_.turn + FirstYear) + " AD"},
        {360, 600, "Treasury: " + std::to_string(romans.treasury)},
        {540, 600, "Revenue: " + std::to_string(romans.taxIncome)},
        {740, 600, "Expenses: " + std::to_string(romans.legionCost)},
        {940, 600, "Net: " + std::to_string(romans.taxIncome - romans.legionCost)},
    };
}

}  // namespace editor
