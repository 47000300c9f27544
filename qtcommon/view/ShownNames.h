#pragma once
#include <QString>
#include <string>

namespace view {

// Whether the window speaks English: then every text is the rules' own words,
// as the page and the terminal show them (and the golden screens check them).
bool speaksEnglish();

// A name of the game (a province, a power, a people, a legions' group, a
// province's attributes) in the window's language: the catalogue's "Names"
// context, else the corrected English. A scenario's own names stay as written.
QString shownName(const std::string& name);

// A number as the window's language writes it; the rules' own digits in English.
QString shownNumber(long long n);

// Whether the word is a plain number (digits only), and so written the reader's way.
bool isPlainNumber(const std::string& word);

}  // namespace view
