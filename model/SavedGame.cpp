#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <istream>
#include <sstream>

#include "model/Game.h"
#include "model/SafeFile.h"
#include "model/SavedLineReader.h"

namespace {

// A saved game of the largest position the rules can hold is some 50 KB;
// anything far beyond that is not one.
constexpr std::size_t MaxFileBytes = 1 << 20;

// Ranges that no game reaches but that leave room for hand-made scenarios; the
// rules never carry a value out of them (the treasury saturates).
constexpr int MaxTurn = 1000;
constexpr int MaxCounter = 10000;

// A position read completely and checked before anything in the game changes.
struct SavedPosition {
    struct LegionEntry {
        Province* at;
        Province* destination;  // nullptr: standing still
    };
    int turn = 0;
    int treasury = 0;
    bool plague = false;
    int plagueCounter = 0;
    std::array<int, 4> countdown{};
    std::array<std::vector<Province*>, 4> provinces;
    std::array<std::vector<LegionEntry>, 4> legions;
};

Province* readProvince(SavedLineReader& reader, const Game& game, const char* what) {
    const std::string name = reader.text(what);
    Province* p = game.provinceNamed(name);
    if (p == nullptr) reader.fail("\"" + name + "\" is not a province of the map");
    return p;
}

// Section headers name their power, so that a section that went missing or a
// count one too low is found at once instead of shifting every power's lands.
void readHeader(SavedLineReader& reader, const Empire& empire, const char* suffix) {
    const std::string expected = empire.name + suffix;
    const std::string found = reader.text(("the line \"" + expected + "\"").c_str());
    const bool same = found.size() == expected.size() &&
                      std::equal(found.begin(), found.end(), expected.begin(), [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
    if (!same) reader.fail("expected the line \"" + expected + "\", found \"" + found + "\"");
}

SavedPosition readPosition(const std::string& text, Game& game) {
    SavedLineReader reader(text);
    SavedPosition pos;
    pos.turn = reader.number("the turn", 0, MaxTurn);
    pos.treasury = reader.number("the treasury", -RomanEmpire::MaxTreasury, RomanEmpire::MaxTreasury);
    // Only 1 means plague; other values have always read as none.
    pos.plague = reader.number("the plague flag", -MaxCounter, MaxCounter) == 1;
    pos.plagueCounter = reader.number("the plague counter", -MaxCounter, MaxCounter);
    for (int& c : pos.countdown) c = reader.number("a tribe countdown", -MaxCounter, MaxCounter);

    const auto empires = game.empires();
    std::vector<Province*> taken;
    for (std::size_t e = 0; e < empires.size(); ++e) {
        readHeader(reader, *empires[e], "-provinces");
        const int n = reader.number("the number of provinces", 0, ProvinceCount);
        for (int i = 0; i < n; ++i) {
            Province* p = readProvince(reader, game, "a province name");
            // A province listed twice stays with the first power that lists it.
            if (std::find(taken.begin(), taken.end(), p) != taken.end()) continue;
            taken.push_back(p);
            pos.provinces[e].push_back(p);
        }
    }
    // The foreign homelands never change hands in a game, nor in the editor;
    // every invasion sets out from them.
    for (const Province* p : game.provinceTable) {
        if (!p->isFrontier()) continue;
        const std::size_t home = p->name() == "Armenia" || p->name() == "Mesopotamia" ? 2 : 1;
        const auto& held = pos.provinces[home];
        if (std::find(held.begin(), held.end(), p) == held.end())
            reader.fail(p->name() + " is not listed for the " + empires[home]->name + ", who always hold it");
    }
    for (std::size_t e = 0; e < empires.size(); ++e) {
        readHeader(reader, *empires[e], "-Legions");
        const int n = reader.number("the number of legions", 0, Empire::MaxLegions);
        for (int i = 0; i < n; ++i) {
            SavedPosition::LegionEntry entry{readProvince(reader, game, "a legion's province"), nullptr};
            if (reader.number("a legion's route flag", 0, 1) != 0)
                entry.destination = readProvince(reader, game, "a legion's destination");
            pos.legions[e].push_back(entry);
        }
    }
    if (!reader.atEnd()) reader.fail("there is more after the last legion section");
    return pos;
}

void applyPosition(Game& game, const SavedPosition& pos) {
    game.turn = pos.turn;
    game.romans.treasury = pos.treasury;
    game.romans.plague = pos.plague;
    game.romans.plagueCounter = pos.plagueCounter;
    game.barbarians.tribeCountdown = pos.countdown;
    const auto empires = game.empires();
    for (std::size_t e = 0; e < empires.size(); ++e) {
        empires[e]->provinces.clear();
        for (Province* p : pos.provinces[e]) empires[e]->addProvince(*p);
    }
    for (std::size_t e = 0; e < empires.size(); ++e) {
        empires[e]->deleteAllLegions();
        for (const auto& entry : pos.legions[e]) {
            Legion& legion = empires[e]->appendLegion(*entry.at);
            if (entry.destination == nullptr || entry.destination->sameAs(*entry.at)) continue;
            // A destination that cannot be reached leaves the legion standing.
            legion.giveRoute(game.findRoute(*entry.at, *entry.destination));
        }
    }
}

std::string positionText(Game& game) {
    std::ostringstream out;
    char line[128];
    auto number = [&](int value, const char* comment) {
        std::snprintf(line, sizeof line, "%d   # %s\n", value, comment);
        out << line;
    };
    number(game.turn, "turn");
    number(game.romans.treasury, "treasury");
    number(game.romans.plague ? 1 : 0, "plague");
    number(game.romans.plagueCounter, "plague counter");
    for (int c : game.barbarians.tribeCountdown) number(c, "roman tribute owned by barbarians");
    for (Empire* e : game.empires()) {
        out << e->name << "-provinces\n" << e->provinces.size() << "    #    number of provinces\n";
        for (Province* p : e->provinces) out << p->name() << '\n';
    }
    for (Empire* e : game.empires()) {
        out << e->name << "-Legions\n" << e->legions.size() << "     #    number of legions\n";
        for (const auto& l : e->legions) {
            out << l->province->name() << "   # current province\n";
            if (l->hasRoute) {
                out << "1    #   has a route\n";
                if (l->route.empty())
                    out << "ERROR\n";
                else
                    out << l->route.back()->name() << "    #   destination\n";
            } else {
                out << "0    #   no route\n";
            }
        }
    }
    return out.str();
}

}  // namespace

void Game::saveToStream(std::ostream& out) { out << positionText(*this); }

FileResult Game::saveToFile(const std::string& path) {
    const std::string error = writeFileDurably(path, positionText(*this));
    if (!error.empty()) return {false, error};
    return {};
}

FileResult Game::loadFromFile(const std::string& path) {
    const FileText file = readRegularFile(path, MaxFileBytes);
    if (!file.ok) return {false, file.error};
    return loadFromText(file.text);
}

FileResult Game::loadFromStream(std::istream& in) {
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxFileBytes) return {false, "Unable to open file: it is far too large to be a saved game."};
    }
    return loadFromText(text);
}

FileResult Game::loadFromText(const std::string& text) {
    try {
        applyPosition(*this, readPosition(text, *this));
    } catch (const LoadError& e) {
        return {false, e.text};
    }
    return {};
}
