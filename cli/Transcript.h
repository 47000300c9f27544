#pragma once
#include <functional>
#include <iosfwd>
#include <string>

#include <vector>

#include "rules/Orders.h"
#include "rules/YearNews.h"

class Game;
class TerminalWords;
class Province;
struct FileResult;
struct OrderOutcome;

// How the terminal edition shows what happens: the exact protocol lines for
// scripts and tools, or plain paragraphs for a person at a terminal.
class Transcript {
public:
    explicit Transcript(std::ostream& out) : out(out) {}
    virtual ~Transcript() = default;

    virtual void tell(const std::string& text) = 0;
    // Shows the question and returns the answer that `answer` takes.
    virtual bool question(const std::string& text, const std::string& yesLabel, const std::string& noLabel,
                          const std::function<bool()>& answer) = 0;
    virtual void report(const std::string& message) = 0;
    virtual void sound(int kind) = 0;
    virtual void move(const Province& from, const Province& to) = 0;
    virtual void defeat(const std::string& empire, const Province& province) = 0;
    virtual void news(const std::string& line) = 0;
    virtual void lesson(int year) = 0;
    virtual void results(int invasions, int plagues, int rebellions) = 0;
    virtual void newGame() = 0;
    virtual void quit() = 0;
    virtual void error(const std::string& text) = 0;
    // A file that could not be saved or loaded, and why.
    // Scripts get the reader's or the writer's English sentence.
    virtual void fileError(const std::string& path, bool saving, const FileResult& result);
    // The battles fought while the year ended, each with its winner.
    virtual void battles(const std::vector<BattleNews>& battles) { (void)battles; }
    // A loaded scenario's title and briefing, when its designer gave them.
    virtual void briefing(const std::string& title, const std::string& text) {
        (void)title;
        (void)text;
    }
    // A typed order between two provinces and what became of it.
    virtual void ordered(OrderResult result, const Province& from, const Province& to) = 0;
    // The legions of `from` dropped at map point (x, y), as a mouse would, and
    // what became of it.
    virtual void droppedAt(const DropResult& result, const Province& from, int x, int y) = 0;
    virtual void saved() = 0;
    // An undo and what the player is told of it.
    virtual void undo(bool done, const std::string& text) = 0;
    // Before each order is read; scripts get no prompt.
    virtual void prompt(const Game& game) { (void)game; }

protected:
    std::ostream& out;
};

class ProtocolTranscript : public Transcript {
public:
    using Transcript::Transcript;
    void tell(const std::string& text) override;
    bool question(const std::string& text, const std::string& yesLabel, const std::string& noLabel,
                  const std::function<bool()>& answer) override;
    void report(const std::string& message) override;
    void sound(int kind) override;
    void move(const Province& from, const Province& to) override;
    void defeat(const std::string& empire, const Province& province) override;
    void news(const std::string& line) override;
    void lesson(int year) override;
    void results(int invasions, int plagues, int rebellions) override;
    void newGame() override;
    void quit() override;
    void error(const std::string& text) override;
    void ordered(OrderResult result, const Province& from, const Province& to) override;
    void droppedAt(const DropResult& result, const Province& from, int x, int y) override;
    void saved() override;
    void undo(bool done, const std::string& text) override;

private:
    void dropped(bool done);
};

class PlainTranscript : public Transcript {
public:
    // Paragraphs are wrapped at `width` columns, in the language of `words`.
    PlainTranscript(std::ostream& out, int width, const TerminalWords& words)
        : Transcript(out), width_(width), words_(words) {}
    void tell(const std::string& text) override;
    bool question(const std::string& text, const std::string& yesLabel, const std::string& noLabel,
                  const std::function<bool()>& answer) override;
    void report(const std::string& message) override;
    void sound(int) override {}
    void move(const Province& from, const Province& to) override;
    void defeat(const std::string& empire, const Province& province) override;
    void news(const std::string& line) override;
    void lesson(int year) override;
    void results(int invasions, int plagues, int rebellions) override;
    void newGame() override;
    void quit() override;
    void error(const std::string& text) override;
    void fileError(const std::string& path, bool saving, const FileResult& result) override;
    void battles(const std::vector<BattleNews>& battles) override;
    void briefing(const std::string& title, const std::string& text) override;
    void ordered(OrderResult result, const Province& from, const Province& to) override;
    void droppedAt(const DropResult& result, const Province& from, int x, int y) override;
    void saved() override;
    void undo(bool done, const std::string& text) override;
    void prompt(const Game& game) override;

private:
    // A rules text as wrapped paragraphs, a blank line before and after.
    void paragraphs(const std::string& rulesText);
    // One line of our own, wrapped.
    void line(const std::string& text);
    void outcome(const OrderOutcome& outcome);

    int width_;
    const TerminalWords& words_;
};
