#include "cli/ProvinceNames.h"

#include <cctype>
#include <vector>

#include "engine/Game.h"

namespace {

std::string folded(const std::string& text) {
    std::string out;
    for (char c : text) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c == '_' ? ' ' : c)));
    return out;
}

}  // namespace

Province* provinceFromToken(const Game& game, const std::string& token, std::string& why) {
    std::string name = token;
    for (char& c : name) {
        if (c == '_') c = ' ';
    }
    if (Province* exact = game.provinceNamed(name)) return exact;
    const std::string typed = folded(token);
    std::vector<Province*> starting;
    for (Province* p : game.provinceTable) {
        const std::string candidate = folded(p->name());
        if (candidate == typed) return p;
        if (!typed.empty() && candidate.compare(0, typed.size(), typed) == 0) starting.push_back(p);
    }
    if (starting.size() == 1) return starting.front();
    if (starting.empty()) {
        why = "no province called " + token;
    } else {
        why = token + " could be";
        for (std::size_t i = 0; i < starting.size(); ++i)
            why += (i == 0 ? " " : i + 1 == starting.size() ? " or " : ", ") + starting[i]->name();
    }
    return nullptr;
}
