// A sound device that writes what would be heard, on the host clock's time line, into a .wav file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/api/Sound.h"

namespace skrivo::host {

// Time 0 of the file is the host clock at the first request (the device is
// usually made before the host sets its clock). A wave
// starting cuts the one playing (unless noStop refuses it); a tone sounds
// over the waves. The file is written atomically by Flush and when the
// device ends; a file that cannot be written is logged (the host's log) and
// left as it was.
class WavFileSoundDevice final : public ISoundDevice {
public:
    static constexpr int kRate = 22050;

    explicit WavFileSoundDevice(std::string path);
    ~WavFileSoundDevice() override;
    WavFileSoundDevice(const WavFileSoundDevice&) = delete;
    WavFileSoundDevice& operator=(const WavFileSoundDevice&) = delete;

    bool PlayWave(std::string_view wavBytes, bool noStop) override;
    void StopWave() override;
    void Tone(unsigned frequency, unsigned durationMs) override;

    // The samples heard so far (16-bit mono at kRate).
    std::vector<std::int16_t> Mix() const;
    bool Flush();

private:
    std::size_t NowSample();

    std::string path_;
    bool started_ = false;
    std::uint64_t startMs_ = 0;
    std::vector<std::int16_t> waves_;
    std::vector<std::int16_t> tones_;
    std::size_t waveEnd_ = 0;  // where the wave playing now ends
};

}  // namespace skrivo::host
