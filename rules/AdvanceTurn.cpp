#include "model/SavedPosition.h"
#include "rules/LessonTable.h"
#include "rules/World.h"

void World::advanceTurn() {
    World& game = *this;
    Presenter& frontEnd = presenter();
    do {
        game.romans.takeTurn();
        frontEnd.redraw();
        frontEnd.banner();
        frontEnd.forgetAnimatedMoves();
        empire(Power::Barbarians).takeTurn();
        empire(Power::Sassanids).takeTurn();
        empire(Power::RogueRomans).takeTurn();
        // Only a game loaded far past 476 can come this far.
        if (game.turn < SavedPosition::MaxTurn) ++game.turn;
        game.runDueEvents();
        frontEnd.redraw();

        if (game.romans.provinces.empty()) {
            if (!frontEnd.ask({MessageId::Defeated, {}})) {
                frontEnd.quit();
                return;
            }
            game.startNewGame();
            frontEnd.redraw();
        }

        const int year = game.year();
        if (lessonOfYear(year) != nullptr) {
            if (year == 260)
                frontEnd.tell({MessageId::EndsRebelled, {}});
            frontEnd.lesson(year);
        }
        if (year == 285) {
            frontEnd.results(invasionCount, plagueCount, rebellionCount);
            if (!frontEnd.ask({MessageId::CrisisSurvived, {}})) {
                frontEnd.quit();
                return;
            }
        }
        if (year == 476) {
            frontEnd.results(invasionCount, plagueCount, rebellionCount);
            if (frontEnd.ask({MessageId::WestOutlasted, {}}))
                frontEnd.newGame();
            else
                frontEnd.quit();
            return;
        }
        game.romans.showHint();
        // Years without an order to give run by themselves. Past 476 no
        // question is left to stop them, so the player gets each such year by
        // hand, as he does when he asks for the menu or to quit while they run.
    } while (!game.romansCanMove() && game.year() < 476 && frontEnd.runAnotherYear());
}
