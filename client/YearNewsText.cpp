#include "client/YearNewsText.h"

#include "model/TranslationMarks.h"

namespace {

constexpr std::size_t MostBattles = 6;
constexpr std::size_t MostReports = 4;

NewsWord number(long long n) { return {NewsWord::Kind::Number, n}; }
NewsWord signedNumber(long long n) { return {NewsWord::Kind::SignedNumber, n}; }
NewsWord name(const std::string& n) { return {NewsWord::Kind::Name, 0, {n}}; }

// The side as a whole noun, so that a sentence takes it in as one word: Rome
// for the player's, the power's own name for the others.
NewsWord side(const std::string& empire) {
    const auto word = [](const char* form) { return NewsWord{NewsWord::Kind::Word, 0, {form}}; };
    if (empire == "Romans") return word(QT_TRANSLATE_NOOP("YearSummary", "Rome"));
    if (empire == "Rebelling Legions") return word(QT_TRANSLATE_NOOP("YearSummary", "the rebels"));
    if (empire == "Germanic Tribes") return word(QT_TRANSLATE_NOOP("YearSummary", "the Germanic tribes"));
    if (empire == "Sassanids") return word(QT_TRANSLATE_NOOP("YearSummary", "the Sassanids"));
    if (empire.empty()) return word(QT_TRANSLATE_NOOP("YearSummary", "nobody"));
    return name(empire);
}

NewsLine section(const char* form) { return {NewsTone::Section, {{form}}}; }
NewsLine line(NewsTone tone, NewsPhrase phrase) { return {tone, {std::move(phrase)}}; }

NewsLine battleLine(const BattleNews& b) {
    NewsPhrase phrase{""};
    std::string winner;
    switch (b.outcome) {
        case BattleNews::Outcome::Taken:
            phrase = {QT_TRANSLATE_NOOP("YearSummary", "%1: taken by %2 from %3"), {name(b.place), side(b.attacker), side(b.defender)}};
            winner = b.attacker;
            break;
        case BattleNews::Outcome::Won:
            phrase = {QT_TRANSLATE_NOOP("YearSummary", "%1: %2 beat %3, who hold on"), {name(b.place), side(b.attacker), side(b.defender)}};
            winner = b.attacker;
            break;
        case BattleNews::Outcome::Repulsed:
            phrase = {QT_TRANSLATE_NOOP("YearSummary", "%1: %2 threw back %3"), {name(b.place), side(b.defender), side(b.attacker)}};
            winner = b.defender;
            break;
    }
    const bool ours = b.attacker == "Romans" || b.defender == "Romans";
    return line(!ours ? NewsTone::Plain : winner == "Romans" ? NewsTone::Good : NewsTone::Bad, std::move(phrase));
}

// Each change a sentence of its own, then the strength: a language orders
// its words as it will.
NewsLine legionsLine(const YearSummary& s) {
    NewsLine l{s.legionsLostInBattle + s.legionsGoneOtherwise > s.legionsRaised ? NewsTone::Bad : NewsTone::Plain, {}};
    const auto count = [&l](const char* form, int n) { l.phrases.push_back({form, {}, n}); };
    if (s.legionsRaised) count(QT_TRANSLATE_N_NOOP("YearSummary", "%n legion(s) raised."), s.legionsRaised);
    if (s.legionsLostInBattle) count(QT_TRANSLATE_N_NOOP("YearSummary", "%n legion(s) fell in battle."), s.legionsLostInBattle);
    if (s.legionsGoneOtherwise)
        count(QT_TRANSLATE_N_NOOP("YearSummary", "%n legion(s) disbanded or deserted."), s.legionsGoneOtherwise);
    if (l.phrases.empty()) l.phrases.push_back({QT_TRANSLATE_NOOP("YearSummary", "No change.")});
    count(QT_TRANSLATE_N_NOOP("YearSummary", "%n legion(s) under arms."), s.legionsAtEnd);
    return l;
}

// Every payment of the year, so that the items add up to the change.
NewsLine treasuryLine(const YearSummary& s) {
    const YearSummary::Accounts& a = s.accounts;
    const int change = s.treasuryAfter - s.treasuryBefore;
    NewsLine l{change < 0 ? NewsTone::Bad : NewsTone::Plain, {}, " \u00b7 "};
    const auto item = [&l](const char* form, long long n) { l.phrases.push_back({form, {signedNumber(n)}}); };
    item(QT_TRANSLATE_NOOP("YearSummary", "Taxes %1"), a.taxes);
    if (a.settlers) item(QT_TRANSLATE_NOOP("YearSummary", "Settlers %1"), a.settlers);
    item(QT_TRANSLATE_NOOP("YearSummary", "Legions' pay %1"), -a.pay);
    if (a.bonus) item(QT_TRANSLATE_NOOP("YearSummary", "Bonus %1"), -a.bonus);
    if (a.tribute) item(QT_TRANSLATE_NOOP("YearSummary", "Tribute for peace %1"), -a.tribute);
    if (a.plunder) item(QT_TRANSLATE_NOOP("YearSummary", "Plundered %1"), -a.plunder);
    l.phrases.push_back({QT_TRANSLATE_NOOP("YearSummary", "Treasury %1 (%2)"), {number(s.treasuryAfter), signedNumber(change)}});
    return l;
}

}  // namespace

