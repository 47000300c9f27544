#pragma once
// How a march between two provinces is shown, for every front end (the window
// and the page draw the same walk). Plain C++: the page's engine has no Qt.
#include "client/ScreenLayout.h"

class Empire;

namespace view {

struct MarchPlan {
    // The walk animation (by its name in the animation table); null for
    // rebels and for a move out of a province nobody holds, where the
    // crossed swords stand at `swords` instead.
    const char* walk = nullptr;
    // The soldier's top-left corner on the first and the last frame, layout
    // pixels at screen offset 0: from the figure halfway toward the target's,
    // so that he sets out for the border and stops short of a figure there.
    LayoutPoint start{}, end{};
    // The walk's pictures face one way; mirrored, he faces the way he goes.
    bool mirror = false;
    // One soldier steps out of a stack; the last legion takes his figure along.
    bool figureStays = true;
    LayoutPoint swords{};
};

MarchPlan marchPlan(const Empire* owner, const Province& from, const Province& to);

}  // namespace view
