#include "rules/World.h"

#include "model/InternalError.h"

#include "model/TranslationMarks.h"

Presenter World::silent_;

World::World(std::uint32_t seed) : random(seed), romans(*this) {}

// Legions refer to provinces: the empires drop them before the map goes.
World::~World() { romans.deleteAllLegions(); }

void World::setPowers(Empire& barbarians, Empire& sassanids, Empire& rogueRomans) {
    powers_ = {&romans, &barbarians, &sassanids, &rogueRomans};
}

void World::buildLegionGroups() {
    auto group = [this](const char* name, std::initializer_list<const char*> names) {
        LegionGroup g{name, {}};
        for (const char* n : names) g.provinces.push_back(&findProvince(n));
        return g;
    };
    legionGroups = {
        group(QT_TRANSLATE_NOOP("Names", "Rhine legions"), {"Britannia", "Belgica", "Raetia"}),
        group(QT_TRANSLATE_NOOP("Names", "Danube legions"), {"Raetia", "Dacia", "Thracia", "Pannonia"}),
        group(QT_TRANSLATE_NOOP("Names", "Eastern legions"), {"Syria", "Palestina", "Pontus", "Aegyptus", "Lydia", "Cappadocia", "Phrygia"}),
        group(QT_TRANSLATE_NOOP("Names", "North african legions"), {"Mauretania", "Africa"}),
    };
}

Empire& World::getEmpire(const std::string& name) {
    if (const std::optional<Power> power = powerNamed(name)) return empire(*power);
    throw InternalError("Unable to find empire :" + name + " Game::getEmpire()");
}

Empire* World::ownerOf(const Province& province) {
    Empire* owner = nullptr;
    for (Empire* e : empires()) {
        if (!e->holds(province)) continue;
        if (owner != nullptr) presenter().diagnostic("Province is owner by two empires");
        owner = e;
        if (e->power == Power::Sassanids) break;
    }
    return owner;
}

Route World::findRoute(Province& from, Province& to) {
    Route route = ProvinceMap::findRoute(from, to);
    if (!routeFollowsLinks(route)) presenter().diagnostic("Route is invalid");
    return route;
}

void World::addLegions(Province& province, int count) {
    if (Empire* owner = ownerOf(province)) owner->addLegions(province, count);
}

void World::report(const Message& message, const Message& logLine) {
    presenter().report(message);
    playSound(SoundKind::March);
    logMessage(logLine);
}
