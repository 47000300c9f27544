#include "web/src/PageOrder.h"

#include <utility>

#include "client/Json.h"

std::string PageOrder::begin(std::function<std::string()> order) {
    order_ = std::move(order);
    answers_.clear();
    shown_ = 0;
    return run();
}

std::string PageOrder::answer(bool yes) {
    // An answer with no question waiting (a page out of step) changes nothing.
    if (!order_) return R"({"steps":[],"question":null,"result":""})";
    answers_.push_back(yes);
    return run();
}

void PageOrder::show(std::string step) { steps_.push_back(std::move(step)); }

void PageOrder::showState(std::string state) {
    if (state == lastState_) return;
    lastState_ = state;
    show("[\"setState\"," + std::move(state) + "]");
}

bool PageOrder::ask(std::string question) {
    if (asked_ < answers_.size()) return answers_[asked_++];
    question_ = std::move(question);
    throw Stopped{};
}

// The reply: {"steps": what to show that the page has not shown yet,
// "question": the question the run stopped at or null, "result": the
// order's own answer once it is over}.
std::string PageOrder::run() {
    steps_.clear();
    lastState_.clear();
    question_.clear();
    asked_ = 0;
    running_ = true;
    std::string result;
    bool over = true;
    try {
        result = order_();
    } catch (const Stopped&) {
        over = false;
    } catch (...) {
        running_ = false;
        order_ = nullptr;
        throw;
    }
    running_ = false;
    std::string reply = "{\"steps\":[";
    for (std::size_t i = shown_; i < steps_.size(); ++i) {
        if (i > shown_) reply += ',';
        reply += steps_[i];
    }
    reply += "],\"question\":" + (over ? std::string("null") : question_) + ",\"result\":" + jsonString(result) + "}";
    shown_ = steps_.size();
    if (over) order_ = nullptr;
    return reply;
}
