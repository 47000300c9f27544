#pragma once
// What the game screen's scene layer (the map, its tints and legions, the
// legend, the reports and the information line) is drawn from: the screen
// composes the layer again only when this changes.
#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

class Game;

struct SceneKey {
    // The powers' colours, provinces and legions with their routes and
    // orders, and the year: everything of the game the map shows.
    std::vector<std::uintptr_t> world;
    // The screen's own state (highlights, the province under the pointer),
    // as the screen lists it.
    std::vector<std::uintptr_t> screen;
    // Every text of the reports and the information line, in drawing order.
    QString texts;
    QString font;
    bool operator==(const SceneKey&) const = default;
};

// Who holds which province, in which colour: what the tinted map shows.
std::vector<std::uintptr_t> ownershipKey(const Game& game);
// The world part of the key: the ownership, every legion and the year.
std::vector<std::uintptr_t> worldKey(const Game& game);
