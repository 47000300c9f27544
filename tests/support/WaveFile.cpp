#include "tests/support/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t le32(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t le16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::string readWave(const std::string& path, Wave& wave) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "cannot open " + path;
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12) return "shorter than a RIFF header";
    if (std::string(bytes.begin(), bytes.begin() + 4) != "RIFF") return "no RIFF tag";
    if (std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") return "not a WAVE form";
    const std::uint64_t riffEnd = 8ull + le32(bytes, 4);
    if (riffEnd != bytes.size()) return "RIFF size field does not match the file size";

    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= riffEnd) {
        const std::string id(bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at) + 4);
        const std::uint32_t size = le32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (body + size > riffEnd) return "chunk '" + id + "' runs past the end of the RIFF form";
        if (id == "fmt ") {
            if (size < 16) return "format chunk too short";
            wave.formatTag = le16(bytes, body);
            wave.channels = le16(bytes, body + 2);
            wave.sampleRate = le32(bytes, body + 4);
            wave.byteRate = le32(bytes, body + 8);
            wave.blockAlign = le16(bytes, body + 12);
            wave.bitsPerSample = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return "data chunk before the format chunk";
            wave.dataBytes = size;
            wave.samples.resize(size / 2);
            for (std::size_t i = 0; i < wave.samples.size(); ++i)
                wave.samples[i] = static_cast<std::int16_t>(le16(bytes, body + 2 * i));
            haveData = true;
        }
        at = body + size + (size & 1u);  // chunks are padded to even sizes
    }
    if (!haveFormat) return "no format chunk";
    if (!haveData) return "no data chunk";
    return {};
}

double dbfs(double level) { return 20.0 * std::log10(std::max(level, 1e-9) / 32768.0); }
