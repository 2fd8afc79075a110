// The loaded sounds of the twelve events: a wave file's bytes or a beep melody, read once, played from memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sounds/SoundScheme.h"

namespace skrivo {

struct LoadedSound {
    std::string wave;                  // the whole .wav file; empty: none
    std::vector<std::int32_t> melody;  // frequency/duration pairs; empty: none
};

// Sound files above this size are not loaded: a keystroke sound is short,
// and a mistaken multi-gigabyte path must not fill the IDE's memory.
inline constexpr std::uintmax_t kMaxSoundFileBytes = 32u * 1024u * 1024u;

class TSoundBank {
public:
    // Discards every loaded sound and reads the configured files again:
    // ".wav" in any letter case is a wave, anything else a beep file. A file
    // that is missing, unreadable, too large or not a beep file leaves its
    // event silent (with a diagnostic line naming it); the others load.
    void ReLoad(const SoundPaths& paths, const std::string& soundHome);
    void Clear();

    const LoadedSound& Sound(int event) const { return sounds_[static_cast<std::size_t>(event)]; }
    bool HasWave(int event) const { return !Sound(event).wave.empty(); }

private:
    std::array<LoadedSound, kSoundEventCount> sounds_;
};

}  // namespace skrivo
