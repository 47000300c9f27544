#include "model/Advisor.h"
#include "model/Game.h"
#include "rules/LessonTable.h"
#include "rules/TurnFrontEnd.h"

void advanceTurn(TurnFrontEnd& frontEnd) {
    Game& game = Game::instance();
    do {
        game.romans.takeTurn();
        frontEnd.redraw();
        frontEnd.showTurnBanner();
        frontEnd.forgetAnimatedMoves();
        game.barbarians.takeTurn();
        game.sassanids.takeTurn();
        game.rogueRomans.takeTurn();
        ++game.turn;
        game.runDueEvents();
        frontEnd.redraw();

        if (game.romans.provinces.empty()) {
            if (!Advisor::ask("Princeps,\r\n\r\nOur empire has been defeated.\r\n\r\nTentate Iterum? (Would you "
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
                Advisor::tell("Princeps,\r\n\r\nThe eastern and western ends of the empire\r\nhave rebelled!");
            frontEnd.showLesson(year);
        }
        if (year == 285) {
            frontEnd.showResults();
            if (!Advisor::ask("Congratulations!\r\n\r\nYou have survived Rome's \"Crisis of the Third "
                              "Century\"\r\nDo you want to keep playing until 476 AD?")) {
                frontEnd.quit();
                return;
            }
        }
        if (year == 476) {
            frontEnd.showResults();
            if (Advisor::ask("Congratulations! You have outlasted the Western\r\nRoman Empire.\r\n\r\nDo you wish to "
                             "play again?\r\n"))
                frontEnd.postNewGame();
            else
                frontEnd.quit();
            return;
        }
        game.romans.showHint();
        // Years without an order to give run by themselves, but not for ever:
        // past 476 no question is left to stop them, and an empire without a
        // legion that cannot raise one soon would run them for decades with
        // the player unable to do anything. There the player gets the next
        // year by hand.
    } while (!game.romansCanMove() && game.year() < 476 &&
             (!game.romans.legions.empty() || game.romans.canRaiseLegionSoon()));
}
