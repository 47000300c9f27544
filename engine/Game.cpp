#include "engine/Game.h"

namespace {
Game* theGame = nullptr;
}

Game& Game::instance() {
    if (theGame == nullptr) theGame = new Game(1);
    return *theGame;
}

Game& Game::newInstance(std::uint32_t seed) {
    destroyInstance();
    theGame = new Game(seed);
    return *theGame;
}

void Game::destroyInstance() {
    delete theGame;
    theGame = nullptr;
}

bool Game::exists() { return theGame != nullptr; }

// The draws a new game makes before any order, in the order that every seeded
// game depends on: the four tribes' countdowns, then each province's raise
// counter in table order. Nothing else draws while the game is built.
Game::Game(std::uint32_t seed) : World(seed), barbarians(*this), sassanids(*this), rogueRomans(*this) {
    setPowers(barbarians, sassanids, rogueRomans);
    barbarians.drawCountdowns();
    buildMap(random);
    buildLegionGroups();
    assignDefaultOwners();
}

Game::~Game() {
    // Legions refer to provinces: let the empires drop them before the map goes.
    for (Empire* e : empires()) e->deleteAllLegions();
}
