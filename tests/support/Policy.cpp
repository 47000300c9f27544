#include "tests/support/Policy.h"

#include "engine/Game.h"

namespace {

std::string token(const Province& p) {
    std::string name = p.name();
    for (char& c : name) {
        if (c == ' ') c = '_';
    }
    return name;
}

int readyLegionsIn(const Game& game, const Province& p) {
    int n = 0;
    for (const auto& l : game.romans.legions) {
        if (!l->moved && !l->hasRoute && l->province->sameAs(p)) ++n;
    }
    return n;
}

}  // namespace

std::string nextPolicyOrder(Game& game) {
    for (Province* source : game.provinceTable) {
        const int ready = readyLegionsIn(game, *source);
        if (ready == 0) continue;
        const int total = game.romans.countLegionsIn(*source);
        const bool mustGarrison = source->name() == "Britannia" || source->name() == "Aegyptus";
        if (mustGarrison && total <= 1) continue;
        for (int i = 0; i < source->neighbourCount; ++i) {
            Province& target = *source->neighbours[static_cast<std::size_t>(i)];
            Empire* holder = game.ownerOf(target);
            if (holder == &game.romans) continue;
            const int defenders = holder != nullptr ? holder->countLegionsIn(target) : 0;
            const bool worthIt = holder == nullptr || defenders == 0 || (defenders < ready && total > 1);
            if (worthIt && !target.isFrontier()) return "drop " + token(*source) + " " + token(target);
        }
    }
    return "end";
}
