#pragma once
#include <optional>
#include <string>
#include <vector>

#include "rules/Messages.h"

class Empire;
class Province;
class World;

// A scripted event of the calendar; some are announced by the advisor.
class GameEvent {
public:
    GameEvent(int year, int kind, std::optional<Message> message);
    virtual ~GameEvent() = default;
    virtual void execute(World& world);

    int year;
    int kind;
    std::optional<Message> message;
};

class RebellionEvent : public GameEvent {
public:
    RebellionEvent(int year, std::optional<Message> message, std::vector<std::string> provinces);
    void execute(World& world) override;
    std::vector<std::string> provinces;
};

class InvasionEvent : public GameEvent {
public:
    InvasionEvent(int year, std::optional<Message> message, Empire& invader, Province& from, Province& to, int count);
    void execute(World& world) override;
    Empire* invader;
    Province* from;
    Province* to;
    int count;
};
