#include "game/src/YearSummaryText.h"

#include <QCoreApplication>
#include <QLocale>

#include "qtcommon/RulesText.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("YearSummary", text); }

QString q(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }

// "Rome" for the player's side, the power's own name for the others.
QString side(const std::string& empire) {
    if (empire == "Romans") return tr("Rome");
    if (empire == "Rebelling Legions") return tr("the rebels");
    if (empire.empty()) return tr("nobody");
    return tr("the %1").arg(q(empire));
}

QString capitalised(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

QString joined(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& n : names) list << q(n);
    return list.join(QStringLiteral(", "));
}

QString signedNumber(int n) {
    const QString digits = QLocale(QLocale::English).toString(n < 0 ? -qint64(n) : qint64(n));
    return (n < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

constexpr std::size_t MostBattles = 6;
constexpr std::size_t MostReports = 4;

}  // namespace

view::NewsPanel newsPanelFor(const YearSummary& s) {
    using Tone = view::NewsPanel::Tone;
    view::NewsPanel panel;
    panel.title = tr("The year %1 AD").arg(s.year);
    panel.footer = tr("Click or press a key to go on \u2014 Options \u25b8 Year's News switches this off");
    auto add = [&panel](const QString& text, Tone tone) { panel.lines.push_back({text, tone}); };

    if (s.invasions > 0 || s.plagues > 0 || s.revolts > 0 || s.plague) {
        add(tr("Alarms"), Tone::Section);
        if (s.invasions == 1) add(tr("An invasion crosses the frontier"), Tone::Bad);
        if (s.invasions > 1) add(tr("%1 invasions cross the frontier").arg(s.invasions), Tone::Bad);
        if (s.plagues > 0) add(tr("Plague breaks out in the Empire"), Tone::Bad);
        else if (s.plague) add(tr("The plague still rages"), Tone::Bad);
        if (s.revolts == 1) add(tr("A province revolts"), Tone::Bad);
        if (s.revolts > 1) add(tr("%1 provinces revolt").arg(s.revolts), Tone::Bad);
    }

    if (!s.battles.empty()) {
        add(tr("Battles"), Tone::Section);
        for (std::size_t i = 0; i < s.battles.size() && i < MostBattles; ++i) {
            const BattleNews& b = s.battles[i];
            QString text;
            std::string winner;
            switch (b.outcome) {
                case BattleNews::Outcome::Taken:
                    text = tr("%1: %2 took it from %3").arg(q(b.place), side(b.attacker), side(b.defender));
                    winner = b.attacker;
                    break;
                case BattleNews::Outcome::Won:
                    text = tr("%1: %2 beat %3, who hold on").arg(q(b.place), side(b.attacker), side(b.defender));
                    winner = b.attacker;
                    break;
                case BattleNews::Outcome::Repulsed:
                    text = tr("%1: %2 threw back %3").arg(q(b.place), side(b.defender), side(b.attacker));
                    winner = b.defender;
                    break;
            }
            const bool ours = b.attacker == "Romans" || b.defender == "Romans";
            add(text, !ours ? Tone::Plain : winner == "Romans" ? Tone::Good : Tone::Bad);
        }
        if (s.battles.size() > MostBattles)
            add(tr("\u2026 and %1 more battles").arg(s.battles.size() - MostBattles), Tone::Plain);
    }

    if (!s.gained.empty() || !s.lost.empty()) {
        add(tr("Provinces"), Tone::Section);
        if (!s.gained.empty()) add(tr("Won: %1").arg(joined(s.gained)), Tone::Good);
        if (!s.lost.empty()) add(tr("Lost: %1").arg(joined(s.lost)), Tone::Bad);
    }

    add(tr("Legions"), Tone::Section);
    QStringList legions;
    if (s.legionsRaised) legions << tr("%1 raised").arg(s.legionsRaised);
    if (s.legionsLostInBattle) legions << tr("%1 fell in battle").arg(s.legionsLostInBattle);
    if (s.legionsGoneOtherwise) legions << tr("%1 disbanded or deserted").arg(s.legionsGoneOtherwise);
    if (legions.isEmpty()) legions << tr("no change");
    add(capitalised(legions.join(QStringLiteral(", "))) + tr(": %1 under arms").arg(s.legionsAtEnd),
        s.legionsLostInBattle + s.legionsGoneOtherwise > s.legionsRaised ? Tone::Bad : Tone::Plain);

    add(tr("Treasury"), Tone::Section);
    // Every payment of the year, so that the items add up to the change.
    const YearSummary::Accounts& a = s.accounts;
    QStringList items;
    items << tr("taxes %1").arg(signedNumber(a.taxes));
    if (a.settlers) items << tr("settlers %1").arg(signedNumber(a.settlers));
    items << tr("legions' pay %1").arg(signedNumber(-a.pay));
    if (a.bonus) items << tr("bonus %1").arg(signedNumber(-a.bonus));
    if (a.tribute) items << tr("tribute for peace %1").arg(signedNumber(-a.tribute));
    if (a.plunder) items << tr("plundered %1").arg(signedNumber(-a.plunder));
    const int change = s.treasuryAfter - s.treasuryBefore;
    add(tr("%1: treasury %2 (%3)")
            .arg(capitalised(items.join(QStringLiteral(", "))), QLocale(QLocale::English).toString(s.treasuryAfter),
                 signedNumber(change)),
        change < 0 ? Tone::Bad : Tone::Plain);

    if (!s.news.empty()) {
        add(tr("Reports"), Tone::Section);
        const std::size_t first = s.news.size() > MostReports ? s.news.size() - MostReports : 0;
        for (std::size_t i = first; i < s.news.size(); ++i) add(newsLineText(s.news[i]), Tone::Plain);
    }
    return panel;
}

QString newsLineText(const ChronicleLine& line) {
    // The rules log a province that went over to the rebels as overrun; no enemy overran it.
    return line.defected.empty() ? fromRulesText(line.text)
                                 : QCoreApplication::translate("GameScreen", "%1 has gone over to the rebels")
                                       .arg(fromRulesText(line.defected));
}
