#include "model/FileMessage.h"

#include <array>

#include "model/TranslationMarks.h"

std::string filledPlaceholders(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string englishFileMessage(const FileMessage& message) {
    return message.text == nullptr ? std::string() : filledPlaceholders(message.text, message.args);
}

namespace fileopen {
const char* const Missing = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file");
const char* const NotAllowedToRead = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: you are not allowed to read it.");
const char* const NameTooLong = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the name is too long.");
const char* const NotAFolderInPath = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: a part of the path is not a folder.");
const char* const TooManyLinks = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the path has too many links.");
const char* const SystemReason = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: %1.");
const char* const DiskFull = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the disk is full; free some space or save elsewhere.");
const char* const NoSuchFolder = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the folder does not exist.");
const char* const NotAllowedToWrite = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: you are not allowed to write in that folder.");
const char* const ReadOnlyDisk = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the disk is read-only.");
const char* const FolderHasThatName = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: a folder has that name.");
const char* const NotAnOrdinaryFile =
    QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: it is not an ordinary file (a pipe, a device or a socket).");
const char* const FarTooLarge = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: it is far too large to be a saved game.");
const char* const ReadOnlyFile = QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the file is read-only; save under another name.");
const char* const NoKeptGamesFolder =
    QT_TRANSLATE_NOOP("FileMessages", "Unable to open file: the folder for kept games cannot be made.");
}  // namespace fileopen

namespace fileload {
const char* const Utf32 = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file is UTF-32 text; save it as plain text (UTF-8) (line %1).");
const char* const Utf16 = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line %1).");
const char* const CarriageReturn =
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a carriage return inside a line (lines must end with a line feed) (line %1).");
const char* const NulByte = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a NUL byte: this is not a text file (line %1).");
const char* const ControlCharacter = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a control character (code %2) (line %1).");
const char* const NotUtf8 = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a character that is not UTF-8 text (line %1).");
const char* const LineTooLong = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the line is longer than %2 characters (line %1).");
const char* const BeyondAscii =
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\": only comments may hold letters beyond ASCII (line %1).");
const char* const NotAProvince = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a province of the map (line %1).");
const char* const WrongHeader = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: expected the line \"%2\", found \"%3\" (line %1).");
const char* const LaterVersion = QT_TRANSLATE_NOOP("FileMessages", 
    "Unable to load file: the file was written by a later Aurovane (its %2 section is of version %3; this one reads "
    "version %4) (line %1).");
const char* const NotTheExtras = QT_TRANSLATE_NOOP("FileMessages", 
    "Unable to load file: expected the end of the file or the line \"%2\" after the last legion section, found "
    "\"%3\" (line %1).");
const char* const MoreAfterBriefing = QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: there is more after the briefing (line %1).");

const char* homelandMissing(Power home) {
    return home == Power::Sassanids
               ? QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is not listed, but the Sassanids always hold it (line %1).")
               : QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is not listed, but the Germanic Tribes always hold it (line %1).");
}

const char* homelandListed(Power listed, Power home) {
    // By the power that lists it, for each power that holds a homeland.
    static constexpr std::array<const char*, PowerCount> OfTheSassanids = {
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is listed for the Romans, but the Sassanids always hold it (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is listed for the Germanic Tribes, but the Sassanids always hold it (line %1)."),
        nullptr,
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is listed for the Rebelling Legions, but the Sassanids always hold it (line %1)."),
    };
    static constexpr std::array<const char*, PowerCount> OfTheTribes = {
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is listed for the Romans, but the Germanic Tribes always hold it (line %1)."),
        nullptr,
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: %2 is listed for the Sassanids, but the Germanic Tribes always hold it (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", 
            "Unable to load file: %2 is listed for the Rebelling Legions, but the Germanic Tribes always hold it (line %1)."),
    };
    return (home == Power::Sassanids ? OfTheSassanids : OfTheTribes)[static_cast<std::size_t>(listed)];
}
}  // namespace fileload

