#include "model/Empire.h"

#include <algorithm>

#include "model/InternalError.h"
#include "model/ProvinceMap.h"

Empire::Empire(ProvinceMap& map, Power power, int legionIcon)
    : power(power), name(powerName(power)), legionIcon(legionIcon), map_(map) {}

Empire::~Empire() { deleteAllLegions(); }

void Empire::takeTurn() { raiseLegions(); }

void Empire::updateLegions() {}

void Empire::prepareNewGame() {}

void Empire::raiseLegions() {
    for (Province* p : provinces) {
        if (p->name() != "Dacia") ++p->raiseCounter;
        if (p->raiseCounter >= 3) {
            p->raiseCounter = 0;
            appendLegion(*p);
        }
    }
}

void Empire::onProvinceTaken(Province&) {}

bool Empire::addProvince(Province& province) {
    if (holds(province)) return false;
    provinces.push_back(&province);
    return true;
}

void Empire::removeProvince(const Province& province) {
    auto it = std::find_if(provinces.begin(), provinces.end(), [&](Province* p) { return p->sameAs(province); });
    if (it == provinces.end())
        throw InternalError("error: province " + province.name() + " not found in empire " + name);
    provinces.erase(it);
}

bool Empire::holds(const Province& province) const {
    return std::any_of(provinces.begin(), provinces.end(), [&](Province* p) { return p->sameAs(province); });
}

int Empire::countLegionsIn(const Province& province) const {
    return static_cast<int>(std::count_if(legions.begin(), legions.end(),
                                          [&](const auto& l) { return l->province->sameAs(province); }));
}

bool Empire::hasReadyLegionIn(const Province& province) const {
    return std::any_of(legions.begin(), legions.end(), [&](const auto& l) {
        return l->province->sameAs(province) && !l->moved && !l->hasRoute;
    });
}

bool Empire::allLegionsMovedIn(const Province& province) const {
    return std::none_of(legions.begin(), legions.end(),
                        [&](const auto& l) { return l->province->sameAs(province) && !l->moved; });
}

bool Empire::hasLegionInAny(const std::vector<Province*>& list) const {
    return std::any_of(legions.begin(), legions.end(), [&](const auto& l) {
        return std::find(list.begin(), list.end(), l->province) != list.end();
    });
}

void Empire::removeLegionsIn(const Province& province) {
    std::erase_if(legions, [&](const auto& l) { return l->province->sameAs(province); });
}

void Empire::deleteAllLegions() { legions.clear(); }

void Empire::addLegions(const std::string& provinceName, int count) {
    addLegions(map_.findProvince(provinceName), count);
}

void Empire::addLegions(Province& province, int count, const Route& route) {
    for (int i = 0; i < count; ++i) appendLegion(province).giveRoute(route);
}

void Empire::setRouteForLegionsIn(const Province& province, const Route& route) {
    for (auto& l : legions) {
        if (l->province->sameAs(province)) l->giveRoute(route);
    }
}

Legion& Empire::appendLegion(Province& province) {
    legions.push_back(std::make_unique<Legion>(*this, province));
    return *legions.back();
}

bool Empire::removeFirstLegionIn(const Province& province, bool onlyUnmoved) {
    auto it = std::find_if(legions.begin(), legions.end(), [&](const auto& l) {
        return l->province->sameAs(province) && !(onlyUnmoved && l->moved);
    });
    if (it == legions.end()) return false;
    legions.erase(it);
    return true;
}

void Empire::removeLegion(const Legion& legion) {
    int index = indexOf(legion);
    if (index >= 0) legions.erase(legions.begin() + index);
}

int Empire::indexOf(const Legion& legion) const {
    for (std::size_t i = 0; i < legions.size(); ++i) {
        if (legions[i].get() == &legion) return static_cast<int>(i);
    }
    return -1;
}
