#pragma once
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/Advisor.h"
#include "model/Game.h"
#include "rules/TurnFrontEnd.h"

// Everything the rules said, and scripted answers to their questions.
class RecordingAdvisor : public Advisor {
public:
    std::vector<std::string> messages;   // tell
    std::vector<std::string> questions;  // ask and askWithLabels
    std::vector<std::string> reports;    // the long form of report
    std::deque<bool> answers;            // consumed front first; No when empty

    bool toldAny(const std::string& fragment) const;

protected:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askQuestion(const std::string& text, const std::string&, const std::string&) override;
    void announceReport(const std::string& message) override { reports.push_back(message); }
};

// What advanceTurn asked of the front end.
class RecordingFrontEnd : public TurnFrontEnd {
public:
    std::vector<int> lessons;
    int results = 0;
    int banners = 0;
    bool quitted = false;
    bool newGamePosted = false;

    void showTurnBanner() override { ++banners; }
    void showLesson(int year) override { lessons.push_back(year); }
    void showResults() override { ++results; }
    void quit() override { quitted = true; }
    void postNewGame() override { newGamePosted = true; }
};

// A fresh Game for every test, seeded, with a recording advisor installed.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Restarts the shared generator and builds a new Game on it.
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
