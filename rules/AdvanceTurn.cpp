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
        ++game.turn;
        game.runDueEvents();
        frontEnd.redraw();

        if (game.romans.provinces.empty()) {
            if (!frontEnd.ask("Princeps,\r\n\r\nOur empire has been defeated.\r\n\r\nTentate Iterum? (Would you "
                              "like to play again?)")) {
                frontEnd.quit();
                return;
            }
            game.startNewGame();
            frontEnd.redraw();
        }

        const int year = game.year();
        if (lessonOfYear(year) != nullptr) {
            if (year == 260)
                frontEnd.tell("Princeps,\r\n\r\nThe eastern and western ends of the empire\r\nhave rebelled!");
            frontEnd.lesson(year);
        }
        if (year == 285) {
            frontEnd.results(invasionCount, plagueCount, rebellionCount);
            if (!frontEnd.ask("Congratulations!\r\n\r\nYou have survived Rome's \"Crisis of the Third "
                              "Century\"\r\nDo you want to keep playing until 476 AD?")) {
                frontEnd.quit();
                return;
            }
        }
        if (year == 476) {
            frontEnd.results(invasionCount, plagueCount, rebellionCount);
            if (frontEnd.ask("Congratulations! You have outlasted the Western\r\nRoman Empire.\r\n\r\nDo you wish to "
                             "play again?\r\n"))
                frontEnd.newGame();
            else
                frontEnd.quit();
            return;
        }
        game.romans.showHint();
        // Past 476 no question is left to stop a run of turns, so an empire
        // that can never raise a legion would run them for ever: there the
        // player gets the next turn by hand.
    } while (!game.romansCanMove() && game.year() < 476);
}
