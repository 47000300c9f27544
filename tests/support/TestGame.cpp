#include "tests/support/TestGame.h"


bool RecordingAdvisor::toldAny(const std::string& fragment) const {
    for (const std::string& m : messages) {
        if (m.find(fragment) != std::string::npos) return true;
    }
    return false;
}

bool RecordingAdvisor::answer(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void GameTest::SetUp() { restart(1); }

void GameTest::TearDown() { Game::destroyInstance(); }

void GameTest::restart(std::uint32_t seed) {
    Game::newInstance(seed).setPresenter(&presenter);
    game().startNewGame();
}

void GameTest::clearMap() {
    for (Empire* e : game().empires()) {
        e->provinces.clear();
        e->deleteAllLegions();
    }
}

void GameTest::give(Empire& empire, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        Province& p = P(name);
        for (Empire* e : game().empires()) {
            if (e != &empire && e->holds(p)) e->removeProvince(p);
        }
        empire.addProvince(p);
    }
}

void GameTest::station(Empire& empire, const char* name, int count) {
    for (int i = 0; i < count; ++i) empire.appendLegion(P(name));
}
