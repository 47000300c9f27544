#pragma once
#include <string>

#include "model/Power.h"

class Province;

// The sounds the rules ask for; the numbers are the ones the terminal protocol prints.
enum class SoundKind { Battle = 0, March = 3, Plague = 4, Uprising = 5, Introduction = 6 };

// Everything a game shows its player: the advisor's words, the map's
// animations and sounds, the news, and what only a front end does at the end
// of a turn. One game talks to one presenter; nothing is shown while it has
// none, and every question is then answered No.
class Presenter {
public:
    virtual ~Presenter() = default;

    // The advisor: a message with one OK button.
    virtual void tell(const std::string& text) { (void)text; }
    // A Yes/No question; true for Yes.
    virtual bool ask(const std::string& text) { return askWithLabels(text, {}, {}); }
    // A question whose two buttons carry the given labels (empty: Yes and No); true for the first.
    virtual bool askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
        (void)text, (void)yesLabel, (void)noLabel;
        return false;
    }
    // The long form of an enemy report; the window shows nothing, a transcript prints it.
    virtual void report(const std::string& text) { (void)text; }

    // The map.
    virtual void sound(SoundKind kind) { (void)kind; }
    virtual void move(Province& from, Province& to) { (void)from, (void)to; }
    virtual void defeat(Power loser, Province& province) { (void)loser, (void)province; }
    // A line was added to the news log.
    virtual void news(const std::string& line) { (void)line; }

    // The end of a turn.
    virtual void redraw() {}
    // The enemy-turn banner, shown after the Roman end of turn.
    virtual void banner() {}
    // Forget which moves were animated this turn.
    virtual void forgetAnimatedMoves() {}
    virtual void lesson(int year) { (void)year; }
    virtual void results(int invasions, int plagues, int rebellions) { (void)invasions, (void)plagues, (void)rebellions; }
    // The player declined to go on: the program ends once the turn is over.
    virtual void quit() {}
    // The player wants another game after 476: set it up once the turn is over.
    virtual void newGame() {}

    // An inconsistency ordinary play cannot produce, for the log; never shown to the player.
    virtual void diagnostic(const std::string& text) { (void)text; }
};
