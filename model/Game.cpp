#include "model/Game.h"

#include "model/Advisor.h"
#include "model/InternalError.h"
#include "model/MapData.h"
#include "model/Random.h"

namespace {
Game* theGame = nullptr;
}

Game& Game::instance() {
    if (theGame == nullptr) theGame = new Game();
    return *theGame;
}

void Game::destroyInstance() {
    delete theGame;
    theGame = nullptr;
}

bool Game::exists() { return theGame != nullptr; }

Game::Game() {
    buildMap();
    buildLegionGroups();
    assignDefaultOwners();
}

Game::~Game() {
    // Legions refer to provinces: let the empires drop them before the map goes.
    for (Empire* e : empires()) e->deleteAllLegions();
    for (Province* p : provinceTable) delete p;
}

void Game::buildMap() {
    for (std::size_t i = 0; i < mapdata::provinces.size(); ++i)
        provinceTable[i] = new Province(mapdata::provinces[i].name, rng::draw() % 3);
    for (std::size_t i = 0; i < mapdata::provinces.size(); ++i) {
        const auto& entry = mapdata::provinces[i];
        Province& p = *provinceTable[i];
        for (const char* n : entry.neighbours) {
            if (n != nullptr) p.addNeighbour(findProvince(n));
        }
        p.setLegionSpot(entry.legionX, entry.legionY);
        for (const auto& r : entry.rects) {
            if (r.width > 0) p.addHitRect(r.left, r.top, r.width, r.height);
        }
    }
    for (const auto& t : mapdata::traits) {
        Province& p = findProvince(t.name);
        p.description = t.description;
        p.taxValue = t.taxValue;
        p.hostility = t.hostility;
    }
}

void Game::buildLegionGroups() {
    auto group = [this](const char* name, std::initializer_list<const char*> names) {
        LegionGroup g{name, {}};
        for (const char* n : names) g.provinces.push_back(&findProvince(n));
        return g;
    };
    legionGroups = {
        group("Rhine legions", {"Britannia", "Belgica", "Raetia"}),
        group("Danube legions", {"Raetia", "Dacia", "Thracia", "Pannonia"}),
        group("Eastern legions", {"Syria", "Palestina", "Pontus", "Aegyptus", "Lydia", "Cappadocia", "Phrygia"}),
        group("North african legions", {"Mauretania", "Africa"}),
    };
}

void Game::playSound(int kind) const {
    if (soundHook) soundHook(kind);
}

void Game::showMove(Province& from, Province& to) const {
    if (moveHook) moveHook(from, to);
}

void Game::showDefeat(const std::string& empireName, Province& province) const {
    if (defeatHook) defeatHook(empireName, province);
}

Empire& Game::getEmpire(const std::string& name) {
    if (name == "Romans") return romans;
    if (name == "Germanic Tribes") return barbarians;
    if (name == "Sassanids") return sassanids;
    if (name == "Rogue Romans" || name == "Rebelling Legions") return rogueRomans;
    throw InternalError("Unable to find empire :" + name + " Game::getEmpire()");
}

Province* Game::provinceNamed(const std::string& name) const {
    for (Province* p : provinceTable) {
        if (p != nullptr && p->name() == name) return p;
    }
    return nullptr;
}

Province& Game::findProvince(const std::string& name) {
    if (Province* p = provinceNamed(name)) return *p;
    const std::string text = "province " + name + " not found!";
    Advisor::tell(text);
    throw InternalError(text);
}

Province* Game::provinceAt(int x, int y) const {
    for (Province* p : provinceTable) {
        for (const MapRect& r : p->hitRects) {
            if (r.contains(x, y)) return p;
        }
    }
    return nullptr;
}

bool Game::pointIn(const Province& province, int& x, int& y) const {
    for (const MapRect& r : province.hitRects) {
        for (int py = r.top + 1; py < r.bottom; ++py) {
            for (int px = r.left + 1; px < r.right; ++px) {
                if (provinceAt(px, py) == &province) {
                    x = px;
                    y = py;
                    return true;
                }
            }
        }
    }
    return false;
}

Empire* Game::ownerOf(const Province& province) {
    Empire* owner = nullptr;
    for (Empire* e : empires()) {
        if (!e->holds(province)) continue;
        if (owner != nullptr) Advisor::tell("Province is owner by two empires");
        owner = e;
        if (e == &sassanids) break;
    }
    return owner;
}

void Game::addLegions(Province& province, int count) {
    Empire* owner = ownerOf(province);
    if (owner == nullptr) return;
    for (int i = 0; i < count && owner->hasRoomForLegion(); ++i) owner->appendLegion(province);
}
