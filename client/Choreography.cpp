#include "client/Choreography.h"

#include <algorithm>
#include <cmath>

#include "client/MarchPlan.h"
#include "client/PictureTable.h"
#include "rules/LessonTable.h"
#include "rules/World.h"

namespace view {

namespace {

int frameCount(const AnimationSpec& a) {
    return int(std::count_if(a.frames.begin(), a.frames.end(), [](int id) { return id != 0; }));
}

LayoutRect unite(const LayoutRect& a, const LayoutRect& b) {
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    return {left, top, std::max(a.x + a.w, b.x + b.w) - left, std::max(a.y + a.h, b.y + b.h) - top};
}

// A soldier carried in even steps from the plan's start to its end, each
// frame wiping the one before with the screen as composed.
std::vector<ScreenStep> walkSteps(const MarchPlan& plan) {
    const AnimationSpec& walk = animationNamed(plan.walk);
    const int last = frameCount(walk) - 1;
    // Halves round away from zero, as the window's points always did.
    auto along = [last](int from, int to, int i) {
        return from + (last > 0 ? int(std::lround(double((to - from) * i) / last)) : 0);
    };
    std::vector<ScreenStep> steps;
    std::optional<LayoutRect> previous;
    for (int i = 0; i <= last; ++i) {
        ScreenStep s;
        if (i == 0) {
            s.sound = SoundKind::Battle;
            // Composed afresh: the figure a drag carried and its target's
            // highlight are gone before the soldier sets out.
            s.compose = true;
            if (!plan.figureStays) s.lift = LayoutRect{plan.start.x, plan.start.y, walk.width, walk.height};
        }
        s.at = {along(plan.start.x, plan.end.x, i), along(plan.start.y, plan.end.y, i)};
        const LayoutRect here{s.at.x, s.at.y, walk.width, walk.height};
        s.restore = previous ? unite(*previous, here) : here;
        s.picture = walk.frames[std::size_t(i)];
        s.mirror = plan.mirror;
        s.pauseMs = walk.delayMs;
        steps.push_back(s);
        previous = here;
    }
    return steps;
}

}  // namespace

std::vector<ScreenStep> MoveChoreography::move(World& game, const Province& from, const Province& to) {
    const std::pair<std::string, std::string> key{from.name(), to.name()};
    if (shown_.count(key)) return {};
    const Empire* owner = game.ownerOf(from);
    if (!owner || !owner->isRomans()) shown_.insert(key);
    const MarchPlan plan = marchPlan(owner, from, to);
    std::vector<ScreenStep> steps;
    if (plan.walk) {
        steps = walkSteps(plan);
    } else {
        // Rebels, and a move out of a province nobody holds: the crossed swords.
        ScreenStep swords;
        swords.sound = SoundKind::Battle;
        swords.picture = CrossedSwordsPicture;
        swords.at = plan.swords;
        steps.push_back(swords);
    }
    ScreenStep still;
    still.pauseMs = PauseAfterMove;
    steps.push_back(still);
    return steps;
}

std::vector<ScreenStep> defeatSteps(Power loser, const Province& province) {
    const AnimationSpec& a = animationNamed(loser == Power::Romans        ? "romanDefeat"
                                            : loser == Power::RogueRomans ? "rebelDefeat"
                                            : loser == Power::Sassanids   ? "sassanidDefeat"
                                                                          : "barbarianDefeat");
    const LayoutPoint corner = figureCorner(province);
    const LayoutPoint spot{MapLeft + corner.x, MapTop + corner.y};
    // Wide frames are centred on the 30-pixel spot of a standing legion.
    const int x = spot.x - (a.width > 30 ? (a.width - 30) / 2 : 0);
    std::vector<ScreenStep> steps;
    for (int i = 0; i < frameCount(a); ++i) {
        ScreenStep s;
        if (i == 0 && loser == Power::Romans) s.lift = LayoutRect{spot.x, spot.y, 35, 65};
        s.restore = LayoutRect{x, spot.y, a.width, a.height};
        s.backdrop = loser == Power::Romans ? Backdrop::Screen : Backdrop::BareMap;
        s.picture = a.frames[std::size_t(i)];
        s.at = {x, spot.y};
        s.pauseMs = a.delayMs;
        steps.push_back(s);
    }
    return steps;
}

std::vector<ScreenStep> bannerSteps() {
    ScreenStep up;
    up.picture = BannerPicture;
    up.at = {BannerPlace.x, BannerPlace.y};
    up.pauseMs = BannerPause;
    ScreenStep down;
    down.restore = BannerPlace;
    down.backdrop = Backdrop::Before;
    return {up, down};
}

std::vector<ScreenStep> lessonZoomSteps(const Lesson& lesson, bool inTurn, int layoutHeight) {
    const std::vector<LayoutRect> frames = zoomFrames(lesson.zoomX, lesson.zoomY, LayoutWidth, layoutHeight);
    std::vector<ScreenStep> steps;
    for (int zoom = 0; zoom < (inTurn ? 2 : 1); ++zoom) {
        for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
            ScreenStep s;
            s.outline = frames[i];
            s.pauseMs = ZoomFramePause;
            steps.push_back(s);
        }
        // The frames are wiped where the picture will stand.
        ScreenStep wipe;
        wipe.restore = frames.back();
        steps.push_back(wipe);
    }
    return steps;
}

}  // namespace view
