#pragma once
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Game.h"
#include "rules/Presenter.h"

// Everything the rules said, and scripted answers to their questions.
struct RecordingAdvisor {
    std::vector<std::string> messages;     // tell
    std::vector<std::string> questions;    // ask and askWithLabels
    std::vector<std::string> reports;      // the long form of report
    std::vector<std::string> diagnostics;  // never shown to the player
    std::deque<bool> answers;              // consumed front first; No when empty

    bool toldAny(const std::string& fragment) const;
    bool answer(const std::string& question);
};

// What the end of a turn asked of the front end.
struct RecordingFrontEnd {
    std::vector<int> lessons;
    int results = 0;
    int banners = 0;
    bool quitted = false;
    bool newGamePosted = false;
};

// A presenter that records into the two; tests watch the map through the hooks.
class RecordingPresenter : public Presenter {
public:
    RecordingPresenter(RecordingAdvisor& advisor, RecordingFrontEnd& frontEnd) : advisor_(advisor), frontEnd_(frontEnd) {}

    void tell(const std::string& text) override { advisor_.messages.push_back(text); }
    bool askWithLabels(const std::string& text, const std::string&, const std::string&) override {
        return advisor_.answer(text);
    }
    void report(const std::string& text) override { advisor_.reports.push_back(text); }
    void diagnostic(const std::string& text) override { advisor_.diagnostics.push_back(text); }
    void banner() override { ++frontEnd_.banners; }
    void lesson(int year) override { frontEnd_.lessons.push_back(year); }
    void results(int, int, int) override { ++frontEnd_.results; }
    void quit() override { frontEnd_.quitted = true; }
    void newGame() override { frontEnd_.newGamePosted = true; }
    void sound(SoundKind kind) override {
        if (onSound) onSound(static_cast<int>(kind));
    }
    void move(Province& from, Province& to) override {
        if (onMove) onMove(from, to);
    }
    void defeat(Power loser, Province& province) override {
        if (onDefeat) onDefeat(powerName(loser), province);
    }
    void news(const std::string&) override {
        if (onNews) onNews();
    }

    std::function<void(int kind)> onSound;
    std::function<void(Province& from, Province& to)> onMove;
    std::function<void(const std::string& loser, Province& province)> onDefeat;
    std::function<void()> onNews;

private:
    RecordingAdvisor& advisor_;
    RecordingFrontEnd& frontEnd_;
};

// The generator of the game under test.
inline Random& generator() { return Game::instance().random; }

// A fresh Game for every test, seeded, with a recording presenter.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds a new Game on the seed.
    void restart(std::uint32_t seed);

    Province& P(const std::string& name) { return game().findProvince(name); }
    // The route through the named provinces, in order.
    Route names(std::initializer_list<const char*> list) {
        Route r;
        for (const char* n : list) r.push_back(&P(n));
        return r;
    }
    Game& game() { return Game::instance(); }
    // Empties every power: no provinces, no legions.
    void clearMap();
    // Hands the provinces to `empire` (taking them from whoever held them).
    void give(Empire& empire, std::initializer_list<const char*> names);
    // Appends `count` legions of `empire` in the province.
    void station(Empire& empire, const char* name, int count);

    RomanEmpire& romans() { return game().romans; }
    Barbarians& tribes() { return game().barbarians; }
    Sassanids& persians() { return game().sassanids; }
    RogueRomans& rebels() { return game().rogueRomans; }

    RecordingAdvisor advisor;
    RecordingFrontEnd frontEnd;
    RecordingPresenter presenter{advisor, frontEnd};
};

// A game whose powers hold nothing and own no legion, for positions set up by hand.
class EmptyMapTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        clearMap();
        advisor.messages.clear();
    }
};
