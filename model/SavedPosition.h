#pragma once
#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/FileMessage.h"
#include "model/Power.h"
#include "model/SafeFile.h"

class Province;
class ProvinceMap;

// What a save or a load came to; when `ok` is false, `message` says why and
// `error` is its English, as the terminal and the page show it.
struct FileResult {
    bool ok = true;
    std::string error;
    FileProblem problem = FileProblem::None;
    FileMessage message;
};

inline FileResult refusedFile(const FileMessage& message, FileProblem problem) {
    return {false, englishFileMessage(message), problem, message};
}

// Everything a saved game holds, in the powers' order: read completely and
// checked before anything in a game changes.
struct SavedPosition {
    // Ranges no game reaches but that leave room for hand-made scenarios; the
    // rules keep every value within them: the calendar stops at 9999 AD, the
    // last year with four digits, and the treasury at its most.
    static constexpr int MaxTurn = 9999 - 235;
    static constexpr int MaxTreasury = 1000000000;
    static constexpr int MaxCounter = 10000;

    // What the reader accepts for each number of the file.
    struct Range {
        int min;
        int max;
        bool holds(int value) const { return value >= min && value <= max; }
    };
    static constexpr Range Turns{0, MaxTurn};
    static constexpr Range Treasuries{-MaxTreasury, MaxTreasury};
    // The plague flag and the tribes' countdowns.
    static constexpr Range Counters{-MaxCounter, MaxCounter};
    // A plague's counter runs down a year at a time until the plague ends:
    // one that starts at the lowest count ends a year later one below it.
    static constexpr Range plagueCounters(bool plague) { return {plague ? -MaxCounter : -MaxCounter - 1, MaxCounter}; }

    struct LegionEntry {
        Province* at;
        Province* destination;  // nullptr: standing still
        bool hasRoute = false;  // a route without a destination is written as ERROR
    };
    int turn = 0;
    int treasury = 0;
    bool plague = false;
    int plagueCounter = 0;
    std::array<int, 4> countdown{};
    std::array<std::vector<Province*>, PowerCount> provinces;
    std::array<std::vector<LegionEntry>, PowerCount> legions;

    // What the game keeps beyond the position, in a section of its own after
    // the legions; a file without that section leaves all of it at these
    // values. The reign so far, last year's accounts and the news log:
    int invasions = 0;
    int plagues = 0;
    int rebellions = 0;
    int taxIncome = 0;
    int legionCost = 0;
    std::vector<std::string> news;
    // A scenario's own words (empty: none).
    std::string title;
    std::string briefing;

    // The most each may hold, in characters; the writer cuts what is longer
    // and the reader refuses it. Ten news lines is what the game keeps.
    static constexpr std::size_t MaxNewsLines = 10;
    static constexpr std::size_t MaxNewsLength = 511;
    static constexpr std::size_t MaxTitleLength = 80;
    static constexpr std::size_t MaxBriefingLength = 4000;
};

// A saved game of the largest position the rules can hold is some 50 KB;
// anything far beyond that is not one, and is refused unread with this message.
inline constexpr std::size_t MaxSavedGameBytes = 1 << 20;
inline const char* const TooLargeForASavedGame = fileopen::FarTooLarge;

// The saved-game text; province names are looked up in `map`.
FileResult saveToFile(const std::string& path, const SavedPosition& position);
FileResult loadFromFile(const std::string& path, const ProvinceMap& map, SavedPosition& position);
// The text of a saved game's file, read as carefully as loadFromFile reads it.
FileText readSavedGameFile(const std::string& path);
// The saved game's text, as saveToFile writes it.
std::string savedGameText(const SavedPosition& position);
// The writer and the reader on streams: the same text, the same checks.
void saveToStream(std::ostream& out, const SavedPosition& position);
FileResult loadFromStream(std::istream& in, const ProvinceMap& map, SavedPosition& position);
FileResult loadFromText(const std::string& text, const ProvinceMap& map, SavedPosition& position);
