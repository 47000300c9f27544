#include <cctype>
#include <ostream>

#include "cli/Transcript.h"
#include "engine/Game.h"
#include "cli/LessonTexts.h"

namespace {

// The game's texts break lines with "\r\n"; a terminal wants plain line feeds.
std::string paragraph(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

}  // namespace

void PlainTranscript::tell(const std::string& text) { out << '\n' << paragraph(text) << "\n\n"; }

bool PlainTranscript::question(const std::string& text, const std::string& yesLabel, const std::string& noLabel,
                               const std::function<bool()>& answer) {
    out << '\n' << paragraph(text) << '\n';
    if (yesLabel.empty())
        out << "Answer y (yes) or n (no): ";
    else
        out << "Answer y for " << yesLabel << " or n for " << noLabel << ": ";
    out.flush();
    const bool yes = answer();
    out << (yes ? (yesLabel.empty() ? "Yes." : yesLabel + ".") : (noLabel.empty() ? "No." : noLabel + ".")) << "\n\n";
    return yes;
}

void PlainTranscript::report(const std::string& message) { out << '\n' << paragraph(message) << "\n\n"; }

void PlainTranscript::move(const Province& from, const Province& to) {
    out << "Battle: troops from " << from.name() << " attack " << to.name() << ".\n";
}

void PlainTranscript::defeat(const std::string& empire, const Province& province) {
    const std::string who = empire == "Romans" ? "Our legions" : "The " + empire;
    out << who << " lost the fight for " << province.name() << ".\n";
}

void PlainTranscript::news(const std::string& line) { out << "News: " << line << ".\n"; }

void PlainTranscript::lesson(int year) {
    if (const LessonText* t = lessonTextOfYear(year))
        out << "\nHistory lesson: " << t->title << " (" << t->dates << ")\n\n" << t->text << "\n\n";
}

void PlainTranscript::results(int invasions, int plagues, int rebellions) {
    out << "\nYou survived " << invasions << " invasions, " << plagues << " plagues and " << rebellions
        << " rebellions. Well done, Princeps.\n\n";
}

void PlainTranscript::newGame() { out << "A new game begins in 235 AD.\n"; }

void PlainTranscript::quit() { out << "Vale, Princeps.\n"; }

void PlainTranscript::error(const std::string& text) { out << "Error: " << text << '\n'; }

void PlainTranscript::dropped(bool done) {
    if (!done) out << "Nothing happened.\n";
}

void PlainTranscript::saved() { out << "Game saved.\n"; }

void PlainTranscript::prompt(const Game& game) {
    out << game.year() << " AD > ";
    out.flush();
}
