#pragma once
// A text put together with <<, written exactly as an ostringstream writes
// the strings, characters, integers and flags the game puts in its saved
// files and its messages to the page. It keeps iostreams, and with them
// every locale facet of the C++ library, out of the browser's engine.
#include <string>
#include <string_view>
#include <type_traits>

class TextBuilder {
public:
    TextBuilder& operator<<(std::string_view text) {
        text_ += text;
        return *this;
    }
    TextBuilder& operator<<(const char* text) { return *this << std::string_view(text); }
    TextBuilder& operator<<(const std::string& text) { return *this << std::string_view(text); }
    TextBuilder& operator<<(char c) {
        text_ += c;
        return *this;
    }
    // As a stream writes them: a flag as 1 or 0, a number in decimal (a
    // signed or unsigned char is a character, as for a stream).
    template <typename Number>
        requires(std::is_integral_v<Number> && !std::is_same_v<Number, char> && !std::is_same_v<Number, signed char> &&
                 !std::is_same_v<Number, unsigned char>)
    TextBuilder& operator<<(Number value) {
        if constexpr (std::is_same_v<Number, bool>)
            text_ += value ? '1' : '0';
        else
            text_ += std::to_string(value);
        return *this;
    }
    template <typename Enumeration>
        requires std::is_enum_v<Enumeration>
    TextBuilder& operator<<(Enumeration value) {
        return *this << static_cast<std::underlying_type_t<Enumeration>>(value);
    }
    // A stream would write a fraction in the locale's way; the game writes
    // its few fractions itself.
    template <typename Fraction>
        requires std::is_floating_point_v<Fraction>
    TextBuilder& operator<<(Fraction) = delete;

    const std::string& str() const { return text_; }

private:
    std::string text_;
};
