#include "client/ProvinceDescription.h"

#include "client/ScreenText.h"
#include "english/CorrectedEnglish.h"
#include "rules/World.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

int readyLegions(const Empire& empire, const Province& province) {
    int ready = 0;
    for (const auto& l : empire.legions)
        if (l->province->sameAs(province) && !l->moved && !l->hasRoute) ++ready;
    return ready;
}

// A form with its words, after the text so far: one place for the filling, the engine stays small.
void append(std::string& text, const char* form, const std::vector<std::string>& words) {
    text += ' ';
    text += fillForm(form, words);
}

}  // namespace

std::optional<Power> holderOf(const World& game, const Province& province) {
    for (const Empire* e : game.empires())
        if (e->holds(province)) return e->power;
    return std::nullopt;
}

const char* holderLabel(std::optional<Power> holder) {
    if (!holder) return QT_TRANSLATE_NOOP("ProvinceDescription", "no one");
    switch (*holder) {
        case Power::Romans: return QT_TRANSLATE_NOOP("ProvinceDescription", "Rome");
        case Power::Barbarians: return QT_TRANSLATE_NOOP("ProvinceDescription", "the Germanic tribes");
        case Power::Sassanids: return QT_TRANSLATE_NOOP("ProvinceDescription", "the Sassanids");
        case Power::RogueRomans: return QT_TRANSLATE_NOOP("ProvinceDescription", "rebelling legions");
    }
    return "";
}

std::string provinceSummary(const World& game, const Province& province) {
    std::string text = fillForm(QT_TRANSLATE_NOOP("ProvinceDescription", "%1, held by %2."),
                                {province.name(), holderLabel(holderOf(game, province))});
    bool any = false;
    for (const Empire* e : game.empires()) {
        const int count = e->countLegionsIn(province);
        if (count <= 0) continue;
        any = true;
        if (e->isRomans())
            append(text, QT_TRANSLATE_NOOP("ProvinceDescription", "Roman legions: %1, ready: %2."),
                   {std::to_string(count), std::to_string(readyLegions(*e, province))});
        else
            append(text, QT_TRANSLATE_NOOP("ProvinceDescription", "Legions of %1: %2."),
                   {holderLabel(e->power), std::to_string(count)});
    }
    if (!any) append(text, QT_TRANSLATE_NOOP("ProvinceDescription", "No legions."), {});
    return text;
}

std::string provinceDetails(const Province& province) {
    std::string neighbours;
    for (int i = 0; i < province.neighbourCount; ++i)
        neighbours += (i ? ", " : "") + province.neighbours[std::size_t(i)]->name();
    return fillForm(QT_TRANSLATE_NOOP("ProvinceDescription", "Tax value: %1. Attributes: %2. Neighbours: %3."),
                    {std::to_string(province.taxValue), correctedEnglish(province.attributesText()), neighbours});
}

std::string pickedUpText(const Province& province) {
    return fillForm(QT_TRANSLATE_NOOP("ProvinceDescription", "Legions of %1 picked up: choose the province to send them to."),
                    {province.name()});
}
