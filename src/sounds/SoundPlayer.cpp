// The expert's sounds: the loaded sound of each event, the beep player, and playing an event's sound.
#include "sounds/SoundPlayer.h"

#include "bridge/Diagnostics.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {
// Nobody takes the record in the IDE; it keeps the latest sounds only.
constexpr std::size_t kKeptPlayedSounds = 1000;
}  // namespace

TSoundPlayer::~TSoundPlayer() { StopAndFree(); }

void TSoundPlayer::ReLoadSounds(const SoundPaths& paths, const std::string& soundHome) {
    FBank.ReLoad(paths, soundHome);
}

void TSoundPlayer::DoPlaySnd(int event) {
    if (event < 0 || event >= kSoundEventCount) return;
    const LoadedSound& sound = FBank.Sound(event);
    if (!sound.wave.empty()) {
        host::IHost* h = host::Host();
        if (!h) return;
        host::ISoundDevice& device = h->Sound();
        // A sound still playing is cut off only when it refuses to share.
        if (device.PlayWave(sound.wave, true) || device.PlayWave(sound.wave, false))
            Record({event, true, {}});
    } else if (sound.melody.size() > 1) {
        Rpt("PLAYING BEEPS[", std::to_string(event), "]");
        FBeepPlayer.Play(sound.melody);
        Record({event, false, sound.melody});
    }
}

void TSoundPlayer::StopAndFree() {
    FBeepPlayer.Stop();
    host::IHost* h = host::Host();
    for (int event = 0; event < kSoundEventCount; ++event)
        if (FBank.HasWave(event) && h) h->Sound().StopWave();
    FBank.Clear();
}

void TSoundPlayer::Record(PlayedSound played) {
    if (FPlayed.size() >= kKeptPlayedSounds) FPlayed.erase(FPlayed.begin());
    FPlayed.push_back(std::move(played));
}

std::vector<PlayedSound> TSoundPlayer::TakePlayed() {
    std::vector<PlayedSound> taken;
    taken.swap(FPlayed);
    return taken;
}

}  // namespace skrivo
