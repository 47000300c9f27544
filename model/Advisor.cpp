#include "model/Advisor.h"

#include "model/Game.h"

namespace {

// Used while no front end has installed its own: says nothing, declines everything.
class SilentAdvisor : public Advisor {
protected:
    void showMessage(const std::string&) override {}
    bool askQuestion(const std::string&, const std::string&, const std::string&) override { return false; }
};

SilentAdvisor silent;
Advisor* installed = nullptr;

}  // namespace

void Advisor::install(Advisor* advisor) { installed = advisor; }

Advisor& Advisor::current() { return installed ? *installed : silent; }

void Advisor::report(const std::string& message, const std::string& logLine) {
    current().announceReport(message);
    Game& game = Game::instance();
    game.playSound(3);
    game.logMessage(logLine);
}
