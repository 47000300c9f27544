#include "model/SavedExtras.h"

#include <cstdio>
#include "model/TextBuilder.h"
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

void writeNumber(TextBuilder& out, int value, const char* comment) {
    char line[96];
    std::snprintf(line, sizeof line, "%d   # %s\n", value, comment);
    out << line;
}

// The count of file lines, then the lines: each of `texts` starts a line.
void writeTexts(TextBuilder& out, const std::vector<std::string>& texts, const char* comment) {
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
    const FileTextSection& section;
    std::size_t texts;
    std::size_t each;   // characters of one text
    std::size_t total;  // characters of all of them with their line breaks
};

std::vector<std::string> readTexts(SavedLineReader& reader, const TextLimits& limits) {
    const FileTextSection& section = limits.section;
    const int count = reader.number(section.count, 0, MaxFileLinesPerText);
    std::vector<std::string> texts;
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        const std::string line = reader.wholeLine(section.line);
        const char marker = line[0];
        if (marker != '>' && marker != '+') reader.fail(section.notALine, {printableText(line)});
        if (marker == '+' && texts.empty()) reader.fail(section.goesOnFromNothing);
        if (marker == '>' && texts.size() == limits.texts) reader.fail(section.tooManyLines, {std::to_string(limits.texts)});
        const std::string piece = line.substr(line.size() > 1 && line[1] == ' ' ? 2 : 1);
        if (section.asciiOnly != nullptr) {
            for (char c : piece)
                if (static_cast<unsigned char>(c) >= 0x80) reader.fail(section.asciiOnly);
        }
        if (marker == '>') {
            total += texts.empty() ? 0 : 1;
            texts.emplace_back();
        }
        texts.back() += piece;
        total += characterCount(piece);
        if (characterCount(texts.back()) > limits.each) reader.fail(section.lineTooLong, {std::to_string(limits.each)});
        if (total > limits.total) reader.fail(section.tooLong, {std::to_string(limits.total)});
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
        reader.fail(fileload::LaterVersion, {name, version, std::to_string(ExtrasVersion)});
    reader.fail(fileload::NotTheExtras, {expected, printableText(found)});
}

}  // namespace

void writeExtras(TextBuilder& out, const SavedPosition& p) {
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
    p.invasions = reader.number(filefield::Invasions, Tallies.min, Tallies.max);
    p.plagues = reader.number(filefield::Plagues, Tallies.min, Tallies.max);
    p.rebellions = reader.number(filefield::Rebellions, Tallies.min, Tallies.max);
    p.taxIncome = reader.number(filefield::TaxRevenue, Tallies.min, Tallies.max);
    p.legionCost = reader.number(filefield::LegionCost, Tallies.min, Tallies.max);
    const std::size_t news = SavedPosition::MaxNewsLines, eachNews = SavedPosition::MaxNewsLength;
    p.news = readTexts(reader, {filesection::News, news, eachNews, news * (eachNews + 1)});
    const std::size_t title = SavedPosition::MaxTitleLength, briefing = SavedPosition::MaxBriefingLength;
    p.title = joined(readTexts(reader, {filesection::Title, 1, title, title}));
    p.briefing = joined(readTexts(reader, {filesection::Briefing, MaxFileLinesPerText, briefing, briefing}));
    if (!reader.atEnd()) reader.fail(fileload::MoreAfterBriefing);
}
