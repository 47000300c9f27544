#pragma once
#include <string>
#include <vector>

#include "client/ScreenStep.h"

// The steps of the turn's choreography as the page plays them (screen.js),
// one JSON object a step with the fields it uses.
std::string pageSteps(const std::vector<view::ScreenStep>& steps);
