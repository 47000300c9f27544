#include "game/src/YearSummaryText.h"

#include <QCoreApplication>
#include <QLocale>

#include "qtcommon/MessageCatalogue.h"
#include "qtcommon/RulesText.h"
#include "qtcommon/view/ShownNames.h"

namespace {

// The panel's texts are the catalogue's "YearSummary" context.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(YearSummary)
};

// The side as a whole noun, so that a sentence takes it in as one word: Rome
// for the player's, the power's own name for the others.
QString side(const std::string& empire) {
    if (empire == "Romans") return Words::tr("Rome");
    if (empire == "Rebelling Legions") return Words::tr("the rebels");
    if (empire == "Germanic Tribes") return Words::tr("the Germanic tribes");
    if (empire == "Sassanids") return Words::tr("the Sassanids");
    if (empire.empty()) return Words::tr("nobody");
    return view::shownName(empire);
}

QString joined(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& n : names) list << view::shownName(n);
    return QLocale().createSeparatedList(list);
}

// A change of the treasury, always signed; the number in the reader's way.
QString signedNumber(int n) {
    const QString digits = QLocale().toString(n < 0 ? -qint64(n) : qint64(n));
    return (n < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

constexpr std::size_t MostBattles = 6;
constexpr std::size_t MostReports = 4;

}  // namespace

view::NewsPanel newsPanelFor(const YearSummary& s) {
    using Tone = view::NewsPanel::Tone;
    view::NewsPanel panel;
    panel.title = Words::tr("The year %1 AD").arg(s.year);
    panel.footer = Words::tr("Click or press a key to go on \u2014 Options > Year's News switches this off");
    auto add = [&panel](const QString& text, Tone tone) { panel.lines.push_back({text, tone}); };

    if (s.invasions > 0 || s.plagues > 0 || s.revolts > 0 || s.plague) {
        add(Words::tr("Alarms"), Tone::Section);
        if (s.invasions > 0) add(Words::tr("%n invasion(s) cross the frontier", nullptr, s.invasions), Tone::Bad);
        if (s.plagues > 0) add(Words::tr("Plague breaks out in the Empire"), Tone::Bad);
        else if (s.plague) add(Words::tr("The plague still rages"), Tone::Bad);
        if (s.revolts > 0) add(Words::tr("%n province(s) revolt", nullptr, s.revolts), Tone::Bad);
    }

    if (!s.battles.empty()) {
        add(Words::tr("Battles"), Tone::Section);
        for (std::size_t i = 0; i < s.battles.size() && i < MostBattles; ++i) {
            const BattleNews& b = s.battles[i];
            QString text;
            std::string winner;
            switch (b.outcome) {
                case BattleNews::Outcome::Taken:
                    text = Words::tr("%1: taken by %2 from %3").arg(view::shownName(b.place), side(b.attacker), side(b.defender));
                    winner = b.attacker;
                    break;
                case BattleNews::Outcome::Won:
                    text = Words::tr("%1: %2 beat %3, who hold on").arg(view::shownName(b.place), side(b.attacker), side(b.defender));
                    winner = b.attacker;
                    break;
                case BattleNews::Outcome::Repulsed:
                    text = Words::tr("%1: %2 threw back %3").arg(view::shownName(b.place), side(b.defender), side(b.attacker));
                    winner = b.defender;
                    break;
            }
            const bool ours = b.attacker == "Romans" || b.defender == "Romans";
            add(text, !ours ? Tone::Plain : winner == "Romans" ? Tone::Good : Tone::Bad);
        }
        if (s.battles.size() > MostBattles)
            add(Words::tr("\u2026 and %n more battle(s)", nullptr, int(s.battles.size() - MostBattles)), Tone::Plain);
    }

    if (!s.gained.empty() || !s.lost.empty()) {
        add(Words::tr("Provinces"), Tone::Section);
        if (!s.gained.empty()) add(Words::tr("Won: %1").arg(joined(s.gained)), Tone::Good);
        if (!s.lost.empty()) add(Words::tr("Lost: %1").arg(joined(s.lost)), Tone::Bad);
    }

    add(Words::tr("Legions"), Tone::Section);
    // Each change a sentence of its own, then the strength: a language orders
    // its words as it will.
    QStringList legions;
    if (s.legionsRaised) legions << Words::tr("%n legion(s) raised.", nullptr, s.legionsRaised);
    if (s.legionsLostInBattle) legions << Words::tr("%n legion(s) fell in battle.", nullptr, s.legionsLostInBattle);
    if (s.legionsGoneOtherwise) legions << Words::tr("%n legion(s) disbanded or deserted.", nullptr, s.legionsGoneOtherwise);
    if (legions.isEmpty()) legions << Words::tr("No change.");
    legions << Words::tr("%n legion(s) under arms.", nullptr, s.legionsAtEnd);
    add(legions.join(QLatin1Char(' ')),
        s.legionsLostInBattle + s.legionsGoneOtherwise > s.legionsRaised ? Tone::Bad : Tone::Plain);

    add(Words::tr("Treasury"), Tone::Section);
    // Every payment of the year, so that the items add up to the change.
    const YearSummary::Accounts& a = s.accounts;
    QStringList items;
    items << Words::tr("Taxes %1").arg(signedNumber(a.taxes));
    if (a.settlers) items << Words::tr("Settlers %1").arg(signedNumber(a.settlers));
    items << Words::tr("Legions' pay %1").arg(signedNumber(-a.pay));
    if (a.bonus) items << Words::tr("Bonus %1").arg(signedNumber(-a.bonus));
    if (a.tribute) items << Words::tr("Tribute for peace %1").arg(signedNumber(-a.tribute));
    if (a.plunder) items << Words::tr("Plundered %1").arg(signedNumber(-a.plunder));
    const int change = s.treasuryAfter - s.treasuryBefore;
    items << Words::tr("Treasury %1 (%2)").arg(QLocale().toString(s.treasuryAfter), signedNumber(change));
    add(items.join(QStringLiteral(" \u00b7 ")), change < 0 ? Tone::Bad : Tone::Plain);

    if (!s.news.empty()) {
        add(Words::tr("Reports"), Tone::Section);
        const std::size_t first = s.news.size() > MostReports ? s.news.size() - MostReports : 0;
        for (std::size_t i = first; i < s.news.size(); ++i) add(newsLineText(s.news[i]), Tone::Plain);
    }
    return panel;
}

QString newsLineText(const ChronicleLine& line) {
    // The rules log a province that went over to the rebels as overrun; no enemy overran it.
    if (!line.defected.empty())
        return QCoreApplication::translate("GameScreen", "%1 has gone over to the rebels").arg(view::shownName(line.defected));
    // The log keeps the rules' English (saved games keep it too): read back as
    // the message it was, it speaks the window's language.
    if (const std::optional<Message> message = loggedMessage(line.text)) return translatedText(*message);
    return fromRulesText(line.text);
}
