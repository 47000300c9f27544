#include "cli/Listings.h"

#include <sstream>

#include "cli/PlainEnglish.h"
#include "engine/Game.h"
#include "english/CorrectedEnglish.h"

namespace {

// "1 Roman legion", "3 Germanic legions".
std::string legionsOf(Power power, int n) {
    static constexpr const char* Adjectives[PowerCount] = {"Roman", "Germanic", "Sassanid", "rebel"};
    return std::to_string(n) + ' ' + Adjectives[static_cast<std::size_t>(power)] + (n == 1 ? " legion" : " legions");
}

// Links are directed, but an order may follow one either way.
std::string neighboursOf(Game& game, const Province& p) {
    std::string names;
    for (const Province* q : game.provinceTable) {
        if (!Province::isNeighbour(*q, p) && !Province::isNeighbour(p, *q)) continue;
        names += (names.empty() ? "" : ", ") + q->name();
    }
    return names;
}

}  // namespace

std::string helpText(int width) {
    static constexpr const char* Orders[][2] = {
        {"drop FROM TO", "move or attack with one legion from FROM into TO, or send it marching"},
        {"undo", "take back the last order of this year, when it fought no battle"},
        {"end", "end the turn (also: e)"},
        {"map", "every province: its holder, legions and neighbours (also: provinces)"},
        {"status", "the year, the treasury and the latest news"},
        {"new", "start a new game in 235 AD"},
        {"scenario Y", "start a scenario: 260, 308, 410 or 455"},
        {"skill N", "0 easy, 1 normal, 2 hard"},
        {"save FILE", "save the game; load FILE loads one"},
        {"pfj", "the People's Front of Judea rises in Palestina"},
        {"dump", "the whole position as one line of JSON"},
        {"help", "this list; quit ends the program"},
    };
    std::string out =
        wrapped("Orders (province names in any case; a unique beginning is enough; '_' for blanks):", width);
    for (const auto& order : Orders) out += hanging("  " + std::string(order[0]), order[1], width, 17);
    return out;
}

std::string mapListing(Game& game, int width) {
    std::ostringstream out;
    for (Province* p : game.provinceTable) {
        const Empire* holder = game.ownerOf(*p);
        std::string legions;
        for (Empire* e : game.empires()) {
            const int n = e->countLegionsIn(*p);
            if (n == 0) continue;
            if (!legions.empty()) legions += ", ";
            legions += legionsOf(e->power, n);
            if (e->isRomans()) {
                int ready = 0;
                for (const auto& l : e->legions) {
                    if (l->province == p && !l->moved && !l->hasRoute) ++ready;
                }
                legions += " (" + std::to_string(ready) + " ready)";
            }
        }
        const std::string attributes = correctedEnglish(p->attributesText());
        out << wrapped(p->name() + ": " + (holder ? holder->name : std::string("nobody")) + "; " +
                           (legions.empty() ? std::string("no legions") : legions) +
                           (attributes.empty() ? std::string(".") : "; " + sentence(attributes)),
                       width)
            << wrapped("next to " + neighboursOf(game, *p), width, 4);
    }
    return out.str();
}

std::string statusReport(Game& game, int width) {
    const RomanEmpire& r = game.romans;
    std::string out =
        wrapped("Year " + std::to_string(game.year()) + " AD. Treasury " + groupedThousands(r.treasury) +
                    " sesterces; last year's taxes " + groupedThousands(r.taxIncome) + ", upkeep " +
                    groupedThousands(r.legionCost) + ".",
                width) +
        wrapped("The empire holds " + counted(static_cast<long long>(r.provinces.size()), "province", "provinces") +
                    " and " + counted(static_cast<long long>(r.legions.size()), "legion", "legions") +
                    "; it can support " + std::to_string(r.legionLimit()) + ".",
                width);
    if (r.plague)
        out += wrapped("Plague! It will last " + counted(r.plagueCounter, "more year", "more years") + ".", width);
    if (!game.eventLog.empty()) {
        out += "News:\n";
        for (const std::string& line : game.eventLog) out += wrapped(sentence(correctedEnglish(line)), width, 2);
    }
    return out;
}
