#include <ostream>

#include "client/LessonTexts.h"
#include "client/OrderOutcome.h"
#include "cli/PlainEnglish.h"
#include "cli/Transcript.h"
#include "engine/Game.h"
#include "english/CorrectedEnglish.h"
#include "model/PrintableText.h"

void PlainTranscript::paragraphs(const std::string& rulesText) {
    out << '\n' << plainParagraphs(rulesText, width_) << '\n';
}

void PlainTranscript::line(const std::string& text) { out << wrapped(text, width_); }

void PlainTranscript::tell(const std::string& text) { paragraphs(text); }

bool PlainTranscript::question(const std::string& text, const std::string& yesLabel, const std::string& noLabel,
                               const std::function<bool()>& answer) {
    out << '\n' << plainParagraphs(text, width_);
    if (yesLabel.empty())
        out << "Answer y (yes) or n (no): ";
    else
        out << "Answer y for " << yesLabel << " or n for " << noLabel << ": ";
    out.flush();
    const bool yes = answer();
    out << (yes ? (yesLabel.empty() ? "Yes." : yesLabel + ".") : (noLabel.empty() ? "No." : noLabel + ".")) << "\n\n";
    return yes;
}

void PlainTranscript::report(const std::string& message) { paragraphs(message); }

void PlainTranscript::move(const Province& from, const Province& to) {
    line("Battle: troops from " + from.name() + " attack " + to.name() + ".");
}

void PlainTranscript::defeat(const std::string& empire, const Province& province) {
    const std::string who = empire == "Romans" ? "We" : "The " + empire;
    line(who + " lost a legion in " + province.name() + ".");
}

void PlainTranscript::news(const std::string& text) { line("News: " + correctedEnglish(text) + "."); }

void PlainTranscript::lesson(int year) {
    if (const LessonText* t = lessonTextOfYear(year)) {
        out << '\n';
        line("History lesson: " + std::string(t->title) + " (" + t->dates + ")");
        out << '\n' << wrapped(t->text, width_) << '\n';
    }
}

void PlainTranscript::results(int invasions, int plagues, int rebellions) {
    out << '\n';
    line("You survived " + counted(invasions, "invasion", "invasions") + ", " + counted(plagues, "plague", "plagues") +
         " and " + counted(rebellions, "rebellion", "rebellions") + ". Well done, Princeps.");
    out << '\n';
}

void PlainTranscript::newGame() { out << "A new game begins in 235 AD.\n"; }

void PlainTranscript::quit() { out << "Vale, Princeps.\n"; }

void PlainTranscript::error(const std::string& text) { line("Error: " + printableText(text)); }

// An order's outcome in the words the window and the page use; what the
// advisor has just said is not said again.
void PlainTranscript::outcome(const OrderOutcome& outcome) {
    if (!toldByAdvisor(outcome.id)) line(englishOutcome(outcome));
}

void PlainTranscript::droppedAt(const DropResult& result, const Province& from, int, int) {
    outcome(dropOutcome(result, from));
}

void PlainTranscript::ordered(OrderResult result, const Province& from, const Province& to) {
    outcome(orderOutcome(result, from, to));
}

void PlainTranscript::saved() { out << "Game saved.\n"; }

void PlainTranscript::undo(bool, const std::string& text) { line(text); }

void PlainTranscript::prompt(const Game& game) {
    out << game.year() << " AD > ";
    out.flush();
}
