#pragma once
// A province told in words, for a player who cannot see the map: the one
// description the window gives its screen reader and the page puts in its
// list, in map order, with every fact the map shows of it.
#include <optional>
#include <string>
#include <vector>

#include "client/ScreenText.h"
#include "model/Power.h"

class World;
class Province;

// The parts in the order a player hears them: the name, who holds it, the
// legions there (for Rome's: ready and in all), its tax value, its attributes
// and the provinces a legion may march to from it.
std::vector<ScreenPhrase> provinceDescription(const World& game, const Province& province);
// How many of those parts a list names first (name, holder, legions); the
// rest is what a player asks for next.
inline constexpr std::size_t ProvinceSummaryParts = 3;
// Who holds the province; nullopt when no one does (free land). One two
// powers claim (a fault the rules report when they meet it) is told as the
// first in the powers' order.
std::optional<Power> holderOf(const World& game, const Province& province);
// Legions were taken up there and wait to be sent.
ScreenPhrase pickedUpPhrase(const Province& province);
// A phrase in English, as the page shows it.
std::string englishPhrase(const ScreenPhrase& phrase);
// The parts in English, each ending a sentence, joined by a blank.
std::string englishDescription(const std::vector<ScreenPhrase>& parts);

// The legend in words: for each holder, its name and the mark its land bears
// on the map, then how the figures are counted.
std::vector<ScreenPhrase> legendDescription();
