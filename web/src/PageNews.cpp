#include "web/src/PageNews.h"


#include "client/Json.h"
#include "client/ScreenText.h"
#include "client/YearNewsText.h"
#include "english/CorrectedEnglish.h"
#include "model/TextBuilder.h"
#include "rules/World.h"
#include "web/src/EnglishPlurals.h"
#include "web/src/PageWords.h"

namespace {

// Where the plaque's forms are filled: in English with the English
// catalogue's plural forms, as the page has always shown them; in another
// language through its catalogue, as the window fills them.

// Numbers as an English reader writes them, with thousands grouped.
std::string englishNumber(long long n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
    return (n < 0 ? "-" : "") + digits;
}

std::string englishList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + correctedEnglish(names[i]);
    return list;
}

std::string englishWord(const NewsWord& w) {
    switch (w.kind) {
        case NewsWord::Kind::Number: return englishNumber(w.number);
        case NewsWord::Kind::SignedNumber: return (w.number < 0 ? "\u2212" : "+") + englishNumber(w.number < 0 ? -w.number : w.number);
        case NewsWord::Kind::Name: return correctedEnglish(w.texts.front());
        case NewsWord::Kind::Names: return englishList(w.texts);
        case NewsWord::Kind::Word: return w.texts.front();
    }
    return {};
}

std::string translatedWord(const NewsWord& w) {
    const Catalogue& c = pageWords();
    switch (w.kind) {
        case NewsWord::Kind::Number: return c.number(w.number);
        case NewsWord::Kind::SignedNumber: return (w.number < 0 ? "\u2212" : "+") + c.number(w.number < 0 ? -w.number : w.number);
        case NewsWord::Kind::Name: return c.word(w.texts.front());
        case NewsWord::Kind::Names: return c.list(w.texts);
        case NewsWord::Kind::Word: return c.text("YearSummary", w.texts.front());
    }
    return {};
}

std::string shownPhrase(const NewsPhrase& phrase) {
    if (!pageWords().speaksEnglish()) {
        const Catalogue& c = pageWords();
        std::vector<std::string> words;
        for (const NewsWord& w : phrase.words) words.push_back(translatedWord(w));
        return fillForm(phrase.count >= 0 ? c.counted("YearSummary", phrase.form, phrase.count)
                                          : c.text("YearSummary", phrase.form),
                        words);
    }
    std::string form = phrase.form;
    if (phrase.count >= 0) {
        for (const EnglishPlural& p : EnglishPlurals)
            if (form == p.source) form = phrase.count == 1 ? p.one : p.many;
        for (std::size_t at = form.find("%n"); at != std::string::npos; at = form.find("%n"))
            form.replace(at, 2, std::to_string(phrase.count));
    }
    std::vector<std::string> words;
    for (const NewsWord& w : phrase.words) words.push_back(englishWord(w));
    return fillForm(form, words);
}

std::string shownLine(const NewsLine& line) {
    if (line.report)
        return line.report->defected.empty()
                   ? pageWords().news(line.report->text)
                   : fillForm(pageWords().text("GameScreen", defectedForm()),
                              {pageWords().speaksEnglish() ? correctedEnglish(line.report->defected)
                                                           : pageWords().word(line.report->defected)});
    std::string text;
    for (std::size_t i = 0; i < line.phrases.size(); ++i) text += (i ? line.separator : "") + shownPhrase(line.phrases[i]);
    return text;
}

std::string plaqueJson(const NewsPlaque& plaque, const std::vector<std::string>& flashes) {
    TextBuilder out;
    out << "{\"title\":" << jsonString(shownPhrase(plaque.title)) << ",\"lines\":[";
    for (std::size_t i = 0; i < plaque.lines.size(); ++i)
        out << (i ? "," : "") << "{\"text\":" << jsonString(shownLine(plaque.lines[i]))
            << ",\"tone\":" << static_cast<int>(plaque.lines[i].tone) << '}';
    out << "],\"footer\":" << jsonString(shownPhrase(plaque.footer)) << ",\"flashes\":[";
    for (std::size_t i = 0; i < flashes.size(); ++i) out << (i ? "," : "") << jsonString(flashes[i]);
    out << "]}";
    return out.str();
}

}  // namespace

PageNews::PageNews(World& world) : world_(world) {
    news_.emplace(world);
    news_->startReign();
}

std::optional<std::string> PageNews::redrawn() {
    news_->settle();
    if (world_.year() == news_->openYear()) return std::nullopt;
    // A lost empire started afresh inside the end of the turn: the lost
    // game's news goes with it.
    if (world_.year() < news_->openYear()) {
        news_->startReign();
        return std::nullopt;
    }
    const YearSummary summary = news_->finishYear();
    return plaqueJson(newsPlaque(summary), summary.flashes);
}

std::vector<const void*> PageNews::legionsOf(const World& world) {
    std::vector<const void*> legions;
    for (const auto& l : world.romans.legions) legions.push_back(l.get());
    return legions;
}

PageNews::Kept PageNews::keep() const { return {*news_, legionsOf(world_)}; }

void PageNews::putBack(const Kept& kept) {
    news_.emplace(kept.news);
    news_->followRebuiltGame(kept.legions);
}
