#include <ostream>

#include "cli/LessonTexts.h"
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

// The refusals of the mouse itself in their own words; an order given is told
// as the typed order to the same province would be.
void PlainTranscript::droppedAt(const DropResult& result, const Province& from, int x, int y) {
    switch (result.refusal) {
    case DropResult::Refusal::NothingPickedUp:
        return line("Nothing picked up: the legions in " + from.name() +
                    " are on the march and cannot take new orders.");
    case DropResult::Refusal::NoProvince:
        return line("No province lies at map point (" + std::to_string(x) + ", " + std::to_string(y) +
                    "): drop the legions on a province.");
    case DropResult::Refusal::None:
        // A refusal about the source alone names no target.
        return ordered(result.order, from, result.target ? *result.target : from);
    }
}

void PlainTranscript::ordered(OrderResult result, const Province& from, const Province& to) {
    switch (result) {
    case OrderResult::Moved: return line("Legion moved to " + to.name() + ".");
    case OrderResult::Occupied: return line("Legion moved to " + to.name() + " and took it unopposed.");
    case OrderResult::Won: return line("Our attack on " + to.name() + " succeeded: the province is ours.");
    case OrderResult::Raided: return line("Our raid into " + to.name() + " succeeded.");
    case OrderResult::Fought:
        return line("Our attack on " + to.name() + " destroyed one enemy legion; more still stand there.");
    case OrderResult::Lost: return line("Our attack on " + to.name() + " failed: one legion lost.");
    case OrderResult::Marching: return line("Legion on the march from " + from.name() + " to " + to.name() + ".");
    case OrderResult::NoLegion: return line("No Roman legion stands in " + from.name() + ".");
    case OrderResult::NotReady:
        return line("The legions in " + from.name() + " are on the march and cannot take new orders.");
    case OrderResult::SameProvince: return line("The legion already stands in " + to.name() + ".");
    case OrderResult::NoRoute: return line("No route leads from " + from.name() + " to " + to.name() + ".");
    // The advisor has said why.
    case OrderResult::AllMoved:
    case OrderResult::FrontierClosed: return;
    }
}

void PlainTranscript::saved() { out << "Game saved.\n"; }

void PlainTranscript::prompt(const Game& game) {
    out << game.year() << " AD > ";
    out.flush();
}
