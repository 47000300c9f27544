#pragma once

class Presenter;

// The advisor's welcome at the start and on request: a question, then the
// hints on playing when the player wants them, then the closing good wishes.
void tellWelcomeHints(Presenter& advisor);
