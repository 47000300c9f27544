#include "client/StateLine.h"

#include "client/Json.h"
#include "engine/Game.h"
#include "model/TextBuilder.h"

namespace {

const char* flag(bool value) { return value ? "true" : "false"; }

template <typename List, typename Write>
void writeList(TextBuilder& out, const List& list, Write write) {
    out << '[';
    bool first = true;
    for (const auto& item : list) {
        if (!first) out << ',';
        first = false;
        write(item);
    }
    out << ']';
}

}  // namespace

std::string stateLine(Game& game) {
    const RomanEmpire& r = game.romans;
    TextBuilder out;
    out << "{\"turn\":" << game.turn << ",\"skill\":" << game.skillLevel << ",\"treasury\":" << r.treasury
        << ",\"taxIncome\":" << r.taxIncome << ",\"legionCost\":" << r.legionCost << ",\"plague\":" << flag(r.plague)
        << ",\"plagueCounter\":" << r.plagueCounter << ",\"invasionCount\":" << game.invasionCount
        << ",\"plagueCount\":" << game.plagueCount << ",\"rebellionCount\":" << game.rebellionCount
        << ",\"sassanidWarningPending\":" << flag(game.sassanidWarningPending) << ",\"tribeCountdown\":";
    writeList(out, game.barbarians.tribeCountdown, [&](int c) { out << c; });
    out << ",\"hints\":{\"egypt\":" << flag(r.egyptHintShown) << ",\"dacia\":" << flag(r.daciaHintShown)
        << ",\"northAfrica\":" << flag(r.northAfricaHintShown) << ",\"britannia\":" << flag(r.britanniaHintShown)
        << ",\"legionLimit\":" << flag(r.legionLimitHintShown) << ",\"rebellion\":" << flag(r.rebellionHintShown)
        << ",\"moneyWarning\":" << flag(r.moneyWarningShown) << "},\"events\":";
    writeList(out, game.events, [&](const auto& e) { out << e->year; });
    out << ",\"provinces\":";
    writeList(out, game.provinceTable, [&](const Province* p) {
        out << "{\"name\":" << jsonString(p->name()) << ",\"raiseCounter\":" << p->raiseCounter
            << ",\"hostility\":" << p->hostility << '}';
    });
    out << ",\"empires\":";
    writeList(out, game.empires(), [&](const Empire* e) {
        out << "{\"name\":" << jsonString(e->name) << ",\"provinces\":";
        writeList(out, e->provinces, [&](const Province* p) { out << jsonString(p->name()); });
        out << ",\"legions\":";
        writeList(out, e->legions, [&](const auto& l) {
            out << "{\"province\":" << jsonString(l->province->name()) << ",\"moved\":" << flag(l->moved)
                << ",\"hasRoute\":" << flag(l->hasRoute) << ",\"routeIndex\":" << l->routeIndex << ",\"route\":";
            writeList(out, l->route, [&](const Province* p) { out << jsonString(p->name()); });
            out << '}';
        });
        out << '}';
    });
    out << ",\"eventLog\":";
    writeList(out, game.eventLog, [&](const std::string& line) { out << jsonString(line); });
    out << '}';
    return out.str();
}
