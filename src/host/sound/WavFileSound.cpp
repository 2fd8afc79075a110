// A sound device that writes what would be heard, on the host clock's time line, into a .wav file.
#include "host/sound/WavFileSound.h"

#include <algorithm>

#include "host/HostLog.h"
#include "host/sound/PcmTrack.h"
#include "host/sound/WaveFormat.h"
#include "platform/Clock.h"
#include "platform/FileIO.h"

namespace skrivo::host {

WavFileSoundDevice::WavFileSoundDevice(std::string path) : path_(std::move(path)) {}

WavFileSoundDevice::~WavFileSoundDevice() { Flush(); }

std::size_t WavFileSoundDevice::NowSample() {
    const std::uint64_t now = SystemClock().Milliseconds();
    if (!started_) {
        started_ = true;
        startMs_ = now;
    }
    return static_cast<std::size_t>((now > startMs_ ? now - startMs_ : 0) * kRate / 1000);
}

bool WavFileSoundDevice::PlayWave(std::string_view wavBytes, bool noStop) {
    const auto info = ReadWaveInfo(wavBytes);
    if (!info) return false;
    const std::size_t at = NowSample();
    if (noStop && at < waveEnd_) return false;
    StopWave();
    const std::vector<std::int16_t> samples = WaveToMono(*info, kRate);
    if (waves_.size() < at + samples.size()) waves_.resize(at + samples.size(), 0);
    std::copy(samples.begin(), samples.end(), waves_.begin() + static_cast<std::ptrdiff_t>(at));
    waveEnd_ = at + samples.size();
    return true;
}

void WavFileSoundDevice::StopWave() {
    const std::size_t at = NowSample();
    if (at < waveEnd_) std::fill(waves_.begin() + static_cast<std::ptrdiff_t>(at), waves_.begin() + static_cast<std::ptrdiff_t>(waveEnd_), 0);
    waveEnd_ = std::min(waveEnd_, at);
}

void WavFileSoundDevice::Tone(unsigned frequency, unsigned durationMs) {
    const std::size_t at = NowSample();
    const std::vector<std::int16_t> samples = ToneSamples(frequency, durationMs, kRate);
    if (tones_.size() < at + samples.size()) tones_.resize(at + samples.size(), 0);
    std::copy(samples.begin(), samples.end(), tones_.begin() + static_cast<std::ptrdiff_t>(at));
}

std::vector<std::int16_t> WavFileSoundDevice::Mix() const {
    std::vector<std::int16_t> mix(std::max(waves_.size(), tones_.size()), 0);
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const int sum = (i < waves_.size() ? waves_[i] : 0) + (i < tones_.size() ? tones_[i] : 0);
        mix[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
    }
    return mix;
}

bool WavFileSoundDevice::Flush() {
    try {
        WriteFileAtomic(path_, MonoWaveImage(Mix(), kRate));
        return true;
    } catch (const FileError& e) {
        qCWarning(lcHost, "cannot write the sound file: %s", e.what());
        return false;
    }
}

}  // namespace skrivo::host
