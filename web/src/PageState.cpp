#include "web/src/PageState.h"

#include <sstream>

#include "client/Json.h"
#include "client/FigureCounts.h"
#include "client/PictureTable.h"
#include "client/ScreenText.h"
#include "client/TintTable.h"
#include "engine/Game.h"

namespace {

// The tint picture of a province Rome does not hold: its holder's colour
// (1 the tribes, 2 the Persians, 3 nobody or the rebels), none for frontier lands.
int tintPicture(Game& game, const Province& province) {
    if (game.romans.holds(province)) return 0;
    const Empire* owner = game.ownerOf(province);
    const int colour = owner ? owner->mapColour : 3;
    for (const TintSpec& t : TintTable) {
        if (t.name != province.name()) continue;
        return colour == 1 ? t.yellowId : colour == 2 ? t.blueId : colour == 3 ? t.plainId : 0;
    }
    return 0;
}

}  // namespace

void writeScreenLines(std::ostream& out, const std::vector<ScreenTextLine>& lines) {
    out << '[';
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << (i ? "," : "") << "{\"x\":" << lines[i].x << ",\"y\":" << lines[i].y
            << ",\"text\":" << jsonString(englishText(lines[i])) << ",\"colour\":" << lines[i].colour << '}';
    out << ']';
}

void writeInfoLine(std::ostream& out, const Province* province) {
    const ScreenInfoLine info = provinceInfoLine(province, 0);
    out << "{\"texts\":";
    writeScreenLines(out, info.texts);
    out << ",\"coins\":[";
    for (std::size_t i = 0; i < info.coins.size(); ++i)
        out << (i ? "," : "") << '[' << info.coins[i].first << ',' << info.coins[i].second << ']';
    out << "]}";
}

std::string pageState(Game& game) {
    const RomanEmpire& r = game.romans;
    std::ostringstream out;
    out << "{\"year\":" << game.year() << ",\"skill\":" << game.skillLevel << ",\"taxIncome\":" << r.taxIncome
        << ",\"legionCost\":" << r.legionCost << ",\"treasury\":" << r.treasury
        << ",\"legionLimit\":" << r.legionLimit() << ",\"plague\":" << (r.plague ? "true" : "false")
        << ",\"romanProvinces\":" << r.provinces.size() << ",\"canMove\":" << (game.romansCanMove() ? "true" : "false")
        << ",\"results\":[" << game.invasionCount << ',' << game.plagueCount << ',' << game.rebellionCount << ']'
        << ",\"reports\":";
    std::vector<ScreenTextLine> reports = economicReportLines(game, 0);
    for (ScreenTextLine& l : militaryReportLines(game, 0)) reports.push_back(std::move(l));
    writeScreenLines(out, reports);
    out << ",\"provinces\":[";
    bool first = true;
    for (Province* p : game.provinceTable) {
        out << (first ? "" : ",") << "{\"name\":" << jsonString(p->name()) << ",\"taxValue\":" << p->taxValue
            << ",\"tint\":" << tintPicture(game, *p) << ",\"info\":";
        writeInfoLine(out, p);
        out << ",\"legions\":[";
        first = false;
        bool firstIcon = true;
        for (Empire* e : game.empires()) {
            const int count = e->countLegionsIn(*p);
            if (count <= 0) continue;
            int kind = e->legionIcon;
            if (e->isRomans()) kind = e->allLegionsMovedIn(*p) ? 5 : 0;
            const int picture = kind >= 0 && kind < int(LegionIconPictures.size()) ? LegionIconPictures[kind] : 0;
            // The count as the window writes it: "ready/total" while some Romans march.
            const view::RomanStack stack = e->isRomans() ? view::romanStack(game, *p) : view::RomanStack{};
            const std::string countText = e->isRomans() ? view::stackCountLabel(stack) : std::to_string(count);
            out << (firstIcon ? "" : ",") << "{\"empire\":" << jsonString(e->name) << ",\"picture\":" << picture
                << ",\"count\":" << count << ",\"countText\":" << jsonString(countText)
                << ",\"marching\":" << (stack.marching > 0 ? "true" : "false") << '}';
            firstIcon = false;
        }
        out << "]}";
    }
    out << "]}";
    return out.str();
}
