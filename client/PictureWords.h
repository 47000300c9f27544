#pragma once
// The words painted into the pictures that carry their own (the results and
// the credits), as text beside the picture for a player who cannot see it or
// reads with a screen reader. Forms of the "PictureWords" context.
#include <string>
#include <vector>

class World;

// The results' heading, the three counts with their names, and the verdict.
std::vector<std::string> resultsInWords(const World& game);
// The credits, line by line.
std::vector<std::string> creditsInWords();
