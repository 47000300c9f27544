#include "model/SavedExtras.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "model/PrintableText.h"
#include "model/SavedLineReader.h"
#include "model/SavedPosition.h"

namespace {

// A text runs over as many file lines as it needs: '>' starts one of its
// lines, '+' goes on with the line before, so that no file line passes the
// reader's 79 characters.
constexpr std::size_t CharactersPerFileLine = 72;
// The most file lines the writer can give a text: a briefing of nothing but
// line breaks.
constexpr int MaxFileLinesPerText = static_cast<int>(SavedPosition::MaxBriefingLength) + 1;
constexpr SavedPosition::Range Tallies{0, SavedPosition::MaxTreasury};

// What a file line can carry: UTF-8 without control characters other than
// the tab (and the line feeds that part a text's lines, where it has them).
std::string writable(const std::string& text, bool lines, std::size_t most) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t n = utf8Length(text, i);
        if (c == '\r') {
            // Windows line ends: the line feed alone parts the lines.
        } else if (c == '\n' && lines) {
            out += '\n';
        } else if (c < 0x20 && c != '\t') {
            out += ' ';
        } else if (c == 0x7F || n == 0) {
            out += '?';
        } else {
            out.append(text, i, n);
        }
        i += n == 0 ? 1 : n;
    }
    return firstCharacters(out, most);
}

void writeNumber(std::ostream& out, int value, const char* comment) {
    char line[96];
    std::snprintf(line, sizeof line, "%d   # %s\n", value, comment);
    out << line;
}

// The count of file lines, then the lines: each of `texts` starts a line.
void writeTexts(std::ostream& out, const std::vector<std::string>& texts, const char* comment) {
    std::vector<std::string> fileLines;
    for (const std::string& text : texts) {
        char marker = '>';
        std::string rest = text;
        do {
            const std::string piece = firstCharacters(rest, CharactersPerFileLine);
            fileLines.push_back(piece.empty() ? std::string(1, marker) : std::string(1, marker) + ' ' + piece);
            rest.erase(0, piece.size());
            marker = '+';
        } while (!rest.empty());
    }
    writeNumber(out, static_cast<int>(fileLines.size()), comment);
    for (const std::string& line : fileLines) out << line << '\n';
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == '\n')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) out += (i > 0 ? "\n" : "") + lines[i];
    return out;
}

struct TextLimits {
    const char* what;  // as a message names it: "the news"
    std::size_t texts;
    std::size_t each;   // characters of one text
    std::size_t total;  // characters of all of them with their line breaks
    bool asciiOnly;
};

std::vector<std::string> readTexts(SavedLineReader& reader, const TextLimits& limits) {
    const std::string what(limits.what);
    const int count = reader.number(("the number of lines of " + what).c_str(), 0, MaxFileLinesPerText);
    std::vector<std::string> texts;
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        const std::string line = reader.wholeLine(("a line of " + what).c_str());
        const char marker = line[0];
        if (marker != '>' && marker != '+')
            reader.fail(SavedLineReader::quoted(line) + " is not a line of " + what + " (they begin with > or +)");
        if (marker == '+' && texts.empty()) reader.fail("a line of " + what + " goes on (+) from no line before it");
        if (marker == '>' && texts.size() == limits.texts)
            reader.fail("more than " + std::to_string(limits.texts) + (limits.texts == 1 ? " line in " : " lines in ") +
                        what);
        const std::string piece = line.substr(line.size() > 1 && line[1] == ' ' ? 2 : 1);
        if (limits.asciiOnly) {
            for (char c : piece)
                if (static_cast<unsigned char>(c) >= 0x80) reader.fail(what + " may hold only ASCII letters");
        }
        if (marker == '>') {
            total += texts.empty() ? 0 : 1;
            texts.emplace_back();
        }
        texts.back() += piece;
        total += characterCount(piece);
        if (characterCount(texts.back()) > limits.each)
            reader.fail("a line of " + what + " is longer than " + std::to_string(limits.each) + " characters");
        if (total > limits.total) reader.fail(what + " is longer than " + std::to_string(limits.total) + " characters");
    }
    return texts;
}

void readHeader(SavedLineReader& reader) {
    const std::string found = reader.last();
    const std::string name(ExtrasHeader);
    const std::string expected = name + " " + std::to_string(ExtrasVersion);
    if (found == expected) return;
    const std::string version = found.rfind(name + " ", 0) == 0 ? found.substr(name.size() + 1) : std::string();
    const bool number =
        !version.empty() && version.size() < 9 && version.find_first_not_of("0123456789") == std::string::npos;
    if (number && std::stoi(version) > ExtrasVersion)
        reader.fail("the file was written by a later Aurovane (its " + name + " section is of version " + version +
                    "; this one reads version " + std::to_string(ExtrasVersion) + ")");
    reader.fail("expected the end of the file or the line \"" + expected + "\" after the last legion section, found " +
                SavedLineReader::quoted(found));
}

}  // namespace

void writeExtras(std::ostream& out, const SavedPosition& p) {
    out << ExtrasHeader << ' ' << ExtrasVersion << "   # what the game keeps beyond the lines above\n";
    writeNumber(out, p.invasions, "invasions");
    writeNumber(out, p.plagues, "plagues");
    writeNumber(out, p.rebellions, "rebellions");
    writeNumber(out, p.taxIncome, "tax revenue last year");
    writeNumber(out, p.legionCost, "legion cost last year");
    std::vector<std::string> news;
    for (std::size_t i = p.news.size() > SavedPosition::MaxNewsLines ? p.news.size() - SavedPosition::MaxNewsLines : 0;
         i < p.news.size(); ++i)
        news.push_back(firstCharacters(printableText(p.news[i]), SavedPosition::MaxNewsLength));
    writeTexts(out, news, "lines of news");
    const std::string title = writable(p.title, false, SavedPosition::MaxTitleLength);
    writeTexts(out, title.empty() ? std::vector<std::string>{} : std::vector<std::string>{title}, "lines of title");
    const std::string briefing = writable(p.briefing, true, SavedPosition::MaxBriefingLength);
    writeTexts(out, briefing.empty() ? std::vector<std::string>{} : lines(briefing), "lines of briefing");
}

void readExtras(SavedLineReader& reader, SavedPosition& p) {
    if (reader.atEnd()) return;
    readHeader(reader);
    p.invasions = reader.number("the number of invasions", Tallies.min, Tallies.max);
    p.plagues = reader.number("the number of plagues", Tallies.min, Tallies.max);
    p.rebellions = reader.number("the number of rebellions", Tallies.min, Tallies.max);
    p.taxIncome = reader.number("last year's tax revenue", Tallies.min, Tallies.max);
    p.legionCost = reader.number("last year's legion cost", Tallies.min, Tallies.max);
    const std::size_t news = SavedPosition::MaxNewsLines, eachNews = SavedPosition::MaxNewsLength;
    p.news = readTexts(reader, {"the news", news, eachNews, news * (eachNews + 1), true});
    const std::size_t title = SavedPosition::MaxTitleLength, briefing = SavedPosition::MaxBriefingLength;
    p.title = joined(readTexts(reader, {"the title", 1, title, title, false}));
    p.briefing = joined(readTexts(reader, {"the briefing", MaxFileLinesPerText, briefing, briefing, false}));
    if (!reader.atEnd()) reader.fail("there is more after the briefing");
}
