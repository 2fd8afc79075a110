// The sound device: wave playback from memory and tones.
#pragma once

#include <string_view>

namespace skrivo::host {

class ISoundDevice {
public:
    virtual ~ISoundDevice() = default;
    // Starts playing a whole .wav file image asynchronously. With noStop, a
    // sound already playing is not cut off and the call fails instead.
    virtual bool PlayWave(std::string_view wavBytes, bool noStop) = 0;
    virtual void StopWave() = 0;
    // A tone of the frequency for the duration; frequency 0 is silence.
    virtual void Tone(unsigned frequency, unsigned durationMs) = 0;
};

}  // namespace skrivo::host
