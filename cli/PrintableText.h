#pragma once
#include <string>

// Error texts may quote what a file or a player wrote: a terminal must see its
// control characters as text, never as an escape sequence. Each becomes '?'.
std::string printableText(const std::string& text);
