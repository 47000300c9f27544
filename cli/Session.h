#pragma once
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/Transcript.h"
#include "model/Advisor.h"
#include "rules/TurnFrontEnd.h"

class Province;

// One game played from a stream of orders, with everything the rules say or do
// shown through a transcript.
class Session : public Advisor, public TurnFrontEnd {
public:
    struct Options {
        std::optional<std::string> answers;  // scripted answers, cycled
        bool plain = false;                  // paragraphs for a person instead of protocol lines
    };

    Session(std::istream& in, std::ostream& out, Options options);
    ~Session() override;

    // Installs the hooks and the advisor, sets up the first game, then plays
    // orders until the input ends or the player quits.
    void run();

    // Carries out one order line; false when the session is over.
    bool handle(const std::string& line);

protected:
    void showMessage(const std::string& text) override;
    bool askQuestion(const std::string& text, const std::string& yesLabel, const std::string& noLabel) override;
    void announceReport(const std::string& message) override;

    void showLesson(int year) override;
    void showResults() override;
    void quit() override;
    void postNewGame() override;

private:
    void endTurn();
    void drop(const std::string& from, const std::string& to);
    void dropAt(const std::string& from, int x, int y);
    Province* province(const std::string& token);
    bool takeAnswer();

    std::istream& in_;
    std::ostream& out_;
    Options options_;
    std::unique_ptr<Transcript> transcript_;
    std::size_t nextAnswer_ = 0;
    bool quitting_ = false;
    bool newGamePosted_ = false;
};
