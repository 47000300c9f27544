#include "game/view/ScreenText.h"

#include <cstdlib>

#include "game/view/PictureTable.h"
#include "rules/World.h"

std::vector<ScreenTextLine> economicReportLines(const World& game, int offsetX) {
    const int x = offsetX + 1010;
    const RomanEmpire& r = game.romans;
    const long long net = static_cast<long long>(r.taxIncome) - r.legionCost;
    std::vector<ScreenTextLine> lines = {
        {offsetX + 1110, 100, "YEAR: " + std::to_string(game.year()) + " AD", ScreenBlack},
        {x, 130, "ECONOMIC REPORT", ScreenBlack},
        {x, 160, "Tax Revenue: " + std::to_string(r.taxIncome), ScreenBlack},
        {x, 180, "Legion Cost: " + std::to_string(r.legionCost), ScreenBlack},
        // Always signed: "+0" when income and cost are equal.
        {x, 200, std::string("Net: ") + (net < 0 ? "-" : "+") + std::to_string(std::llabs(net)), ScreenBlack},
        {x, 220, "Treasury: " + std::to_string(r.treasury), ScreenBlack},
        {x, 240, "The Empire can support " + std::to_string(r.legionLimit()) + " legions", ScreenBlack},
    };
    if (r.plague) {
        if (r.treasury <= 0) {
            lines.push_back({x, 260, "The Empire is out of money:", ScreenRed});
            lines.push_back({x, 280, "The legions are disbanding!", ScreenRed});
        } else {
            lines.push_back({x, 260, "The Empire is suffering from a plague.", ScreenRed});
            lines.push_back({x, 280, "Legion creation and tax collection is slowed!", ScreenRed});
        }
    } else {
        lines.push_back({x, 260, "Taxes are being collected", ScreenBlack});
        lines.push_back({x, 280, "Legions are being paid", ScreenBlack});
    }
    return lines;
}

std::vector<ScreenTextLine> militaryReportLines(const World& game, int offsetX) {
    const int x = offsetX + 1010;
    std::vector<ScreenTextLine> lines = {{x, 320, "MILITARY REPORT", ScreenBlack}};
    int i = 0;
    for (const std::string& line : game.eventLog) lines.push_back({x, 360 + 20 * i++, line, ScreenBlack});
    return lines;
}

ScreenInfoLine provinceInfoLine(const Province* province, int offsetX) {
    const int o = offsetX;
    ScreenInfoLine info;
    if (!province) {
        info.texts = {{o + 185, 600, "Province:", ScreenWhite},
                      {o + 430, 600, "Tax value:", ScreenWhite},
                      {o + 660, 600, "Attributes:", ScreenWhite}};
        return info;
    }
    info.texts.push_back({o + 185, 600, "Province: " + province->name(), ScreenWhite});
    info.texts.push_back({o + 430, 600, "Tax value:", ScreenWhite});
    // A frontier land (tax value 0) shows no coin places at all.
    if (province->taxValue != 0) {
        static const int places[4] = {515, 537, 559, 581};
        for (int i = 0; i < 4; ++i) info.coins.push_back({o + places[i], province->taxValue > i ? 268 : 269});
    }
    info.texts.push_back({o + 660, 600, "Attributes: " + province->attributesText(), ScreenWhite});
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
    return {{o + 20, 180, "Roman Legion", ScreenWhite},
            {o + 30, 270, "Barbarians", ScreenWhite},
            {o + 20, 370, "Sassanids", ScreenWhite},
            {o + 20, 475, "Rebelling Legion", ScreenWhite},
            {o + 10, 530, "The number next to an", ScreenWhite},
            {o + 10, 550, "icon indicates how many", ScreenWhite},
            {o + 10, 570, "legions are in that", ScreenWhite},
            {o + 10, 590, "province", ScreenWhite}};
}

std::vector<ScreenTextLine> instructionLines(int o) {
    return {{o + 230, 630, "Instructions:  Left-click and drag to move legions.  ", ScreenWhite},
            {o + 630, 630, "Right click to advance the game turn", ScreenWhite}};
}
