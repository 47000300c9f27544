#include "cli/PrintableText.h"

std::string printableText(const std::string& text) {
    std::string out;
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        out += u < 0x20 || u == 0x7F ? '?' : c;
    }
    return out;
}
