#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Messages quote what a file or a player wrote. A terminal must see its
// control characters (the tab aside) as text, never as an escape sequence,
// and nobody can see a zero-width space or a right-to-left override at all:
// each of these, and every byte that is not UTF-8, is written out as its code
// (<U+202E>, <0xFF>). Visible letters, accented or not, stay as they are.
std::string printableText(const std::string& text);

// Length of the UTF-8 sequence that starts at `i`, 0 when none does (a stray
// byte, an overlong form, a surrogate, a code point past U+10FFFF).
std::size_t utf8Length(std::string_view text, std::size_t i);
