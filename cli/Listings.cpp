#include "cli/Listings.h"

#include <sstream>

#include "cli/PlainEnglish.h"
#include "cli/TerminalWords.h"
#include "engine/Game.h"
#include "english/CorrectedEnglish.h"

namespace {

// "1 Roman legion", "3 Germanic legions".
std::string legionsOf(const TerminalWords& words, Power power, int n) {
    static constexpr const char* Forms[PowerCount] = {
        QT_TRANSLATE_N_NOOP("Terminal", "%n Roman legion(s)"), QT_TRANSLATE_N_NOOP("Terminal", "%n Germanic legion(s)"),
        QT_TRANSLATE_N_NOOP("Terminal", "%n Sassanid legion(s)"), QT_TRANSLATE_N_NOOP("Terminal", "%n rebel legion(s)")};
    return words.counted(Forms[static_cast<std::size_t>(power)], n);
}

// Links are directed, but an order may follow one either way.
std::string neighboursOf(const TerminalWords& words, Game& game, const Province& p) {
    std::string names;
    for (const Province* q : game.provinceTable) {
        if (!Province::isNeighbour(*q, p) && !Province::isNeighbour(p, *q)) continue;
        names += (names.empty() ? "" : ", ") + words.name(q->name());
    }
    return names;
}

// What the province supports and whether its people welcome us.
std::string attributesOf(const TerminalWords& words, const Province& p) {
    if (words.speaksEnglish()) return correctedEnglish(p.attributesText());
    const std::string description = words.name(p.description);
    switch (p.hostility) {
        case Friendly: return words(QT_TRANSLATE_NOOP("Terminal", "%1 (friendly)"), {description});
        case Hostile: return words(QT_TRANSLATE_NOOP("Terminal", "%1 (hostile)"), {description});
        default: return description;
    }
}

}  // namespace

std::string helpText(const TerminalWords& words, int width) {
    // The orders are typed as they are in every language; what they do is told in the reader's.
    static constexpr const char* Orders[][2] = {
        {"drop FROM TO", QT_TRANSLATE_NOOP("Terminal", "move or attack with one legion from FROM into TO, or send it marching")},
        {"undo", QT_TRANSLATE_NOOP("Terminal", "take back the last order of this year, when it fought no battle")},
        {"end", QT_TRANSLATE_NOOP("Terminal", "end the turn (also: e)")},
        {"map", QT_TRANSLATE_NOOP("Terminal", "every province: its holder, legions and neighbours (also: provinces)")},
        {"status", QT_TRANSLATE_NOOP("Terminal", "the year, the treasury and the latest news")},
        {"new", QT_TRANSLATE_NOOP("Terminal", "start a new game in 235 AD")},
        {"scenario Y", QT_TRANSLATE_NOOP("Terminal", "start a scenario: 260, 308, 410 or 455")},
        {"skill N", QT_TRANSLATE_NOOP("Terminal", "0 easy, 1 normal, 2 hard")},
        {"save FILE", QT_TRANSLATE_NOOP("Terminal", "save the game; load FILE loads one")},
        {"pfj", QT_TRANSLATE_NOOP("Terminal", "the People's Front of Judea rises in Palestina")},
        {"dump", QT_TRANSLATE_NOOP("Terminal", "the whole position as one line of JSON")},
        {"help", QT_TRANSLATE_NOOP("Terminal", "this list; quit ends the program")},
    };
    std::string out = wrapped(
        words(QT_TRANSLATE_NOOP("Terminal", "Orders (province names in any case; a unique beginning is enough; '_' for blanks):")),
        width);
    for (const auto& order : Orders) out += hanging("  " + std::string(order[0]), words(order[1]), width, 17);
    return out;
}

std::string mapListing(const TerminalWords& words, Game& game, int width) {
    std::ostringstream out;
    for (Province* p : game.provinceTable) {
        const Empire* holder = game.ownerOf(*p);
        std::string legions;
        for (Empire* e : game.empires()) {
            const int n = e->countLegionsIn(*p);
            if (n == 0) continue;
            if (!legions.empty()) legions += ", ";
            legions += legionsOf(words, e->power, n);
            if (e->isRomans()) {
                int ready = 0;
                for (const auto& l : e->legions) {
                    if (l->province == p && !l->moved && !l->hasRoute) ++ready;
                }
                legions += words(QT_TRANSLATE_NOOP("Terminal", " (%1 ready)"), {std::to_string(ready)});
            }
        }
        const std::string attributes = attributesOf(words, *p);
        const std::string who = holder ? words.name(holder->name) : words(QT_TRANSLATE_NOOP("Terminal", "nobody"));
        const std::string what = legions.empty() ? words(QT_TRANSLATE_NOOP("Terminal", "no legions")) : legions;
        out << wrapped(attributes.empty()
                           ? words(QT_TRANSLATE_NOOP("Terminal", "%1: %2; %3."), {words.name(p->name()), who, what})
                           : words(QT_TRANSLATE_NOOP("Terminal", "%1: %2; %3; %4"),
                                   {words.name(p->name()), who, what, sentence(attributes)}),
                       width)
            << wrapped(words(QT_TRANSLATE_NOOP("Terminal", "next to %1"), {neighboursOf(words, game, *p)}), width, 4);
    }
    return out.str();
}

std::string statusReport(const TerminalWords& words, Game& game, int width) {
    const RomanEmpire& r = game.romans;
    std::string out =
        wrapped(words(QT_TRANSLATE_NOOP("Terminal", "Year %1 AD. Treasury %2 sesterces; last year's taxes %3, upkeep %4."),
                      {std::to_string(game.year()), words.number(r.treasury), words.number(r.taxIncome),
                       words.number(r.legionCost)}),
                width) +
        wrapped(words(QT_TRANSLATE_NOOP("Terminal", "The empire holds %1 and %2; it can support %3."),
                      {words.counted(QT_TRANSLATE_N_NOOP("Terminal", "%n province(s)"),
                                     static_cast<long long>(r.provinces.size())),
                       words.counted(QT_TRANSLATE_N_NOOP("Terminal", "%n legion(s)"),
                                     static_cast<long long>(r.legions.size())),
                       std::to_string(r.legionLimit())}),
                width);
    if (r.plague)
        out += wrapped(words.counted(QT_TRANSLATE_N_NOOP("Terminal", "Plague! It will last %n more year(s)."),
                                     r.plagueCounter),
                       width);
    if (!game.eventLog.empty()) {
        out += words(QT_TRANSLATE_NOOP("Terminal", "News:")) + "\n";
        for (const std::string& line : game.eventLog) out += wrapped(sentence(words.news(line)), width, 2);
    }
    return out;
}
