#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>

#include "model/SavedPosition.h"
#include "powers/Barbarians.h"
#include "powers/RogueRomans.h"
#include "powers/Sassanids.h"
#include "rules/World.h"

// One whole game: the world the rules act on and the three foreign powers.
// Any number can live side by side; a front end that plays one game at a time
// reaches it through instance(). New games, scenarios and loads reset and
// refill a game in place.
class Game : public World {
public:
    // The front end's one game; made with seed 1 when none was started.
    static Game& instance();
    // Replaces the front end's one game with a fresh one seeded with `seed`.
    static Game& newInstance(std::uint32_t seed);
    // Ends the one game (program exit; tests start afresh with it).
    static void destroyInstance();
    static bool exists();

    explicit Game(std::uint32_t seed);
    ~Game() override;

    Barbarians barbarians;
    Sassanids sassanids;
    RogueRomans rogueRomans;

    // Saved games.
    FileResult saveToFile(const std::string& path);
    FileResult loadFromFile(const std::string& path);
    // The saved game's text, and the writer and the reader on streams: the
    // same text, the same checks.
    std::string savedText();
    void saveToStream(std::ostream& out);
    FileResult loadFromStream(std::istream& in);
    FileResult loadFromText(const std::string& text);
    // The position a saved game holds, and the game set to one.
    SavedPosition capturePosition();
    void applyPosition(const SavedPosition& position);
};
