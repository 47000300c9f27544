#include "game/src/NewsDesk.h"

#include <QApplication>

#include "client/ProvinceFlash.h"
#include "game/src/GameScreen.h"
#include "game/src/YearSummaryText.h"
#include "rules/World.h"

NewsDesk::NewsDesk(World& world, GameScreen& screen, std::function<bool()> busy)
    : world_(world), screen_(screen), busy_(std::move(busy)), news_(world) {
    screen_.setChronicle(&news_.chronicle());
    flashTimer_.setInterval(view::FlashPause);
    connect(&flashTimer_, &QTimer::timeout, this, [this] { flashTick(); });
    news_.startReign();
}

NewsDesk::~NewsDesk() {
    screen_.setChronicle(nullptr);
    screen_.setNewsPanel({});
    screen_.setFlashed({});
}

void NewsDesk::followRebuiltGame(const std::vector<const void*>& before) {
    news_.followRebuiltGame(before);
    flashTimer_.stop();
    flashing_.clear();
    screen_.setFlashed({});
}

void NewsDesk::startReign() {
    news_.startReign();
    waiting_.clear();
    flashTimer_.stop();
    flashing_.clear();
    screen_.setFlashed({});
    screen_.setNewsPanel({});
    screen_.scrollChronicle(-screen_.chronicleScroll());
}

void NewsDesk::redrawn() {
    news_.settle();
    if (world_.year() == news_.openYear()) return;
    if (world_.year() < news_.openYear()) {
        // A lost empire started afresh inside the end of the turn: the lost
        // game's news goes with it.
        startReign();
        last_ = {};
        return;
    }
    last_ = news_.finishYear();
    startFlash(last_);
    if (!enabled_) return;
    waiting_.push_back(last_);
    if (!isShowing()) showNext();
}

bool NewsDesk::isShowing() const { return screen_.newsPanel().isShown(); }

void NewsDesk::showNext() {
    if (waiting_.empty()) {
        screen_.setNewsPanel({});
        return;
    }
    screen_.setNewsPanel(newsPanelFor(waiting_.front()));
    waiting_.pop_front();
}

bool NewsDesk::dismiss() {
    if (!isShowing()) return false;
    showNext();
    screen_.paintScreen();
    return true;
}

void NewsDesk::startFlash(const YearSummary& summary) {
    flashing_.clear();
    for (const std::string& name : summary.flashes)
        if (const Province* p = world_.provinceNamed(name)) flashing_.push_back(p);
    flashTicks_ = 0;
    if (flashing_.empty()) return;
    screen_.setFlashed(flashing_);
    flashTimer_.start();
}

void NewsDesk::flashTick() {
    if (busy_ && busy_()) return;
    // The blinks are counted once the player can see the map: after the
    // summary and any dialog of the year's end are closed.
    if (isShowing() || QApplication::activeModalWidget()) return;
    ++flashTicks_;
    if (flashTicks_ >= view::FlashTicks) flashTimer_.stop();
    screen_.setFlashed(view::flashDrawn(flashTicks_) ? flashing_ : std::vector<const Province*>{});
    screen_.paintScreen();
}
