#pragma once
// The year's news plaque in words, for every front end that shows it: which
// sentences, in which order, the words that fill them and the counts that
// choose a plural. Each sentence is an English form of the "YearSummary"
// context with %1-style places (and %n where a count chooses its plural):
// the window translates the form and fills numbers and lists in the reader's
// way; the page fills it in English.
#include <optional>
#include <string>
#include <vector>

#include "rules/YearNews.h"

// A word put into a form.
struct NewsWord {
    enum class Kind {
        Number,        // in the reader's way of writing numbers
        SignedNumber,  // a change, always signed (a true minus sign)
        Name,          // a name of the game (province, power)
        Names,         // a list of names
        Word,          // a word of its own: a form of the "YearSummary" context
    };
    Kind kind;
    long long number = 0;
    std::vector<std::string> texts = {};  // the name, the names, or the word's form
};

struct NewsPhrase {
    const char* form;
    std::vector<NewsWord> words = {};
    int count = -1;  // the count of a plural form (%n), -1 for none
};

enum class NewsTone { Section, Good, Bad, Plain };

// A line of the plaque: its phrases one after the other, or a line of the
// military report as a player reads it there.
struct NewsLine {
    NewsTone tone;
    std::vector<NewsPhrase> phrases;
    const char* separator = " ";
    std::optional<ChronicleLine> report = std::nullopt;
};

struct NewsPlaque {
    NewsPhrase title;
    std::vector<NewsLine> lines;
    NewsPhrase footer;
};

NewsPlaque newsPlaque(const YearSummary& summary);

// A report of a province that went over to the rebels ("GameScreen" context,
// %1 the province): the rules log it as overrun, though no enemy overran it.
const char* defectedForm();
