#include "english/CorrectedEnglish.h"

#include <cctype>
#include <cstddef>

namespace {

struct Mend {
    const char* wrong;
    const char* right;
};

// Each entry is a piece of a rules text exactly as the rules write it (line
// breaks included) and the piece a player reads instead. A piece is long
// enough to be found nowhere else.
constexpr Mend Mends[] = {
    {"This is will\r\nreduce", "This will\r\nreduce"},
    {"king Aleric", "king Alaric"},
    {"Marcommani", "Marcomanni"},
    {"abandonned", "abandoned"},
    {"North african", "North African"},
    {"Tentate Iterum?", "Tenta iterum?"},
    {"\"Crisis of the Third Century\"\r\nDo", "\"Crisis of the Third Century.\"\r\nDo"},
    {"Constantine III,\r\nhas rebelled, and is marching in Gaul!",
     "Constantine III\r\nhas rebelled and is marching into Gaul!"},
    {"Princeps,\r\nThe Egyptians", "Princeps,\r\n\r\nThe Egyptians"},
    {"He is marching on \r\nRome", "He is marching on\r\nRome"},
    {"the Imperial treasury", "the imperial treasury"},
    {"commander the new Emperor", "commander the new emperor"},
    {"Tigris River", "Tigris river"},
    {"Hint:  ", "Hint: "},
    {"shown in light-red.  Enemey-held provinces are other colors",
     "shown in light red.  Enemy-held provinces are in other colours."},
    {"your legion will attack them", "your legion will attack them."},
    {"If you dont want", "If you don't want"},
    {"in 285 AD - Good luck", "in 285 AD.  Good luck"},
    {"the video tutorial under the Help menu", "the tutorial page under the Help menu"},
    {"appears grayed out.  You will be\r\nable to move grayed out legions",
     "appears greyed out.  You will be\r\nable to move greyed-out legions"},
    {"years \r\nin exchange", "years\r\nin exchange"},
    {"enter that \r\nterritory", "enter that\r\nterritory"},
    {"When a province rebels it", "When a province rebels, it"},
    {"Vandal, Frankish territory", "Vandal and Frankish territory"},
};

void replaceAll(std::string& text, const std::string& wrong, const std::string& right) {
    for (std::size_t at = text.find(wrong); at != std::string::npos; at = text.find(wrong, at + right.size()))
        text.replace(at, wrong.size(), right);
}

// "16000 sesterces" -> "16,000 sesterces", as the farmers' "5,000" already is.
void groupSums(std::string& text) {
    static const std::string unit = " sesterces";
    for (std::size_t at = text.find(unit); at != std::string::npos; at = text.find(unit, at + unit.size())) {
        std::size_t start = at;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1]))) --start;
        if (at - start < 4 || at - start > 18 || (start > 0 && text[start - 1] == ',')) continue;
        const std::string grouped = groupedThousands(std::stoll(text.substr(start, at - start)));
        text.replace(start, at - start, grouped);
        at = start + grouped.size();
    }
}

}  // namespace

std::string groupedThousands(long long amount) {
    std::string digits = std::to_string(amount < 0 ? -amount : amount);
    for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
    return amount < 0 ? "-" + digits : digits;
}

std::string correctedEnglish(std::string text) {
    for (const Mend& m : Mends) replaceAll(text, m.wrong, m.right);
    groupSums(text);
    return text;
}
