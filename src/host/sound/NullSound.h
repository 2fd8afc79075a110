// A sound device that plays nothing and remembers every request, for tests and machines without sound.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/api/Sound.h"

namespace skrivo::host {

// A wave counts as playing for its length on the host clock, so noStop
// behaves as on a real device, also on a manual clock.
class NullSoundDevice final : public ISoundDevice {
public:
    struct Request {
        enum class Kind { Wave, Stop, Tone } kind;
        std::uint64_t atMs = 0;
        std::string wave;       // Wave: the image
        bool noStop = false;    // Wave
        bool accepted = true;   // Wave: false when refused (noStop, bad image)
        unsigned frequency = 0; // Tone
        unsigned durationMs = 0;
    };

    bool PlayWave(std::string_view wavBytes, bool noStop) override;
    void StopWave() override;
    void Tone(unsigned frequency, unsigned durationMs) override;

    const std::vector<Request>& Requests() const { return requests_; }
    void Clear() { requests_.clear(); }
    bool WavePlaying() const;

private:
    std::vector<Request> requests_;
    std::uint64_t playingUntil_ = 0;
};

}  // namespace skrivo::host
