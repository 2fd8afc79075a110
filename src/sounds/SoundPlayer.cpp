// The expert's sounds: the loaded sound of each event, the beep player, and playing an event's sound.
#include "sounds/SoundPlayer.h"

#include <utility>

#include "bridge/Diagnostics.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {
// Nobody takes the records in the IDE; they keep the latest entries only.
constexpr std::size_t kKeptEntries = 1000;

template <class T>
void KeepLatest(std::vector<T>& record, T entry) {
    if (record.size() >= kKeptEntries) record.erase(record.begin());
    record.push_back(std::move(entry));
}

template <class T>
std::vector<T> TakeAll(std::vector<T>& record) {
    std::vector<T> taken;
    taken.swap(record);
    return taken;
}
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

void TSoundPlayer::Record(PlayedSound played) { KeepLatest(FPlayed, std::move(played)); }

std::vector<PlayedSound> TSoundPlayer::TakePlayed() { return TakeAll(FPlayed); }

void TSoundPlayer::NoteRequest(int event) { KeepLatest(FRequests, event); }

std::vector<int> TSoundPlayer::TakeRequests() { return TakeAll(FRequests); }

}  // namespace skrivo
