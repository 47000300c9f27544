#pragma once
// The count a figure carries, for the window and the page alike.
#include <string>

class World;
class Province;

namespace view {

// How a Roman stack stands: legions free for an order, legions marching on a
// route, and all of them.
struct RomanStack {
    int ready = 0;
    int marching = 0;
    int total = 0;
};
RomanStack romanStack(const World& game, const Province& province);
// "ready/total" when some legions cannot take an order, else the total.
std::string stackCountLabel(const RomanStack& stack);

}  // namespace view
