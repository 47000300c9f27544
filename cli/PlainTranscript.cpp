#include <filesystem>
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

void PlainTranscript::news(const std::string& text) { line("News: " + sentence(correctedEnglish(text))); }

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

void PlainTranscript::fileError(const std::string& path, bool saving, const std::string& text) {
    std::error_code unknown;
    const bool missing = !saving && !std::filesystem::exists(path, unknown) && !unknown;
    line("Error: " + std::string(saving ? "could not save " : "could not load ") + "\"" + printableText(path) +
         "\": " + (missing ? std::string("there is no such file.") : printableText(text)));
}

namespace {

// A side of a battle as the player reads it: "we", "the Sassanids".
std::string side(const std::string& empire, bool subject) {
    if (empire == "Romans") return subject ? "we" : "us";
    return empire.empty() ? "nobody" : "the " + empire;
}

}  // namespace

void PlainTranscript::briefing(const std::string& title, const std::string& text) {
    if (title.empty() && text.empty()) return;
    out << '\n';
    if (!title.empty()) line(title);
    if (!title.empty() && !text.empty()) out << '\n';
    if (!text.empty()) out << wrapped(text, width_);
    out << '\n';
}

void PlainTranscript::battles(const std::vector<BattleNews>& battles) {
    if (battles.empty()) return;
    out << '\n';
    line("Battles as the year ended:");
    for (const BattleNews& b : battles) {
        std::string text;
        switch (b.outcome) {
            case BattleNews::Outcome::Taken:
                text = side(b.attacker, true) + " won and took it" +
                       (b.defender.empty() ? std::string() : " from " + side(b.defender, false));
                break;
            case BattleNews::Outcome::Won:
                text = side(b.attacker, true) + " won, but " + side(b.defender, true) + " still hold it";
                break;
            case BattleNews::Outcome::Repulsed:
                text = side(b.defender, true) + " won and threw back " + side(b.attacker, false);
                break;
        }
        out << wrapped(b.place + ": " + text + ".", width_, 2);
    }
    out << '\n';
}

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
