#include "client/Catalogue.h"

#include <cstddef>

#include "client/ScreenText.h"
#include "english/CorrectedEnglish.h"
#include "model/FileMessage.h"
#include "rules/Messages.h"

namespace {

// Far above the largest catalogue (about 60 KB): what a broken file may cost.
constexpr std::size_t MaxSize = 4 << 20;
// Qt's languages have at most six plural forms.
constexpr std::size_t MaxForms = 6;

std::string key(std::string_view context, std::string_view source) {
    std::string k(context);
    k += '\x04';
    k += source;
    return k;
}

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || (length > 1 && c < 0xc2) || i + length > s.size()) return false;
        for (std::size_t j = 1; j < length; ++j)
            if ((static_cast<unsigned char>(s[i + j]) >> 6) != 2) return false;
        i += length;
    }
    return true;
}

// A field with its \\ \t \n \r written out; false for any other escape.
bool unescape(std::string_view field, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return false;
        switch (field[i]) {
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: return false;
        }
    }
    return true;
}

std::vector<std::string_view> split(std::string_view line, char at) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(at, start);
        parts.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

Catalogue Catalogue::read(std::string_view text, std::string& problem) {
    const auto refuse = [&problem](std::size_t line, const std::string& why) {
        problem = "the catalogue is broken at line " + std::to_string(line) + ": " + why;
        return Catalogue();
    };
    problem.clear();
    if (text.size() > MaxSize) return refuse(1, "it is too large");
    if (!validUtf8(text)) return refuse(1, "it is not UTF-8 text");
    std::vector<std::string_view> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (lines.size() < 5 || lines[0] != "aurovane-catalogue 1") return refuse(1, "it is no Aurovane catalogue");
    Catalogue c;
    if (lines[1].substr(0, 9) != "language " || lines[1].size() < 10) return refuse(2, "no language");
    c.language_ = std::string(lines[1].substr(9));
    if (lines[2] != "plural one" && lines[2] != "plural zero-one") return refuse(3, "an unknown plural rule");
    c.zeroIsSingular_ = lines[2] == "plural zero-one";
    const std::vector<std::string_view> numbers = split(lines[3], ' ');
    if (numbers.size() != 3 || numbers[0] != "numbers" || !unescape(numbers[1], c.separator_) ||
        (numbers[2] != "1" && numbers[2] != "2" && numbers[2] != "3"))
        return refuse(4, "no number format");
    c.leastGroup_ = numbers[2][0] - '0';
    if (lines[4].substr(0, 5) != "list " || !unescape(lines[4].substr(5), c.lastOfList_))
        return refuse(5, "no list separator");
    std::string context, source;
    for (std::size_t i = 5; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = split(lines[i], '\t');
        const bool numerus = fields[0] == "n";
        if ((fields[0] != "m" && !numerus) || fields.size() < 4 || (!numerus && fields.size() != 4) ||
            fields.size() > 3 + MaxForms)
            return refuse(i + 1, "not an entry");
        std::vector<std::string> forms(fields.size() - 3);
        if (!unescape(fields[1], context) || !unescape(fields[2], source)) return refuse(i + 1, "a wrong escape");
        for (std::size_t f = 0; f < forms.size(); ++f)
            if (!unescape(fields[3 + f], forms[f])) return refuse(i + 1, "a wrong escape");
        c.entries_[key(context, source)] = std::move(forms);
    }
    return c;
}

std::string Catalogue::text(std::string_view context, std::string_view source) const {
    const auto found = entries_.find(key(context, source));
    return found == entries_.end() || found->second.front().empty() ? std::string(source) : found->second.front();
}

std::string Catalogue::form(std::string_view context, std::string_view source, long long n) const {
    const auto found = entries_.find(key(context, source));
    if (found == entries_.end()) return std::string(source);
    // Qt's rules for our languages: one form for the singular, one for the rest.
    const bool singular = zeroIsSingular_ ? n <= 1 : n == 1;
    const std::vector<std::string>& forms = found->second;
    const std::size_t index = singular || forms.size() < 2 ? 0 : 1;
    return forms[index].empty() ? std::string(source) : forms[index];
}

