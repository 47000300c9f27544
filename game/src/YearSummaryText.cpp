#include "game/src/YearSummaryText.h"

#include <QCoreApplication>
#include <QLocale>

#include "client/YearNewsText.h"
#include "qtcommon/MessageCatalogue.h"
#include "qtcommon/RulesText.h"
#include "qtcommon/view/ShownNames.h"

namespace {

// The panel's texts are the catalogue's "YearSummary" context.
constexpr const char* Context = "YearSummary";

// A change, always signed; the number in the reader's way.
QString signedNumber(long long n) {
    const QString digits = QLocale().toString(n < 0 ? -qint64(n) : qint64(n));
    return (n < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

QString shownWord(const NewsWord& w) {
    switch (w.kind) {
        case NewsWord::Kind::Number: return QLocale().toString(qint64(w.number));
        case NewsWord::Kind::SignedNumber: return signedNumber(w.number);
        case NewsWord::Kind::Name: return view::shownName(w.texts.front());
        case NewsWord::Kind::Names: {
            QStringList list;
            for (const std::string& n : w.texts) list << view::shownName(n);
            return QLocale().createSeparatedList(list);
        }
        case NewsWord::Kind::Word: return QCoreApplication::translate(Context, w.texts.front().c_str());
    }
    return {};
}

QString phraseText(const NewsPhrase& phrase) {
    QString text = QCoreApplication::translate(Context, phrase.form, nullptr, phrase.count);
    for (const NewsWord& w : phrase.words) text = text.arg(shownWord(w));
    return text;
}

QString lineText(const NewsLine& line) {
    if (line.report) return newsLineText(*line.report);
    QStringList phrases;
    for (const NewsPhrase& p : line.phrases) phrases << phraseText(p);
    return phrases.join(QString::fromUtf8(line.separator));
}

}  // namespace

view::NewsPanel newsPanelFor(const YearSummary& s) {
    const NewsPlaque plaque = newsPlaque(s);
    view::NewsPanel panel;
    panel.title = phraseText(plaque.title);
    panel.footer = phraseText(plaque.footer);
    for (const NewsLine& line : plaque.lines) panel.lines.push_back({lineText(line), line.tone});
    return panel;
}

QString newsLineText(const ChronicleLine& line) {
    if (!line.defected.empty())
        return QCoreApplication::translate("GameScreen", defectedForm()).arg(view::shownName(line.defected));
    // The log keeps the rules' English (saved games keep it too): read back as
    // the message it was, it speaks the window's language.
    if (const std::optional<Message> message = loggedMessage(line.text)) return translatedText(*message);
    return fromRulesText(line.text);
}
