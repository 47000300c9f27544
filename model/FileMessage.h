#pragma once
#include <string>
#include <vector>

#include "model/Power.h"

// Why a file could not be read or written, for whoever wants to mend it: one
// whole sentence of the table in FileMessage.cpp and the values it names, so
// that a window can give the sentence in its own language, its words in the
// order that language needs. The English sentences are the catalogue's
// "FileMessages" context.
struct FileMessage {
    const char* text = nullptr;  // one of the sentences below, with %1, %2...
    std::vector<std::string> args;
    // The placeholder (%N) that holds a province's name, which a window shows
    // in its own language; 0: none.
    int nameArgument = 0;
};

// The sentence with its values, as the terminal and the page print it.
std::string englishFileMessage(const FileMessage& message);
// `text` with %1...%9 replaced by `args` in one pass: a value that holds a
// percent sign is never read as a placeholder.
std::string filledPlaceholders(const std::string& text, const std::vector<std::string>& args);

// A file refused unopened or unwritten; no values except SystemReason's %1.
namespace fileopen {
extern const char* const Missing;
extern const char* const NotAllowedToRead;
extern const char* const NameTooLong;
extern const char* const NotAFolderInPath;
extern const char* const TooManyLinks;
extern const char* const SystemReason;
extern const char* const DiskFull;
extern const char* const NoSuchFolder;
extern const char* const NotAllowedToWrite;
extern const char* const ReadOnlyDisk;
extern const char* const FolderHasThatName;
extern const char* const NotAnOrdinaryFile;
extern const char* const FarTooLarge;
extern const char* const ReadOnlyFile;
extern const char* const NoKeptGamesFolder;
}  // namespace fileopen

// A saved game refused as it is read; %1 is always the line.
namespace fileload {
extern const char* const Utf32;
extern const char* const Utf16;
extern const char* const CarriageReturn;
extern const char* const NulByte;
extern const char* const ControlCharacter;  // %2: its code
extern const char* const NotUtf8;
extern const char* const LineTooLong;      // %2: the most characters
extern const char* const BeyondAscii;      // %2: the value
extern const char* const NotAProvince;     // %2: the value
extern const char* const WrongHeader;      // %2: expected, %3: found
extern const char* const LaterVersion;     // %2: section, %3: its version, %4: ours
extern const char* const NotTheExtras;     // %2: expected, %3: found
extern const char* const MoreAfterBriefing;
// A foreign homeland (%2) left out or listed for another power: whole
// sentences for each power that holds one and each that may list it.
const char* homelandMissing(Power home);
const char* homelandListed(Power listed, Power home);
}  // namespace fileload

// One value a saved game holds, in the sentences that name it.
struct FileField {
    const char* endsBefore;  // the file ends before it
    const char* notANumber;  // %2: the value; nullptr for a text
    const char* outOfRange;  // %2: the value, %3 to %4: the range
};

namespace filefield {
extern const FileField Turn, Treasury, PlagueFlag, PlagueCounter, TribeCountdown;
extern const FileField ProvinceCount, ProvinceName, LegionCount, LegionProvince, RouteFlag, Destination;
extern const FileField Invasions, Plagues, Rebellions, TaxRevenue, LegionCost;
// %2: the line expected.
extern const FileField Header;
}  // namespace filefield

// A text the game keeps (the news, the title, the briefing).
struct FileTextSection {
    FileField count;
    FileField line;
    const char* notALine;       // %2: the line
    const char* goesOnFromNothing;
    const char* tooManyLines;   // %2: the most
    const char* asciiOnly;      // nullptr where letters beyond ASCII may stand
    const char* lineTooLong;    // %2: the most characters
    const char* tooLong;        // %2: the most characters
};

namespace filesection {
extern const FileTextSection News, Title, Briefing;
}
