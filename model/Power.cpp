#include "model/Power.h"

#include "model/TranslationMarks.h"

namespace {
constexpr std::array<const char*, PowerCount> Names = {QT_TRANSLATE_NOOP("Names", "Romans"), QT_TRANSLATE_NOOP("Names", "Germanic Tribes"),
                                                         QT_TRANSLATE_NOOP("Names", "Sassanids"),
                                                         QT_TRANSLATE_NOOP("Names", "Rebelling Legions")};
}

const char* powerName(Power power) { return Names[static_cast<std::size_t>(power)]; }

std::optional<Power> powerNamed(const std::string& name) {
    for (Power p : AllPowers) {
        if (name == powerName(p)) return p;
    }
    if (name == "Rogue Romans") return Power::RogueRomans;
    return std::nullopt;
}
