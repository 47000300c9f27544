// The play session's log and undo: a game given an order and then its undo
// plays on exactly as the game never given it, and a log played again gives
// the game it came from.
#include <gtest/gtest.h>

#include <sstream>

#include "client/PlaySession.h"
#include "client/StateLine.h"
#include "engine/Game.h"
#include "tests/support/Policy.h"

namespace {

// Answers every question Yes, and lets every year run by itself.
struct Yes : Presenter {
    bool askWithLabels(const std::string&, const std::string&, const std::string&) override { return true; }
};

int indexNamed(const Game& game, std::string name) {
    for (char& c : name)
        if (c == '_') c = ' ';
    const Province* p = game.provinceNamed(name);
    return p ? game.indexOf(*p) : -1;
}

// The policy's next order, as the session takes it.
Order nextOrder(PlaySession& play) {
    std::istringstream words(nextPolicyOrder(play.game()));
    std::string kind, from, to;
    words >> kind >> from >> to;
    if (kind != "drop") return order::EndYear{};
    return order::Move{indexNamed(play.game(), from), indexNamed(play.game(), to)};
}

// A move that draws nothing: a ready legion into a neighbouring Roman province.
std::optional<order::Move> quietMove(const Game& game) {
    for (Province* from : game.romans.provinces) {
        if (!game.romans.hasReadyLegionIn(*from)) continue;
        for (Province* to : from->neighbours)
            if (to && game.romans.holds(*to)) return order::Move{game.indexOf(*from), game.indexOf(*to)};
    }
    return std::nullopt;
}

// Plays `years` years by the policy; `probe` gives an order and undoes it
// before the first order of each year. The state after every year.
std::vector<std::string> play(PlaySession& session, int years, bool probe, int* undone = nullptr) {
    std::vector<std::string> states;
    for (int year = 0; year < years && session.game().turn < 240; ++year) {
        if (probe) {
            if (const auto move = quietMove(session.game())) {
                const OrderReply o = session.give(*move);
                if (o.carriedOut && session.undoBlock() == UndoBlock::None) {
                    EXPECT_TRUE(session.undo());
                    if (undone) ++*undone;
                } else if (o.carriedOut) {
                    // Undo refused: the twin game must take the same order.
                    return states;
                }
            }
        }
        for (int orders = 0; orders < 40; ++orders) {
            const Order next = nextOrder(session);
            const bool ends = std::holds_alternative<order::EndYear>(next);
            const OrderReply o = session.give(next);
            if (ends || (o.carriedOut && session.yearEndsByItself())) break;
        }
        if (!std::holds_alternative<order::EndYear>(session.log().back().order)) session.give(order::EndYear{});
        states.push_back(stateLine(session.game()) + std::to_string(session.game().random.state()));
    }
    return states;
}

TEST(PlaySession, AnUndoneOrderLeavesTheGameAsIfNeverGiven) {
    int undone = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Yes yes;
        PlaySession probed(seed, int(seed % 3)), plain(seed, int(seed % 3));
        probed.setPresenter(&yes);
        plain.setPresenter(&yes);
        probed.start();
        plain.start();
        const std::vector<std::string> a = play(probed, 12, true, &undone);
        const std::vector<std::string> b = play(plain, int(a.size()), false);
        ASSERT_EQ(a, b) << "seed " << seed;
        // The log played again on the seed gives the same game.
        const auto again = PlaySession::replay(seed, int(seed % 3), probed.log());
        ASSERT_EQ(stateLine(again->game()), stateLine(probed.game())) << "seed " << seed;
    }
    EXPECT_GT(undone, 1000);
}

