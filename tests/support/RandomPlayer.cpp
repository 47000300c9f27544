#include "tests/support/RandomPlayer.h"

#include "engine/Game.h"
#include "tests/support/Invariants.h"

namespace {

// A map point that belongs to the province, chosen at random.
void pointIn(RandomPlayer& player, Game& game, const Province& p, int& x, int& y) {
    for (;;) {
        const MapRect& r = p.hitRects[static_cast<std::size_t>(player.pick(static_cast<int>(p.hitRects.size())))];
        x = r.left + 1 + player.pick(std::max(1, r.right - r.left - 1));
        y = r.top + 1 + player.pick(std::max(1, r.bottom - r.top - 1));
        if (game.provinceAt(x, y) == &p) return;
    }
}

}  // namespace

void RandomPlayer::check(const std::string& when) {
    Game& game = Game::instance();
    for (const std::string& b : anyPosition ? brokenRules(game) : brokenInvariants(game)) broken.push_back(when + ": " + b);
}

// Mostly yes, so that games run on past 285 towards 476.
bool RandomPlayer::askWithLabels(const std::string& text, const std::string&, const std::string&) {
    if (text.find("Tentate Iterum") != std::string::npos) return pick(4) != 0;
    if (text.find("keep playing until 476") != std::string::npos) return pick(8) != 0;
    return pick(2) == 0;
}

void playRandomTurn(RandomPlayer& player, Game& game) {
    for (int orders = player.pick(8); orders > 0 && !game.romans.legions.empty(); --orders) {
        const auto& legion =
            game.romans.legions[static_cast<std::size_t>(player.pick(static_cast<int>(game.romans.legions.size())))];
        Province& source = *legion->province;
        const Province* target = nullptr;
        if (player.pick(3) == 0)
            target = game.provinceTable[static_cast<std::size_t>(player.pick(ProvinceCount))];
        else if (source.neighbourCount > 0)
            target = source.neighbours[static_cast<std::size_t>(player.pick(source.neighbourCount))];
        if (target == nullptr) continue;
        int x = 0, y = 0;
        pointIn(player, game, *target, x, y);
        game.pickUp(&source);
        if (game.dropLegions(x, y).carriedOut() && !game.romansCanMove()) game.advanceTurn();
        if (player.over) return;
    }
    if (player.pick(40) == 0) game.palestinaUprising();
    game.advanceTurn();
}
