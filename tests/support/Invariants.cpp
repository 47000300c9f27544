#include "tests/support/Invariants.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "engine/Game.h"

namespace {

// The map's provinces in address order: checked after every order, the rules
// look provinces up without a walk through the table and build no text
// unless something is broken.
class MapIndex {
public:
    explicit MapIndex(const Game& game) : sorted_(game.provinceTable) { std::sort(sorted_.begin(), sorted_.end()); }
    // A place of its own for each province of the map, -1 for anything else.
    int of(const Province* p) const {
        const auto it = std::lower_bound(sorted_.begin(), sorted_.end(), p);
        return it != sorted_.end() && *it == p ? static_cast<int>(it - sorted_.begin()) : -1;
    }

private:
    std::array<Province*, ProvinceCount> sorted_;
};

void checkRoute(Game& game, const MapIndex& map, const Empire& e, const Legion& l, std::vector<std::string>& broken) {
    if (!l.hasRoute) return;
    const auto who = [&] { return e.name + " legion in " + l.province->name(); };
    const int size = static_cast<int>(l.route.size());
    if (size < 2 || l.routeIndex < 0 || l.routeIndex >= size - 1) {
        broken.push_back(who() + ": route index " + std::to_string(l.routeIndex) + " of " + std::to_string(size));
        return;
    }
    for (const Province* p : l.route) {
        if (map.of(p) < 0) {
            broken.push_back(who() + ": route leaves the map");
            return;
        }
    }
    // A foreign legion that won its way into the next province stands there
    // until its next step catches its route index up.
    const Province* here = l.route[static_cast<std::size_t>(l.routeIndex)];
    const Province* next = l.route[static_cast<std::size_t>(l.routeIndex) + 1];
    const bool foreign = &e == &game.barbarians || &e == &game.sassanids;
    if (here != l.province && !(foreign && next == l.province))
        broken.push_back(who() + ": route says " + here->name());
    for (std::size_t i = 0; i + 1 < l.route.size(); ++i) {
        const Province& a = *l.route[i];
        const Province& b = *l.route[i + 1];
        // Invasion armies set out with their start province doubled.
        if (!Province::isNeighbour(b, a) && !(i == 0 && &a == &b))
            broken.push_back(who() + ": route jumps from " + a.name() + " to " + b.name());
    }
}

// Every number a saved game holds stays where the reader accepts it, so that
// whatever is played can be saved and read again.
void checkRanges(Game& game, std::vector<std::string>& broken) {
    const auto check = [&](const char* what, int value, SavedPosition::Range range) {
        if (!range.holds(value)) broken.push_back(std::string(what) + " " + std::to_string(value) + " is beyond what the reader takes");
    };
    check("turn", game.turn, SavedPosition::Turns);
    check("treasury", game.romans.treasury, SavedPosition::Treasuries);
    check("plague counter", game.romans.plagueCounter, SavedPosition::plagueCounters(game.romans.plague));
    for (int c : game.barbarians.tribeCountdown) check("tribe countdown", c, SavedPosition::Counters);
}

}  // namespace

std::vector<std::string> brokenRules(Game& game) {
    std::vector<std::string> broken;
    const MapIndex map(game);
    std::array<bool, ProvinceCount> held{};
    for (Empire* e : game.empires()) {
        std::array<bool, ProvinceCount> own{};
        for (const Province* p : e->provinces) {
            const int i = map.of(p);
            if (i < 0) {
                broken.push_back(e->name + " holds a province off the map");
                continue;
            }
            if (own[static_cast<std::size_t>(i)]) broken.push_back(e->name + " lists " + p->name() + " twice");
            if (held[static_cast<std::size_t>(i)]) broken.push_back(p->name() + " is held by two powers");
            own[static_cast<std::size_t>(i)] = held[static_cast<std::size_t>(i)] = true;
        }
        for (const auto& l : e->legions) {
            if (l->owner != e) broken.push_back(e->name + " has a legion of another power");
            if (map.of(l->province) < 0) {
                broken.push_back(e->name + " has a legion off the map");
                continue;
            }
            checkRoute(game, map, *e, *l, broken);
        }
        if (e->legions.size() > static_cast<std::size_t>(Empire::MaxLegions))
            broken.push_back(e->name + " has " + std::to_string(e->legions.size()) + " legions");
    }
    checkRanges(game, broken);
    if (game.eventLog.size() > 10) broken.push_back("news log longer than 10 lines");
    for (auto a = game.events.begin(), b = std::next(a); a != game.events.end() && b != game.events.end(); ++a, ++b) {
        if ((*a)->year > (*b)->year) broken.push_back("events out of order");
    }
    return broken;
}

std::vector<std::string> brokenInvariants(Game& game) {
    std::vector<std::string> broken = brokenRules(game);
    for (const auto& l : game.romans.legions) {
        // Roman troops never stand where Rome does not rule: they win their
        // way in, and whatever loses a province loses its garrison.
        if (!game.romans.holds(*l->province) && !l->province->isFrontier())
            broken.push_back("a Roman legion stands in " + l->province->name() + ", which Rome does not hold");
    }
    for (const char* name : {"Upper Rhine", "Sarmatia", "Lower Rhine", "Upper Danube", "Lower Danube"}) {
        if (!game.barbarians.holds(game.findProvince(name))) broken.push_back(std::string(name) + " changed hands");
    }
    for (const char* name : {"Armenia", "Mesopotamia"}) {
        if (!game.sassanids.holds(game.findProvince(name))) broken.push_back(std::string(name) + " changed hands");
    }
    if (game.romans.treasury < 0) broken.push_back("treasury " + std::to_string(game.romans.treasury));
    return broken;
}

std::string reloadProblem(Game& game) {
    std::ostringstream saved;
    game.saveToStream(saved);
    const FileResult loaded = game.loadFromText(saved.str());
    if (!loaded.ok) return "its saved game is refused: " + loaded.error;
    std::ostringstream again;
    game.saveToStream(again);
    if (again.str() != saved.str()) return "its saved game loads as another position";
    return "";
}
