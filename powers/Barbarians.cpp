#include "powers/Barbarians.h"

#include "model/InternalError.h"
#include "rules/World.h"

#include "model/TranslationMarks.h"

namespace {

constexpr const char* PeaceTribeNames[TribeCount] = {QT_TRANSLATE_NOOP("Names", "Saxons"), QT_TRANSLATE_NOOP("Names", "Franks"),
                                                          QT_TRANSLATE_NOOP("Names", "Marcomanni"), QT_TRANSLATE_NOOP("Names", "Goths")};

// Turns of quiet after a war: 5..9.
int warCountdown(Random& random) { return random.draw() % 5 + 5; }

}  // namespace

Barbarians::Barbarians(World& world) : EnemyEmpire(world, Power::Barbarians, 1) { mapColour = 1; }

void Barbarians::drawCountdowns() {
    for (int& countdown : tribeCountdown) countdown = world_.random.draw() % 4 + 2;
}

void Barbarians::takeTurn() {
    for (int i = 0; i < TribeCount; ++i) {
        currentTribe = i;
        int& countdown = tribeCountdown[static_cast<std::size_t>(i)];
        if (countdown > 0) {
            --countdown;
            continue;
        }
        decide(i);
    }
    updateLegions();
}

void Barbarians::decide(int tribe) {
    const int r1 = world_.random.draw();
    const int treasury = world_.romans.treasury;
    if (treasury <= 1000 || r1 % 3 != 0) {
        goToWar(tribe);
        return;
    }
    const int divisor = world_.random.draw() % 3 + 2;
    const int amount = treasury / divisor / 1000 * 1000;
    const int years = world_.random.draw() % 10 + 5;
    if (offerPeace(PeaceTribeNames[tribe], years, amount)) {
        tribeCountdown[static_cast<std::size_t>(tribe)] = years;
        markFrontier(tribe, Friendly);
        return;
    }
    goToWar(tribe);
}

void Barbarians::goToWar(int tribe) {
    markFrontier(tribe, Hostile);
    tribeCountdown[static_cast<std::size_t>(tribe)] = warCountdown(world_.random);
    invade(frontierOf(tribe));
}

bool Barbarians::offerPeace(const std::string& tribeName, int years, int amount) {
    const bool accepted = world_.presenter().ask(
        {MessageId::PeaceOffer, {tribeName, std::to_string(years), std::to_string(amount)}});
    if (accepted) {
        world_.romans.treasury -= amount;
        world_.romans.ledger.tribute += amount;
    }
    return accepted;
}

Province* Barbarians::frontierOf(int tribe) {
    switch (tribe) {
    case 0: return &world_.findProvince("Lower Rhine");
    case 1: return &world_.findProvince("Upper Rhine");
    case 2: return &world_.findProvince("Upper Danube");
    case 3: return &world_.findProvince(world_.random.draw() % 2 == 0 ? "Sarmatia" : "Lower Danube");
    default: throw InternalError("invalid cur tribe!");
    }
}

void Barbarians::markFrontier(int tribe, int hostility) {
    switch (tribe) {
    case 0: world_.findProvince("Lower Rhine").hostility = hostility; break;
    case 1: world_.findProvince("Upper Rhine").hostility = hostility; break;
    case 2: world_.findProvince("Upper Danube").hostility = hostility; break;
    case 3:
        world_.findProvince("Lower Danube").hostility = hostility;
        world_.findProvince("Sarmatia").hostility = hostility;
        break;
    default: throw InternalError("invalid cur tribe!");
    }
}

std::string Barbarians::tribeNameFor(const std::string& provinceName) {
    if (provinceName == "Upper Rhine") return world_.random.draw() % 2 == 0 ? "Franks" : QT_TRANSLATE_NOOP("Names", "Vandals");
    if (provinceName == "Sarmatia") return world_.random.draw() % 2 == 0 ? "Goths" : QT_TRANSLATE_NOOP("Names", "Ostrogoths");
    if (provinceName == "Lower Rhine") return "Saxons";
    if (provinceName == "Lower Danube") return world_.random.draw() % 2 == 0 ? "Goths" : QT_TRANSLATE_NOOP("Names", "Visigoths");
    if (provinceName == "Upper Danube") return "Marcomanni";
    return "Franks";
}

Province* Barbarians::chooseInvasionTarget() {
    return drawTarget({"Italia", "Aquitania", "Lugdunensis", "Narbonensis", "Raetia", "Britannia", "Pannonia", "Dacia",
                       "Belgica", "Lusitania", "Mauretania", "Terraconensis"},
                      [](const Empire* holder) { return holder == nullptr || holder->power != Power::Barbarians; });
}

void Barbarians::invade(Province* start) {
    Province* target = chooseInvasionTarget();
    if (target == nullptr || start == nullptr) return;
    const Route route = invasionRoute(*start, *target);
    static constexpr int base[] = {1, 2, 3};
    static constexpr int spread[] = {1, 2, 3};
    const int skill = world_.skillLevel;
    addLegions(*start, world_.random.draw() % spread[skill] + base[skill], route);
    const std::string messageName = tribeNameFor(start->name());
    const std::string logName = tribeNameFor(start->name());
    world_.report({MessageId::BarbariansSighted, {messageName}}, {MessageId::BarbariansCrossed, {logName}});
    ++world_.invasionCount;
}
