// The game as the page plays it: the rules' front end and the orders the page
// gives. Whatever the rules show (a message, a question, a march, a lesson)
// goes to the page as steps of the order being played out (PageOrder.h): the
// engine never waits for the page, so it needs no Asyncify, and the rules
// keep their synchronous questions. Each page's game and what the engine
// keeps for it live in one Page, whose handle the page passes with every call
// (the exports are declared in page-exports.json).
#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "client/Choreography.h"
#include "client/ContinueText.h"
#include "client/GameOver.h"
#include "client/Json.h"
#include "client/LegionCarry.h"
#include "client/PaintedProvinces.h"
#include "client/PlaySession.h"
#include "client/ScenarioBriefing.h"
#include "client/StateLine.h"
#include "client/UndoText.h"
#include "engine/Game.h"
#include "english/CorrectedEnglish.h"
#include "model/TextBuilder.h"
#include "rules/LessonTable.h"
#include "rules/Orders.h"
#include "rules/Presenter.h"
#include "rules/WelcomeHints.h"
#include "web/src/PageCarry.h"
#include "web/src/PageExports.h"
#include "web/src/PageNews.h"
#include "web/src/PageOrder.h"
#include "web/src/PageParts.h"
#include "web/src/PageState.h"
#include "web/src/PageSteps.h"
#include "web/src/PageTables.h"
#include "web/src/PageWords.h"

namespace {

// The state outside an order goes to the page at once (page.js sets up Module.page).
EM_JS(void, pageShowState, (const char* json), { Module.page.setState(JSON.parse(UTF8ToString(json))); });

void showState(Page& page);

// A step for the page: what the page does with it (a member of Module.page) and its arguments as JSON.
std::string step(const char* what, const std::string& arguments = {}) {
    return std::string("[\"") + what + "\"" + (arguments.empty() ? "" : "," + arguments) + "]";
}
std::string text(const std::string& words) { return jsonString(correctedEnglish(words)); }

class PagePresenter : public Presenter {
public:
    explicit PagePresenter(Page& page) : page_(page) {}
    bool newGamePosted = false;
    view::MoveChoreography moves;

    // A player reads the advisor in corrected English, as in the window.
    void tell(const std::string& words) override {
        showState(page_);
        show(step("tell", text(words)));
    }
    bool askWithLabels(const std::string& words, const std::string& yesLabel, const std::string& noLabel) override {
        showState(page_);
        return ask(step("ask", text(words) + "," + text(yesLabel) + "," + text(noLabel)));
    }
    // The rules' messages in the page's language.
    void tell(const Message& message) override { tell(pageWords().message(message)); }
    bool ask(const Message& message) override { return askWithLabels(pageWords().message(message), {}, {}); }
    bool askWithLabels(const Message& words, const Message& yesLabel, const Message& noLabel) override {
        return askWithLabels(pageWords().message(words), pageWords().message(yesLabel), pageWords().message(noLabel));
    }
    void sound(SoundKind kind) override {
        // The march under an enemy report sounds over the screen as it now stands.
        if (kind == SoundKind::March) showState(page_);
        show(step("sound", std::to_string(static_cast<int>(kind))));
    }
    void move(Province& from, Province& to) override;
    void defeat(Power loser, Province& province) override {
        showState(page_);
        show(step("play", pageSteps(view::defeatSteps(loser, province))));
    }
    void news(const std::string& line) override;
    void redraw() override;
    void banner() override {
        showState(page_);
        show(step("play", pageSteps(view::bannerSteps())));
    }
    void forgetAnimatedMoves() override { moves.forgetMoves(); }
    void lesson(int year) override {
        showState(page_);
        if (const Lesson* l = lessonOfYear(year))
            show(step("play", pageSteps(view::lessonZoomSteps(*l, true, view::LayoutHeight))));
        show(step("lesson", std::to_string(year)));
    }
    void results(int, int, int) override;
    void quit() override { show(step("quit")); }
    void newGame() override { newGamePosted = true; }
    // Years that would run by themselves stop there when the page says so (its player asked for the menu).
    bool runAnotherYear() override { return ask(step("runAnotherYear")); }

private:
    void show(std::string what);
    bool ask(std::string question);

