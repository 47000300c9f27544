#pragma once
#include "powers/EnemyEmpire.h"

// The Persian power beyond the Tigris.
class Sassanids : public EnemyEmpire {
public:
    Sassanids();

    void takeTurn() override;
    Province* chooseInvasionTarget() override;
};
