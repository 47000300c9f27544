#include "client/ProvinceDescription.h"

#include "client/FigureCounts.h"
#include "client/HolderMarks.h"
#include "rules/World.h"

#include "model/TranslationMarks.h"

namespace {

const char* holderForm(std::optional<Power> holder) {
    if (!holder) return QT_TRANSLATE_NOOP("ScreenText", "Free land, held by no one.");
    switch (*holder) {
        case Power::Romans: return QT_TRANSLATE_NOOP("ScreenText", "Held by Rome.");
        case Power::Barbarians: return QT_TRANSLATE_NOOP("ScreenText", "Held by the barbarians.");
        case Power::Sassanids: return QT_TRANSLATE_NOOP("ScreenText", "Held by the Sassanids.");
        case Power::RogueRomans: return QT_TRANSLATE_NOOP("ScreenText", "Held by the rebels.");
    }
    return "";
}

ScreenPhrase legionsPhrase(const World& game, const Province& province) {
    const view::RomanStack roman = view::romanStack(game, province);
    if (roman.total > 0)
        return {QT_TRANSLATE_NOOP("ScreenText", "Roman legions: %1 ready of %2."),
                {{std::to_string(roman.ready)}, {std::to_string(roman.total)}}};
    for (const Empire* e : game.empires()) {
        const int count = e->countLegionsIn(province);
        if (e->isRomans() || count <= 0) continue;
        const char* form = e->power == Power::Barbarians  ? QT_TRANSLATE_NOOP("ScreenText", "Barbarian legions: %1.")
                           : e->power == Power::Sassanids ? QT_TRANSLATE_NOOP("ScreenText", "Sassanid legions: %1.")
                                                          : QT_TRANSLATE_NOOP("ScreenText", "Rebel legions: %1.");
        return {form, {{std::to_string(count)}}};
    }
    return {QT_TRANSLATE_NOOP("ScreenText", "No legions.")};
}

std::string neighbourNames(const Province& province) {
    std::string names;
    for (int i = 0; i < province.neighbourCount; ++i) {
        if (!names.empty()) names += ", ";
        names += province.neighbours[static_cast<std::size_t>(i)]->name();
    }
    return names;
}

}  // namespace

std::optional<Power> holderOf(const World& game, const Province& province) {
    for (const Empire* e : game.empires())
        if (e->holds(province)) return e->power;
    return std::nullopt;
}

ScreenPhrase pickedUpPhrase(const Province& province) {
    return {QT_TRANSLATE_NOOP("ScreenText", "The legions of %1 taken up: choose where they march; Escape puts them down."),
            {{province.name()}}};
}

std::vector<ScreenPhrase> provinceDescription(const World& game, const Province& province) {
    std::vector<ScreenPhrase> parts = {
        {"%1.", {{province.name()}}}, {holderForm(holderOf(game, province))}, legionsPhrase(game, province)};
    // A frontier land pays nothing and the map shows it no coin places.
    if (province.taxValue == 0)
        parts.push_back({QT_TRANSLATE_NOOP("ScreenText", "No tax.")});
    else
        parts.push_back(
            {QT_TRANSLATE_NOOP("ScreenText", "Tax value: %1 of 4."), {{std::to_string(province.taxValue)}}});
    const char* attributes = province.hostility == Friendly  ? QT_TRANSLATE_NOOP("ScreenText", "Attributes: %1 (friendly).")
                             : province.hostility == Hostile ? QT_TRANSLATE_NOOP("ScreenText", "Attributes: %1 (hostile).")
                                                             : QT_TRANSLATE_NOOP("ScreenText", "Attributes: %1.");
    parts.push_back({attributes, {{province.description, true}}});
    if (province.neighbourCount > 0)
        parts.push_back({QT_TRANSLATE_NOOP("ScreenText", "Marches to: %1."), {{neighbourNames(province)}}});
    return parts;
}

std::string englishPhrase(const ScreenPhrase& phrase) {
    std::vector<std::string> words;
    for (const ScreenTextArg& a : phrase.args) words.push_back(shownWord(a));
    return fillForm(phrase.form, words);
}

std::string englishDescription(const std::vector<ScreenPhrase>& parts) {
    std::string text;
    for (const ScreenPhrase& p : parts) {
        if (!text.empty()) text += ' ';
        text += englishPhrase(p);
    }
    return text;
}

std::vector<ScreenPhrase> legendDescription() {
    // Each mark as HolderMarks.h lays it; the map and the legend draw them from there.
    static_assert(view::holderMark(Power::Romans).pattern == view::MarkPattern::None);
    static_assert(view::holderMark(std::nullopt).pattern == view::MarkPattern::Dots);
    static_assert(view::holderMark(Power::Barbarians).pattern == view::MarkPattern::Diagonal);
    static_assert(view::holderMark(Power::Sassanids).pattern == view::MarkPattern::Cross);
    static_assert(view::holderMark(Power::RogueRomans).pattern == view::MarkPattern::Horizontal);
    return {{QT_TRANSLATE_NOOP("ScreenText", "Rome's provinces: the plain map.")},
            {QT_TRANSLATE_NOOP("ScreenText", "Free land: white, with dots.")},
            {QT_TRANSLATE_NOOP("ScreenText", "Barbarians: yellow, with lines rising to the right.")},
            {QT_TRANSLATE_NOOP("ScreenText", "Sassanids: purple, with crossed lines.")},
            {QT_TRANSLATE_NOOP("ScreenText", "Rebels: white, with level stripes.")},
            {QT_TRANSLATE_NOOP("ScreenText",
                               "The number next to a legion figure tells how many legions are in that province; "
                               "ready/total when some Roman legions there have moved.")}};
}