namespace filefield {
const FileField Turn = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the turn (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the turn) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the turn %2 is out of range (%3 to %4) (line %1)."),
};
const FileField Treasury = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the treasury (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the treasury) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the treasury %2 is out of range (%3 to %4) (line %1)."),
};
const FileField PlagueFlag = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the plague flag (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the plague flag) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the plague flag %2 is out of range (%3 to %4) (line %1)."),
};
const FileField PlagueCounter = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the plague counter (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the plague counter) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the plague counter %2 is out of range (%3 to %4) (line %1)."),
};
const FileField TribeCountdown = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a tribe countdown (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected a tribe countdown) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a tribe countdown %2 is out of range (%3 to %4) (line %1)."),
};
const FileField ProvinceCount = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of provinces (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of provinces) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of provinces %2 is out of range (%3 to %4) (line %1)."),
};
const FileField ProvinceName = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a province name (line %1)."),
    nullptr,
    nullptr,
};
const FileField LegionCount = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of legions (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of legions) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of legions %2 is out of range (%3 to %4) (line %1)."),
};
const FileField LegionProvince = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a legion's province (line %1)."),
    nullptr,
    nullptr,
};
const FileField RouteFlag = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a legion's route flag (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected a legion's route flag) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a legion's route flag %2 is out of range (%3 to %4) (line %1)."),
};
const FileField Destination = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a legion's destination (line %1)."),
    nullptr,
    nullptr,
};
const FileField Invasions = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of invasions (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of invasions) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of invasions %2 is out of range (%3 to %4) (line %1)."),
};
const FileField Plagues = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of plagues (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of plagues) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of plagues %2 is out of range (%3 to %4) (line %1)."),
};
const FileField Rebellions = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of rebellions (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of rebellions) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of rebellions %2 is out of range (%3 to %4) (line %1)."),
};
const FileField TaxRevenue = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before last year's tax revenue (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected last year's tax revenue) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: last year's tax revenue %2 is out of range (%3 to %4) (line %1)."),
};
const FileField LegionCost = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before last year's legion cost (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected last year's legion cost) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: last year's legion cost %2 is out of range (%3 to %4) (line %1)."),
};
const FileField Header = {
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the line \"%2\" (line %1)."),
    nullptr,
    nullptr,
};
}  // namespace filefield

namespace filesection {
const FileTextSection News = {
    {
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of lines of the news (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of lines of the news) (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of lines of the news %2 is out of range (%3 to %4) (line %1)."),
    },
    {QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a line of the news (line %1)."), nullptr, nullptr},
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a line of the news (they begin with > or +) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a line of the news goes on (+) from no line before it (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: more than %2 lines in the news (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the news may hold only ASCII letters (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a line of the news is longer than %2 characters (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the news is longer than %2 characters (line %1)."),
};
const FileTextSection Title = {
    {
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of lines of the title (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of lines of the title) (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of lines of the title %2 is out of range (%3 to %4) (line %1)."),
    },
    {QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a line of the title (line %1)."), nullptr, nullptr},
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a line of the title (they begin with > or +) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a line of the title goes on (+) from no line before it (line %1)."),
    // The title is one line.
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: more than %2 line in the title (line %1)."),
    nullptr,
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a line of the title is longer than %2 characters (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the title is longer than %2 characters (line %1)."),
};
const FileTextSection Briefing = {
    {
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before the number of lines of the briefing (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a number (expected the number of lines of the briefing) (line %1)."),
        QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the number of lines of the briefing %2 is out of range (%3 to %4) (line %1)."),
    },
    {QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the file ends before a line of the briefing (line %1)."), nullptr, nullptr},
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: \"%2\" is not a line of the briefing (they begin with > or +) (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a line of the briefing goes on (+) from no line before it (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: more than %2 lines in the briefing (line %1)."),
    nullptr,
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: a line of the briefing is longer than %2 characters (line %1)."),
    QT_TRANSLATE_NOOP("FileMessages", "Unable to load file: the briefing is longer than %2 characters (line %1)."),
};
}  // namespace filesection
