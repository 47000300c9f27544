#pragma once
// The year's news in the window: gathers what the game presents while the
// year is played (its battles and its news lines), shows each year's summary
// over the map when the year turns, flashes the provinces lost or invaded, and
// keeps the reign's news for the military report.
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>

#include "rules/YearNews.h"

class GameScreen;
class World;

class NewsDesk : public QObject {
public:
    // `busy` tells when the window is in a timed pause, which no repaint may disturb.
    NewsDesk(World& world, GameScreen& screen, std::function<bool()> busy);
    ~NewsDesk() override;

    // Whether a summary is shown when a year ends (the Options menu).
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // A new game, scenario or loaded game.
    void startReign();
    // The game was rebuilt in place by an undo; `before` lists its Roman
    // legions as they were.
    void followRebuiltGame(const std::vector<const void*>& before);
    // What the game presents: the move before a battle, a new news line.
    void battleBegins(const Province& from, const Province& to) { news_.battleBegins(from, to); }
    void newsLogged(const std::string& line) { news_.newsLogged(line); }
    // The end of the turn redraws the screen: a new year closes the last,
    // a year earlier than the open one starts a new reign. The caller paints.
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

    World& world_;
    GameScreen& screen_;
    std::function<bool()> busy_;
    YearNews news_;
    YearSummary last_;
    std::deque<YearSummary> waiting_;
    bool enabled_ = true;
    QTimer flashTimer_;
    std::vector<const Province*> flashing_;
    int flashTicks_ = 0;
};
