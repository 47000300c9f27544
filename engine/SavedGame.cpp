#include "engine/Game.h"

SavedPosition Game::capturePosition() {
    SavedPosition pos;
    pos.turn = turn;
    pos.treasury = romans.treasury;
    pos.plague = romans.plague;
    pos.plagueCounter = romans.plagueCounter;
    pos.countdown = barbarians.tribeCountdown;
    pos.invasions = invasionCount;
    pos.plagues = plagueCount;
    pos.rebellions = rebellionCount;
    pos.taxIncome = romans.taxIncome;
    pos.legionCost = romans.legionCost;
    pos.news = eventLog;
    pos.title = scenarioTitle;
    pos.briefing = scenarioBriefing;
    const auto all = empires();
    for (std::size_t e = 0; e < all.size(); ++e) {
        pos.provinces[e] = all[e]->provinces;
        for (const auto& l : all[e]->legions) {
            Province* destination = l->route.empty() ? nullptr : l->route.back();
            // A foreign legion that won its way in ahead of its route may stand
            // where its march ends: the reader takes that as standing still,
            // and so it is written.
            const bool arrived = destination != nullptr && destination->sameAs(*l->province);
            pos.legions[e].push_back({l->province, arrived ? nullptr : destination, l->hasRoute && !arrived});
        }
    }
    return pos;
}

// The calendar is rebuilt, so that a file plays the same whatever the program
// did before opening it; the events of earlier years are dropped at the next
// end of turn.
void Game::applyPosition(const SavedPosition& pos) {
    buildEventList();
    turn = pos.turn;
    romans.treasury = pos.treasury;
    romans.plague = pos.plague;
    romans.plagueCounter = pos.plagueCounter;
    barbarians.tribeCountdown = pos.countdown;
    // A file without these starts them afresh: nothing of the game played
    // before the load belongs to the one loaded.
    invasionCount = pos.invasions;
    plagueCount = pos.plagues;
    rebellionCount = pos.rebellions;
    romans.taxIncome = pos.taxIncome;
    romans.legionCost = pos.legionCost;
    eventLog = pos.news;
    scenarioTitle = pos.title;
    scenarioBriefing = pos.briefing;
    const auto all = empires();
    for (std::size_t e = 0; e < all.size(); ++e) {
        all[e]->provinces.clear();
        for (Province* p : pos.provinces[e]) all[e]->addProvince(*p);
    }
    for (std::size_t e = 0; e < all.size(); ++e) {
        all[e]->deleteAllLegions();
        for (const auto& entry : pos.legions[e]) {
            Legion& legion = all[e]->appendLegion(*entry.at);
            if (entry.destination == nullptr || entry.destination->sameAs(*entry.at)) continue;
            // A destination that cannot be reached leaves the legion standing.
            legion.giveRoute(findRoute(*entry.at, *entry.destination));
        }
    }
}

std::string Game::savedText() { return savedGameText(capturePosition()); }
void Game::saveToStream(std::ostream& out) { ::saveToStream(out, capturePosition()); }

FileResult Game::saveToFile(const std::string& path) { return ::saveToFile(path, capturePosition()); }

FileResult Game::loadFromFile(const std::string& path) {
    SavedPosition pos;
    FileResult result = ::loadFromFile(path, *this, pos);
    if (result.ok) applyPosition(pos);
    return result;
}

FileResult Game::loadFromText(const std::string& text) {
    SavedPosition pos;
    FileResult result = ::loadFromText(text, *this, pos);
    if (result.ok) applyPosition(pos);
    return result;
}

FileResult Game::loadFromStream(std::istream& in) {
    SavedPosition pos;
    FileResult result = ::loadFromStream(in, *this, pos);
    if (result.ok) applyPosition(pos);
    return result;
}
