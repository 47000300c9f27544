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

// "1 invasion", "3 invasions".
std::string counted(long long n, const std::string& one, const std::string& many);
