#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "client/Order.h"
#include "model/SavedPosition.h"
#include "rules/Orders.h"
#include "rules/Presenter.h"

class Game;

// What became of an order given to a play session.
struct OrderReply {
    // False when the order was refused before it touched the game: a
    // scenario that does not exist, a skill out of range, a file that does
    // not read (see `file`), a province that is not on the map.
    bool accepted = true;
    // Whether the order changed the game as the player meant it to.
    bool carriedOut = true;
    OrderResult move = OrderResult::Moved;  // a Move
    DropResult drop;                        // a DropAt
    FileResult file;                        // a Load or LoadFile
};

// Why undo cannot take back the last order.
enum class UndoBlock {
    None,           // it can
    NothingToUndo,  // no order of this year was carried out since the year began, a game started or a file loaded
    DrewChance,     // the order drew from the generator: a battle was fought
    Revealed,       // the order made the advisor speak: the player learnt something
};

// One game as a player plays it, whatever the front end: the Game, the
// orders given to it in order with the answers given during each, and undo.
// The front end's presenter sees everything the rules show; the session
// stands between them so that every question's answer is logged, and so
// that replaying the log on the same seed gives the same game again, draw
// for draw, with nothing shown.
class PlaySession {
public:
    struct Entry {
        Order order;
        // Every answer given while the order ran: the advisor's questions and
        // whether a year that would run by itself did, in the order asked.
        std::vector<bool> answers;
        bool carriedOut = false;
        bool drewChance = false;
        bool revealed = false;
    };

    // Builds the game of `seed` at `skill`; nothing is set up until start().
    PlaySession(std::uint32_t seed, int skill = 1);
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // The same object for the session's whole life: undo rebuilds it in
    // place. Provinces and legions are new objects after an undo.
    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    // Where what the rules show goes; nullptr shows nothing and answers No.
    void setPresenter(Presenter* frontEnd) { frontEnd_ = frontEnd; }

    // The new game of 235 AD, as a program starts with.
    void start();
    // The one entry point for everything a player does to the game. A
    // presenter may throw to stop an order midway (to ask its player
    // something first): the order is then forgotten, the game is put back as
    // it stood before it, and the exception goes on to the front end.
    OrderReply give(const Order& order);
    // After a carried-out order: no Roman legion is left to move, so the
    // front end ends the year by itself.
    bool yearEndsByItself() const;

    // Whether giving the game up would lose play: an order carried out or a
    // year ended since the game was started, loaded, or last kept. Every
    // front end asks before discarding such a game, and only then.
    bool hasUnsavedPlay() const;
    // The game as it stands is kept: saved to a file, or just set up (a
    // scenario whose first year ends by itself).
    void markKept() { keptAt_ = log_.size(); }

    const std::vector<Entry>& log() const { return log_; }
    std::uint32_t seed() const { return seed_; }

    // The order undo would take back (a Move or a DropAt), or nullptr.
    const Order* undoable() const;
    UndoBlock undoBlock() const;
    // Takes back the last order of the year as if it had never been given:
    // the game, the generator and everything that follows are those of the
    // log without it. False, changing nothing, when undoBlock() says why not.
    bool undo();
    // Puts the game back as it stood when the log held its first `entries`
    // entries, for a front end that plays several orders as one and stopped
    // midway; nothing changes when the log is no longer.
    void rollBack(std::size_t entries);

    // A session on the same seed and skill that has played `entries` again
    // with nothing shown.
    static std::unique_ptr<PlaySession> replay(std::uint32_t seed, int skill, const std::vector<Entry>& entries);

private:
    class Relay;
    OrderReply carryOut(const Order& order);
    void replayInPlace(std::vector<Entry> entries);
    // The index in the log of the entry undo would remove, or -1.
    int lastOrderOfTheYear() const;

    std::uint32_t seed_;
    int skill_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<Relay> relay_;
    Presenter* frontEnd_ = nullptr;
    std::vector<Entry> log_;
    // The log's length when the game was last kept; an undo below it means
    // the game on screen is no longer the one kept.
    std::size_t keptAt_ = 0;
};
