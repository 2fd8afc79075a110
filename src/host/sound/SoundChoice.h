// Choosing the sound device by name: "alsa" (the default), "null", or "wav:PATH" to write what would be heard.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/api/Sound.h"

namespace skrivo::host {

// The environment variable that chooses the device of the IDE and the runner.
inline constexpr const char* kSoundChoiceVariable = "SKRIVO_SOUND";

// The device a choice names: "" or "alsa" the sound card (the null device
// when none answers), "null" the recording null device, "wav:PATH" a WAV
// file written when the device ends. nullptr with error set for anything else.
std::unique_ptr<ISoundDevice> CreateSoundDevice(std::string_view choice, std::string& error);

// The device $SKRIVO_SOUND names; a choice it cannot make is logged (the
// host's log) and falls back to fallbackChoice.
std::unique_ptr<ISoundDevice> CreateSoundDeviceFromEnvironment(std::string_view fallbackChoice);

}  // namespace skrivo::host
