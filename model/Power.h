#pragma once
#include <array>
#include <optional>
#include <string>

// The four powers, in the order saved files and every sweep over them use.
enum class Power { Romans, Barbarians, Sassanids, RogueRomans };

inline constexpr int PowerCount = 4;
inline constexpr std::array<Power, PowerCount> AllPowers = {Power::Romans, Power::Barbarians, Power::Sassanids,
                                                            Power::RogueRomans};

// The name files, transcripts and the screen use for a power.
const char* powerName(Power power);
// The power a name means; the rebels also answer to "Rogue Romans".
std::optional<Power> powerNamed(const std::string& name);
