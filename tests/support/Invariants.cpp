#include "tests/support/Invariants.h"

#include <algorithm>
#include <set>

#include "engine/Game.h"

namespace {

bool onMap(Game& game, const Province* p) {
    return std::find(game.provinceTable.begin(), game.provinceTable.end(), p) != game.provinceTable.end();
}

void checkRoute(Game& game, const Empire& e, const Legion& l, std::vector<std::string>& broken) {
    const std::string who = e.name + " legion in " + l.province->name();
    if (!l.hasRoute) return;
    const int size = static_cast<int>(l.route.size());
    if (size < 2 || l.routeIndex < 0 || l.routeIndex >= size - 1) {
        broken.push_back(who + ": route index " + std::to_string(l.routeIndex) + " of " + std::to_string(size));
        return;
    }
    for (const Province* p : l.route) {
        if (!onMap(game, p)) broken.push_back(who + ": route leaves the map");
    }
    // A foreign legion that won its way into the next province stands there
    // until its next step catches its route index up.
    const Province* here = l.route[static_cast<std::size_t>(l.routeIndex)];
    const Province* next = l.route[static_cast<std::size_t>(l.routeIndex) + 1];
    const bool foreign = &e == &game.barbarians || &e == &game.sassanids;
    if (here != l.province && !(foreign && next == l.province))
        broken.push_back(who + ": route says " + here->name());
    for (std::size_t i = 0; i + 1 < l.route.size(); ++i) {
        const Province& a = *l.route[i];
        const Province& b = *l.route[i + 1];
        // Invasion armies set out with their start province doubled.
        if (!Province::isNeighbour(b, a) && !(i == 0 && &a == &b))
            broken.push_back(who + ": route jumps from " + a.name() + " to " + b.name());
    }
}

}  // namespace

std::vector<std::string> brokenInvariants(Game& game) {
    std::vector<std::string> broken;
    std::set<const Province*> held;
    for (Empire* e : game.empires()) {
        std::set<const Province*> own;
        for (const Province* p : e->provinces) {
            if (!onMap(game, p)) broken.push_back(e->name + " holds a province off the map");
            if (!own.insert(p).second) broken.push_back(e->name + " lists " + p->name() + " twice");
            if (!held.insert(p).second) broken.push_back(p->name() + " is held by two powers");
        }
        for (const auto& l : e->legions) {
            if (l->owner != e) broken.push_back(e->name + " has a legion of another power");
            if (!onMap(game, l->province)) {
                broken.push_back(e->name + " has a legion off the map");
                continue;
            }
            checkRoute(game, *e, *l, broken);
            // Roman troops never stand where Rome does not rule: they win
            // their way in, and whatever loses a province loses its garrison.
            if (e == &game.romans && !e->holds(*l->province) && !l->province->isFrontier())
                broken.push_back("a Roman legion stands in " + l->province->name() + ", which Rome does not hold");
        }
    }
    for (const char* name : {"Upper Rhine", "Sarmatia", "Lower Rhine", "Upper Danube", "Lower Danube"}) {
        if (!game.barbarians.holds(game.findProvince(name))) broken.push_back(std::string(name) + " changed hands");
    }
    for (const char* name : {"Armenia", "Mesopotamia"}) {
        if (!game.sassanids.holds(game.findProvince(name))) broken.push_back(std::string(name) + " changed hands");
    }
    if (game.romans.treasury < 0) broken.push_back("treasury " + std::to_string(game.romans.treasury));
    if (game.eventLog.size() > 10) broken.push_back("news log longer than 10 lines");
    for (auto a = game.events.begin(), b = std::next(a); a != game.events.end() && b != game.events.end(); ++a, ++b) {
        if ((*a)->year > (*b)->year) broken.push_back("events out of order");
    }
    return broken;
}
