#include "cli/PlainEnglish.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "english/CorrectedEnglish.h"

namespace {

struct Rewording {
    const char* mouse;
    const char* orders;
};

// The pieces of the rules' and the introduction's texts that speak of the
// mouse or the map's colours, as a terminal player does the same thing.
constexpr Rewording Rewordings[] = {
    {"Notice how the legion icon appears grayed out.  You will be\r\nable to move grayed out legions again next turn.",
     "They can take new orders next turn."},
    {"When a province rebels it is shown in white, and any legions\r\nin it are shown in red.",
     "When a province rebels, the map lists it and any legions in it under the Rebelling Legions."},
    {"Drag a legion with the left mouse button to a neighbouring province to march or attack, or to a distant one "
     "to send it on the road.",
     "Order a legion to a neighbouring province to march or attack, or to a distant one to send it on the road "
     "(drop FROM TO)."},
    {"Click the right mouse button to end the year.", "Type end to end the year."},
};

std::string reworded(std::string text) {
    for (const Rewording& r : Rewordings) {
        const std::string mouse = r.mouse;
        const std::size_t at = text.find(mouse);
        if (at != std::string::npos) text.replace(at, mouse.size(), r.orders);
    }
    return text;
}

}  // namespace

int terminalWidth() {
    if (const char* columns = std::getenv("COLUMNS")) {
        const int n = std::atoi(columns);
        if (n > 0) return n;
    }
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

std::string plainParagraphs(const std::string& rulesText, int width) {
    std::string text;
    for (char c : correctedEnglish(reworded(rulesText))) {
        if (c != '\r') text += c;
    }
    return wrapped(text, width);
}

std::string wrapped(const std::string& text, int width, int indent) {
    // Too narrow a terminal still gets a few words a line rather than one letter.
    const std::size_t room = static_cast<std::size_t>(std::max(width - indent, 20));
    const std::string margin(static_cast<std::size_t>(indent), ' ');
    std::vector<std::string> paragraphs;
    std::istringstream lines(text);
    std::string line, words;
    // Blank lines end a paragraph; single line breaks are only the rules' layout.
    while (true) {
        const bool more = static_cast<bool>(std::getline(lines, line));
        if (!more || line.find_first_not_of(" \t") == std::string::npos) {
            if (!words.empty()) paragraphs.push_back(words);
            words.clear();
            if (!more) break;
            continue;
        }
        words += line + ' ';
    }
    std::string out;
    for (const std::string& paragraph : paragraphs) {
        if (!out.empty()) out += '\n';
        std::istringstream in(paragraph);
        std::string word, current;
        while (in >> word) {
            if (!current.empty() && current.size() + 1 + word.size() > room) {
                out += margin + current + '\n';
                current.clear();
            }
            current += (current.empty() ? "" : " ") + word;
        }
        out += margin + current + '\n';
    }
    return out;
}

std::string hanging(const std::string& head, const std::string& text, int width, int indent) {
    std::string out = wrapped(text, width, indent);
    const std::size_t room = static_cast<std::size_t>(indent);
    if (head.size() < room && out.size() >= room) return head + out.substr(head.size());
    return head + '\n' + out;
}

std::string sentence(const std::string& text) {
    if (!text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == '?')) return text;
    return text + '.';
}

std::string withoutKeySequences(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\x1b') {
            out += line[i];
            continue;
        }
        if (i + 1 >= line.size()) break;
        const char kind = line[++i];
        if (kind == '[') {
            // Parameters and intermediates up to the final byte.
            while (i + 1 < line.size() && !(line[i + 1] >= '@' && line[i + 1] <= '~')) ++i;
            ++i;
        } else if (kind == ']') {
            // A title or colour setting runs to BEL or ESC backslash.
            while (i + 1 < line.size() && line[i + 1] != '\a' && line[i + 1] != '\x1b') ++i;
            ++i;
            if (i < line.size() && line[i] == '\x1b') ++i;
        } else if (kind == 'O') {
            ++i;  // the keypad's and function keys' one letter
        }
    }
    return out;
}
