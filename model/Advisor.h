#pragma once
#include <string>

// How the rules talk to the player: the Praetorian Prefect. Every front end
// installs its own; the rules only ever call the static operations below.
class Advisor {
public:
    virtual ~Advisor() = default;

    // Installs the advisor the rules talk to (not owned); nullptr restores the
    // silent one, which answers every question with No.
    static void install(Advisor* advisor);
    static Advisor& current();

    // An informational message with one OK button.
    static void tell(const std::string& text) { current().showMessage(text); }
    // A Yes/No question; true for Yes.
    static bool ask(const std::string& text) { return current().askQuestion(text, {}, {}); }
    // A question whose two buttons carry the given labels; true for the first.
    static bool askWithLabels(const std::string& text, const std::string& yesLabel,
                              const std::string& noLabel) {
        return current().askQuestion(text, yesLabel, noLabel);
    }
    // Announces an enemy action: the marching sound (kind 3), then the news line.
    static void report(const std::string& message, const std::string& logLine);

protected:
    virtual void showMessage(const std::string& text) = 0;
    // Empty labels mean the plain Yes and No.
    virtual bool askQuestion(const std::string& text, const std::string& yesLabel,
                             const std::string& noLabel) = 0;
    // The long form of a report; the window shows nothing, a transcript prints it.
    virtual void announceReport(const std::string& message) { (void)message; }
};
