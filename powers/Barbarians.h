#pragma once
#include <array>
#include <string>

#include "powers/EnemyEmpire.h"

constexpr int TribeCount = 4;

// The Germanic tribes beyond the Rhine and the Danube.
class Barbarians : public EnemyEmpire {
public:
    explicit Barbarians(World& world);
    // Each tribe's first quiet years, four draws.
    void drawCountdowns();

    void takeTurn() override;
    Province* chooseInvasionTarget() override;

    void invade(Province* start);
    Province* frontierOf(int tribe);
    void markFrontier(int tribe, int hostility);
    bool offerPeace(const std::string& tribeName, int years, int amount);
    std::string tribeNameFor(const std::string& provinceName);

    int currentTribe = 0;
    std::array<int, TribeCount> tribeCountdown{};

private:
    void decide(int tribe);
    void goToWar(int tribe);
};
