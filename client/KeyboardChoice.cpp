#include "client/KeyboardChoice.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "rules/World.h"

namespace {

std::string lowered(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A province as the alphabetical order of the names sees it: (lower-case name, index).
using NameKey = std::pair<std::string, int>;

// The first province in that order whose name starts with `start`, after
// `after` when given; -1 when there is none.
int firstNamed(const World& game, const std::string& start, const NameKey* after = nullptr) {
    int best = -1;
    NameKey bestKey;
    for (std::size_t i = 0; i < game.provinceTable.size(); ++i) {
        const Province* p = game.provinceTable[i];
        if (!p) continue;
        NameKey key{lowered(p->name()), int(i)};
        if (key.first.compare(0, start.size(), start) != 0 || (after && !(*after < key))) continue;
        if (best < 0 || key < bestKey) {
            best = int(i);
            bestKey = std::move(key);
        }
    }
    return best;
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
    const std::string one(1, c);
    if (const int found = firstNamed(game, longer); found >= 0) {
        typed_ = longer;
        cursor = found;
    } else if (longer.size() > 1 && std::count(longer.begin(), longer.end(), c) == std::ptrdiff_t(longer.size())) {
        // The same letter again: the next province that starts with it, round to the first.
        if (firstNamed(game, one) < 0) return false;
        int next = -1;
        if (cursor >= 0 && std::size_t(cursor) < game.provinceTable.size() && game.provinceTable[std::size_t(cursor)]) {
            const NameKey here{lowered(game.provinceTable[std::size_t(cursor)]->name()), cursor};
            if (here.first.compare(0, 1, one) == 0) next = firstNamed(game, one, &here);
        }
        cursor = next >= 0 ? next : firstNamed(game, one);
        typed_ = longer;
    } else {
        // A letter that continues no name begins a new one, if any starts with it.
        const int found = firstNamed(game, one);
        if (found < 0) return typing(nowMs);  // a slip within a name is swallowed
        typed_ = one;
        cursor = found;
    }
    lastMs_ = nowMs;
    return true;
}
