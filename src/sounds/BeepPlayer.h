// TBeepPlayer: plays a melody of frequency/duration pairs note by note on the host's sound device; PlayBeep: one tone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace skrivo {

namespace host {
class ITimer;
}

// Frequencies the speaker can sound; others are heard as silence.
inline constexpr std::int32_t kMinBeepFrequency = 37;
inline constexpr std::int32_t kMaxBeepFrequency = 32767;

// One tone of the frequency for the duration on the host's sound device,
// without waiting for it. Frequency 0 or outside the speaker's range: nothing.
void PlayBeep(std::uint16_t frequency, std::uint16_t duration);

// The melody runs on the main thread, one note per tick of a host timer set
// to the note's duration, so the IDE goes on handling keys while it plays
// and nothing re-enters the message loop. A new melody replaces the notes
// and starts from its first note; the old one does not resume.
class TBeepPlayer {
public:
    TBeepPlayer();
    ~TBeepPlayer();
    TBeepPlayer(const TBeepPlayer&) = delete;
    TBeepPlayer& operator=(const TBeepPlayer&) = delete;

    void Play(std::vector<std::int32_t> values);
    void Stop();
    bool Playing() const;

private:
    // Sounds the note at the play index and waits its duration on the timer.
    void Execute();

    std::vector<std::int32_t> FNotes;
    std::size_t FPlayIndex = 0;
    std::uint16_t FFrequency = 0;
    std::uint16_t FDuration = 0;
    std::unique_ptr<host::ITimer> FTimer;
};

}  // namespace skrivo
