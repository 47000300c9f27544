#pragma once
#include <string>

class World;

// What the Prefect reads when a scenario is opened: its title over its
// briefing. Empty when the scenario has no briefing (every saved game).
std::string scenarioBriefingText(const World& world);
// Has the game's presenter read it; nothing when there is none.
void tellScenarioBriefing(World& world);
