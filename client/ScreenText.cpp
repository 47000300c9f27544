#include "client/ScreenText.h"

#include <cctype>
#include <cstdlib>

#include "english/CorrectedEnglish.h"
#include "client/PictureTable.h"
#include "rules/World.h"

#include "model/TranslationMarks.h"

namespace {

// The number of the place marker at `i` ("%0" to "%99"), or -1.
int placeNumber(const std::string& s, std::size_t i, std::size_t& length) {
    if (s[i] != '%' || i + 1 >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i + 1]))) return -1;
    int n = s[i + 1] - '0';
    length = 2;
    if (i + 2 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 2]))) {
        n = n * 10 + (s[i + 2] - '0');
        length = 3;
    }
    return n;
}

std::string number(long long n) { return std::to_string(n); }

}  // namespace

std::string fillForm(std::string form, const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        int lowest = 100;
        std::size_t length = 0;
        for (std::size_t i = 0; i < form.size(); ++i) {
            const int n = placeNumber(form, i, length);
            if (n >= 0 && n < lowest) lowest = n;
        }
        if (lowest == 100) break;  // no place left for this word
        std::string filled;
        for (std::size_t i = 0; i < form.size();) {
            if (placeNumber(form, i, length) == lowest) {
                filled += word;
                i += length;
            } else {
                filled += form[i++];
            }
        }
        form = std::move(filled);
    }
    return form;
}

std::string shownWord(const ScreenTextArg& arg) { return arg.fromRules ? correctedEnglish(arg.text) : arg.text; }

std::string englishText(const ScreenTextLine& line) {
    std::vector<std::string> words;
    for (const ScreenTextArg& a : line.args) words.push_back(shownWord(a));
    std::string form = line.form;
    for (std::size_t at; line.count >= 0 && (at = form.find("%n")) != std::string::npos;)
        form.replace(at, 2, number(line.count));
    return fillForm(form, words);
}

std::vector<ScreenTextLine> economicReportLines(const World& game, int offsetX) {
    const int x = offsetX + 1010;
    const RomanEmpire& r = game.romans;
    const long long net = static_cast<long long>(r.taxIncome) - r.legionCost;
    const unsigned black = ScreenBlack;
    std::vector<ScreenTextLine> lines = {
        {offsetX + 1110, 100, black, QT_TRANSLATE_NOOP("ScreenText", "YEAR: %1 AD"), {{number(game.year())}}},
        {x, 130, black, QT_TRANSLATE_NOOP("ScreenText", "ECONOMIC REPORT")},
        {x, 160, black, QT_TRANSLATE_NOOP("ScreenText", "Tax Revenue: %1"), {{number(r.taxIncome)}}},
        {x, 180, black, QT_TRANSLATE_NOOP("ScreenText", "Legion Cost: %1"), {{number(r.legionCost)}}},
        // Always signed: "+0" when income and cost are equal.
        {x, 200, black, QT_TRANSLATE_NOOP("ScreenText", "Net: %1%2"), {{net < 0 ? "-" : "+"}, {number(std::llabs(net))}}},
        {x, 220, black, QT_TRANSLATE_NOOP("ScreenText", "Treasury: %1"), {{number(r.treasury)}}},
        {x, 240, black, QT_TRANSLATE_N_NOOP("ScreenText", "The Empire can support %n legions"), {}, r.legionLimit()},
    };
    if (r.plague) {
        if (r.treasury <= 0) {
            lines.push_back({x, 260, ScreenRed, QT_TRANSLATE_NOOP("ScreenText", "The Empire is out of money:")});
            lines.push_back({x, 280, ScreenRed, QT_TRANSLATE_NOOP("ScreenText", "The legions are disbanding!")});
        } else {
            lines.push_back({x, 260, ScreenRed, QT_TRANSLATE_NOOP("ScreenText", "The Empire is suffering from a plague.")});
            lines.push_back(
                {x, 280, ScreenRed, QT_TRANSLATE_NOOP("ScreenText", "Legion creation and tax collection are slowed!")});
        }
    } else {
        lines.push_back({x, 260, black, QT_TRANSLATE_NOOP("ScreenText", "Taxes are being collected")});
        lines.push_back({x, 280, black, QT_TRANSLATE_NOOP("ScreenText", "Legions are being paid")});
    }
    return lines;
}

ScreenTextLine militaryReportTitle(int offsetX) {
    return {offsetX + 1010, 320, ScreenBlack, QT_TRANSLATE_NOOP("ScreenText", "MILITARY REPORT")};
}

