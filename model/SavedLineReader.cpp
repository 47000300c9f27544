#include "model/SavedLineReader.h"

#include <string_view>

#include "model/PrintableText.h"

namespace {

constexpr std::size_t MaxLineLength = 79;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

SavedLineReader::SavedLineReader(std::string text) : text_(std::move(text)) {
    // Some editors start UTF-8 text with a byte order mark.
    if (text_.rfind("\xEF\xBB\xBF", 0) == 0) next_ = 3;
}

void SavedLineReader::refuseWideText() const {
    const auto nul = [&](std::size_t i) { return i < text_.size() && text_[i] == '\0'; };
    // UTF-32 keeps two or three NULs together among the first four bytes (in
    // its byte order mark or beside an ASCII letter); UTF-16 never does.
    if (text_.size() >= 4 && (nul(1) ? nul(0) || nul(2) : nul(2) && nul(3)))
        throw LoadError({fileload::Utf32, {"1"}}, FileProblem::NotASavedGame);
    // With a byte order mark, or ASCII with every other byte NUL.
    const bool utf16 = text_.rfind("\xFF\xFE", 0) == 0 || text_.rfind("\xFE\xFF", 0) == 0 ||
                       (text_.size() >= 4 && !nul(0) && nul(1) && !nul(2) && nul(3)) ||
                       (text_.size() >= 4 && nul(0) && !nul(1) && nul(2) && !nul(3));
    if (utf16)
        throw LoadError({fileload::Utf16, {"1"}}, FileProblem::NotASavedGame);
}

void SavedLineReader::fail(const char* text, std::vector<std::string> args) const {
    args.insert(args.begin(), std::to_string(lineNumber_));
    failAt(lineNumber_, {text, std::move(args)});
}

void SavedLineReader::fail(const char* text, FileProblem problem) const {
    throw LoadError({text, {std::to_string(lineNumber_)}}, problem);
}

void SavedLineReader::failAt(int line, FileMessage message) {
    throw LoadError(std::move(message), line <= 1 ? FileProblem::NotASavedGame : FileProblem::Damaged);
}

bool SavedLineReader::nextValueLine(bool whole) {
    if (lineNumber_ == 0) refuseWideText();
    while (next_ < text_.size()) {
        ++lineNumber_;
        std::size_t end = text_.find('\n', next_);
        if (end == std::string::npos) end = text_.size();
        // A view: most lines are read, checked and dropped without a copy.
        std::string_view line(text_.data() + next_, end - next_);
        next_ = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::size_t length = 0;  // in characters, as a person counts them
        for (std::size_t i = 0; i < line.size(); ++length) {
            const unsigned char c = static_cast<unsigned char>(line[i]);
            if (c == '\r') fail(fileload::CarriageReturn);
            if (c == 0) fail(fileload::NulByte, FileProblem::NotASavedGame);
            if ((c < 0x20 && c != '\t') || c == 0x7F) fail(fileload::ControlCharacter, {std::to_string(c)});
            if (c < 0x80) {
                ++i;
                continue;
            }
            const std::size_t n = utf8Length(line, i);
            if (n == 0) fail(fileload::NotUtf8, FileProblem::NotASavedGame);
            i += n;
        }
        if (length > MaxLineLength) fail(fileload::LineTooLong, {std::to_string(MaxLineLength)});

        const std::string_view full = line;
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        std::size_t first = 0;
        while (first < line.size() && isBlank(line[first])) ++first;
        std::size_t last = line.size();
        while (last > first && isBlank(line[last - 1])) --last;
        if (first == last) continue;
        if (whole) {
            value_ = std::string(full.substr(first));
            return true;
        }
        value_ = std::string(line.substr(first, last - first));
        for (char c : value_) {
            if (static_cast<unsigned char>(c) >= 0x80) fail(fileload::BeyondAscii, {printableText(value_)});
        }
        return true;
    }
    return false;
}

std::string SavedLineReader::take(const FileField& what, const std::string& expected, bool whole) {
    if (!nextValueLine(whole)) {
        ++lineNumber_;
        std::vector<std::string> args{std::to_string(lineNumber_)};
        if (!expected.empty()) args.push_back(expected);
        throw LoadError({what.endsBefore, std::move(args)},
                        lineNumber_ <= 1 ? FileProblem::NotASavedGame : FileProblem::CutShort);
    }
    return value_;
}

std::string SavedLineReader::text(const FileField& what, const std::string& expected) {
    return take(what, expected, false);
}

std::string SavedLineReader::wholeLine(const FileField& what) { return take(what, {}, true); }

int SavedLineReader::number(const FileField& what, long long min, long long max) {
    const std::string t = text(what);
    std::size_t i = t[0] == '+' || t[0] == '-' ? 1 : 0;
    if (i == t.size()) fail(what.notANumber, {printableText(t)});
    long long value = 0;
    bool tooLarge = false;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') fail(what.notANumber, {printableText(t)});
        if (value <= 1000000000000LL) value = value * 10 + (t[i] - '0');
        tooLarge = tooLarge || value > 1000000000000LL;
    }
    if (t[0] == '-') value = -value;
    if (tooLarge || value < min || value > max)
        fail(what.outOfRange, {t, std::to_string(min), std::to_string(max)});
    return static_cast<int>(value);
}

bool SavedLineReader::atEnd() { return !nextValueLine(); }