TEST(PlaySession, UndoRefusesWhatCannotBeTakenBack) {
    PlaySession session(3);
    session.start();
    EXPECT_EQ(session.undoBlock(), UndoBlock::NothingToUndo);
    EXPECT_FALSE(session.undo());
    Game& game = session.game();
    const auto i = [&](const char* name) { return game.indexOf(game.findProvince(name)); };
    // A quiet move is taken back; an attack on the tribes' legions the next
    // year fights a battle, which stays.
    const std::string fresh = stateLine(game);
    ASSERT_TRUE(session.give(order::Move{i("Italia"), i("Raetia")}).carriedOut);
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(stateLine(game), fresh);
    ASSERT_TRUE(session.give(order::Move{i("Italia"), i("Raetia")}).carriedOut);
    session.give(order::EndYear{});
    const std::string before = stateLine(game);
    std::optional<order::Move> attack;
    for (Province* from : game.romans.provinces)
        for (Province* to : from->neighbours)
            if (to && !attack && game.romans.hasReadyLegionIn(*from) && !game.romans.holds(*to) &&
                game.barbarians.countLegionsIn(*to) > 0)
                attack = order::Move{game.indexOf(*from), game.indexOf(*to)};
    ASSERT_TRUE(attack);
    ASSERT_TRUE(session.give(*attack).carriedOut);
    EXPECT_EQ(session.undoBlock(), UndoBlock::DrewChance);
    const std::string fought = stateLine(game);
    EXPECT_FALSE(session.undo());
    EXPECT_EQ(stateLine(game), fought);
    EXPECT_NE(fought, before);
    // A refused order changes nothing and is looked past; the year's end closes the year.
    session.give(order::Move{i("Italia"), i("Italia")});
    EXPECT_EQ(session.undoBlock(), UndoBlock::DrewChance);
    session.give(order::EndYear{});
    EXPECT_EQ(session.undoBlock(), UndoBlock::NothingToUndo);
    // Orders refused before they touch the game are not logged.
    const std::size_t logged = session.log().size();
    EXPECT_FALSE(session.give(order::Scenario{300}).accepted);
    EXPECT_FALSE(session.give(order::Load{"Dear students,"}).accepted);
    EXPECT_FALSE(session.give(order::LoadFile{"/nonexistent/game.avn"}).file.ok);
    EXPECT_EQ(session.log().size(), logged);
}

// Asks nothing it cannot answer from the answers so far: a question beyond
// them stops the order, as the page stops to ask its player.
struct Stopper : Presenter {
    struct Stop {};
    std::vector<bool> answers;
    std::size_t asked = 0;
    bool askWithLabels(const std::string&, const std::string&, const std::string&) override { return next(); }
    bool runAnotherYear() override { return next(); }
    bool next() {
        if (asked < answers.size()) return answers[asked++];
        throw Stop{};
    }
};

TEST(PlaySession, AnOrderStoppedMidwayCanBeGivenAgain) {
    int stops = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Yes yes;
        Stopper stopper;
        PlaySession stopped(seed, 2), plain(seed, 2);
        stopped.setPresenter(&stopper);
        plain.setPresenter(&yes);
        stopped.start();
        plain.start();
        for (int orders = 0; orders < 300 && stopped.game().turn < 40; ++orders) {
            const Order next = nextOrder(plain);
            plain.give(next);
            const std::string before = stateLine(stopped.game());
            const std::size_t logged = stopped.log().size();
            stopper.answers.clear();
            for (;;) {
                stopper.asked = 0;
                try {
                    stopped.give(next);
                    break;
                } catch (const Stopper::Stop&) {
                    // Stopped: the game is where it stood before the order.
                    ASSERT_EQ(stateLine(stopped.game()), before) << "seed " << seed;
                    ASSERT_EQ(stopped.log().size(), logged);
                    stopper.answers.push_back(true);
                    ++stops;
                }
            }
            ASSERT_EQ(stateLine(stopped.game()) + std::to_string(stopped.game().random.state()),
                      stateLine(plain.game()) + std::to_string(plain.game().random.state()))
                << "seed " << seed;
        }
        // Rolled back over several orders, the game is the one the shorter log gives.
        const std::size_t half = stopped.log().size() / 2;
        stopped.rollBack(half);
        const std::vector<PlaySession::Entry> kept(plain.log().begin(), plain.log().begin() + std::ptrdiff_t(half));
        ASSERT_EQ(stateLine(stopped.game()), stateLine(PlaySession::replay(seed, 2, kept)->game())) << "seed " << seed;
    }
    EXPECT_GT(stops, 200);
}

}  // namespace

TEST(PlaySession, PlayNotYetKeptIsWhatADiscardWouldLose) {
    Yes yes;
    PlaySession session(5);
    session.setPresenter(&yes);
    session.start();
    EXPECT_FALSE(session.hasUnsavedPlay()) << "a game nobody played";
    const auto move = quietMove(session.game());
    ASSERT_TRUE(move);
    session.give(*move);
    EXPECT_TRUE(session.hasUnsavedPlay());
    ASSERT_TRUE(session.undo());
    EXPECT_FALSE(session.hasUnsavedPlay()) << "the order taken back, nothing is lost";
    session.give(order::EndYear{});
    session.markKept();
    EXPECT_FALSE(session.hasUnsavedPlay()) << "just saved";
    session.give(*quietMove(session.game()));
    EXPECT_TRUE(session.hasUnsavedPlay());
    ASSERT_TRUE(session.undo());
    EXPECT_FALSE(session.hasUnsavedPlay());
    // A refused order loses nothing; a new or loaded game starts clean.
    session.give(order::Move{0, 0});
    EXPECT_FALSE(session.hasUnsavedPlay());
    session.give(order::EndYear{});
    session.give(order::NewGame{});
    EXPECT_FALSE(session.hasUnsavedPlay());
}
