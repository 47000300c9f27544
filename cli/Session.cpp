#include "cli/Session.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "client/LessonTexts.h"
#include "cli/Listings.h"
#include "cli/PlainEnglish.h"
#include "cli/ProvinceNames.h"
#include "client/StateLine.h"
#include "client/PlaySession.h"
#include "client/OrderOutcome.h"
#include "client/UndoText.h"
#include "engine/Game.h"
#include "model/PrintableText.h"

Session::Session(PlaySession& play, std::istream& in, std::ostream& out, Options options)
    : play_(play), game_(play.game()), in_(in), out_(out), options_(std::move(options)),
      words_(options_.plain ? options_.language : "en") {
    if (options_.plain) {
        transcript_ = std::make_unique<PlainTranscript>(out_, options_.width, words_);
        yearEnd_ = std::make_unique<YearNews>(game_);
    } else {
        transcript_ = std::make_unique<ProtocolTranscript>(out_);
    }
}

Session::~Session() { play_.setPresenter(nullptr); }

void Session::run() {
    play_.setPresenter(this);
    play_.start();
    if (options_.plain) {
        if (const LessonText* intro = lessonTextOfYear(235, words_.catalogue().language()))
            out_ << '\n' << plainParagraphs(intro->text, options_.width) << '\n';
        out_ << wrapped(words_(QT_TRANSLATE_NOOP("Terminal", "Ave, Princeps! It is 235 AD. Type help for the list of orders.")),
                        options_.width);
    }

    std::string line;
    while (!quitting_) {
        transcript_->prompt(game_);
        if (!std::getline(in_, line)) break;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!handle(line)) break;
        out_.flush();
    }
    out_.flush();
}

Province* Session::province(const std::string& token) {
    std::string why;
    Province* p = provinceFromToken(words_, game_, token, why);
    if (p == nullptr) (options_.plain ? out_ : std::cerr) << wrapped(why, options_.width);
    return p;
}

namespace {

// A path is the rest of the line, blanks inside it included.
bool restOfLine(std::istream& words, std::string& rest) {
    std::getline(words >> std::ws, rest);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
    return !rest.empty();
}

// What a line that is no order lacks, where it begins like one.
std::string unknownOrder(const TerminalWords& words, const std::string& order, const std::string& line) {
    static constexpr const char* Forms[][2] = {
        {"drop", "drop FROM TO"},     {"dropat", "dropat FROM X Y"}, {"scenario", "scenario 260, 308, 410 or 455"},
        {"skill", "skill 0, 1 or 2"}, {"save", "save FILE"},         {"load", "load FILE"},
    };
    for (const auto& form : Forms)
        if (order == form[0]) return words(QT_TRANSLATE_NOOP("Terminal", "Incomplete order: type %1."), {form[1]});
    return words(QT_TRANSLATE_NOOP("Terminal", "Unknown order: %1 (type help for the list)"), {printableText(line)});
}

}  // namespace

bool Session::handle(const std::string& typed) {
    // A person's arrow and editing keys are no part of an order.
    const std::string line = options_.plain ? withoutKeySequences(typed) : typed;
    std::istringstream words(line);
    std::string order;
    if (!(words >> order) || order[0] == '#') return true;
    Game& game = game_;
    std::string a, b, c;
    if (order == "drop" && words >> a >> b) {
        drop(a, b);
    } else if (order == "dropat" && words >> a >> b >> c) {
        dropAt(a, std::atoi(b.c_str()), std::atoi(c.c_str()));
    } else if (order == "end" || (options_.plain && order == "e")) {
        endTurn();
    } else if (order == "undo") {
        undo();
    } else if (order == "new") {
        play_.give(order::NewGame{});
    } else if (order == "scenario" && words >> a) {
        const int year = std::atoi(a.c_str());
        if (!play_.give(order::Scenario{year}).accepted) {
            (options_.plain ? out_ : std::cerr)
                << wrapped(words_(QT_TRANSLATE_NOOP("Terminal", "There is no scenario %1: try 260, 308, 410 or 455."),
                                  {printableText(a)}),
                           options_.width);
            return true;
        }
        if (Game::firstTurnEndsAtOnce(year)) endTurn();
    } else if (order == "skill" && words >> a) {
        if (a != "0" && a != "1" && a != "2") {
            (options_.plain ? out_ : std::cerr) << wrapped(
                words_(QT_TRANSLATE_NOOP("Terminal", "There is no skill level %1: type skill 0 (easy), 1 (normal) or 2 (hard)."),
                       {printableText(a)}),
                options_.width);
            return true;
        }
        play_.give(order::Skill{a[0] - '0'});
    } else if (order == "pfj") {
        play_.give(order::PalestinaUprising{});
    } else if (order == "save" && restOfLine(words, a)) {
        const FileResult result = game.saveToFile(a);
        if (result.ok)
            transcript_->saved();
        else
            transcript_->fileError(a, true, result);
    } else if (order == "load" && restOfLine(words, a)) {
        const OrderReply result = play_.give(order::LoadFile{a});
        if (!result.file.ok)
            transcript_->fileError(a, false, result.file);
        else
            transcript_->briefing(game.scenarioTitle, game.scenarioBriefing);
    } else if (order == "dump") {
        out_ << stateLine(game) << '\n';
    } else if (order == "help" || order == "?") {
        out_ << helpText(words_, options_.width);
    } else if (order == "map" || order == "provinces") {
        out_ << mapListing(words_, game, options_.width);
    } else if (order == "status") {
        out_ << statusReport(words_, game, options_.width);
    } else if (order == "quit" || order == "exit") {
        transcript_->quit();
        return false;
    } else {
        (options_.plain ? out_ : std::cerr) << wrapped(unknownOrder(words_, order, line), options_.width);
    }
    return !quitting_;
}

