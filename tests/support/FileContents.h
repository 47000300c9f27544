#pragma once
#include <fstream>
#include <sstream>
#include <string>

// The whole file, byte for byte; empty when it cannot be read.
inline std::string fileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
