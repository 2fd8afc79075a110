// Turning wave images and tones into 16-bit mono samples at one rate.
#include "host/sound/PcmTrack.h"

#include <string>

namespace skrivo::host {

namespace {
constexpr std::int16_t kToneAmplitude = 8000;

int SampleAt(const WaveInfo& wave, std::size_t frame, int channel) {
    const int bytes = wave.bitsPerSample / 8;
    const std::size_t at = (frame * static_cast<std::size_t>(wave.channels) + static_cast<std::size_t>(channel)) * static_cast<std::size_t>(bytes);
    if (bytes == 1) return (static_cast<unsigned char>(wave.data[at]) - 128) * 256;
    return static_cast<std::int16_t>(static_cast<unsigned char>(wave.data[at]) | (static_cast<unsigned char>(wave.data[at + 1]) << 8));
}

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
}  // namespace

std::vector<std::int16_t> WaveToMono(const WaveInfo& wave, int rate) {
    std::vector<std::int16_t> out;
    const std::size_t frameBytes = static_cast<std::size_t>(wave.channels * (wave.bitsPerSample / 8));
    if (frameBytes == 0 || wave.sampleRate <= 0 || rate <= 0) return out;
    const std::size_t frames = wave.data.size() / frameBytes;
    const std::size_t count = frames * static_cast<std::size_t>(rate) / static_cast<std::size_t>(wave.sampleRate);
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t frame = i * static_cast<std::size_t>(wave.sampleRate) / static_cast<std::size_t>(rate);
        int sum = 0;
        for (int c = 0; c < wave.channels; ++c) sum += SampleAt(wave, frame, c);
        out.push_back(static_cast<std::int16_t>(sum / wave.channels));
    }
    return out;
}

std::vector<std::int16_t> ToneSamples(unsigned frequency, unsigned durationMs, int rate) {
    const std::size_t count = static_cast<std::size_t>(durationMs) * static_cast<std::size_t>(rate) / 1000;
    std::vector<std::int16_t> out(count, 0);
    if (frequency == 0) return out;
    const double period = static_cast<double>(rate) / frequency;
    for (std::size_t i = 0; i < count; ++i) {
        const double phase = static_cast<double>(i) / period;
        out[i] = (phase - static_cast<std::size_t>(phase)) < 0.5 ? kToneAmplitude : static_cast<std::int16_t>(-kToneAmplitude);
    }
    return out;
}

std::string MonoWaveImage(const std::vector<std::int16_t>& samples, int rate) {
    std::string out;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out += "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);  // PCM
    PutLE(out, 1, 2);  // mono
    PutLE(out, static_cast<std::uint32_t>(rate), 4);
    PutLE(out, static_cast<std::uint32_t>(rate * 2), 4);
    PutLE(out, 2, 2);
    PutLE(out, 16, 2);
    out += "data";
    PutLE(out, dataBytes, 4);
    for (std::int16_t s : samples) PutLE(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace skrivo::host
