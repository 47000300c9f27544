#pragma once
// The words painted into the credits' picture, as text beside it for a
// player who cannot see it or reads with a screen reader (the results' are
// resultsInWords, client/ResultsDialog.h). Forms of the "PictureWords" context.
#include <string>
#include <vector>

// The credits, line by line.
std::vector<std::string> creditsInWords();
