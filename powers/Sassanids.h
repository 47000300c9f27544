#pragma once
#include "powers/EnemyEmpire.h"

// The Persian power beyond the Tigris.
class Sassanids : public EnemyEmpire {
public:
    explicit Sassanids(World& world);

    void takeTurn() override;
    Province* chooseInvasionTarget() override;
};
