#pragma once
// A province in plain sentences, for a player who listens to the screen or
// would rather read it than look: who holds it, the legions standing there,
// its tax value, its attributes and where a legion may step from it. One
// wording for every front end: English forms with %1-style places (context
// "ProvinceDescription"), which the window translates and the page shows.
#include <optional>
#include <string>

#include "model/Power.h"

class World;
class Province;

// Who holds the province; nullopt when no one does (free land).
std::optional<Power> holderOf(const World& game, const Province& province);
// The holder as a sentence names it ("Rome", "no one", ...).
const char* holderLabel(std::optional<Power> holder);

// Its name, its holder and the legions there: what a player hears first.
std::string provinceSummary(const World& game, const Province& province);
// Its tax value, attributes and neighbours: what a player asks next.
std::string provinceDetails(const Province& province);
// Legions were picked up there and wait to be sent.
std::string pickedUpText(const Province& province);
