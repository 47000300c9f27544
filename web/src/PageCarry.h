#pragma once
// The page's side of the client's carry: its key names, and what the carry
// answers, as the JSON the page draws from.
#include <optional>
#include <string>
#include <string_view>

#include "client/LegionCarry.h"

// The carry's key for a key name of the browser (KeyboardEvent.key), with the
// letter it types; none for a key the carry does not read.
std::optional<CarryKey> carryKeyNamed(std::string_view name, char& letter);

// What to show: {"taken", "order" (an order waits to be given), "pressed" (the
// figure under the last press, whether or not it may go), "carried",
// "carrying", "from" and "pointer" (layout points of the carry's line),
// "target", "cursor", "shown" (names, "" for none), "notice" (its line, as
// the screen's lines are written: one line or none), "noticeTold" (the
// advisor tells it too), "pickedUp" (the words for legions picked up and not
// yet dragged, "" for none)}.
std::string carryView(const LegionCarry& carry, bool taken, bool orderWaits);