// The order between two named provinces (the target is looked up first).
void Session::drop(const std::string& from, const std::string& to) {
    Province* target = province(to);
    if (target == nullptr) return;
    Province* source = province(from);
    if (source == nullptr) return;
    const OrderReply result = play_.give(order::Move{game_.indexOf(*source), game_.indexOf(*target)});
    transcript_->ordered(result.move, *source, *target);
    if (result.carriedOut && play_.yearEndsByItself()) endTurn();
}

// A drag-and-drop onto a map point, as a person's mouse would make it.
void Session::dropAt(const std::string& from, int x, int y) {
    Province* source = province(from);
    if (source == nullptr) return;
    const OrderReply result = play_.give(order::DropAt{game_.indexOf(*source), x, y});
    transcript_->droppedAt(result.drop, *source, x, y);
    if (result.carriedOut && play_.yearEndsByItself()) endTurn();
}

// Takes back the last order of the year when it changed nothing hidden.
void Session::undo() {
    const Order* last = play_.undoable();
    if (last == nullptr) {
        transcript_->undo(false, words_.catalogue().screenText(noticeLine(undoBlockedText(play_.undoBlock()), 0)));
        return;
    }
    const Order taken = *last;
    play_.undo();
    transcript_->undo(true, words_.catalogue().screenText(noticeLine(undoneText(taken, game_), 0)));
}

void Session::endTurn() {
    if (yearEnd_) {
        yearEnd_->startYear();
        yearEnding_ = true;
    }
    play_.give(order::EndYear{});
    if (yearEnd_) {
        yearEnding_ = false;
        yearEnd_->settle();
        transcript_->battles(yearEnd_->finishYear().battles);
    }
    if (newGamePosted_ && !quitting_) {
        newGamePosted_ = false;
        transcript_->newGame();
        play_.give(order::NewGame{});
    }
}

bool Session::takeAnswer() {
    if (options_.answers && !options_.answers->empty()) {
        const char c = (*options_.answers)[nextAnswer_ % options_.answers->size()];
        ++nextAnswer_;
        return c == 'y' || c == 'Y';
    }
    std::string line;
    while (std::getline(in_, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "y" || line == "yes" || line == "Y") return true;
        if (line == "n" || line == "no" || line == "N") return false;
        if (options_.plain) out_ << words_(QT_TRANSLATE_NOOP("Terminal", "Please answer y or n: ")) << std::flush;
    }
    return false;
}

void Session::tell(const std::string& text) { transcript_->tell(text); }

// The rules' messages in the plain terminal's language; the protocol's in English.
void Session::tell(const Message& message) { tell(words_.message(message)); }

bool Session::ask(const Message& message) { return ask(words_.message(message)); }

bool Session::askWithLabels(const Message& text, const Message& yesLabel, const Message& noLabel) {
    return askWithLabels(words_.message(text), words_.message(yesLabel), words_.message(noLabel));
}

void Session::report(const Message& message) { report(words_.message(message)); }

bool Session::askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    return transcript_->question(text, yesLabel, noLabel, [this] { return takeAnswer(); });
}

void Session::report(const std::string& text) { transcript_->report(text); }

void Session::sound(SoundKind kind) { transcript_->sound(static_cast<int>(kind)); }

void Session::move(Province& from, Province& to) {
    if (yearEnding_) yearEnd_->battleBegins(from, to);
    transcript_->move(from, to);
}

void Session::defeat(Power loser, Province& province) { transcript_->defeat(powerName(loser), province); }

void Session::news(const std::string& line) { transcript_->news(line); }

void Session::lesson(int year) { transcript_->lesson(year); }

void Session::results(int invasions, int plagues, int rebellions) {
    transcript_->results(invasions, plagues, rebellions);
}

void Session::quit() {
    transcript_->quit();
    quitting_ = true;
}

void Session::newGame() { newGamePosted_ = true; }

// Never part of a transcript: scripts compare transcripts byte for byte.
void Session::diagnostic(const std::string& text) { std::cerr << "diagnostic: " << text << '\n'; }
