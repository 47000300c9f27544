#pragma once

// What only a front end does during the end of a turn. The window draws and
// shows dialogs; the terminal edition prints; tests record.
class TurnFrontEnd {
public:
    virtual ~TurnFrontEnd() = default;
    virtual void redraw() {}
    // The enemy-turn banner, shown after the Roman end of turn.
    virtual void showTurnBanner() {}
    // Forget which moves were animated this turn.
    virtual void forgetAnimatedMoves() {}
    virtual void showLesson(int year) { (void)year; }
    virtual void showResults() {}
    // The player declined to go on: the program ends once advanceTurn returns.
    virtual void quit() {}
    // The player wants another game after 476: set it up once advanceTurn returns.
    virtual void postNewGame() {}
};

// The end of a turn, and the turns that follow at once while no Roman legion
// is left to command.
void advanceTurn(TurnFrontEnd& frontEnd);