    Page& page_;
};

}  // namespace

// Everything the engine keeps of one page between its calls.
struct Page {
    explicit Page(std::uint32_t seed)
        : play(seed), game(play.game()), presenter(*this), carry(game, painted), news(game) {
        play.setPresenter(&presenter);
        play.start();
        news.startReign();
    }
    PlaySession play;
    // The same object for the page's life: undo rebuilds it in place.
    Game& game;
    PagePresenter presenter;
    // The order being played out, between its runs.
    PageOrder order;
    // The provinces' painted shapes, handed over by the page as the tints
    // arrive; until then the rules' rectangles answer.
    view::PaintedProvinces painted;
    // The pointer's and the keyboard's carry, and the order it asked for
    // until the page has it given.
    LegionCarry carry;
    CarryOrder waitingOrder;
    // The year's news as it is gathered.
    PageNews news;
    // The text the last call returned, kept until the next one.
    std::string reply;

    const char* answer(std::string text) {
        reply = std::move(text);
        return reply.c_str();
    }
};

namespace {

// During an order the state is one of its steps, at once otherwise.
void showState(Page& page) {
    if (page.order.running())
        page.order.showState(pageState(page.game));
    else
        pageShowState(pageState(page.game).c_str());
}

// The rules show nothing but during an order: hints, a year's end, a move.
void PagePresenter::show(std::string what) {
    if (page_.order.running()) page_.order.show(std::move(what));
}

bool PagePresenter::ask(std::string question) { return page_.order.running() && page_.order.ask(std::move(question)); }

void PagePresenter::results(int, int, int) {
    showState(page_);
    show(step("results", pageResultsDialog(page_.game)));
}

void PagePresenter::news(const std::string& line) {
    page_.news.newsLogged(line);
    showState(page_);
}

// The year's news in the same frame as the map it belongs to.
void PagePresenter::redraw() {
    showState(page_);
    if (const std::optional<std::string> plaque = page_.news.redrawn()) show(step("yearNews", *plaque));
}

void PagePresenter::move(Province& from, Province& to) {
    page_.news.battleBegins(from, to);
    const std::vector<view::ScreenStep> steps = moves.move(page_.game, from, to);
    if (steps.empty()) return;
    showState(page_);
    show(step("play", pageSteps(steps)));
}

// Plays out what the page asked for as one order (PageOrder.h). Each run
// starts from the game and the moves shown as they stood before the first;
// the carry changes only once an order is over. The reply goes to the page.
const char* playOut(Page& page, std::function<std::string()> order) {
    const std::size_t logged = page.play.log().size();
    const view::MoveChoreography shown = page.presenter.moves;
    const PageNews::Kept news = page.news.keep();
    return page.answer(page.order.begin([&page, logged, shown, news, order] {
        page.play.rollBack(logged);
        page.presenter.moves = shown;
        page.news.putBack(news);
        page.presenter.newGamePosted = false;
        return order();
    }));
}

void endTurn(Page& page) {
    page.carry.reset();
    page.play.give(order::EndYear{});
    if (keptAfterTheYear(page.game)) {
        page.order.show(step("keep", std::to_string(page.game.year()) + "," + jsonString(page.game.savedText())));
    }
    if (page.presenter.newGamePosted) {
        page.presenter.newGamePosted = false;
        page.play.give(order::NewGame{});
        page.news.startReign();
    }
    showState(page);
}

// The order the carry asked for: a refusal is told in the information line.
void giveOrder(Page& page, const CarryOrder::Kind kind, const order::Move& move) {
    if (kind == CarryOrder::Kind::EndTurn) return endTurn(page);
    if (kind != CarryOrder::Kind::Move) return;
    const OrderResult result = page.play.give(move).move;
    page.carry.ordered(*page.game.provinceAtIndex(move.from), *page.game.provinceAtIndex(move.to), result);
    showState(page);
    if (succeeded(result) && page.play.yearEndsByItself()) endTurn(page);
}

// An outcome as the page's information line draws it in place of a province's.
std::string noticeJson(const OrderOutcome& outcome) {
    TextBuilder out;
    writeScreenLines(out, {noticeLine(outcome, 0)});
    return out.str();
}

// What the carry answers, and the order it asked for kept for aurovane_give_order.
const char* carryAnswer(Page& page, bool taken, const CarryOrder& order) {
    page.waitingOrder = order;
    return page.answer(carryView(page.carry, taken, order.kind != CarryOrder::Kind::None));
}

}  // namespace

