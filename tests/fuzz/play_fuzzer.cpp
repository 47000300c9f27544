// Loads a position and plays on with orders and answers taken from the input:
// the position's text, a NUL byte, then one byte for every order and every
// answer. After every order the rules that hold from any position the reader
// accepts must still hold (every number within the reader's ranges among
// them), and no order may end in an internal error. After every order that
// ended a year (years that run by themselves end together) the game is saved
// and loaded back, as Continue would, and must come back the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Game.h"
#include "model/InternalError.h"
#include "rules/Orders.h"
#include "rules/Presenter.h"
#include "tests/support/Invariants.h"

namespace {

// More years or orders than this only repeat what the first ones reached,
// and each one costs a check (a year also a save and a load): the bounds keep
// every run short and the inputs worth keeping small.
constexpr int MaxYears = 10;
constexpr int MaxOrders = 100;

void check(Game& game) {
    const auto broken = brokenRules(game);
    if (broken.empty()) return;
    std::fprintf(stderr, "broken rule: %s\n", broken.front().c_str());
    std::abort();
}

class InputPlayer : public Presenter {
public:
    InputPlayer(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool more() const { return next_ < size_; }
    int take(int n) { return more() ? data_[next_++] % n : 0; }

    bool over = false;
    int years = 0;
    // Once in every year, also where the calendar stands still at its end.
    void banner() override { ++years; }
    void quit() override { over = true; }
    void newGame() override { over = true; }
    // Also inside a year: the years that run by themselves have no order between them.
    void redraw() override { check(Game::instance()); }
    // The rules' own alarms never sound in a consistent game.
    void diagnostic(const std::string& text) override {
        std::fprintf(stderr, "the rules reported: %s\n", text.c_str());
        std::abort();
    }
    // Out of input, every answer is No: the game ends at the next question that can end it.
    bool askWithLabels(const std::string&, const std::string&, const std::string&) override { return take(2) == 1; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

void checkReload(Game& game) {
    const std::string problem = reloadProblem(game);
    if (problem.empty()) return;
    std::fprintf(stderr, "in %d: %s\n", game.year(), problem.c_str());
    std::abort();
}

// One order from the input: a Roman legion sent to a neighbour or anywhere on
// the map, the end of the turn, or the uprising in Palestina.
void giveOrder(InputPlayer& player, Game& game) {
    const int kind = player.take(8);
    if (kind == 6) {
        game.palestinaUprising();
        return;
    }
    if (kind == 7 || game.romans.legions.empty()) {
        game.advanceTurn();
        return;
    }
    Province& source = *game.romans.legions[static_cast<std::size_t>(player.take(static_cast<int>(game.romans.legions.size())))]->province;
    Province* target = kind < 3 && source.neighbourCount > 0
                           ? source.neighbours[static_cast<std::size_t>(player.take(source.neighbourCount))]
                           : game.provinceTable[static_cast<std::size_t>(player.take(ProvinceCount))];
    if (target == nullptr) return;
    if (succeeded(Orders::move(game, source, *target)) && !game.romansCanMove()) game.advanceTurn();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string position = input.substr(0, split);
    const std::size_t orders = split == std::string::npos ? size : split + 1;

    InputPlayer player(data + orders, size - orders);
    Game& game = Game::newInstance(static_cast<std::uint32_t>(size));
    game.setPresenter(&player);
    game.startNewGame();
    try {
        if (game.loadFromText(position).ok) {
            check(game);
            for (int order = 0; order < MaxOrders && player.more() && !player.over && player.years < MaxYears; ++order) {
                const int years = player.years;
                giveOrder(player, game);
                check(game);
                if (player.years != years) checkReload(game);
            }
        }
    } catch (const InternalError& e) {
        std::fprintf(stderr, "internal error: %s\n", e.what());
        std::abort();
    }
    Game::destroyInstance();
    return 0;
}
