#include "model/SavedLineReader.h"

namespace {

constexpr std::size_t MaxLineLength = 79;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the UTF-8 sequence that starts the text, 0 when it is not one.
std::size_t utf8Length(const std::string& s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t n = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    else
        return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if (lead == 0xE0 && byte(i + 1) < 0xA0) return 0;
    if (lead == 0xED && byte(i + 1) >= 0xA0) return 0;
    if (lead == 0xF0 && byte(i + 1) < 0x90) return 0;
    if (lead == 0xF4 && byte(i + 1) >= 0x90) return 0;
    return n;
}

}  // namespace

SavedLineReader::SavedLineReader(std::string text) : text_(std::move(text)) {
    // Some editors start UTF-8 text with a byte order mark.
    if (text_.rfind("\xEF\xBB\xBF", 0) == 0) next_ = 3;
}

void SavedLineReader::refuseUtf16() const {
    // With a byte order mark, or ASCII with every other byte NUL.
    const auto nul = [&](std::size_t i) { return i < text_.size() && text_[i] == '\0'; };
    const bool utf16 = text_.rfind("\xFF\xFE", 0) == 0 || text_.rfind("\xFE\xFF", 0) == 0 ||
                       (text_.size() >= 4 && !nul(0) && nul(1) && !nul(2) && nul(3)) ||
                       (text_.size() >= 4 && nul(0) && !nul(1) && nul(2) && !nul(3));
    if (utf16) throw LoadError("Unable to load file: the file is UTF-16 text; save it as plain text (UTF-8) (line 1).");
}

void SavedLineReader::fail(const std::string& why) const {
    throw LoadError("Unable to load file: " + why + " (line " + std::to_string(lineNumber_) + ").");
}

bool SavedLineReader::nextValueLine() {
    if (lineNumber_ == 0) refuseUtf16();
    while (next_ < text_.size()) {
        ++lineNumber_;
        std::size_t end = text_.find('\n', next_);
        if (end == std::string::npos) end = text_.size();
        std::string line = text_.substr(next_, end - next_);
        next_ = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();

        std::size_t length = 0;  // in characters, as a person counts them
        for (std::size_t i = 0; i < line.size(); ++length) {
            const unsigned char c = static_cast<unsigned char>(line[i]);
            if (c == '\r') fail("a carriage return inside a line (lines must end with a line feed)");
            if (c == 0) fail("a NUL byte: this is not a text file");
            if (c < 0x20 && c != '\t') fail("a control character (code " + std::to_string(c) + ")");
            if (c == 0x7F) fail("a control character (code 127)");
            if (c < 0x80) {
                ++i;
                continue;
            }
            const std::size_t n = utf8Length(line, i);
            if (n == 0) fail("a character that is not UTF-8 text");
            i += n;
        }
        if (length > MaxLineLength) fail("the line is longer than 79 characters");

        if (const std::size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::size_t first = 0;
        while (first < line.size() && isBlank(line[first])) ++first;
        std::size_t last = line.size();
        while (last > first && isBlank(line[last - 1])) --last;
        if (first == last) continue;
        value_ = line.substr(first, last - first);
        for (char c : value_) {
            if (static_cast<unsigned char>(c) >= 0x80) fail("\"" + value_ + "\": only comments may hold letters beyond ASCII");
        }
        return true;
    }
    return false;
}

std::string SavedLineReader::text(const char* what) {
    if (!nextValueLine()) {
        ++lineNumber_;
        fail(std::string("the file ends before ") + what);
    }
    return value_;
}

int SavedLineReader::number(const char* what, long long min, long long max) {
    const std::string t = text(what);
    std::size_t i = t[0] == '+' || t[0] == '-' ? 1 : 0;
    if (i == t.size()) fail(std::string("\"") + t + "\" is not a number (expected " + what + ")");
    long long value = 0;
    bool tooLarge = false;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') fail("\"" + t + "\" is not a number (expected " + what + ")");
        if (value <= 1000000000000LL) value = value * 10 + (t[i] - '0');
        tooLarge = tooLarge || value > 1000000000000LL;
    }
    if (t[0] == '-') value = -value;
    if (tooLarge || value < min || value > max)
        fail(std::string(what) + " " + t + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
    return static_cast<int>(value);
}

bool SavedLineReader::atEnd() { return !nextValueLine(); }