extern "C" {

// The page's game with its seed and the 235 AD position.
Page* aurovane_start(unsigned seed) { return new Page(seed); }

const char* aurovane_tables(Page* page) { return page->answer(pageTables(page->game)); }

void aurovane_show(Page* page) { showState(*page); }

const char* aurovane_dump(Page* page) { return page->answer(stateLine(page->game)); }

const char* aurovane_province_at(Page* page, int x, int y) {
    const Province* p = page->painted.at(page->game, x, y);
    return page->answer(p ? p->name() : "");
}

// The painted shape of a province: the alpha of its plain tint drawn at its
// table size, row by row. A name without a tint or bytes of another size
// change nothing.
int aurovane_paint_province(Page* page, const char* name, const unsigned char* alpha, int alphaLength) {
    const std::vector<unsigned char> bytes(alpha, alpha + (alphaLength > 0 ? alphaLength : 0));
    return page->painted.paintTint(page->game, name, bytes) ? 1 : 0;
}

const char* aurovane_end_turn(Page* page) {
    return playOut(*page, [page] {
        endTurn(*page);
        return std::string();
    });
}

const char* aurovane_new_game(Page* page) {
    return playOut(*page, [page] {
        page->carry.reset();
        page->play.give(order::NewGame{});
        page->news.startReign();
        showState(*page);
        return std::string();
    });
}

// The set-up of the scenario starting in `year`, and its first turn's end
// where the set-up leaves nothing to order.
const char* aurovane_scenario(Page* page, int year) {
    return playOut(*page, [page, year] {
        if (!page->play.give(order::Scenario{year}).accepted) return std::string();
        page->carry.reset();
        page->news.startReign();
        showState(*page);
        if (Game::firstTurnEndsAtOnce(year)) endTurn(*page);
        page->play.markKept();
        return std::string();
    });
}

void aurovane_set_skill(Page* page, int skill) { page->play.give(order::Skill{skill}); }

const char* aurovane_save(Page* page) {
    const std::string saved = page->game.savedText();
    page->play.markKept();
    return page->answer(saved);
}

const char* aurovane_load(Page* page, const unsigned char* file, int fileLength) {
    const std::string text(reinterpret_cast<const char*>(file), fileLength > 0 ? std::size_t(fileLength) : 0);
    const OrderReply r = page->play.give(order::Load{text});
    if (r.file.ok) {
        page->carry.reset();
        // Its year's news starts from the file.
        page->news.startReign();
    }
    showState(*page);
    return page->answer(r.file.ok ? "" : pageWords().fileMessage(r.file.message));
}

const char* aurovane_briefing(Page* page) { return page->answer(scenarioBriefingText(page->game)); }

// The Palestina uprising, the window's P+F+J.
const char* aurovane_palestina_uprising(Page* page) {
    return playOut(*page, [page] {
        page->play.give(order::PalestinaUprising{});
        showState(*page);
        return std::string();
    });
}

const char* aurovane_hints(Page* page) {
    return playOut(*page, [page] {
        tellWelcomeHints(page->presenter);
        return std::string();
    });
}

const char* aurovane_answer(Page* page, int yes) { return page->answer(page->order.answer(yes != 0)); }

int aurovane_can_undo(Page* page) { return page->play.undoable() ? 1 : 0; }

int aurovane_has_unsaved_play(Page* page) { return page->play.hasUnsavedPlay() ? 1 : 0; }

const char* aurovane_undo_command(Page* page) {
    return page->answer(pageWords().screenText(noticeLine(undoCommandText(page->play), 0)));
}

const char* aurovane_undo(Page* page) {
    const Order* last = page->play.undoable();
    if (!last) return page->answer(noticeJson(undoBlockedText(page->play.undoBlock())));
    const Order taken = *last;
    const std::vector<const void*> legions = PageNews::legionsOf(page->game);
    page->play.undo();
    // The provinces and legions are new objects: nothing may point at the old ones.
    page->news.followRebuiltGame(legions);
    page->carry.reset();
    showState(*page);
    return page->answer(noticeJson(undoneText(taken, page->game)));
}

const char* aurovane_continue_words(Page* page, int skipped, int kept, int year) {
    const std::string head = year > 0 ? pageWords().counted("ScreenText", skippedGamesForm(), skipped)
                                      : pageWords().counted("ScreenText", noneLoadsForm(), kept);
    const std::string foot = year > 0 ? pageWords().screenText(goesOnForm(), {{std::to_string(year)}}) : std::string();
    return page->answer("{\"head\":" + jsonString(head) + ",\"foot\":" + jsonString(foot) + "}");
}

// The pointer at a layout point: a press, a move, a release, or lost
// (pointercancel, a release off the screen). Each answers what to show
// (PageCarry.h); a release that asks for an order waits for aurovane_give_order.
const char* aurovane_press(Page* page, int x, int y, int dragDistance) {
    page->carry.setDragDistance(dragDistance);
    page->carry.press({x, y});
    return carryAnswer(*page, true, {});
}

const char* aurovane_pointer_move(Page* page, int x, int y) {
    page->carry.move({x, y});
    return carryAnswer(*page, true, {});
}

const char* aurovane_release(Page* page, int x, int y) { return carryAnswer(*page, true, page->carry.release({x, y})); }

const char* aurovane_pointer_cancel(Page* page) {
    page->carry.cancel();
    return carryAnswer(*page, true, {});
}

// A key by its browser name, held down (`repeat` 1) or not, at `nowMs`.
const char* aurovane_key(Page* page, const char* name, int repeat, double nowMs) {
    char letter = 0;
    const std::optional<CarryKey> key = carryKeyNamed(name, letter);
    if (!key) return carryAnswer(*page, false, {});
    const LegionCarry::KeyAnswer a = page->carry.key(*key, letter, repeat != 0, static_cast<long long>(nowMs));
    return carryAnswer(*page, a.taken, a.order);
}

// A province chosen by name from the page's list of them: as Enter on it.
const char* aurovane_choose(Page* page, const char* name) {
    Province* p = page->game.provinceNamed(name);
    if (!p) return carryAnswer(*page, false, {});
    return carryAnswer(*page, true, page->carry.choose(*p));
}

// What to show of the carry as it stands.
const char* aurovane_carry(Page* page) { return page->answer(carryView(page->carry, true, false)); }

// Gives the order the last input asked for, then answers what to show.
const char* aurovane_give_order(Page* page) {
    const CarryOrder waiting = page->waitingOrder;
    page->waitingOrder = {};
    // By the provinces' places: a run that stopped put back a game of new provinces.
    const order::Move move = waiting.kind == CarryOrder::Kind::Move
                                 ? order::Move{page->game.indexOf(*waiting.from), page->game.indexOf(*waiting.to)}
                                 : order::Move{};
    return playOut(*page, [page, kind = waiting.kind, move] {
        giveOrder(*page, kind, move);
        return carryView(page->carry, true, false);
    });
}

}  // extern "C"

Game& pageGame(Page& page) { return page.game; }
void pageShowGame(Page& page) { showState(page); }
const char* pageReply(Page& page, std::string text) { return page.answer(std::move(text)); }
