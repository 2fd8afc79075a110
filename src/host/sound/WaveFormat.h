// Reading the PCM format and length of a .wav file image.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace skrivo::host {

struct WaveInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::string_view data;  // the PCM bytes, inside the image
    std::uint64_t DurationMs() const;
};

// The format chunk and data chunk of a RIFF WAVE image with PCM samples of
// 8 or 16 bits; nullopt for anything else (truncated, compressed, not WAVE).
std::optional<WaveInfo> ReadWaveInfo(std::string_view image);

}  // namespace skrivo::host
