// Sound through ALSA's default device, played on a thread of its own so the IDE never waits for it.
#pragma once

#include <memory>

#include "host/api/Sound.h"

namespace skrivo::host {

// The sound device of the IDE program: ALSA output when a sound card
// answers, else the recording null device (machines without sound, CI).
std::unique_ptr<ISoundDevice> CreateSystemSoundDevice();

}  // namespace skrivo::host