NewsPlaque newsPlaque(const YearSummary& s) {
    NewsPlaque plaque{{QT_TRANSLATE_NOOP("YearSummary", "The year %1 AD"), {number(s.year)}},
                      {},
                      {QT_TRANSLATE_NOOP("YearSummary", "Click or press a key to go on \u2014 Options > Year's News switches this off")}};
    std::vector<NewsLine>& lines = plaque.lines;

    if (s.invasions > 0 || s.plagues > 0 || s.revolts > 0 || s.plague) {
        lines.push_back(section(QT_TRANSLATE_NOOP("YearSummary", "Alarms")));
        if (s.invasions > 0)
            lines.push_back(line(NewsTone::Bad, {QT_TRANSLATE_N_NOOP("YearSummary", "%n invasion(s) cross the frontier"), {}, s.invasions}));
        if (s.plagues > 0) lines.push_back(line(NewsTone::Bad, {QT_TRANSLATE_NOOP("YearSummary", "Plague breaks out in the Empire")}));
        else if (s.plague) lines.push_back(line(NewsTone::Bad, {QT_TRANSLATE_NOOP("YearSummary", "The plague still rages")}));
        if (s.revolts > 0)
            lines.push_back(line(NewsTone::Bad, {QT_TRANSLATE_N_NOOP("YearSummary", "%n province(s) revolt"), {}, s.revolts}));
    }

    if (!s.battles.empty()) {
        lines.push_back(section(QT_TRANSLATE_NOOP("YearSummary", "Battles")));
        for (std::size_t i = 0; i < s.battles.size() && i < MostBattles; ++i) lines.push_back(battleLine(s.battles[i]));
        if (s.battles.size() > MostBattles)
            lines.push_back(line(NewsTone::Plain, {QT_TRANSLATE_N_NOOP("YearSummary", "\u2026 and %n more battle(s)"), {},
                                                   int(s.battles.size() - MostBattles)}));
    }

    if (!s.gained.empty() || !s.lost.empty()) {
        lines.push_back(section(QT_TRANSLATE_NOOP("YearSummary", "Provinces")));
        if (!s.gained.empty())
            lines.push_back(line(NewsTone::Good, {QT_TRANSLATE_NOOP("YearSummary", "Won: %1"), {{NewsWord::Kind::Names, 0, s.gained}}}));
        if (!s.lost.empty())
            lines.push_back(line(NewsTone::Bad, {QT_TRANSLATE_NOOP("YearSummary", "Lost: %1"), {{NewsWord::Kind::Names, 0, s.lost}}}));
    }

    lines.push_back(section(QT_TRANSLATE_NOOP("YearSummary", "Legions")));
    lines.push_back(legionsLine(s));
    lines.push_back(section(QT_TRANSLATE_NOOP("YearSummary", "Treasury")));
    lines.push_back(treasuryLine(s));

    if (!s.news.empty()) {
        lines.push_back(section(QT_TRANSLATE_NOOP("YearSummary", "Reports")));
        const std::size_t first = s.news.size() > MostReports ? s.news.size() - MostReports : 0;
        for (std::size_t i = first; i < s.news.size(); ++i) lines.push_back({NewsTone::Plain, {}, " ", s.news[i]});
    }
    return plaque;
}

const char* defectedForm() { return QT_TRANSLATE_NOOP("GameScreen", "%1 has gone over to the rebels"); }
