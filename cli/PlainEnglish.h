#pragma once
#include <string>

// The words a person reads at a terminal: the window's corrected English,
// orders where the window speaks of the mouse, paragraphs that fit the terminal.

// The terminal's width in columns: COLUMNS, else the terminal's own size, else 80.
int terminalWidth();

// A rules text (hard "\r\n" breaks, mouse wording) as plain paragraphs of at
// most `width` columns, blank lines between them.
std::string plainParagraphs(const std::string& rulesText, int width);

// Plain text refilled to `width` columns, each line after `indent` blanks;
// blank lines keep paragraphs apart.
std::string wrapped(const std::string& text, int width, int indent = 0);

// `head` and then `text` refilled beside it, its lines after `indent` blanks
// (a list of terms and what they mean).
std::string hanging(const std::string& head, const std::string& text, int width, int indent);

// A text as a sentence: a full stop unless it already ends as one.
std::string sentence(const std::string& text);

// A typed line without the sequences a terminal sends for keys such as the
// arrows, Home or End, which a line of orders never means.
std::string withoutKeySequences(const std::string& line);
