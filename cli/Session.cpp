#include "cli/Session.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/LessonTexts.h"
#include "cli/Listings.h"
#include "cli/PrintableText.h"
#include "cli/ProvinceNames.h"
#include "cli/StateLine.h"
#include "model/Game.h"

Session::Session(std::istream& in, std::ostream& out, Options options)
    : in_(in), out_(out), options_(std::move(options)) {
    if (options_.plain)
        transcript_ = std::make_unique<PlainTranscript>(out_);
    else
        transcript_ = std::make_unique<ProtocolTranscript>(out_);
}

Session::~Session() { Advisor::install(nullptr); }

void Session::run() {
    Game& game = Game::instance();
    game.moveHook = [this](Province& from, Province& to) { transcript_->move(from, to); };
    game.defeatHook = [this](const std::string& empire, Province& p) { transcript_->defeat(empire, p); };
    game.reportHook = [this, &game] { transcript_->news(game.eventLog.back()); };
    game.soundHook = [this](int kind) { transcript_->sound(kind); };
    Advisor::install(this);
    game.startNewGame();
    game.buildEventList();
    if (options_.plain) {
        if (const LessonText* intro = lessonTextOfYear(235)) out_ << '\n' << intro->text << "\n\n";
        out_ << "Ave, Princeps! It is 235 AD. Type help for the list of orders.\n";
    }

    std::string line;
    while (!quitting_) {
        transcript_->prompt(game);
        if (!std::getline(in_, line)) break;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!handle(line)) break;
        out_.flush();
    }
    out_.flush();
}

Province* Session::province(const std::string& token) {
    std::string why;
    Province* p = provinceFromToken(Game::instance(), token, why);
    if (p == nullptr) (options_.plain ? out_ : std::cerr) << why << '\n';
    return p;
}

namespace {

// A path is the rest of the line, blanks inside it included.
bool restOfLine(std::istream& words, std::string& rest) {
    std::getline(words >> std::ws, rest);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
    return !rest.empty();
}

}  // namespace

bool Session::handle(const std::string& line) {
    std::istringstream words(line);
    std::string order;
    if (!(words >> order) || order[0] == '#') return true;
    Game& game = Game::instance();
    std::string a, b, c;
    if (order == "drop" && words >> a >> b) {
        drop(a, b);
    } else if (order == "dropat" && words >> a >> b >> c) {
        dropAt(a, std::atoi(b.c_str()), std::atoi(c.c_str()));
    } else if (order == "end" || (options_.plain && order == "e")) {
        endTurn();
    } else if (order == "new") {
        game.startNewGame();
    } else if (order == "scenario" && words >> a) {
        const int year = std::atoi(a.c_str());
        if (!game.startScenario(year)) {
            (options_.plain ? out_ : std::cerr) << "There is no scenario " << a << ": try 260, 308, 410 or 455.\n";
            return true;
        }
        if (year == 260 || year == 308) endTurn();
    } else if (order == "skill" && words >> a && (a == "0" || a == "1" || a == "2")) {
        game.skillLevel = a[0] - '0';
    } else if (order == "pfj") {
        game.palestinaUprising();
    } else if (order == "save" && restOfLine(words, a)) {
        const FileResult result = game.saveToFile(a);
        if (result.ok)
            transcript_->saved();
        else
            transcript_->error(result.error);
    } else if (order == "load" && restOfLine(words, a)) {
        const FileResult result = game.loadFromFile(a);
        if (!result.ok) transcript_->error(result.error);
    } else if (order == "dump") {
        out_ << stateLine(game) << '\n';
    } else if (order == "help" || order == "?") {
        out_ << helpText();
    } else if (order == "map" || order == "provinces") {
        out_ << mapListing(game);
    } else if (order == "status") {
        out_ << statusReport(game);
    } else if (options_.plain && (order == "quit" || order == "exit")) {
        transcript_->quit();
        return false;
    } else {
        (options_.plain ? out_ : std::cerr) << "Unknown order: " << printableText(line) << " (type help for the list)\n";
    }
    return !quitting_;
}

// A drag-and-drop onto a point of the target, as a person's mouse would make it.
void Session::drop(const std::string& from, const std::string& to) {
    Province* target = province(to);
    int x = 0, y = 0;
    if (target != nullptr && Game::instance().pointIn(*target, x, y)) dropAt(from, x, y);
}

void Session::dropAt(const std::string& from, int x, int y) {
    Game& game = Game::instance();
    Province* source = province(from);
    if (source == nullptr) return;
    game.pickUp(source);
    const bool dropped = game.dropLegions(x, y);
    transcript_->dropped(dropped);
    if (dropped && !game.romansCanMove()) endTurn();
}

void Session::endTurn() {
    advanceTurn(*this);
    if (newGamePosted_ && !quitting_) {
        newGamePosted_ = false;
        transcript_->newGame();
        Game::instance().startNewGame();
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
        if (options_.plain) out_ << "Please answer y or n: " << std::flush;
    }
    return false;
}

void Session::showMessage(const std::string& text) { transcript_->tell(text); }

bool Session::askQuestion(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    return transcript_->question(text, yesLabel, noLabel, [this] { return takeAnswer(); });
}

void Session::announceReport(const std::string& message) { transcript_->report(message); }

void Session::showLesson(int year) { transcript_->lesson(year); }

void Session::showResults() {
    const Game& game = Game::instance();
    transcript_->results(game.invasionCount, game.plagueCount, game.rebellionCount);
}

void Session::quit() {
    transcript_->quit();
    quitting_ = true;
}

void Session::postNewGame() { newGamePosted_ = true; }
