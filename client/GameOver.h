#pragma once
// When a game is over, and what follows from it for every front end.
class World;

// The Romans have lost every province, or the last year has come (after it
// the rules ask no more questions and only play on).
bool gameIsOver(const World& game);

// Whether the position is kept for Continue Last Game once a year has ended:
// a game that is over is none to continue.
bool keptAfterTheYear(const World& game);
