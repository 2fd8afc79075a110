// A sound device that plays nothing and remembers every request.
#include "host/sound/NullSound.h"

#include "host/sound/WaveFormat.h"
#include "platform/Clock.h"

namespace skrivo::host {

bool NullSoundDevice::WavePlaying() const { return SystemClock().Milliseconds() < playingUntil_; }

bool NullSoundDevice::PlayWave(std::string_view wavBytes, bool noStop) {
    const std::uint64_t now = SystemClock().Milliseconds();
    Request request{Request::Kind::Wave, now, std::string(wavBytes), noStop, true, 0, 0};
    const auto info = ReadWaveInfo(wavBytes);
    if (!info || (noStop && WavePlaying())) {
        request.accepted = false;
        requests_.push_back(std::move(request));
        return false;
    }
    request.durationMs = static_cast<unsigned>(info->DurationMs());
    playingUntil_ = now + info->DurationMs();
    requests_.push_back(std::move(request));
    return true;
}

void NullSoundDevice::StopWave() {
    playingUntil_ = 0;
    requests_.push_back({Request::Kind::Stop, SystemClock().Milliseconds(), {}, false, true, 0, 0});
}

void NullSoundDevice::Tone(unsigned frequency, unsigned durationMs) {
    requests_.push_back({Request::Kind::Tone, SystemClock().Milliseconds(), {}, false, true, frequency, durationMs});
}

}  // namespace skrivo::host
