#include "game/view/KeyboardChoice.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "rules/World.h"

namespace {

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The provinces whose names start with a text, in alphabetical order: (name, index).
std::vector<std::pair<std::string, int>> matching(const World& game, const std::string& start) {
    std::vector<std::pair<std::string, int>> found;
    for (std::size_t i = 0; i < game.provinceTable.size(); ++i) {
        const Province* p = game.provinceTable[i];
        if (!p) continue;
        std::string name = lowered(p->name());
        if (name.compare(0, start.size(), start) == 0) found.emplace_back(std::move(name), int(i));
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

int firstHighlight(const World& game) {
    for (std::size_t i = 0; i < game.provinceTable.size(); ++i) {
        const Province* p = game.provinceTable[i];
        if (p && game.romans.hasReadyLegionIn(*p)) return int(i);
    }
    for (std::size_t i = 0; i < game.provinceTable.size(); ++i) {
        const Province* p = game.provinceTable[i];
        if (p && game.romans.holds(*p)) return int(i);
    }
    return 0;
}

bool NameTyping::typing(long long nowMs) const {
    return !typed_.empty() && nowMs - lastMs_ <= PauseMs && nowMs >= lastMs_;
}

bool NameTyping::type(const World& game, char letter, long long nowMs, int& cursor) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (!typing(nowMs)) typed_.clear();
    const std::string longer = typed_ + c;
    auto found = matching(game, longer);
    if (!found.empty()) {
        typed_ = longer;
        cursor = found.front().second;
    } else if (longer.size() > 1 && std::count(longer.begin(), longer.end(), c) == std::ptrdiff_t(longer.size())) {
        // The same letter again: the next province that starts with it.
        const auto same = matching(game, std::string(1, c));
        if (same.empty()) return false;
        auto it = std::find_if(same.begin(), same.end(), [cursor](const auto& m) { return m.second == cursor; });
        cursor = (it == same.end() || std::next(it) == same.end()) ? same.front().second : std::next(it)->second;
        typed_ = longer;
    } else {
        // A letter that continues no name begins a new one, if any starts with it.
        found = matching(game, std::string(1, c));
        if (found.empty()) return typing(nowMs);  // a slip within a name is swallowed
        typed_ = std::string(1, c);
        cursor = found.front().second;
    }
    lastMs_ = nowMs;
    return true;
}
