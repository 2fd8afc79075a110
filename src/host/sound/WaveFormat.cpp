// Reading the PCM format and length of a .wav file image.
#include "host/sound/WaveFormat.h"

namespace skrivo::host {

namespace {
std::uint32_t Le(std::string_view s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)])) << (8 * i);
    return v;
}
}  // namespace

std::uint64_t WaveInfo::DurationMs() const {
    const std::uint64_t bytesPerSecond = static_cast<std::uint64_t>(sampleRate) * static_cast<std::uint64_t>(channels) * static_cast<std::uint64_t>(bitsPerSample / 8);
    return bytesPerSecond == 0 ? 0 : data.size() * 1000ULL / bytesPerSecond;
}

std::optional<WaveInfo> ReadWaveInfo(std::string_view image) {
    if (image.size() < 12 || image.substr(0, 4) != "RIFF" || image.substr(8, 4) != "WAVE") return std::nullopt;
    WaveInfo info;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= image.size()) {
        const std::string_view id = image.substr(at, 4);
        const std::uint32_t size = Le(image, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > image.size() - body) {
            // A data chunk cut short still plays what is there.
            if (id == "data" && haveFormat) {
                info.data = image.substr(body);
                return info;
            }
            return std::nullopt;
        }
        if (id == "fmt ") {
            if (size < 16 || Le(image, body, 2) != 1) return std::nullopt;  // PCM only
            info.channels = static_cast<int>(Le(image, body + 2, 2));
            info.sampleRate = static_cast<int>(Le(image, body + 4, 4));
            info.bitsPerSample = static_cast<int>(Le(image, body + 14, 2));
            if (info.channels < 1 || info.channels > 2 || info.sampleRate < 1000 || info.sampleRate > 192000 ||
                (info.bitsPerSample != 8 && info.bitsPerSample != 16))
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            info.data = image.substr(body, size);
            return info;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace skrivo::host
