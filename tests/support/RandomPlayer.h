#pragma once
#include <random>
#include <string>
#include <vector>

#include "rules/Presenter.h"

class Game;

// A player who gives orders and answers questions at random and notes every
// rule a game breaks. The whims come from a generator of their own, so that
// they never disturb the game's single sequence of draws.
class RandomPlayer : public Presenter {
public:
    // `anyPosition`: the game may have started from any position the reader
    // accepts, so only the rules that hold for every such position are checked.
    explicit RandomPlayer(std::uint32_t seed, bool anyPosition = false) : whim(seed), anyPosition(anyPosition) {}

    std::mt19937 whim;
    bool anyPosition;
    bool over = false;
    std::vector<std::string> broken;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(whim); }

    // Positions far from any real game are crowded: there the checks after
    // every year are enough, and leave time to play a thousand of them.
    void redraw() override {
        if (!anyPosition) check("mid-turn");
    }
    void quit() override { over = true; }
    void newGame() override { over = true; }
    // The rules' own alarms never sound in a consistent game.
    void diagnostic(const std::string& text) override { broken.push_back("the rules reported: " + text); }
    bool askWithLabels(const std::string& text, const std::string&, const std::string&) override;

    void check(const std::string& when);
};

// Up to seven orders at random, as a person's mouse would give them, then the
// end of the turn.
void playRandomTurn(RandomPlayer& player, Game& game);
