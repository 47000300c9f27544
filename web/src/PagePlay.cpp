// The game as the page plays it: the rules' front end and the orders the page
// gives. Whatever the rules show (a message, a question, a march, a lesson)
// goes to the page, and the engine waits for it there through Asyncify: the
// rules keep their synchronous questions and the page its event loop.
#include <emscripten.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "client/StateLine.h"
#include "engine/Game.h"
#include "client/KeyboardChoice.h"
#include "client/Choreography.h"
#include "client/GameOver.h"
#include "client/PaintedProvinces.h"
#include "client/ScreenLayout.h"
#include "english/CorrectedEnglish.h"
#include "rules/LessonTable.h"
#include "rules/Orders.h"
#include "rules/Presenter.h"
#include "rules/WelcomeHints.h"
#include "web/src/PageState.h"
#include "web/src/PageSteps.h"
#include "web/src/PageTables.h"

namespace {

// The page's side of each call: page.js sets these up on Module.page.
EM_JS(void, pageShowState, (const char* json), { Module.page.setState(JSON.parse(UTF8ToString(json))); });
EM_ASYNC_JS(void, pageTell, (const char* text), { await Module.page.tell(UTF8ToString(text)); });
EM_ASYNC_JS(int, pageAsk, (const char* text, const char* yes, const char* no), {
    return (await Module.page.ask(UTF8ToString(text), UTF8ToString(yes), UTF8ToString(no))) ? 1 : 0;
});
EM_ASYNC_JS(void, pagePlay, (const char* steps), { await Module.page.play(JSON.parse(UTF8ToString(steps))); });
EM_ASYNC_JS(void, pageSound, (int kind), { await Module.page.sound(kind); });
EM_ASYNC_JS(void, pageLesson, (int year), { await Module.page.lesson(year); });
EM_ASYNC_JS(void, pageResults, (const char* dialog), { await Module.page.results(JSON.parse(UTF8ToString(dialog))); });
EM_JS(void, pageKeep, (int year, const char* savedGame), { Module.page.keep(year, UTF8ToString(savedGame)); });
EM_JS(void, pageQuit, (), { Module.page.quit(); });
EM_JS(int, pageRunAnotherYear, (), { return Module.page.runAnotherYear() ? 1 : 0; });

void showState() { pageShowState(pageState(Game::instance()).c_str()); }

class PagePresenter : public Presenter {
public:
    bool newGamePosted = false;

    // A player reads the advisor in corrected English, as in the window.
    void tell(const std::string& text) override {
        showState();
        pageTell(correctedEnglish(text).c_str());
    }
    bool askWithLabels(const std::string& text, const std::string& yesLabel, const std::string& noLabel) override {
        showState();
        return pageAsk(correctedEnglish(text).c_str(), correctedEnglish(yesLabel).c_str(),
                       correctedEnglish(noLabel).c_str()) != 0;
    }
    void sound(SoundKind kind) override {
        // The march under an enemy report sounds over the screen as it now stands.
        if (kind == SoundKind::March) showState();
        pageSound(static_cast<int>(kind));
    }
    void move(Province& from, Province& to) override {
        const std::vector<view::ScreenStep> steps = moves_.move(Game::instance(), from, to);
        if (steps.empty()) return;
        showState();
        pagePlay(pageSteps(steps).c_str());
    }
    void defeat(Power loser, Province& province) override {
        showState();
        pagePlay(pageSteps(view::defeatSteps(loser, province)).c_str());
    }
    void news(const std::string&) override { showState(); }
    void redraw() override { showState(); }
    void banner() override {
        showState();
        pagePlay(pageSteps(view::bannerSteps()).c_str());
    }
    void forgetAnimatedMoves() override { moves_.forgetMoves(); }
    void lesson(int year) override {
        showState();
        if (const Lesson* l = lessonOfYear(year))
            pagePlay(pageSteps(view::lessonZoomSteps(*l, true, view::LayoutHeight)).c_str());
        pageLesson(year);
    }
    void results(int, int, int) override {
        showState();
        pageResults(pageResultsDialog(Game::instance()).c_str());
    }
    void quit() override { pageQuit(); }
    void newGame() override { newGamePosted = true; }
    bool runAnotherYear() override { return pageRunAnotherYear() != 0; }

private:
    view::MoveChoreography moves_;
};

PagePresenter presenter;
NameTyping names;
// The provinces' painted shapes, handed over by the page as the tints arrive;
// until then the rules' rectangles answer.
view::PaintedProvinces painted;
std::string reply;

const char* answer(std::string text) {
    reply = std::move(text);
    return reply.c_str();
}

void endTurn() {
    Game& game = Game::instance();
    game.advanceTurn();
    if (keptAfterTheYear(game)) {
        std::ostringstream saved;
        game.saveToStream(saved);
        pageKeep(game.year(), saved.str().c_str());
    }
    if (presenter.newGamePosted) {
        presenter.newGamePosted = false;
        game.startNewGame();
    }
    showState();
}

// Where a drop at a map point lands, as in the window: on a figure, that
// figure's province; elsewhere the province painted there.
Province* dropTargetAt(const Game& game, int x, int y) {
    Province* figure = view::figureIconAt(game, x, y);
    return figure ? figure : painted.at(game, x, y);
}

// A Roman order from `source` to `target`, as the keyboard and a drop give
// it: the rules' refusals are told to the player. true when carried out.
bool giveOrder(Province& source, Province& target) {
    Game& game = Game::instance();
    const bool done = succeeded(Orders::move(game, source, target));
    showState();
    if (done && !game.romansCanMove()) endTurn();
    return done;
}

}  // namespace

