#include "model/PrintableText.h"

#include <cstdio>

namespace {

// Controls other than the tab, and characters that take no room or turn the
// text around: the format and direction controls, the joiners, the variation
// selectors and the blanks that look like an ordinary space.
bool invisible(char32_t c) {
    static constexpr char32_t ranges[][2] = {
        {0x0000, 0x0008}, {0x000A, 0x001F}, {0x007F, 0x00A0}, {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C},
        {0x115F, 0x1160}, {0x1680, 0x1680}, {0x17B4, 0x17B5}, {0x180B, 0x180F}, {0x2000, 0x200F},
        {0x2028, 0x202F}, {0x205F, 0x206F}, {0x3000, 0x3000}, {0x3164, 0x3164}, {0xFE00, 0xFE0F},
        {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0}, {0xFFF9, 0xFFFB}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    for (const auto& r : ranges) {
        if (c >= r[0] && c <= r[1]) return true;
    }
    return false;
}

char32_t decode(const std::string& s, std::size_t i, std::size_t n) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    static constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = byte(0) & leadBits[n];
    for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (byte(k) & 0x3F);
    return c;
}

}  // namespace

std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t n = 0;
    if (lead < 0x80)
        return 1;
    else if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    else
        return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if (lead == 0xE0 && byte(i + 1) < 0xA0) return 0;
    if (lead == 0xED && byte(i + 1) >= 0xA0) return 0;
    if (lead == 0xF0 && byte(i + 1) < 0x90) return 0;
    if (lead == 0xF4 && byte(i + 1) >= 0x90) return 0;
    return n;
}

std::string printableText(const std::string& text) {
    std::string out;
    char code[16];
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        if (n == 0) {
            std::snprintf(code, sizeof code, "<0x%02X>", static_cast<unsigned char>(text[i]));
            out += code;
            ++i;
            continue;
        }
        const char32_t c = decode(text, i, n);
        if (invisible(c)) {
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(c));
            out += code;
        } else {
            out.append(text, i, n);
        }
        i += n;
    }
    return out;
}
