#include "rules/WelcomeHints.h"

#include "rules/Presenter.h"

void tellWelcomeHints(Presenter& advisor) {
    if (advisor.ask("Welcome, Princeps\r\n\r\nI am your advisor and I will be providing you with\r\n"
                    "information to help you guide the Roman Empire\r\nthrough the \"Crisis of the Third "
                    "Century.\"\r\n\r\nWould you like a few hints on playing before we start?")) {
        advisor.tell("Your empire consists of provinces.  Each turn, your provinces\r\nwill pay taxes and create "
                     "legions for you. Roman provinces are\r\nshown in light-red.  Enemey-held provinces are "
                     "other colors");
        advisor.tell("To move a legion, left-click and drag it where you want it to\r\ngo.  If there are enemy "
                     "legions in the destination or any\r\nprovinces on the way, your legion will attack them");
        advisor.tell("When you have moved all your legions, your enemies will move\r\ntheir legions.  If you dont "
                     "want to move all your legions, \r\njust right-click the mouse to advance the game one turn.");
        advisor.tell("Your goal is to hold on to as many Roman provinces\r\nas possible. To win, you must control "
                     "at least one\r\nprovince when the \"Crisis of the Third Century\" ends\r\nin 285 AD - Good "
                     "luck, Princeps!\r\n");
    }
    advisor.tell("If at any time you need help, you can refer to\r\nthe video tutorial under the Help menu.\r\n\r\n"
                 "Good luck, Princeps!");
}
