#pragma once
// The provinces lost or invaded in a year (YearSummary::flashes), blinked on
// the map once the year's news is out of the way: the window and the page
// blink them alike.
#include <cstdint>

namespace view {

// How long each state of a blink stays, counted only while the player can
// see the map, and how many changes make the five blinks.
inline constexpr int FlashPause = 350;
inline constexpr int FlashTicks = 10;
// Only the rim blinks (0xRRGGBB): a red wash over a lost province's new
// colour would look like Rome's own, as if it had not been lost.
inline constexpr std::uint32_t FlashRim = 0xe61e14;

// Whether the rims are drawn after `ticks` pauses: from the year's end on,
// then every second pause, and no more once the blinks are over.
constexpr bool flashDrawn(int ticks) { return ticks < FlashTicks && ticks % 2 == 0; }

}  // namespace view
