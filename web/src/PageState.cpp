#include "web/src/PageState.h"

#include <algorithm>
#include <cmath>

#include "client/Json.h"
#include "client/FigureCounts.h"
#include "client/FigureStack.h"
#include "client/MarchLines.h"
#include "client/HolderMarks.h"
#include "client/PictureTable.h"
#include "client/PictureWords.h"
#include "client/ProvinceDescription.h"
#include "client/ResultsDialog.h"
#include "client/ScreenText.h"
#include "client/TintTable.h"
#include "engine/Game.h"
#include "model/TextBuilder.h"
#include "web/src/PageWords.h"

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

// The routes of the marching legions as the window draws them.
void writeMarchLines(TextBuilder& out, const World& game) {
    const std::vector<view::MarchLine> marches = view::marchLines(game);
    out << '[';
    for (std::size_t i = 0; i < marches.size(); ++i) {
        out << (i ? "," : "") << "{\"points\":";
        writePoints(out, marches[i].points);
        out << ",\"head\":";
        writePoints(out, marches[i].head);
        out << '}';
    }
    out << ']';
}

}  // namespace

std::string pageDescription(const std::vector<ScreenPhrase>& parts) {
    std::string text;
    for (const ScreenPhrase& p : parts) text += (text.empty() ? "" : " ") + pageWords().screenText(p.form, p.args);
    return text;
}

void writeMark(TextBuilder& out, std::optional<Power> holder) {
    const view::HolderMark m = view::holderMark(holder);
    out << '[' << static_cast<int>(m.pattern) << ',' << m.spacing << ',' << m.thickness << ']';
}

void writeStrings(TextBuilder& out, const std::vector<std::string>& texts) {
    out << '[';
    for (std::size_t i = 0; i < texts.size(); ++i) out << (i ? "," : "") << jsonString(texts[i]);
    out << ']';
}

void writeDecimal(TextBuilder& out, double value) {
    // Hundredths are finer than any device pixel; written by hand, the
    // engine carries no floating-point formatting (tens of kilobytes).
    const long hundredths = std::lround(value * 100);
    const int magnitude = int(hundredths < 0 ? -hundredths : hundredths);
    out << (hundredths < 0 ? "-" : "") << magnitude / 100;
    if (magnitude % 100) out << '.' << magnitude % 100 / 10 << magnitude % 10;
}

void writePoints(TextBuilder& out, const std::vector<view::LayoutPointF>& points) {
    out << '[';
    for (std::size_t i = 0; i < points.size(); ++i) {
        out << (i ? "," : "") << '[';
        writeDecimal(out, points[i].x);
        out << ',';
        writeDecimal(out, points[i].y);
        out << ']';
    }
    out << ']';
}

void writeScreenLines(TextBuilder& out, const std::vector<ScreenTextLine>& lines) {
    out << '[';
    for (std::size_t i = 0; i < lines.size(); ++i)
        out << (i ? "," : "") << "{\"x\":" << lines[i].x << ",\"y\":" << lines[i].y
            << ",\"text\":" << jsonString(pageWords().screenText(lines[i])) << ",\"colour\":" << lines[i].colour << '}';
    out << ']';
}

void writeInfoLine(TextBuilder& out, const Province* province) {
    const ScreenInfoLine info = provinceInfoLine(province, 0);
    out << "{\"texts\":";
    writeScreenLines(out, info.texts);
    out << ",\"coins\":[";
    for (std::size_t i = 0; i < info.coins.size(); ++i)
        out << (i ? "," : "") << '[' << info.coins[i].first << ',' << info.coins[i].second << ']';
    out << "]}";
}

std::string pageResultsDialog(const World& game) {
    const ResultsDialog d = resultsDialog(game);
    TextBuilder out;
    out << "{\"picture\":" << d.picture << ",\"title\":" << jsonString(pageWords().text("ScreenText", d.title)) << ",\"counts\":";
    writeScreenLines(out, d.counts);
    out << ",\"words\":";
    std::vector<std::string> results;
    for (const ScreenPhrase& phrase : resultsInWords(game)) results.push_back(pageWords().screenText(phrase.form, phrase.args));
    writeStrings(out, results);
    out << '}';
    return out.str();
}

std::string pageState(Game& game) {
    const RomanEmpire& r = game.romans;
    TextBuilder out;
    out << "{\"year\":" << game.year() << ",\"skill\":" << game.skillLevel << ",\"treasury\":" << r.treasury
        << ",\"reports\":";
    std::vector<ScreenTextLine> reports = economicReportLines(game, 0);
    for (ScreenTextLine& l : militaryReportLines(game, 0)) reports.push_back(std::move(l));
    writeScreenLines(out, reports);
    // The year's news alone, for those who hear it rather than read the scroll.
    out << ",\"news\":";
    std::vector<std::string> news;
    for (const std::string& line : game.eventLog) news.push_back(pageWords().news(line));
    writeStrings(out, news);
    out << ",\"marches\":";
    writeMarchLines(out, game);
    out << ",\"provinces\":[";
    bool first = true;
    // The counts at the size the page draws them (its composition is laid
    // out at one layout pixel a pixel), where the carry reads them.
    const int countFont = view::countFontPixels(1.0);
    for (Province* p : game.provinceTable) {
        const std::optional<Power> holder = holderOf(game, *p);
        out << (first ? "" : ",") << "{\"name\":" << jsonString(p->name()) << ",\"tint\":" << tintPicture(game, *p)
            << ",\"holder\":" << jsonString(holder ? powerName(*holder) : "") << ",\"mark\":";
        writeMark(out, holder);
        const std::vector<ScreenPhrase> parts = provinceDescription(game, *p);
        const auto split = parts.begin() + static_cast<std::ptrdiff_t>(std::min(ProvinceSummaryParts, parts.size()));
        out << ",\"summary\":" << jsonString(pageDescription({parts.begin(), split}))
            << ",\"details\":" << jsonString(pageDescription({split, parts.end()})) << ",\"info\":";
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
            const bool marching = e->isRomans() && view::romanStack(game, *p).marching > 0;
            const std::string countText = view::countLabel(game, *e, *p);
            const view::LayoutRect plaque = view::countPlaqueBox(*p, countText, countFont);
            out << (firstIcon ? "" : ",") << "{\"empire\":" << jsonString(e->name) << ",\"picture\":" << picture
                << ",\"count\":" << count << ",\"countText\":" << jsonString(countText) << ",\"plaque\":["
                << view::MapLeft + plaque.x << ',' << view::MapTop + plaque.y << ',' << plaque.w << ',' << plaque.h
                << "],\"marching\":" << (marching ? "true" : "false") << '}';
            firstIcon = false;
        }
        out << "]}";
    }
    // The order the figures are drawn in, the last on top, as a press reads them.
    out << "],\"figures\":[";
    first = true;
    for (const Province* p : view::figuresInDrawingOrder(game)) {
        out << (first ? "" : ",") << jsonString(p->name());
        first = false;
    }
    out << "]}";
    return out.str();
}
