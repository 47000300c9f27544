#pragma once
#include <optional>

#include "model/Power.h"

// A player who cannot tell red from green, or who prints the map in grey,
// still has to see who holds a province: each holder other than Rome lays a
// pattern over its tint, and the legend shows the same pattern beside the
// holder's name. Free land and the rebels are both pale, so their marks differ
// most. Every front end draws the patterns from this one table.
namespace view {

enum class MarkPattern {
    None,        // Rome's own provinces: the plain map
    Dots,        // free land, held by no one
    Diagonal,    // the tribes: lines rising to the right
    Cross,       // the Persians: crossed diagonals
    Horizontal,  // the rebels: level stripes
};

struct HolderMark {
    MarkPattern pattern;
    int spacing;    // map pixels between lines or dots
    int thickness;  // map pixels of a line or a dot's width
};

// No holder (nullopt) is free land.
constexpr HolderMark holderMark(std::optional<Power> holder) {
    if (!holder) return {MarkPattern::Dots, 7, 2};
    switch (*holder) {
    case Power::Romans: return {MarkPattern::None, 0, 0};
    case Power::Barbarians: return {MarkPattern::Diagonal, 8, 2};
    case Power::Sassanids: return {MarkPattern::Cross, 9, 1};
    case Power::RogueRomans: return {MarkPattern::Horizontal, 6, 2};
    }
    return {MarkPattern::None, 0, 0};
}

}  // namespace view
