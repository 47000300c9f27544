#include "client/PlaySession.h"

#include <memory>

#include "engine/Game.h"
#include "model/SafeFile.h"

// Stands between the rules and the front end: passes on what is shown,
// notes each answer and whether the advisor spoke; while the log is played
// again it shows nothing and answers from the log.
class PlaySession::Relay : public Presenter {
public:
    explicit Relay(PlaySession& session) : session_(session) {}

    // The entry the answers of the running order go to.
    PlaySession::Entry* entry = nullptr;
    // While replaying: the answers still to give, and where the next one is.
    const std::vector<bool>* replayed = nullptr;
    std::size_t next = 0;

    void tell(const std::string& text) override {
        spoke();
        if (Presenter* f = shown()) f->tell(text);
    }
    void tell(const Message& message) override {
        spoke();
        if (Presenter* f = shown()) f->tell(message);
    }
    bool ask(const std::string& text) override {
        spoke();
        return answer([&](Presenter& f) { return f.ask(text); });
    }
    bool ask(const Message& message) override {
        spoke();
        return answer([&](Presenter& f) { return f.ask(message); });
    }
    bool askWithLabels(const std::string& text, const std::string& yes, const std::string& no) override {
        spoke();
        return answer([&](Presenter& f) { return f.askWithLabels(text, yes, no); });
    }
    bool askWithLabels(const Message& text, const Message& yes, const Message& no) override {
        spoke();
        return answer([&](Presenter& f) { return f.askWithLabels(text, yes, no); });
    }
    void report(const std::string& text) override {
        spoke();
        if (Presenter* f = shown()) f->report(text);
    }
    void report(const Message& message) override {
        spoke();
        if (Presenter* f = shown()) f->report(message);
    }
    void sound(SoundKind kind) override {
        if (Presenter* f = shown()) f->sound(kind);
    }
    void move(Province& from, Province& to) override {
        if (Presenter* f = shown()) f->move(from, to);
    }
    void defeat(Power loser, Province& province) override {
        spoke();
        if (Presenter* f = shown()) f->defeat(loser, province);
    }
    void news(const std::string& line) override {
        if (Presenter* f = shown()) f->news(line);
    }
    void news(const Message& line) override {
        if (Presenter* f = shown()) f->news(line);
    }
    void redraw() override {
        if (Presenter* f = shown()) f->redraw();
    }
    void banner() override {
        if (Presenter* f = shown()) f->banner();
    }
    void forgetAnimatedMoves() override {
        if (Presenter* f = shown()) f->forgetAnimatedMoves();
    }
    void lesson(int year) override {
        spoke();
        if (Presenter* f = shown()) f->lesson(year);
    }
    void results(int invasions, int plagues, int rebellions) override {
        spoke();
        if (Presenter* f = shown()) f->results(invasions, plagues, rebellions);
    }
    void quit() override {
        if (Presenter* f = shown()) f->quit();
    }
    void newGame() override {
        if (Presenter* f = shown()) f->newGame();
    }
    bool runAnotherYear() override {
        return answer([](Presenter& f) { return f.runAnotherYear(); }, true);
    }
    void diagnostic(const std::string& text) override {
        if (Presenter* f = shown()) f->diagnostic(text);
    }

private:
    Presenter* shown() const { return replayed ? nullptr : session_.frontEnd_; }
    void spoke() {
        if (entry) entry->revealed = true;
    }
    // The front end's answer, logged; while replaying, the logged one. With
    // no front end every question is answered `silent`.
    template <typename Ask>
    bool answer(Ask ask, bool silent = false) {
        bool a = silent;
        if (replayed)
            a = next < replayed->size() ? (*replayed)[next++] : silent;
        else if (session_.frontEnd_)
            a = ask(*session_.frontEnd_);
        if (entry) entry->answers.push_back(a);
        return a;
    }

    PlaySession& session_;
};

PlaySession::PlaySession(std::uint32_t seed, int skill)
    : seed_(seed), skill_(skill), game_(std::make_unique<Game>(seed)), relay_(std::make_unique<Relay>(*this)) {
    game_->skillLevel = skill;
    game_->setPresenter(relay_.get());
}

PlaySession::~PlaySession() { game_->setPresenter(nullptr); }

void PlaySession::start() { game_->startNewGame(); }

bool PlaySession::yearEndsByItself() const { return !game_->romansCanMove(); }

bool PlaySession::hasUnsavedPlay() const {
    for (std::size_t i = log_.size(); i > keptAt_; --i) {
        const Entry& e = log_[i - 1];
        if (std::holds_alternative<order::NewGame>(e.order) || std::holds_alternative<order::Scenario>(e.order) ||
            std::holds_alternative<order::Load>(e.order))
            return false;
        const bool play = std::holds_alternative<order::Move>(e.order) || std::holds_alternative<order::DropAt>(e.order) ||
                          std::holds_alternative<order::EndYear>(e.order);
        if (play && e.carriedOut) return true;
    }
    return false;
}

