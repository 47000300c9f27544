#include <filesystem>
#include <ostream>

#include "client/Catalogue.h"
#include "client/LessonTexts.h"
#include "client/OrderOutcome.h"
#include "cli/PlainEnglish.h"
#include "cli/TerminalWords.h"
#include "cli/Transcript.h"
#include "engine/Game.h"
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
        out << words_(QT_TRANSLATE_NOOP("Terminal", "Answer y (yes) or n (no): "));
    else
        out << words_(QT_TRANSLATE_NOOP("Terminal", "Answer y for %1 or n for %2: "), {yesLabel, noLabel});
    out.flush();
    const bool yes = answer();
    const std::string& label = yes ? yesLabel : noLabel;
    out << (label.empty() ? (yes ? words_(QT_TRANSLATE_NOOP("Terminal", "Yes.")) : words_(QT_TRANSLATE_NOOP("Terminal", "No.")))
                          : label + ".")
        << "\n\n";
    return yes;
}

void PlainTranscript::report(const std::string& message) { paragraphs(message); }

void PlainTranscript::move(const Province& from, const Province& to) {
    line(words_(QT_TRANSLATE_NOOP("Terminal", "Battle: troops from %1 attack %2."),
                {words_.name(from.name()), words_.name(to.name())}));
}

void PlainTranscript::defeat(const std::string& empire, const Province& province) {
    const std::string where = words_.name(province.name());
    line(empire == "Romans" ? words_(QT_TRANSLATE_NOOP("Terminal", "We lost a legion in %1."), {where})
                            : words_(QT_TRANSLATE_NOOP("Terminal", "The %1 lost a legion in %2."),
                                     {words_.name(empire), where}));
}

void PlainTranscript::news(const std::string& text) {
    line(words_(QT_TRANSLATE_NOOP("Terminal", "News: %1"), {sentence(words_.news(text))}));
}

void PlainTranscript::lesson(int year) {
    if (const LessonText* t = lessonTextOfYear(year, words_.catalogue().language())) {
        out << '\n';
        line(words_(QT_TRANSLATE_NOOP("Terminal", "History lesson: %1 (%2)"), {t->title, t->dates}));
        out << '\n' << wrapped(t->text, width_) << '\n';
    }
}

void PlainTranscript::results(int invasions, int plagues, int rebellions) {
    out << '\n';
    line(words_(QT_TRANSLATE_NOOP("Terminal", "You survived %1, %2 and %3. Well done, Princeps."),
                {words_.counted(QT_TRANSLATE_N_NOOP("Terminal", "%n invasion(s)"), invasions),
                 words_.counted(QT_TRANSLATE_N_NOOP("Terminal", "%n plague(s)"), plagues),
                 words_.counted(QT_TRANSLATE_N_NOOP("Terminal", "%n rebellion(s)"), rebellions)}));
    out << '\n';
}

void PlainTranscript::newGame() { out << words_(QT_TRANSLATE_NOOP("Terminal", "A new game begins in 235 AD.")) << '\n'; }

void PlainTranscript::quit() { out << words_(QT_TRANSLATE_NOOP("Terminal", "Vale, Princeps.")) << '\n'; }

void PlainTranscript::error(const std::string& text) {
    line(words_(QT_TRANSLATE_NOOP("Terminal", "Error: %1"), {printableText(text)}));
}

void PlainTranscript::fileError(const std::string& path, bool saving, const FileResult& result) {
    std::error_code unknown;
    const bool missing = !saving && !std::filesystem::exists(path, unknown) && !unknown;
    const std::string why = missing ? words_(QT_TRANSLATE_NOOP("Terminal", "there is no such file."))
                                  : words_.fileMessage(result);
    line(saving ? words_(QT_TRANSLATE_NOOP("Terminal", "Error: could not save \"%1\": %2"), {printableText(path), why})
                : words_(QT_TRANSLATE_NOOP("Terminal", "Error: could not load \"%1\": %2"), {printableText(path), why}));
}

namespace {

// Who won a battle and what became of the province, in whole sentences a
// translation can word in its own grammar: %1 the province, then the sides
// that are not Rome.
std::string battleLine(const TerminalWords& words, const BattleNews& b) {
    const bool weAttack = b.attacker == "Romans", weDefend = b.defender == "Romans", nobody = b.defender.empty();
    const std::string place = words.name(b.place), attacker = words.name(b.attacker), defender = words.name(b.defender);
    switch (b.outcome) {
        case BattleNews::Outcome::Taken:
            if (weAttack)
                return nobody ? words(QT_TRANSLATE_NOOP("Terminal", "%1: we won and took it."), {place})
                              : words(QT_TRANSLATE_NOOP("Terminal", "%1: we won and took it from the %2."), {place, defender});
            if (nobody) return words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won and took it."), {place, attacker});
            return weDefend ? words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won and took it from us."), {place, attacker})
                            : words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won and took it from the %3."),
                                    {place, attacker, defender});
        case BattleNews::Outcome::Won:
            if (weAttack)
                return nobody ? words(QT_TRANSLATE_NOOP("Terminal", "%1: we won, but nobody still hold it."), {place})
                              : words(QT_TRANSLATE_NOOP("Terminal", "%1: we won, but the %2 still hold it."), {place, defender});
            if (nobody) return words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won, but nobody still hold it."), {place, attacker});
            return weDefend ? words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won, but we still hold it."), {place, attacker})
                            : words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won, but the %3 still hold it."),
                                    {place, attacker, defender});
        case BattleNews::Outcome::Repulsed:
            if (weDefend) return words(QT_TRANSLATE_NOOP("Terminal", "%1: we won and threw back the %2."), {place, attacker});
            if (nobody) return words(QT_TRANSLATE_NOOP("Terminal", "%1: nobody won and threw back the %2."), {place, attacker});
            return weAttack ? words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won and threw back us."), {place, defender})
                            : words(QT_TRANSLATE_NOOP("Terminal", "%1: the %2 won and threw back the %3."),
                                    {place, defender, attacker});
    }
    return place;
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
    line(words_(QT_TRANSLATE_NOOP("Terminal", "Battles as the year ended:")));
    for (const BattleNews& b : battles) out << wrapped(battleLine(words_, b), width_, 2);
    out << '\n';
}

// An order's outcome in the words the window and the page use; what the
// advisor has just said is not said again.
void PlainTranscript::outcome(const OrderOutcome& outcome) {
    if (!toldByAdvisor(outcome.id)) line(words_.catalogue().screenText(noticeLine(outcome, 0)));
}

void PlainTranscript::droppedAt(const DropResult& result, const Province& from, int, int) {
    outcome(dropOutcome(result, from));
}

void PlainTranscript::ordered(OrderResult result, const Province& from, const Province& to) {
    outcome(orderOutcome(result, from, to));
}

void PlainTranscript::saved() { out << words_(QT_TRANSLATE_NOOP("Terminal", "Game saved.")) << '\n'; }

void PlainTranscript::undo(bool, const std::string& text) { line(text); }

void PlainTranscript::prompt(const Game& game) {
    out << words_(QT_TRANSLATE_NOOP("Terminal", "%1 AD > "), {std::to_string(game.year())});
    out.flush();
}
