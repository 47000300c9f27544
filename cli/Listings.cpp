#include "cli/Listings.h"

#include <cstdio>
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

std::string helpText() {
    return "Orders (province names in any case; a unique beginning is enough; '_' for blanks):\n"
           "  drop FROM TO   move or attack with one legion from FROM into TO, or send it marching\n"
           "  undo           take back the last order of this year, when it fought no battle\n"
           "  end            end the turn (also: e)\n"
           "  map            every province: its holder, legions and neighbours (also: provinces)\n"
           "  status         the year, the treasury and the latest news\n"
           "  new            start a new game in 235 AD\n"
           "  scenario Y     start a scenario: 260, 308, 410 or 455\n"
           "  skill N        0 easy, 1 normal, 2 hard\n"
           "  save FILE      save the game; load FILE loads one\n"
           "  pfj            the People's Front of Judea rises in Palestina\n"
           "  dump           the whole position as one line of JSON\n"
           "  help           this list; quit ends the program\n";
}

std::string mapListing(Game& game, int width) {
    std::ostringstream out;
    char line[160];
    std::snprintf(line, sizeof line, "%-14s %-18s %-30s %s\n", "Province", "Holder", "Legions", "Attributes");
    out << line;
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
        std::snprintf(line, sizeof line, "%-14s %-18s %-30s %s\n", p->name().c_str(),
                      holder ? holder->name.c_str() : "nobody", legions.empty() ? "-" : legions.c_str(),
                      correctedEnglish(p->attributesText()).c_str());
        out << line << wrapped("next to " + neighboursOf(game, *p), width, 4);
    }
    return out.str();
}

std::string statusReport(Game& game) {
    const RomanEmpire& r = game.romans;
    std::ostringstream out;
    out << "Year " << game.year() << " AD. Treasury " << groupedThousands(r.treasury) << " sesterces; last year's taxes "
        << groupedThousands(r.taxIncome) << ", upkeep " << groupedThousands(r.legionCost) << ".\n"
        << "The empire holds " << counted(static_cast<long long>(r.provinces.size()), "province", "provinces")
        << " and " << counted(static_cast<long long>(r.legions.size()), "legion", "legions") << "; it can support "
        << r.legionLimit() << ".\n";
    if (r.plague) out << "Plague! It will last " << counted(r.plagueCounter, "more year", "more years") << ".\n";
    if (!game.eventLog.empty()) {
        out << "News:\n";
        for (const std::string& line : game.eventLog) out << "  " << correctedEnglish(line) << '\n';
    }
    return out.str();
}