OrderReply PlaySession::give(const Order& order) {
    log_.push_back({order, {}, false, false, false});
    // A file is logged as the text it held, so that a replay never reads it again.
    if (const auto* file = std::get_if<order::LoadFile>(&order)) {
        const FileText text = readSavedGameFile(file->path);
        if (!text.ok) {
            log_.pop_back();
            OrderReply unread;
            unread.accepted = unread.carriedOut = false;
            unread.file = refusedFile(text.error, FileProblem::Unopened);
            return unread;
        }
        log_.back().order = order::Load{text.text};
    }
    const std::uint32_t before = game_->random.state();
    relay_->entry = &log_.back();
    OrderReply outcome;
    try {
        outcome = carryOut(log_.back().order);
    } catch (...) {
        // The front end stopped the order midway: the game goes back to
        // where it stood before it, so that the order can be given again.
        relay_->entry = nullptr;
        log_.pop_back();
        replayInPlace(log_);
        throw;
    }
    relay_->entry = nullptr;
    Entry& entry = log_.back();
    entry.carriedOut = outcome.carriedOut;
    entry.drewChance = game_->random.state() != before;
    // What never touched the game need not be played again.
    if (!outcome.accepted) log_.pop_back();
    return outcome;
}

namespace {

OrderReply refused() {
    OrderReply o;
    o.accepted = o.carriedOut = false;
    return o;
}

}  // namespace

OrderReply PlaySession::carryOut(const Order& given) {
    Game& game = *game_;
    OrderReply outcome;
    if (const auto* o = std::get_if<order::Move>(&given)) {
        Province* from = game.provinceAtIndex(o->from);
        Province* to = game.provinceAtIndex(o->to);
        if (!from || !to) return refused();
        outcome.move = Orders::move(game, *from, *to);
        outcome.carriedOut = succeeded(outcome.move);
    } else if (const auto* o = std::get_if<order::DropAt>(&given)) {
        Province* from = game.provinceAtIndex(o->from);
        if (!from) return refused();
        game.pickUp(from);
        outcome.drop = game.dropLegions(o->x, o->y);
        outcome.carriedOut = outcome.drop.carriedOut();
    } else if (std::holds_alternative<order::EndYear>(given)) {
        game.advanceTurn();
    } else if (std::holds_alternative<order::NewGame>(given)) {
        game.startNewGame();
    } else if (const auto* o = std::get_if<order::Scenario>(&given)) {
        if (!game.startScenario(o->year)) return refused();
    } else if (const auto* o = std::get_if<order::Load>(&given)) {
        outcome.file = game.loadFromText(o->text);
        outcome.accepted = outcome.carriedOut = outcome.file.ok;
    } else if (const auto* o = std::get_if<order::Skill>(&given)) {
        if (o->level < 0 || o->level > 2) return refused();
        game.skillLevel = o->level;
    } else if (std::holds_alternative<order::PalestinaUprising>(given)) {
        game.palestinaUprising();
    }
    return outcome;
}

int PlaySession::lastOrderOfTheYear() const {
    for (int i = static_cast<int>(log_.size()) - 1; i >= 0; --i) {
        const Entry& e = log_[static_cast<std::size_t>(i)];
        const bool isMove = std::holds_alternative<order::Move>(e.order) || std::holds_alternative<order::DropAt>(e.order);
        // Refused moves changed nothing: look past them.
        if (isMove && !e.carriedOut && !e.drewChance) continue;
        return isMove ? i : -1;
    }
    return -1;
}

const Order* PlaySession::undoable() const {
    const int i = lastOrderOfTheYear();
    return i >= 0 && undoBlock() == UndoBlock::None ? &log_[static_cast<std::size_t>(i)].order : nullptr;
}

UndoBlock PlaySession::undoBlock() const {
    const int i = lastOrderOfTheYear();
    if (i < 0) return UndoBlock::NothingToUndo;
    const Entry& e = log_[static_cast<std::size_t>(i)];
    if (e.drewChance) return UndoBlock::DrewChance;
    if (e.revealed) return UndoBlock::Revealed;
    return UndoBlock::None;
}

void PlaySession::rollBack(std::size_t entries) {
    if (entries < log_.size()) replayInPlace({log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(entries)});
}

bool PlaySession::undo() {
    if (undoBlock() != UndoBlock::None) return false;
    std::vector<Entry> kept(log_.begin(), log_.begin() + lastOrderOfTheYear());
    replayInPlace(std::move(kept));
    return true;
}

// The game is rebuilt where it stands, so that whoever holds it holds the
// new one; then the entries are given again with their logged answers.
void PlaySession::replayInPlace(std::vector<Entry> entries) {
    game_->setPresenter(nullptr);
    std::destroy_at(game_.get());
    std::construct_at(game_.get(), seed_);
    game_->skillLevel = skill_;
    game_->setPresenter(relay_.get());
    log_.clear();
    Presenter* shownTo = frontEnd_;
    frontEnd_ = nullptr;
    start();
    for (const Entry& e : entries) {
        relay_->replayed = &e.answers;
        relay_->next = 0;
        give(e.order);
    }
    relay_->replayed = nullptr;
    frontEnd_ = shownTo;
    // Taken back past the keeping: what is on screen was never kept.
    if (keptAt_ > log_.size()) keptAt_ = 0;
}

std::unique_ptr<PlaySession> PlaySession::replay(std::uint32_t seed, int skill, const std::vector<Entry>& entries) {
    auto session = std::make_unique<PlaySession>(seed, skill);
    session->replayInPlace(entries);
    return session;
}
