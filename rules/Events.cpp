#include "rules/World.h"

GameEvent::GameEvent(int year, int kind, std::string message)
    : year(year), kind(kind), hasMessage(!message.empty()), message(std::move(message)) {}

void GameEvent::execute(World& world) {
    if (hasMessage) world.presenter().tell(message);
}

RebellionEvent::RebellionEvent(int year, std::string message, std::vector<std::string> provinces)
    : GameEvent(year, 2, std::move(message)), provinces(std::move(provinces)) {}

void RebellionEvent::execute(World& world) {
    GameEvent::execute(world);
    for (const std::string& name : provinces) world.raiseRebellion(world.findProvince(name));
}

InvasionEvent::InvasionEvent(int year, std::string message, Empire& invader, Province& from, Province& to, int count)
    : GameEvent(year, 1, std::move(message)), invader(&invader), from(&from), to(&to), count(count) {}

void InvasionEvent::execute(World& world) {
    GameEvent::execute(world);
    invader->addLegions(*from, count, world.findRoute(*from, *to));
}

void World::buildEventList() {
    events.clear();
    auto rebellion = [this](int year, const char* message, std::vector<std::string> names) {
        events.push_back(std::make_unique<RebellionEvent>(year, message, std::move(names)));
    };
    auto invasion = [this](int year, const char* message, Empire& invader, const char* from, const char* to,
                           int count) {
        events.push_back(
            std::make_unique<InvasionEvent>(year, message, invader, findProvince(from), findProvince(to), count));
    };
    rebellion(260, "",
              {"Britannia", "Lugdunensis", "Aquitania", "Belgica", "Terraconensis", "Narbonensis", "Raetia",
               "Lusitania", "Palestina", "Syria", "Aegyptus", "Lydia", "Cappadocia"});
    rebellion(286,
              "The governor of Britannia, Marcus Carausius, has rebelled\r\nand several provinces in Gaul have "
              "joined him!",
              {"Britannia", "Lugdunensis", "Belgica"});
    rebellion(298, "Princeps,\r\nThe Egyptians have rebelled!", {"Aegyptus"});
    rebellion(306,
              "Princeps,\r\n\r\nThe eastern emperor Licinius is trying to claim\r\nthe whole empire for himself. He "
              "is marching on \r\nRome with 3 legions!",
              {"Palestina", "Syria", "Aegyptus", "Lydia", "Cappadocia", "Africa", "Mauretania", "Macedonia",
               "Thracia", "Dalmatia", "Pontus", "Phrygia"});
    invasion(306, "", empire(Power::RogueRomans), "Thracia", "Italia", 3);
    rebellion(407,
              "Princeps,\r\n\r\nA usurper in Britannia calling himself Constantine III,\r\nhas rebelled, and is "
              "marching in Gaul!",
              {"Britannia"});
    invasion(407, "", empire(Power::RogueRomans), "Britannia", "Aquitania", 7);
    invasion(411, "Princeps,\r\n\r\nThe Visigoth king Aleric is marching on Rome!", empire(Power::Barbarians), "Sarmatia",
             "Italia", 15);
    invasion(411, "Princeps,\r\n\r\nThe Saxons are preparing to attack Britannia!", empire(Power::Barbarians), "Upper Rhine",
             "Britannia", 5);
    invasion(430, "Princeps,\r\n\r\nA tribe called the Vandals is crossing the Rhine river!", empire(Power::Barbarians),
             "Upper Rhine", "Africa", 15);
    invasion(451, "Princeps,\r\n\r\nThe Huns have massed a large army across the Rhine!",
             empire(Power::Barbarians), "Upper Rhine", "Aquitania", 20);
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
