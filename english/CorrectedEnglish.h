#pragma once
#include <string>

// The rules' words as a player should read them: misspellings, wrong names
// and missing stops mended, sums of money written with thousands separators.
// Scripts and saved transcripts keep the rules' own words; only what a person
// reads passes through here.
std::string correctedEnglish(std::string text);

// A sum of money as the game writes it for a person: 16000 -> "16,000".
std::string groupedThousands(long long amount);
