#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// An order the page plays out without the engine ever waiting for it. The
// engine runs the order to its end, or up to a question only the player can
// answer; the page shows what the run showed up to there and asks. With the
// answer the order runs again from where it began, answering the questions
// it asked before from the answers so far and leaving out what the page has
// already shown, up to its end or its next question. The runs draw alike
// because the order starts again from the same game each time (the session
// puts the game back when a run stops).
class PageOrder {
public:
    // Thrown by the presenter at a question still to be asked: the run stops.
    struct Stopped {};

    // Runs `order` for the first time; it answers the text the page takes
    // once the order is over. Returns the reply (see reply()).
    std::string begin(std::function<std::string()> order);
    // The page's answer to the question the last run stopped at; the next run's reply.
    std::string answer(bool yes);

    // For the presenter while a run goes on.
    bool running() const { return running_; }
    // Something to show, as a JSON array [what, arguments...]; dropped when
    // the page showed it in an earlier run.
    void show(std::string step);
    // The screen's state, shown only when it changed since the run's last one.
    void showState(std::string state);
    // A question: answered from the answers so far, or asked, which stops the
    // run (`question` as a JSON array, as a step).
    bool ask(std::string question);

private:
    std::string run();

    std::function<std::string()> order_;
    std::vector<bool> answers_;
    std::size_t asked_ = 0;
    std::vector<std::string> steps_;
    std::size_t shown_ = 0;
    std::string lastState_;
    std::string question_;
    bool running_ = false;
};
