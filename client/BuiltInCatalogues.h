#pragma once
#include <string_view>

// The plain catalogue of a language compiled into the program (generated from
// translations/aurovane_<code>.ts at build time by tools/catalogue/plain_catalogue.py,
// with the languages each program carries: the terminal all, the page English);
// empty for a language it has none of.
std::string_view builtInCatalogue(std::string_view code);
