#include "rules/World.h"

GameEvent::GameEvent(int year, int kind, std::optional<Message> message)
    : year(year), kind(kind), message(std::move(message)) {}

void GameEvent::execute(World& world) {
    if (message) world.presenter().tell(*message);
}

RebellionEvent::RebellionEvent(int year, std::optional<Message> message, std::vector<std::string> provinces)
    : GameEvent(year, 2, std::move(message)), provinces(std::move(provinces)) {}

void RebellionEvent::execute(World& world) {
    GameEvent::execute(world);
    for (const std::string& name : provinces) world.raiseRebellion(world.findProvince(name));
}

InvasionEvent::InvasionEvent(int year, std::optional<Message> message, Empire& invader, Province& from, Province& to, int count)
    : GameEvent(year, 1, std::move(message)), invader(&invader), from(&from), to(&to), count(count) {}

void InvasionEvent::execute(World& world) {
    GameEvent::execute(world);
    invader->addLegions(*from, count, world.findRoute(*from, *to));
}

namespace {

std::optional<Message> announcement(std::optional<MessageId> id) {
    if (!id) return std::nullopt;
    return Message{*id, {}};
}

}  // namespace

void World::buildEventList() {
    events.clear();
    auto rebellion = [this](int year, std::optional<MessageId> message, std::vector<std::string> names) {
        events.push_back(std::make_unique<RebellionEvent>(year, announcement(message), std::move(names)));
    };
    auto invasion = [this](int year, std::optional<MessageId> message, Empire& invader, const char* from,
                           const char* to, int count) {
        events.push_back(std::make_unique<InvasionEvent>(year, announcement(message), invader, findProvince(from),
                                                         findProvince(to), count));
    };
    rebellion(260, std::nullopt,
              {"Britannia", "Lugdunensis", "Aquitania", "Belgica", "Terraconensis", "Narbonensis", "Raetia",
               "Lusitania", "Palestina", "Syria", "Aegyptus", "Lydia", "Cappadocia"});
    rebellion(286, MessageId::CarausiusRebellion, {"Britannia", "Lugdunensis", "Belgica"});
    rebellion(298, MessageId::EgyptiansRebellion, {"Aegyptus"});
    rebellion(306, MessageId::LiciniusMarch,
              {"Palestina", "Syria", "Aegyptus", "Lydia", "Cappadocia", "Africa", "Mauretania", "Macedonia",
               "Thracia", "Dalmatia", "Pontus", "Phrygia"});
    invasion(306, std::nullopt, empire(Power::RogueRomans), "Thracia", "Italia", 3);
    rebellion(407, MessageId::ConstantineUsurper, {"Britannia"});
    invasion(407, std::nullopt, empire(Power::RogueRomans), "Britannia", "Aquitania", 7);
    invasion(411, MessageId::AlaricMarch, empire(Power::Barbarians), "Sarmatia", "Italia", 15);
    invasion(411, MessageId::SaxonsPrepare, empire(Power::Barbarians), "Upper Rhine", "Britannia", 5);
    invasion(430, MessageId::VandalsCross, empire(Power::Barbarians), "Upper Rhine", "Africa", 15);
    invasion(451, MessageId::HunsMass, empire(Power::Barbarians), "Upper Rhine", "Aquitania", 20);
}

void World::runDueEvents() {
    const int y = year();
    while (!events.empty() && events.front()->year < y) events.pop_front();
    while (!events.empty() && events.front()->year == y) {
        // Taken off the list before it runs, so that nothing it sets off can run it again.
        std::unique_ptr<GameEvent> event = std::move(events.front());
        events.pop_front();
        event->execute(*this);
    }
}
