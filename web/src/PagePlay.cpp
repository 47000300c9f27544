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
#include "client/LegionCarry.h"
#include "client/MarchPlan.h"
#include "client/PaintedProvinces.h"
#include "english/CorrectedEnglish.h"
#include "rules/Orders.h"
#include "rules/Presenter.h"
#include "rules/WelcomeHints.h"
#include "web/src/PageCarry.h"
#include "web/src/PageState.h"
#include "web/src/PageTables.h"

namespace {

// The page's side of each call: page.js sets these up on Module.page.
EM_JS(void, pageShowState, (const char* json), { Module.page.setState(JSON.parse(UTF8ToString(json))); });
EM_ASYNC_JS(void, pageTell, (const char* text), { await Module.page.tell(UTF8ToString(text)); });
EM_ASYNC_JS(int, pageAsk, (const char* text, const char* yes, const char* no), {
    return (await Module.page.ask(UTF8ToString(text), UTF8ToString(yes), UTF8ToString(no))) ? 1 : 0;
});
EM_ASYNC_JS(void, pageMove, (const char* from, const char* walk, int startX, int startY, int endX, int endY,
                             int mirror, int figureStays, int swordsX, int swordsY), {
    await Module.page.move(UTF8ToString(from), {walk: walk ? UTF8ToString(walk) : null, start: [startX, startY],
                           end: [endX, endY], mirror: mirror !== 0, figureStays: figureStays !== 0,
                           swords: [swordsX, swordsY]});
});
EM_ASYNC_JS(void, pageDefeat, (const char* loser, const char* province), {
    await Module.page.defeat(UTF8ToString(loser), UTF8ToString(province));
});
EM_ASYNC_JS(void, pageSound, (int kind), { await Module.page.sound(kind); });
EM_ASYNC_JS(void, pageBanner, (), { await Module.page.banner(); });
EM_ASYNC_JS(void, pageLesson, (int year), { await Module.page.lesson(year); });
EM_ASYNC_JS(void, pageResults, (), { await Module.page.results(); });
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
    // A march or a fight between two provinces; an enemy's is shown once a turn.
    void move(Province& from, Province& to) override {
        const std::string key = from.name() + '\n' + to.name() + '\t';
        if (animated_.find(key) != std::string::npos) return;
        const Empire* owner = Game::instance().ownerOf(from);
        if (!owner || !owner->isRomans()) animated_ += key;
        showState();
        const view::MarchPlan p = view::marchPlan(owner, from, to);
        pageMove(from.name().c_str(), p.walk, p.start.x, p.start.y, p.end.x, p.end.y, p.mirror, p.figureStays,
                 p.swords.x, p.swords.y);
    }
    void defeat(Power loser, Province& province) override {
        showState();
        pageDefeat(powerName(loser), province.name().c_str());
    }
    void news(const std::string&) override { showState(); }
    void redraw() override { showState(); }
    void banner() override {
        showState();
        pageBanner();
    }
    void forgetAnimatedMoves() override { animated_.clear(); }
    void lesson(int year) override {
        showState();
        pageLesson(year);
    }
    void results(int, int, int) override {
        showState();
        pageResults();
    }
    void quit() override { pageQuit(); }
    void newGame() override { newGamePosted = true; }
    bool runAnotherYear() override { return pageRunAnotherYear() != 0; }

private:
    std::string animated_;
};

PagePresenter presenter;
// The provinces' painted shapes, handed over by the page as the tints arrive;
// until then the rules' rectangles answer.
view::PaintedProvinces painted;
// The pointer's and the keyboard's carry, and the order it asked for until the page has it given.
std::unique_ptr<LegionCarry> carry;
CarryOrder waitingOrder;
std::string reply;

const char* answer(std::string text) {
    reply = std::move(text);
    return reply.c_str();
}

void endTurn() {
    Game& game = Game::instance();
    carry->reset();
    game.advanceTurn();
    if (presenter.newGamePosted) {
        presenter.newGamePosted = false;
        game.startNewGame();
    }
    showState();
}

// The order the carry asked for: a refusal is told in the information line.
void giveOrder(const CarryOrder& order) {
    if (order.kind == CarryOrder::Kind::EndTurn) return endTurn();
    if (order.kind != CarryOrder::Kind::Move) return;
    Game& game = Game::instance();
    const OrderResult result = Orders::move(game, *order.from, *order.to);
    carry->ordered(*order.from, *order.to, result);
    showState();
    if (succeeded(result) && !game.romansCanMove()) endTurn();
}

// What the carry answers, and the order it asked for kept for aurovane_give_order.
const char* carryAnswer(bool taken, const CarryOrder& order) {
    waitingOrder = order;
    return answer(carryView(*carry, taken, order.kind != CarryOrder::Kind::None));
}

}  // namespace

extern "C" {

// Sets up the one game of the page with its seed and the 235 AD position.
EMSCRIPTEN_KEEPALIVE void aurovane_start(unsigned seed) {
    Game& game = Game::newInstance(seed);
    game.setPresenter(&presenter);
    carry = std::make_unique<LegionCarry>(game, painted);
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

EMSCRIPTEN_KEEPALIVE void aurovane_end_turn() { endTurn(); }

EMSCRIPTEN_KEEPALIVE void aurovane_new_game() {
    carry->reset();
    Game::instance().startNewGame();
    showState();
}

// The set-up of the scenario starting in `year`, and its first turn's end
// where the set-up leaves nothing to order.
EMSCRIPTEN_KEEPALIVE void aurovane_scenario(int year) {
    if (!Game::instance().startScenario(year)) return;
    carry->reset();
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
    if (r.ok) carry->reset();
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

// The pointer at a layout point: a press, a move, a release, or lost
// (pointercancel, a release off the screen). Each answers what to show
// (PageCarry.h); a release that asks for an order waits for aurovane_give_order.
EMSCRIPTEN_KEEPALIVE const char* aurovane_press(int x, int y) {
    carry->press({x, y});
    return carryAnswer(true, {});
}

EMSCRIPTEN_KEEPALIVE const char* aurovane_pointer_move(int x, int y) {
    carry->move({x, y});
    return carryAnswer(true, {});
}

EMSCRIPTEN_KEEPALIVE const char* aurovane_release(int x, int y) { return carryAnswer(true, carry->release({x, y})); }

EMSCRIPTEN_KEEPALIVE const char* aurovane_pointer_cancel() {
    carry->cancel();
    return carryAnswer(true, {});
}

// A key by its browser name, held down (`repeat` 1) or not, at `nowMs`.
EMSCRIPTEN_KEEPALIVE const char* aurovane_key(const char* name, int repeat, double nowMs) {
    char letter = 0;
    const std::optional<CarryKey> key = carryKeyNamed(name, letter);
    if (!key) return carryAnswer(false, {});
    const LegionCarry::KeyAnswer a = carry->key(*key, letter, repeat != 0, static_cast<long long>(nowMs));
    return carryAnswer(a.taken, a.order);
}

// What to show of the carry as it stands.
EMSCRIPTEN_KEEPALIVE const char* aurovane_carry() { return answer(carryView(*carry, true, false)); }

// Gives the order the last input asked for, then answers what to show.
EMSCRIPTEN_KEEPALIVE const char* aurovane_give_order() {
    const CarryOrder order = waitingOrder;
    waitingOrder = {};
    giveOrder(order);
    return carryAnswer(true, {});
}

}  // extern "C"
