#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <istream>
#include <ostream>

#include "model/Empire.h"
#include "model/ProvinceMap.h"
#include "model/PrintableText.h"
#include "model/SafeFile.h"
#include "model/SavedExtras.h"
#include "model/SavedLineReader.h"
#include "model/SavedPosition.h"
#include "model/TextBuilder.h"

namespace {

int number(SavedLineReader& reader, const FileField& what, SavedPosition::Range range) {
    return reader.number(what, range.min, range.max);
}

Province* readProvince(SavedLineReader& reader, const ProvinceMap& map, const FileField& what) {
    const std::string name = reader.text(what);
    Province* p = map.provinceNamed(name);
    if (p == nullptr) reader.fail(fileload::NotAProvince, {printableText(name)});
    return p;
}

// Section headers name their power, so that a section that went missing or a
// count one too low is found at once instead of shifting every power's lands.
void readHeader(SavedLineReader& reader, Power power, const char* suffix) {
    const std::string expected = std::string(powerName(power)) + suffix;
    const std::string found = reader.text(filefield::Header, expected);
    const bool same = found.size() == expected.size() &&
                      std::equal(found.begin(), found.end(), expected.begin(), [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
    if (!same) reader.fail(fileload::WrongHeader, {expected, printableText(found)});
}

// Where the reader found each province, by its place in the map's table: the
// line (0 when it is not listed) and the power whose list kept it.
struct Listings {
    std::array<int, ProvinceCount> line{};
    std::array<Power, ProvinceCount> power{};
    std::array<int, PowerCount> headerLine{};
};

// The foreign homelands never change hands in a game, nor in the editor;
// every invasion sets out from them. A refusal points at the line that gave
// one away, or at the header of the list that lacks it.
void checkHomelands(const ProvinceMap& map, const Listings& listed) {
    for (std::size_t i = 0; i < ProvinceCount; ++i) {
        const Province* p = map.provinceTable[i];
        if (!p->isFrontier()) continue;
        const Power home = p->name() == "Armenia" || p->name() == "Mesopotamia" ? Power::Sassanids : Power::Barbarians;
        const bool missing = listed.line[i] == 0;
        if (!missing && listed.power[i] == home) continue;
        const int line = missing ? listed.headerLine[static_cast<std::size_t>(home)] : listed.line[i];
        const char* text = missing ? fileload::homelandMissing(home) : fileload::homelandListed(listed.power[i], home);
        SavedLineReader::failAt(line, {text, {std::to_string(line), p->name()}, 2});
    }
}

SavedPosition readPosition(const std::string& text, const ProvinceMap& map) {
    SavedLineReader reader(text);
    SavedPosition pos;
    pos.turn = number(reader, filefield::Turn, SavedPosition::Turns);
    pos.treasury = number(reader, filefield::Treasury, SavedPosition::Treasuries);
    // Only 1 means plague; other values have always read as none.
    pos.plague = number(reader, filefield::PlagueFlag, SavedPosition::Counters) == 1;
    pos.plagueCounter = number(reader, filefield::PlagueCounter, SavedPosition::plagueCounters(pos.plague));
    for (int& c : pos.countdown) c = number(reader, filefield::TribeCountdown, SavedPosition::Counters);

    Listings listed;
    for (Power power : AllPowers) {
        readHeader(reader, power, "-provinces");
        listed.headerLine[static_cast<std::size_t>(power)] = reader.line();
        const int n = reader.number(filefield::ProvinceCount, 0, ProvinceCount);
        for (int i = 0; i < n; ++i) {
            Province* p = readProvince(reader, map, filefield::ProvinceName);
            const auto place = static_cast<std::size_t>(map.indexOf(*p));
            // A province listed twice stays with the first power that lists it.
            if (listed.line[place] != 0) continue;
            listed.line[place] = reader.line();
            listed.power[place] = power;
            pos.provinces[static_cast<std::size_t>(power)].push_back(p);
        }
    }
    checkHomelands(map, listed);
    for (Power power : AllPowers) {
        readHeader(reader, power, "-Legions");
        const int n = reader.number(filefield::LegionCount, 0, Empire::MaxLegions);
        for (int i = 0; i < n; ++i) {
            SavedPosition::LegionEntry entry{readProvince(reader, map, filefield::LegionProvince), nullptr};
            if (reader.number(filefield::RouteFlag, 0, 1) != 0) {
                entry.destination = readProvince(reader, map, filefield::Destination);
                entry.hasRoute = true;
            }
            pos.legions[static_cast<std::size_t>(power)].push_back(entry);
        }
    }
    readExtras(reader, pos);
    return pos;
}

}  // namespace

std::string savedGameText(const SavedPosition& game) {
    TextBuilder out;
    char line[128];
    auto number = [&](int value, const char* comment) {
        std::snprintf(line, sizeof line, "%d   # %s\n", value, comment);
        out << line;
    };
    number(game.turn, "turn");
    number(game.treasury, "treasury");
    number(game.plague ? 1 : 0, "plague");
    number(game.plagueCounter, "plague counter");
    for (int c : game.countdown) number(c, "roman tribute owned by barbarians");
    for (Power e : AllPowers) {
        const auto& provinces = game.provinces[static_cast<std::size_t>(e)];
        out << powerName(e) << "-provinces\n" << provinces.size() << "    #    number of provinces\n";
        for (Province* p : provinces) out << p->name() << '\n';
    }
    for (Power e : AllPowers) {
        const auto& legions = game.legions[static_cast<std::size_t>(e)];
        out << powerName(e) << "-Legions\n" << legions.size() << "     #    number of legions\n";
        for (const auto& l : legions) {
            out << l.at->name() << "   # current province\n";
            if (l.hasRoute) {
                out << "1    #   has a route\n";
                if (l.destination == nullptr)
                    out << "ERROR\n";
                else
                    out << l.destination->name() << "    #   destination\n";
            } else {
                out << "0    #   no route\n";
            }
        }
    }
    writeExtras(out, game);
    return out.str();
}

void saveToStream(std::ostream& out, const SavedPosition& position) { out << savedGameText(position); }

FileResult saveToFile(const std::string& path, const SavedPosition& position) {
    const FileMessage error = writeFileDurably(path, savedGameText(position));
    if (error.text != nullptr) return refusedFile(error, FileProblem::Unwritten);
    return {};
}

FileText readSavedGameFile(const std::string& path) { return readRegularFile(path, MaxSavedGameBytes); }

FileResult loadFromFile(const std::string& path, const ProvinceMap& map, SavedPosition& position) {
    const FileText file = readSavedGameFile(path);
    if (!file.ok) return refusedFile(file.error, FileProblem::Unopened);
    return loadFromText(file.text, map, position);
}

FileResult loadFromStream(std::istream& in, const ProvinceMap& map, SavedPosition& position) {
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxSavedGameBytes) return refusedFile({fileopen::FarTooLarge, {}}, FileProblem::Unopened);
    }
    return loadFromText(text, map, position);
}

FileResult loadFromText(const std::string& text, const ProvinceMap& map, SavedPosition& position) {
    try {
        position = readPosition(text, map);
    } catch (const LoadError& e) {
        return refusedFile(e.message, e.problem);
    }
    return {};
}
