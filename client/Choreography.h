#pragma once
// The turn's choreography as steps the window and the page play alike: how a
// march or a fight between two provinces is shown, a beaten army falling, the
// banner of a new year and the zoom toward a lesson's picture.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "client/ScreenStep.h"
#include "model/Power.h"

class Province;
class World;
struct Lesson;

namespace view {

// How long the screen stays still after a march or a fight, the new year's
// banner stays up, and each frame of a zoom stays drawn.
inline constexpr int PauseAfterMove = 330;
inline constexpr int BannerPause = 500;
inline constexpr int ZoomFramePause = 50;
inline constexpr int CrossedSwordsPicture = 229;
inline constexpr int BannerPicture = 234;

// The moves of one year: every Roman move is shown, an enemy's between the
// same two provinces only the first time in a year.
class MoveChoreography {
public:
    // The steps of a move from `from` to `to` as it is made; none for an
    // enemy move already shown this year.
    std::vector<ScreenStep> move(World& game, const Province& from, const Province& to);
    // A new year: every move is shown again.
    void forgetMoves() { shown_.clear(); }
    bool wasShown(const std::string& from, const std::string& to) const { return shown_.count({from, to}) != 0; }

private:
    std::set<std::pair<std::string, std::string>> shown_;
};

// The army of `loser` falling in `province`: a Roman over the screen as it
// stands (its own figure lifted first), the others over the bare map.
std::vector<ScreenStep> defeatSteps(Power loser, const Province& province);
// The banner of a new year, up for a moment.
std::vector<ScreenStep> bannerSteps();
// A frame growing from a layout point to the place of the lesson's picture,
// on a composition `layoutHeight` tall; twice when the lesson comes in a turn.
std::vector<ScreenStep> lessonZoomSteps(const Lesson& lesson, bool inTurn, int layoutHeight);

}  // namespace view
