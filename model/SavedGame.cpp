#include <array>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "model/ProvinceMap.h"
#include "model/SavedPosition.h"

namespace {

constexpr std::size_t MaxLineLength = 79;
constexpr long long MaxCount = 10000;

class LoadError {
public:
    explicit LoadError(std::string text) : text(std::move(text)) {}
    std::string text;
};

// Reads the lines of a saved game: comments cut at the first '#', trailing
// blanks dropped, every failure reported with its line number.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    std::string text(const char* what) {
        std::string line;
        int c = in_.get();
        if (c == EOF) {
            atEnd_ = true;
            fail(std::string("the file ends before ") + what);
        }
        ++number_;
        // Never more than a line's worth in memory, whatever the file holds.
        for (; c != EOF && c != '\n'; c = in_.get()) {
            line.push_back(static_cast<char>(c));
            if (line.size() > MaxLineLength + 1) break;
        }
        if (!line.empty() && line.back() == '\r' && c == '\n') line.pop_back();
        if (line.size() > MaxLineLength) fail("the line is longer than 79 characters");
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        return line;
    }

    // Whole-number conversion as C does it: leading blanks, a sign, digits up to
    // the first other character; no digits read as 0.
    long long number(const char* what) {
        const std::string t = text(what);
        std::size_t i = 0;
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
        bool negative = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
        long long value = 0;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
            value = value * 10 + (t[i] - '0');
            if (value > INT_MAX + 1LL) fail(std::string("the number for ") + what + " is too large");
        }
        value = negative ? -value : value;
        if (value > INT_MAX || value < INT_MIN) fail(std::string("the number for ") + what + " is too large");
        return value;
    }

    int count(const char* what) {
        const long long n = number(what);
        if (n > MaxCount) fail(std::string("too many ") + what);
        return n > 0 ? static_cast<int>(n) : 0;
    }

    Province* province(const ProvinceMap& game, const char* what) {
        const std::string name = text(what);
        Province* p = game.provinceNamed(name);
        if (p == nullptr) fail("\"" + name + "\" is not a province of the map");
        return p;
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw LoadError("Unable to load file: " + why + " (line " + std::to_string(atEnd_ ? number_ + 1 : number_) + ").");
    }

private:
    std::istream& in_;
    int number_ = 0;
    bool atEnd_ = false;
};

SavedPosition readPosition(std::istream& in, const ProvinceMap& game) {
    LineReader reader(in);
    SavedPosition pos;
    pos.turn = static_cast<int>(reader.number("the turn"));
    if (pos.turn > INT_MAX / 2 || pos.turn < INT_MIN / 2) reader.fail("the turn is out of range");
    pos.treasury = static_cast<int>(reader.number("the treasury"));
    pos.plague = reader.number("the plague") == 1;
    pos.plagueCounter = static_cast<int>(reader.number("the plague counter"));
    for (int& c : pos.countdown) c = static_cast<int>(reader.number("the tribe countdowns"));

    std::vector<Province*> taken;
    for (auto& list : pos.provinces) {
        reader.text("a province section");
        const int n = reader.count("provinces");
        for (int i = 0; i < n; ++i) {
            Province* p = reader.province(game, "a province name");
            // A province listed twice stays with the first power that lists it.
            if (std::find(taken.begin(), taken.end(), p) != taken.end()) continue;
            taken.push_back(p);
            list.push_back(p);
        }
    }
    for (auto& list : pos.legions) {
        reader.text("a legion section");
        const int n = reader.count("legions");
        for (int i = 0; i < n; ++i) {
            SavedPosition::LegionEntry entry{reader.province(game, "a legion's province"), nullptr};
            if (reader.number("a legion's route flag") != 0) {
                entry.destination = reader.province(game, "a destination");
                entry.hasRoute = true;
            }
            list.push_back(entry);
        }
    }
    return pos;
}

std::string positionText(const SavedPosition& game) {
    std::ostringstream out;
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
    return out.str();
}

}  // namespace

// Written beside the target and renamed over it, so that a crash or a full
// disk never leaves a half-written save or destroys the old one.
void saveToStream(std::ostream& out, const SavedPosition& position) { out << positionText(position); }

FileResult saveToFile(const std::string& path, const SavedPosition& position) {
    const std::string text = positionText(position);
    const std::filesystem::path target(path);
    std::filesystem::path temp = target;
    temp += ".saving";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) out << text;
        if (out) out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return {false, "Unable to open file!"};
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return {false, "Unable to open file!"};
    }
    return {};
}

FileResult loadFromFile(const std::string& path, const ProvinceMap& map, SavedPosition& position) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {false, "Unable to open file"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, "Unable to open file"};
    return loadFromStream(in, map, position);
}

FileResult loadFromStream(std::istream& in, const ProvinceMap& map, SavedPosition& position) {
    try {
        position = readPosition(in, map);
    } catch (const LoadError& e) {
        return {false, e.text};
    }
    return {};
}
