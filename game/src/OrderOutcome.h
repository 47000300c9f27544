#pragma once
// What became of an order of the player, in a line for the information bar:
// where the legion went, or why nothing happened.
#include <QString>

#include "rules/Orders.h"

class Province;

// The line for an order from `source` to `target` that the rules answered with `result`.
QString orderOutcome(OrderResult result, const Province& source, const Province& target);
// A drag that reached no order: nothing was picked up, or the drop fell on no province.
QString nothingPickedUp();
QString noProvinceThere();
