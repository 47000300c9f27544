#include "client/EditorSession.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/Game.h"
#include "model/PrintableText.h"

namespace editor {

namespace {

// The dialog reads each field into a buffer of 56 bytes.
constexpr std::size_t FieldLength = 55;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int legionsAtOnce(int count) { return std::clamp(count, 1, MaxLegionsAtOnce); }

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

const char* holderName(const Game& game, const Empire* empire) {
    if (empire == &game.romans) return QT_TRANSLATE_NOOP("editor::EditorWindow", "Romans");
    if (empire == &game.barbarians) return QT_TRANSLATE_NOOP("editor::EditorWindow", "Barbarians");
    if (empire == &game.sassanids) return QT_TRANSLATE_NOOP("editor::EditorWindow", "Sassanids");
    if (empire == &game.rogueRomans) return QT_TRANSLATE_NOOP("editor::EditorWindow", "Rebelling Legions");
    return QT_TRANSLATE_NOOP("editor::EditorWindow", "No one");
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

EditorSession::EditorSession(Game& game) : game_(game), startDraws_(game.random.state()) {
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
    game_.scenarioTitle.clear();
    game_.scenarioBriefing.clear();
    select(nullptr);
}

void EditorSession::newScenario() {
    game_.random.seed(startDraws_);
    setUpStartPosition();
}

Province* EditorSession::selectAt(int windowX, int windowY) {
    Province* hit = game_.provinceAt(windowX - MapLeft, windowY - MapTop);
    if (hit) select(hit);
    return hit;
}

void EditorSession::select(Province* province) {
    selected_ = province;
    if (!province)
        selection_.clear();
    else if (!isSelected(*province))
        selection_ = {province};
}

bool EditorSession::isSelected(const Province& province) const {
    return std::find(selection_.begin(), selection_.end(), &province) != selection_.end();
}

void EditorSession::setSelection(std::vector<Province*> provinces) {
    selection_.clear();
    addToSelection(provinces);
    if (selected_ && !isSelected(*selected_)) selected_ = nullptr;
}

void EditorSession::toggleSelected(Province& province) {
    const auto it = std::find(selection_.begin(), selection_.end(), &province);
    if (it == selection_.end()) {
        selection_.push_back(&province);
        selected_ = &province;
        return;
    }
    selection_.erase(it);
    if (selected_ == &province) selected_ = selection_.empty() ? nullptr : selection_.back();
}

void EditorSession::addToSelection(const std::vector<Province*>& provinces) {
    for (Province* p : provinces)
        if (p && !isSelected(*p)) selection_.push_back(p);
}

std::vector<Province*> EditorSession::provincesTouching(int x1, int y1, int x2, int y2) const {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    std::vector<Province*> found;
    for (Province* p : game_.provinceTable) {
        if (!p) continue;
        for (const MapRect& r : p->hitRects)
            if (r.left < right && left < r.right && r.top < bottom && top < r.bottom) {
                found.push_back(p);
                break;
            }
    }
    return found;
}

bool EditorSession::ownerMenuEnabled() const {
    return std::any_of(selection_.begin(), selection_.end(), [](const Province* p) { return !p->isFrontier(); });
}

bool EditorSession::runMenuCommand(int command) {
    const auto owner = ownerCommands_.find(command);
    const bool known = owner != ownerCommands_.end() || command == CmdOwnerNoOne ||
                       command == CmdAddLegion || command == CmdDeleteLegion;
    if (!known) return false;
    if (owner != ownerCommands_.end())
        setHolderOfSelection(&game_.getEmpire(owner->second));
    else if (command == CmdOwnerNoOne)
        setHolderOfSelection(nullptr);
    else if (command == CmdAddLegion)
        addLegionsToSelection(1);
    else
        removeLegionsFromSelection(1);
    return true;
}

int EditorSession::setHolderOfSelection(Empire* empire) {
    int changed = 0;
    for (Province* p : selection_) {
        // The menu greys these out for the frontier lands; a command that
        // arrives anyway must not change a frontier holder either.
        if (p->isFrontier() || game_.ownerOf(*p) == empire) continue;
        if (empire)
            setOwner(*p, *empire);
        else
            clearOwner(*p);
        ++changed;
    }
    return changed;
}

int EditorSession::addLegionsToSelection(int count) {
    int changed = 0;
    for (Province* p : selection_) {
        if (!game_.ownerOf(*p)) continue;
        for (int i = legionsAtOnce(count); i > 0; --i) addLegion(*p);
        ++changed;
    }
    return changed;
}

int EditorSession::removeLegionsFromSelection(int count) {
    int changed = 0;
    for (Province* p : selection_) {
        Empire* holder = game_.ownerOf(*p);
        if (!holder || holder->countLegionsIn(*p) == 0) continue;
        for (int i = legionsAtOnce(count); i > 0; --i) deleteLegion(*p);
        ++changed;
    }
    return changed;
}

EditorSession::Snapshot EditorSession::snapshot() {
    return {game_.capturePosition(), game_.scenarioTitle, game_.scenarioBriefing};
}

void EditorSession::restore(const Snapshot& snapshot) {
    game_.applyPosition(snapshot.position);
    game_.scenarioTitle = snapshot.title;
    game_.scenarioBriefing = snapshot.briefing;
}

bool EditorSession::same(const Snapshot& a, const Snapshot& b) {
    if (a.title != b.title || a.briefing != b.briefing) return false;
    return savedGameText(a.position) == savedGameText(b.position);
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

const std::string& EditorSession::title() const { return game_.scenarioTitle; }
const std::string& EditorSession::briefing() const { return game_.scenarioBriefing; }

void EditorSession::setTitleAndBriefing(const std::string& title, const std::string& briefing) {
    game_.scenarioTitle = firstCharacters(title, MaxTitleLength);
    game_.scenarioBriefing = firstCharacters(briefing, MaxBriefingLength);
}

void EditorSession::applyOptions(const OptionsOutcome& outcome) {
    if (!outcome.ok()) return;
    game_.turn = outcome.turn;
    game_.romans.treasury = outcome.treasury;
    game_.romans.plague = outcome.plague;
    game_.romans.plagueCounter = outcome.plagueCounter;
}

}  // namespace editor
