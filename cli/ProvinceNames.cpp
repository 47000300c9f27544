#include "cli/ProvinceNames.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "cli/TerminalWords.h"
#include "engine/Game.h"
#include "model/PrintableText.h"

namespace {

std::string folded(const std::string& text) {
    std::string out;
    for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c == '_' ? ' ' : c)));
    return out;
}

// Letters typed wrong, left out or added: the edits from one name to the other.
std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// "A", "A or B", "A, B or C".
std::string alternatives(const TerminalWords& words, const std::vector<Province*>& provinces) {
    std::string out = words.name(provinces.front()->name());
    for (std::size_t i = 1; i < provinces.size(); ++i) {
        const std::string name = words.name(provinces[i]->name());
        out = i + 1 == provinces.size() ? words(QT_TRANSLATE_NOOP("Terminal", "%1 or %2"), {out, name}) : out + ", " + name;
    }
    return out;
}

// The names nearest to a misspelt one, at most three; none when even the
// nearest shares too little with it to be meant.
std::vector<Province*> nearest(const Game& game, const std::string& typed) {
    std::vector<std::pair<std::size_t, Province*>> ranked;
    for (Province* p : game.provinceTable) {
        const std::string name = folded(p->name());
        // A word of the name ("rhine") is as near as a name can be without
        // being it; a beginning is compared with the names' beginnings too.
        const std::size_t distance =
            name.find(typed) != std::string::npos
                ? 1
                : std::min(editDistance(typed, name), editDistance(typed, name.substr(0, typed.size())) + 1);
        ranked.push_back({distance, p});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Province*> out;
    const std::size_t most = std::max<std::size_t>(2, typed.size() / 2);
    for (const auto& [distance, p] : ranked)
        if (distance == ranked.front().first && distance <= most && out.size() < 3) out.push_back(p);
    return out;
}

}  // namespace

Province* provinceFromToken(const TerminalWords& words, const Game& game, const std::string& token, std::string& why) {
    std::string name = token;
    for (char& c : name) {
        if (c == '_') c = ' ';
    }
    if (Province* exact = game.provinceNamed(name)) return exact;
    const std::string typed = folded(token);
    std::vector<Province*> starting;
    // The game's own name, or the name the player reads in the terminal's language.
    for (Province* p : game.provinceTable) {
        for (const std::string& spelt : {p->name(), words.name(p->name())}) {
            const std::string candidate = folded(spelt);
            if (candidate == typed) return p;
            if (!typed.empty() && candidate.compare(0, typed.size(), typed) == 0) {
                starting.push_back(p);
                break;
            }
        }
    }
    if (starting.size() == 1) return starting.front();
    if (!starting.empty()) {
        why = words(QT_TRANSLATE_NOOP("Terminal", "%1 could be %2"), {printableText(token), alternatives(words, starting)});
        return nullptr;
    }
    const std::vector<Province*> near = nearest(game, typed);
    why = near.empty() ? words(QT_TRANSLATE_NOOP("Terminal", "no province called %1"), {printableText(token)})
                       : words(QT_TRANSLATE_NOOP("Terminal", "no province called %1; did you mean %2?"),
                               {printableText(token), alternatives(words, near)});
    return nullptr;
}
