#include "client/FigureCounts.h"

#include "rules/World.h"

namespace view {

RomanStack romanStack(const World& game, const Province& province) {
    RomanStack s;
    for (const auto& l : game.romans.legions) {
        if (!l->province->sameAs(province)) continue;
        ++s.total;
        if (l->hasRoute) ++s.marching;
        else if (!l->moved) ++s.ready;
    }
    return s;
}

std::string stackCountLabel(const RomanStack& stack) {
    if (stack.ready == stack.total) return std::to_string(stack.total);
    return std::to_string(stack.ready) + '/' + std::to_string(stack.total);
}

}  // namespace view
