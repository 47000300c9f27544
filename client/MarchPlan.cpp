#include "client/MarchPlan.h"

#include "model/Empire.h"
#include "model/Power.h"
#include "model/Province.h"

namespace view {

MarchPlan marchPlan(const Empire* owner, const Province& from, const Province& to) {
    MarchPlan plan;
    plan.swords = crossedSwordsPlace(from, to);
    // The Roman pictures face right, the others left.
    bool facesRight = false;
    if (owner && owner->power == Power::Romans) {
        plan.walk = "romanWalk";
        facesRight = true;
    } else if (owner && owner->power == Power::Barbarians) {
        plan.walk = "barbarianWalk";
    } else if (owner && owner->power == Power::Sassanids) {
        plan.walk = "sassanidWalk";
    } else {
        return plan;
    }
    const LayoutPoint a = figureCorner(from);
    const LayoutPoint b = figureCorner(to);
    plan.start = {MapLeft + a.x, MapTop + a.y};
    // Halves round away from zero, as the window's points always did.
    auto half = [](int d) { return (d + (d < 0 ? -1 : 1)) / 2; };
    plan.end = {plan.start.x + half(b.x - a.x), plan.start.y + half(b.y - a.y)};
    plan.mirror = facesRight == (plan.end.x < plan.start.x);
    plan.figureStays = owner->countLegionsIn(from) > 1;
    return plan;
}

}  // namespace view