extern "C" {

// Sets up the one game of the page with its seed and the 235 AD position.
EMSCRIPTEN_KEEPALIVE void aurovane_start(unsigned seed) {
    Game& game = Game::newInstance(seed);
    game.setPresenter(&presenter);
    game.startNewGame();
    game.buildEventList();
    showState();
}

EMSCRIPTEN_KEEPALIVE const char* aurovane_tables() { return answer(pageTables(Game::instance())); }
EMSCRIPTEN_KEEPALIVE const char* aurovane_state() { return answer(pageState(Game::instance())); }
// The whole position, as the terminal edition's dump prints it.
EMSCRIPTEN_KEEPALIVE const char* aurovane_dump() { return answer(stateLine(Game::instance())); }

// The province painted at a map point, for the information line.
EMSCRIPTEN_KEEPALIVE const char* aurovane_province_at(int x, int y) {
    const Province* p = painted.at(Game::instance(), x, y);
    return answer(p ? p->name() : "");
}

// The painted shape of a province: the alpha of its plain tint drawn at its
// table size, `length` bytes row by row. 1 when taken; a name without a tint
// or bytes of another size change nothing.
EMSCRIPTEN_KEEPALIVE int aurovane_paint_province(const char* name, const unsigned char* alpha, int length) {
    const std::vector<unsigned char> bytes(alpha, alpha + (length > 0 ? length : 0));
    return painted.paintTint(Game::instance(), name, bytes) ? 1 : 0;
}

// A press on the map: the legions under it are picked up when they may move,
// from the boxes around the figures as the window draws them.
// The name of the province picked up, or "".
EMSCRIPTEN_KEEPALIVE const char* aurovane_pick_up(int x, int y) {
    Game& game = Game::instance();
    game.pickUp(view::pickUpBoxAt(game, x, y));
    showState();
    return answer(game.dragSource ? game.dragSource->name() : "");
}

// The province a drag held at a map point would land on, for the
// information line; "" for none.
EMSCRIPTEN_KEEPALIVE const char* aurovane_drop_target(int x, int y) {
    const Province* p = dropTargetAt(Game::instance(), x, y);
    return answer(p ? p->name() : "");
}

// The release of a drag at a map point; 1 when legions were sent.
EMSCRIPTEN_KEEPALIVE int aurovane_drop(int x, int y) {
    Game& game = Game::instance();
    Province* source = game.dragSource;
    Province* target = dropTargetAt(game, x, y);
    // Nothing picked up, or ready legions dropped on no province: no order.
    // Legions that cannot go are refused wherever the drop fell, with the
    // rules' own words: the order to their own province says why.
    if (!source || (!target && game.romans.hasReadyLegionIn(*source))) {
        showState();
        return 0;
    }
    game.dropTarget = target;
    return giveOrder(*source, target ? *target : *source) ? 1 : 0;
}

// Picks up the legions of a province by name, as the keyboard does; "" when none.
EMSCRIPTEN_KEEPALIVE const char* aurovane_pick_up_province(const char* name) {
    Game& game = Game::instance();
    game.pickUp(game.provinceNamed(name));
    showState();
    return answer(game.dragSource ? game.dragSource->name() : "");
}

// The keyboard's order to one legion of `from`: a step or a march to `to`.
// 1 when it was carried out; a refusal is explained to the player.
EMSCRIPTEN_KEEPALIVE int aurovane_order(const char* from, const char* to) {
    Game& game = Game::instance();
    Province* source = game.provinceNamed(from);
    Province* target = game.provinceNamed(to);
    if (!source || !target) return 0;
    game.dragSource = nullptr;
    return giveOrder(*source, *target) ? 1 : 0;
}

// The keyboard's arrow from a province: the nearest one that way (dx, dy a
// unit step, y down), or "" when none lies that way.
EMSCRIPTEN_KEEPALIVE const char* aurovane_next_in_direction(const char* from, int dx, int dy) {
    Game& game = Game::instance();
    const Province* source = game.provinceNamed(from);
    const Province* next = source ? view::nextInDirection(game, *source, dx, dy) : nullptr;
    return answer(next ? next->name() : "");
}

// A letter of a province's name typed at `nowMs` with the highlight on
// `cursor`: the province now highlighted, or "" when the letter was not taken.
EMSCRIPTEN_KEEPALIVE const char* aurovane_type_letter(int letter, double nowMs, const char* cursor) {
    Game& game = Game::instance();
    int index = -1;
    for (std::size_t i = 0; i < game.provinceTable.size(); ++i)
        if (game.provinceTable[i] && game.provinceTable[i]->name() == cursor) index = int(i);
    if (!names.type(game, char(letter), static_cast<long long>(nowMs), index) || index < 0) return answer("");
    return answer(game.provinceTable[std::size_t(index)]->name());
}

// The province the keyboard's highlight starts on.
EMSCRIPTEN_KEEPALIVE const char* aurovane_first_highlight() {
    Game& game = Game::instance();
    return answer(game.provinceTable.at(std::size_t(firstHighlight(game)))->name());
}

// 1 while a name is being typed (E and the blank then go on with it), 0 otherwise.
EMSCRIPTEN_KEEPALIVE int aurovane_typing(double nowMs) { return names.typing(static_cast<long long>(nowMs)) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void aurovane_clear_typing() { names.clear(); }

EMSCRIPTEN_KEEPALIVE void aurovane_cancel_drag() { Game::instance().dragSource = nullptr; }

EMSCRIPTEN_KEEPALIVE void aurovane_end_turn() { endTurn(); }

EMSCRIPTEN_KEEPALIVE void aurovane_new_game() {
    Game::instance().startNewGame();
    showState();
}

// The set-up of the scenario starting in `year`, and its first turn's end
// where the set-up leaves nothing to order.
EMSCRIPTEN_KEEPALIVE void aurovane_scenario(int year) {
    if (!Game::instance().startScenario(year)) return;
    showState();
    if (Game::firstTurnEndsAtOnce(year)) endTurn();
}

EMSCRIPTEN_KEEPALIVE void aurovane_set_skill(int skill) {
    if (skill >= 0 && skill <= 2) Game::instance().skillLevel = skill;
}

// The game as a saved file's text.
EMSCRIPTEN_KEEPALIVE const char* aurovane_save() {
    std::ostringstream out;
    Game::instance().saveToStream(out);
    return answer(out.str());
}

// Reads a saved game from the bytes of a file; "" when it was read,
// otherwise the reader's message (and the game is as it was).
EMSCRIPTEN_KEEPALIVE const char* aurovane_load(const char* bytes, int length) {
    std::istringstream in{std::string(bytes, length > 0 ? std::size_t(length) : 0)};
    const FileResult r = Game::instance().loadFromStream(in);
    showState();
    return answer(r.ok ? "" : correctedEnglish(r.error));
}

// The Palestina uprising, the window's P+F+J.
EMSCRIPTEN_KEEPALIVE void aurovane_palestina_uprising() {
    Game::instance().palestinaUprising();
    showState();
}

// The advisor's welcome and hints, as F1 gives them.
EMSCRIPTEN_KEEPALIVE void aurovane_hints() { tellWelcomeHints(presenter); }

}  // extern "C"
