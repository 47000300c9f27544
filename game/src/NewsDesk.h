#pragma once
// The year's news in the window: gathers it while the year is played (the
// rules' battle and report hooks), shows each year's summary over the map
// when the year turns, flashes the provinces lost or invaded, and keeps the
// reign's news for the military report.
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

#include "rules/YearNews.h"

class Game;
class GameScreen;

class NewsDesk : public QObject {
public:
    // Chains itself into the game's move and report hooks; `busy` tells when
    // the window is in a timed pause, which no repaint may disturb.
    NewsDesk(Game& game, GameScreen& screen, std::function<bool()> busy);
    ~NewsDesk() override;

    // Whether a summary is shown when a year ends (the Options menu).
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // A new game, scenario or loaded game.
    void startReign();
    // The screen was redrawn by the end of the turn: a new year closes the last.
    void redrawn();
    // A click or a key while a summary is shown closes it (true: the input is spent).
    bool dismiss();
    bool isShowing() const;

    const YearNews& news() const { return news_; }
    // The summary of the last year that ended, shown or not.
    const YearSummary& lastSummary() const { return last_; }

private:
    void showNext();
    void startFlash(const YearSummary& summary);
    void flashTick();

    Game& game_;
    GameScreen& screen_;
    std::function<bool()> busy_;
    YearNews news_;
    YearSummary last_;
    std::deque<YearSummary> waiting_;
    bool enabled_ = true;
    QTimer flashTimer_;
    std::vector<const Province*> flashing_;
    int flashTicks_ = 0;
    std::function<void(Province&, Province&)> previousMoveHook_;
    std::function<void()> previousReportHook_;
};
