#include "cli/Listings.h"

#include <cstdio>
#include <sstream>

#include "engine/Game.h"

std::string helpText() {
    return "Orders (province names in any case; a unique beginning is enough; '_' for blanks):\n"
           "  drop FROM TO   move or attack with one legion from FROM into TO, or send it marching\n"
           "  end            end the turn (also: e)\n"
           "  map            list every province with its holder and legions (also: provinces)\n"
           "  status         the year, the treasury and the latest news\n"
           "  new            start a new game in 235 AD\n"
           "  scenario Y     start a scenario: 260, 308, 410 or 455\n"
           "  skill N        0 easy, 1 normal, 2 hard\n"
           "  save FILE      save the game; load FILE loads one\n"
           "  pfj            the People's Front of Judea rises in Palestina\n"
           "  dump           the whole position as one line of JSON\n"
           "  help           this list; quit ends the program\n";
}

std::string mapListing(Game& game) {
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
            legions += std::to_string(n) + " " + e->name;
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
                      p->attributesText().c_str());
        out << line;
    }
    return out.str();
}

std::string statusReport(Game& game) {
    const RomanEmpire& r = game.romans;
    std::ostringstream out;
    out << "Year " << game.year() << " AD. Treasury " << r.treasury << " sesterces; last year's taxes " << r.taxIncome
        << ", upkeep " << r.legionCost << ".\n"
        << "The empire holds " << r.provinces.size() << " provinces and " << r.legions.size()
        << " legions; it can support " << r.legionLimit() << ".\n";
    if (r.plague) out << "Plague! It will last " << r.plagueCounter << " more years.\n";
    if (!game.eventLog.empty()) {
        out << "News:\n";
        for (const std::string& line : game.eventLog) out << "  " << line << '\n';
    }
    return out.str();
}
