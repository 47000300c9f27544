#pragma once
// The year's news as the page shows it: gathered while the year is played,
// as the window's news desk gathers it, and handed to the page when the year
// turns as the plaque's lines, filled in English.
#include <optional>
#include <string>
#include <vector>

#include "rules/YearNews.h"

class World;

class PageNews {
public:
    explicit PageNews(World& world);

    // A new game, scenario or loaded game.
    void startReign() { news_->startReign(); }
    void battleBegins(const Province& from, const Province& to) { news_->battleBegins(from, to); }
    void newsLogged(const std::string& line) { news_->newsLogged(line); }
    // The screen redrawn: the plaque of a year that has just ended (JSON), if
    // one did, with the provinces to flash on the map (by name).
    std::optional<std::string> redrawn();

    // What was gathered when an order began, put back when the order runs
    // again over its game rebuilt where it stood (web/src/PageOrder.h), or
    // after an undo.
    struct Kept {
        YearNews news;
        std::vector<const void*> legions;
    };
    Kept keep() const;
    void putBack(const Kept& kept);
    // The game was rebuilt in place by an undo; `before` lists its Roman legions as they were.
    void followRebuiltGame(const std::vector<const void*>& before) { news_->followRebuiltGame(before); }
    static std::vector<const void*> legionsOf(const World& world);

private:
    World& world_;
    // Optional only so that a kept copy can take its place.
    std::optional<YearNews> news_;
};
