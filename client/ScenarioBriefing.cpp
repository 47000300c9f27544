#include "client/ScenarioBriefing.h"

#include "rules/World.h"

std::string scenarioBriefingText(const World& world) {
    if (world.scenarioBriefing.empty()) return {};
    if (world.scenarioTitle.empty()) return world.scenarioBriefing;
    return world.scenarioTitle + "\n\n" + world.scenarioBriefing;
}

void tellScenarioBriefing(World& world) {
    const std::string text = scenarioBriefingText(world);
    if (!text.empty()) world.presenter().tell(text);
}
