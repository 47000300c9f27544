#pragma once

class Province;
class World;

// What became of the player's order to move legions from one province to another.
enum class OrderResult {
    // Carried out: the order is spent and the map may have changed.
    Moved,     // into a free or own province
    Occupied,  // into an enemy province that no legion defended
    Won,       // the battle won and the province taken
    Raided,    // the battle in a frontier land won; the legion stays home
    Fought,    // the battle won, but enemy legions still stand there
    Lost,      // the battle lost: the attacking legion is gone
    Marching,  // sent along a route; it took its first step
    // Refused: nothing changed.
    NoLegion,        // no Roman legion stands in the source
    NotReady,        // the legions there are marching and cannot be picked up
    AllMoved,        // every legion there has moved this turn (the player is told)
    SameProvince,    // the target is the source
    FrontierClosed,  // a frontier land without enemies to attack (the player is told why)
    NoRoute,         // no route leads there
};

// Whether the order was carried out.
inline bool succeeded(OrderResult result) { return result <= OrderResult::Marching; }

// What became of a release of the mouse: the order it gave, or why it gave none.
struct DropResult {
    enum class Refusal {
        None,             // an order was given: see `order`
        NothingPickedUp,  // the press took up no legions
        NoProvince,       // the release fell on no province
    };
    Refusal refusal = Refusal::None;
    OrderResult order = OrderResult::NoLegion;
    // The province the order went to; none when it was refused before a
    // target counted.
    Province* target = nullptr;

    bool carriedOut() const { return refusal == Refusal::None && succeeded(order); }
};

namespace Orders {

// The player's order to one legion of the province `from`: a step into a
// neighbour (moving, occupying or attacking), or a march along the shortest route.
OrderResult move(World& world, Province& from, Province& to);

}  // namespace Orders
