#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Messages quote what a file or a player wrote, where only ASCII belongs
// (names, numbers, orders). Every character that is not printable ASCII
// becomes one '?': a control character (the tab aside), anything beyond
// ASCII, a byte that is not UTF-8. No escape sequence reaches a terminal, and
// no invisible or right-to-left character hides in a message.
std::string printableText(const std::string& text);

// Length of the UTF-8 sequence that starts at `i`, 0 when none does (a stray
// byte, an overlong form, a surrogate, a code point past U+10FFFF).
std::size_t utf8Length(std::string_view text, std::size_t i);

// The characters of UTF-8 text, and the first `count` of them, never cutting one in two.
std::size_t characterCount(const std::string& text);
std::string firstCharacters(const std::string& text, std::size_t count);
