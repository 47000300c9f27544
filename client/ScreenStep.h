#pragma once
// One moment of the turn's choreography (a march, a fight, the new year's
// banner, the zoom toward a lesson), for every front end: the window and the
// page play the same steps and decide none of them. Plain C++.
#include <optional>

#include "client/ScreenLayout.h"
#include "rules/Presenter.h"

namespace view {

// What an area of the screen is brought back from.
enum class Backdrop {
    Screen,   // the screen as composed, less any figure a step lifted off it
    BareMap,  // the map and its tints alone: where a beaten enemy falls
    Before,   // the screen as it was shown when the steps began
};

// What changes on the screen, in the order of the fields, then how long the
// screen stays so. Places are layout pixels at screen offset 0.
struct ScreenStep {
    std::optional<SoundKind> sound;
    // The whole screen composed afresh and shown.
    bool compose = false;
    // A figure lifted off the composed screen: the bare map there from now on.
    std::optional<LayoutRect> lift;
    std::optional<LayoutRect> restore;
    Backdrop backdrop = Backdrop::Screen;
    // A picture (PictureTable.h or an animation's frame) with its corner at `at`,
    // flipped left to right when `mirror`.
    int picture = 0;
    LayoutPoint at{};
    bool mirror = false;
    // A black frame one pixel wide (its lines from x to x + w, y to y + h).
    std::optional<LayoutRect> outline;
    int pauseMs = 0;
};

}  // namespace view
