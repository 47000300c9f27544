#pragma once
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/TerminalWords.h"
#include "cli/Transcript.h"
#include "rules/Presenter.h"
#include "rules/YearNews.h"

class Game;
class PlaySession;
class Province;

// One game played from a stream of orders, with everything the rules say or do
// shown through a transcript.
class Session : public Presenter {
public:
    struct Options {
        std::optional<std::string> answers;  // scripted answers, cycled
        bool plain = false;                  // paragraphs for a person instead of protocol lines
        int width = 80;                      // the plain paragraphs' columns
        std::string language = "en";         // what the plain paragraphs speak; the protocol is English
    };

    Session(PlaySession& play, std::istream& in, std::ostream& out, Options options);
    ~Session() override;

    // Becomes the game's presenter, sets up the first game, then plays orders
    // until the input ends or the player quits.
    void run();

    // Carries out one order line; false when the session is over.
    bool handle(const std::string& line);

    // Presenter
    void tell(const std::string& text) override;
    bool askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) override;
    void report(const std::string& text) override;
    void tell(const Message& message) override;
    bool ask(const Message& message) override;
    bool askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) override;
    void report(const Message& message) override;
    using Presenter::ask;
    void sound(SoundKind kind) override;
    void move(Province& from, Province& to) override;
    void defeat(Power loser, Province& province) override;
    void news(const std::string& line) override;
    void lesson(int year) override;
    void results(int invasions, int plagues, int rebellions) override;
    void quit() override;
    void newGame() override;
    void diagnostic(const std::string& text) override;

private:
    void endTurn();
    void drop(const std::string& from, const std::string& to);
    void dropAt(const std::string& from, int x, int y);
    void undo();
    Province* province(const std::string& token);
    bool takeAnswer();

    PlaySession& play_;
    Game& game_;
    std::istream& in_;
    std::ostream& out_;
    Options options_;
    TerminalWords words_;
    std::unique_ptr<Transcript> transcript_;
    // A person is told who won each battle of the year's end (plain mode only).
    std::unique_ptr<YearNews> yearEnd_;
    bool yearEnding_ = false;
    std::size_t nextAnswer_ = 0;
    bool quitting_ = false;
    bool newGamePosted_ = false;
};
