#pragma once
#include <QString>
#include <string>

class Game;

// Where the position is written when an internal error ends the program:
// beside the user's own saves (the application data folder).
QString emergencySavePath();

// Writes the emergency save, shows the error's text in an error box, and
// returns the path written (empty when even that failed).
QString reportInternalError(Game* game, const std::string& text, bool showBox);
