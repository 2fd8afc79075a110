// Choosing the sound device by name: "alsa" (the default), "null", or "wav:PATH" to write what would be heard.
#include "host/sound/SoundChoice.h"

#include <cstdlib>

#include "host/HostLog.h"
#include "host/sound/AlsaSound.h"
#include "host/sound/NullSound.h"
#include "host/sound/WavFileSound.h"

namespace skrivo::host {

std::unique_ptr<ISoundDevice> CreateSoundDevice(std::string_view choice, std::string& error) {
    constexpr std::string_view kWav = "wav:";
    if (choice.empty() || choice == "alsa") return CreateSystemSoundDevice();
    if (choice == "null") return std::make_unique<NullSoundDevice>();
    if (choice.substr(0, kWav.size()) == kWav && choice.size() > kWav.size())
        return std::make_unique<WavFileSoundDevice>(std::string(choice.substr(kWav.size())));
    error = "unknown sound device \"" + std::string(choice) + "\" (alsa, null or wav:PATH)";
    return nullptr;
}

std::unique_ptr<ISoundDevice> CreateSoundDeviceFromEnvironment(std::string_view fallbackChoice) {
    const char* chosen = std::getenv(kSoundChoiceVariable);
    std::string error;
    if (chosen) {
        if (auto device = CreateSoundDevice(chosen, error)) return device;
        qCWarning(lcHost, "%s: %s", kSoundChoiceVariable, error.c_str());
    }
    auto device = CreateSoundDevice(fallbackChoice, error);
    return device ? std::move(device) : CreateSystemSoundDevice();
}

}  // namespace skrivo::host