std::vector<ScreenTextLine> militaryReportLines(const World& game, int offsetX) {
    std::vector<ScreenTextLine> lines = {militaryReportTitle(offsetX)};
    int i = 0;
    for (const std::string& line : game.eventLog)
        lines.push_back({offsetX + 1010, 360 + 20 * i++, ScreenBlack, "%1", {{line, true}}});
    return lines;
}

ScreenInfoLine provinceInfoLine(const Province* province, int offsetX) {
    const int o = offsetX;
    const unsigned white = ScreenWhite;
    ScreenInfoLine info;
    if (!province) {
        info.texts = {{o + 185, 600, white, QT_TRANSLATE_NOOP("ScreenText", "Province:")},
                      {o + 430, 600, white, QT_TRANSLATE_NOOP("ScreenText", "Tax value:")},
                      {o + 660, 600, white, QT_TRANSLATE_NOOP("ScreenText", "Attributes:")}};
        return info;
    }
    info.texts.push_back({o + 185, 600, white, QT_TRANSLATE_NOOP("ScreenText", "Province: %1"), {{province->name()}}});
    info.texts.push_back({o + 430, 600, white, QT_TRANSLATE_NOOP("ScreenText", "Tax value:")});
    // A frontier land (tax value 0) shows no coin places at all.
    if (province->taxValue != 0) {
        static const int places[4] = {515, 537, 559, 581};
        for (int i = 0; i < 4; ++i) info.coins.push_back({o + places[i], province->taxValue > i ? 268 : 269});
    }
    // The friendly or hostile mark in the form, so that a translation places it.
    const char* attributes = province->hostility == Friendly  ? QT_TRANSLATE_NOOP("ScreenText", "Attributes: %1 (friendly)")
                             : province->hostility == Hostile ? QT_TRANSLATE_NOOP("ScreenText", "Attributes: %1 (hostile)")
                                                              : QT_TRANSLATE_NOOP("ScreenText", "Attributes: %1");
    info.texts.push_back({o + 660, 600, white, attributes, {{province->description, true}}});
    return info;
}

std::vector<ScreenPicture> legendPictures(int o) {
    return {{o + 50, 110, LegionIconPictures[0]},
            {o + 50, 210, LegionIconPictures[1]},
            {o + 50, 300, LegionIconPictures[3]},
            {o + 50, 410, LegionIconPictures[4]},
            {o, 40, 185}};
}

std::vector<ScreenTextLine> legendLines(int o) {
    const unsigned white = ScreenWhite;
    return {{o + 20, 180, white, QT_TRANSLATE_NOOP("ScreenText", "Roman Legion")},
            {o + 30, 270, white, QT_TRANSLATE_NOOP("ScreenText", "Barbarians")},
            {o + 20, 370, white, QT_TRANSLATE_NOOP("ScreenText", "Sassanids")},
            {o + 20, 475, white, QT_TRANSLATE_NOOP("ScreenText", "Rebelling Legion")},
            // Beside the sample of free land's mark, which is as pale as the rebels'.
            {o + 50, 500, white, QT_TRANSLATE_NOOP("ScreenText", "Free land")},
            // legendNote() in the English pieces.
            {o + 10, 530, white, "The number next to an"},
            {o + 10, 550, white, "icon indicates how many"},
            {o + 10, 570, white, "legions are in that"},
            {o + 10, 590, white, "province"}};
}

std::vector<ScreenTextLine> instructionLines(int o) {
    const unsigned white = ScreenWhite;
    // instructionsText() in the English pieces.
    return {{o + 230, 630, white, "Instructions:  Left-click and drag to move legions.  "},
            {o + 630, 630, white, "Right click to advance the game turn"}};
}

ScreenTextBlock legendNote(int o) {
    return {o + 8, 528, 166, 84, ScreenWhite,
            QT_TRANSLATE_NOOP("ScreenText", "The number next to an icon indicates how many legions are in that province")};
}

ScreenTextBlock instructionsText(int o) {
    return {o + 180, 626, 800, 36, ScreenWhite,
            QT_TRANSLATE_NOOP("ScreenText",
                              "Instructions: Left-click and drag to move legions. Right click to advance the game turn")};
}

std::vector<ScreenTextLine> touchInstructionLines(int o) {
    const unsigned white = ScreenWhite;
    // touchInstructionsText() in the English pieces: only the page runs on a touch screen.
    return {{o + 190, 630, white, "Instructions:  Drag a legion, or long press it and tap where it goes.  "},
            {o + 700, 630, white, "Tap End Year to advance the game turn"}};
}

ScreenTextBlock touchInstructionsText(int o) {
    return {o + 180, 626, 800, 36, ScreenWhite,
            QT_TRANSLATE_NOOP("ScreenText",
                              "Instructions: Drag a legion, or long press it and tap where it goes. Tap End Year to "
                              "advance the game turn")};
}