std::string Catalogue::counted(std::string_view context, std::string_view source, long long n) const {
    std::string text = form(context, source, n);
    replaceAll(text, "%n", std::to_string(n));
    return text;
}

std::string Catalogue::filled(std::string_view context, std::string_view form,
                              const std::vector<std::string>& words) const {
    return fillForm(text(context, form), words);
}

std::string Catalogue::number(long long n) const {
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (!separator_.empty()) {
        // QLocale: a separator every three digits from the right while at
        // least `leastGroup_` digits stay in front of it.
        for (std::size_t at = digits.size() >= 3 ? digits.size() - 3 : 0;
             at >= static_cast<std::size_t>(leastGroup_) && at > 0; at = at >= 3 ? at - 3 : 0)
            digits.insert(at, separator_);
    }
    return n < 0 ? "-" + digits : digits;
}

std::string Catalogue::word(const std::string& w) const {
    if (speaksEnglish()) return w;
    const bool plainNumber =
        !w.empty() && w.size() <= 15 && w.find_first_not_of("0123456789") == std::string::npos;
    if (plainNumber) return number(std::stoll(w));
    const std::string name = text("Names", w);
    return name != w ? name : correctedEnglish(w);
}

std::string Catalogue::screenText(const char* form, const std::vector<ScreenTextArg>& args) const {
    return fillForm(text("ScreenText", form), screenWords(args));
}

std::vector<std::string> Catalogue::screenWords(const std::vector<ScreenTextArg>& args) const {
    std::vector<std::string> words;
    for (const ScreenTextArg& arg : args) {
        if (speaksEnglish()) {
            words.push_back(shownWord(arg));
            continue;
        }
        // A line of the year's news, told as its message.
        if (arg.fromRules && loggedMessage(arg.text)) {
            words.push_back(news(arg.text));
            continue;
        }
        // A list of names name by name.
        std::vector<std::string> names;
        for (std::string_view name : split(arg.text, ',')) {
            if (!names.empty() && name.substr(0, 1) == " ") name.remove_prefix(1);
            names.emplace_back(name);
        }
        words.push_back(list(names));
    }
    return words;
}

std::string Catalogue::list(const std::vector<std::string>& names) const {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == names.size() ? lastOfList_ : ", ") + word(names[i]);
    return joined;
}

std::string Catalogue::screenText(const ScreenTextLine& line) const {
    if (line.count < 0) return screenText(line.form, line.args);
    // A counted line takes the language's plural form; English keeps the form the screen has always shown.
    if (speaksEnglish()) return englishText(line);
    return fillForm(counted("ScreenText", line.form, line.count), screenWords(line.args));
}

std::string Catalogue::message(const Message& m) const {
    const char* english = englishSource(m.id);
    std::string translated = text("Messages", english);
    if (translated == english) return englishText(m);
    std::vector<std::string> words;
    for (const std::string& param : m.params) words.push_back(word(param));
    std::string text = fillForm(std::move(translated), words);
    replaceAll(text, "\r\n", "\n");
    return text;
}

std::string Catalogue::fileMessage(const FileMessage& m) const {
    if (m.text == nullptr) return {};
    if (speaksEnglish()) return correctedEnglish(englishFileMessage(m));
    // The values stay as the reader wrote them (line numbers, codes), as the window shows them.
    std::vector<std::string> args = m.args;
    const auto name = static_cast<std::size_t>(m.nameArgument);
    if (name > 0 && name <= args.size()) args[name - 1] = word(args[name - 1]);
    return filledPlaceholders(text("FileMessages", m.text), args);
}

std::string Catalogue::news(const std::string& line) const {
    if (!speaksEnglish())
        if (const std::optional<Message> m = loggedMessage(line))
            if (std::string told = message(*m); told != englishText(*m)) return told;
    return correctedEnglish(line);
}
