#pragma once
#include <string>

#include "model/Power.h"
#include "rules/Messages.h"

class Province;

// The sounds the rules ask for; the numbers are the ones the terminal protocol prints.
enum class SoundKind { Battle = 0, March = 3, Plague = 4, Uprising = 5, Introduction = 6 };

// Everything a game shows its player: the advisor's words, the map's
// animations and sounds, the news, and what only a front end does at the end
// of a turn. One game talks to one presenter; nothing is shown while it has
// none, and every question is then answered No.
//
// The rules speak in Messages. By default a Message is shown as its English
// text through the std::string method of the same name; a front end that
// translates overrides the Message methods instead.
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
    virtual void tell(const Message& message) { tell(englishText(message)); }
    virtual bool ask(const Message& message) { return ask(englishText(message)); }
    virtual bool askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) {
        return askWithLabels(englishText(text), englishText(yesLabel), englishText(noLabel));
    }
    // The long form of an enemy report; the window shows nothing, a transcript prints it.
    virtual void report(const std::string& text) { (void)text; }
    virtual void report(const Message& message) { report(englishText(message)); }

    // The map.
    virtual void sound(SoundKind kind) { (void)kind; }
    virtual void move(Province& from, Province& to) { (void)from, (void)to; }
    virtual void defeat(Power loser, Province& province) { (void)loser, (void)province; }
    // A line was added to the news log.
    virtual void news(const std::string& line) { (void)line; }
    // The news log itself keeps the English line, which saved games and the state line carry.
    virtual void news(const Message& line) { news(englishText(line)); }

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
    // Asked before each year that would run by itself (no order left to
    // give): false hands that year to the player instead, for a front end
    // whose player asked for something else in the meantime.
    virtual bool runAnotherYear() { return true; }

    // An inconsistency ordinary play cannot produce, for the log; never shown to the player.
    virtual void diagnostic(const std::string& text) { (void)text; }
};
