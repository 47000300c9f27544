#pragma once
#include <string>
#include <vector>

class Empire;
class Province;
class World;

// A scripted event of the calendar.
class GameEvent {
public:
    GameEvent(int year, int kind, std::string message);
    virtual ~GameEvent() = default;
    virtual void execute(World& world);

    int year;
    int kind;
    bool hasMessage;
    std::string message;
};

class RebellionEvent : public GameEvent {
public:
    RebellionEvent(int year, std::string message, std::vector<std::string> provinces);
    void execute(World& world) override;
    std::vector<std::string> provinces;
};

class InvasionEvent : public GameEvent {
public:
    InvasionEvent(int year, std::string message, Empire& invader, Province& from, Province& to, int count);
    void execute(World& world) override;
    Empire* invader;
    Province* from;
    Province* to;
    int count;
};
