#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A 16-bit PCM WAVE file as the game's sound tests see it.
struct Wave {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return sampleRate ? static_cast<double>(samples.size()) / sampleRate : 0.0; }
};

// Reads the file the way a strict player would: the RIFF size matches the
// file, every chunk lies inside it, "fmt " comes before "data" and both are
// there. Returns an empty string on success, else what is wrong.
std::string readWave(const std::string& path, Wave& wave);

// A level in decibels relative to 16-bit full scale.
double dbfs(double level);
