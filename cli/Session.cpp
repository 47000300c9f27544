#include "cli/Session.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/Json.h"
#include "cli/StateLine.h"
#include "model/Game.h"

Session::Session(std::istream& in, std::ostream& out, Options options)
    : in_(in), out_(out), options_(std::move(options)) {}

Session::~Session() { Advisor::install(nullptr); }

void Session::run() {
    Game& game = Game::instance();
    game.moveHook = [this](Province& from, Province& to) {
        out_ << "move " << jsonString(from.name()) << ' ' << jsonString(to.name()) << '\n';
    };
    game.defeatHook = [this](const std::string& empire, Province& province) {
        out_ << "defeat " << jsonString(empire) << ' ' << jsonString(province.name()) << '\n';
    };
    game.reportHook = [this, &game] { out_ << "log " << jsonString(game.eventLog.back()) << '\n'; };
    game.soundHook = [this](int kind) { out_ << "sound " << kind << '\n'; };
    Advisor::install(this);
    game.startNewGame();
    game.buildEventList();

    std::string line;
    while (!quitting_ && std::getline(in_, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!handle(line)) break;
        out_.flush();
    }
    out_.flush();
}

Province* Session::province(const std::string& token) {
    std::string name = token;
    for (char& c : name) {
        if (c == '_') c = ' ';
    }
    return Game::instance().provinceNamed(name);
}

bool Session::handle(const std::string& line) {
    std::istringstream words(line);
    std::string order;
    if (!(words >> order) || order[0] == '#') return true;
    Game& game = Game::instance();
    std::string a, b, c;
    if (order == "drop" && words >> a >> b) {
        Province* target = province(b);
        if (target == nullptr) {
            std::cerr << "no province called " << b << '\n';
            return true;
        }
        // A point strictly inside one of the target's rectangles that is not
        // claimed by an earlier province.
        for (const MapRect& r : target->hitRects) {
            for (int y = r.top + 1; y < r.bottom; ++y) {
                for (int x = r.left + 1; x < r.right; ++x) {
                    if (game.provinceAt(x, y) == target) {
                        drop(a, target, x, y);
                        return !quitting_;
                    }
                }
            }
        }
        std::cerr << "no point of the map belongs to " << b << '\n';
    } else if (order == "dropat" && words >> a >> b >> c) {
        drop(a, nullptr, std::stoi(b), std::stoi(c));
    } else if (order == "end") {
        endTurn();
    } else if (order == "new") {
        game.startNewGame();
    } else if (order == "scenario" && words >> a) {
        const int year = std::atoi(a.c_str());
        if (!game.startScenario(year)) {
            std::cerr << "no scenario " << a << '\n';
            return true;
        }
        if (year == 260 || year == 308) endTurn();
    } else if (order == "skill" && words >> a && (a == "0" || a == "1" || a == "2")) {
        game.skillLevel = a[0] - '0';
    } else if (order == "pfj") {
        game.palestinaUprising();
    } else if (order == "save" && words >> a) {
        const FileResult result = game.saveToFile(a);
        out_ << (result.ok ? std::string("saved") : "error " + jsonString(result.error)) << '\n';
    } else if (order == "load" && words >> a) {
        const FileResult result = game.loadFromFile(a);
        if (!result.ok) out_ << "error " << jsonString(result.error) << '\n';
    } else if (order == "dump") {
        out_ << stateLine(game) << '\n';
    } else {
        std::cerr << "unknown order: " << line << '\n';
    }
    return !quitting_;
}

void Session::drop(const std::string& from, Province* target, int x, int y) {
    Game& game = Game::instance();
    Province* source = province(from);
    if (source == nullptr) {
        std::cerr << "no province called " << from << '\n';
        return;
    }
    (void)target;
    game.pickUp(source);
    const bool dropped = game.dropLegions(x, y);
    out_ << "dropped " << (dropped ? "true" : "false") << '\n';
    if (dropped && !game.romansCanMove()) endTurn();
}

void Session::endTurn() {
    advanceTurn(*this);
    if (newGamePosted_ && !quitting_) {
        newGamePosted_ = false;
        out_ << "newgame\n";
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
        if (line == "y" || line == "yes") return true;
        if (line == "n" || line == "no") return false;
    }
    return false;
}

void Session::showMessage(const std::string& text) { out_ << "tell " << jsonString(text) << '\n'; }

bool Session::askQuestion(const std::string& text, const std::string& yesLabel, const std::string& noLabel) {
    const bool yes = takeAnswer();
    out_ << "ask " << jsonString(text);
    if (!yesLabel.empty()) out_ << ' ' << jsonString(yesLabel) << ' ' << jsonString(noLabel);
    out_ << (yes ? " yes" : " no") << '\n';
    return yes;
}

void Session::announceReport(const std::string& message) { out_ << "report " << jsonString(message) << '\n'; }

void Session::showLesson(int year) { out_ << "lesson " << year << '\n'; }

void Session::showResults() {
    const Game& game = Game::instance();
    out_ << "results " << game.invasionCount << ' ' << game.plagueCount << ' ' << game.rebellionCount << '\n';
}

void Session::quit() {
    out_ << "quit\n";
    quitting_ = true;
}

void Session::postNewGame() { newGamePosted_ = true; }
