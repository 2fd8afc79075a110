// The expert's sounds: the loaded sound of each event, the beep player, and playing an event's sound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sounds/BeepPlayer.h"
#include "sounds/SoundBank.h"

namespace skrivo {

// What one DoPlaySnd sounded, for whoever checks it (the headless runner).
struct PlayedSound {
    int event = 0;
    bool wave = false;                 // a wave; else a melody
    std::vector<std::int32_t> notes;   // the melody's numbers
};

class TSoundPlayer {
public:
    TSoundPlayer() = default;
    ~TSoundPlayer();
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    void ReLoadSounds(const SoundPaths& paths, const std::string& soundHome);
    // Plays the event's wave without waiting (cutting off a wave still
    // playing), or starts its melody; an event without a sound is silent.
    void DoPlaySnd(int event);
    // Stops every sound and frees the loaded ones.
    void StopAndFree();

    const TSoundBank& Bank() const { return FBank; }
    // Every sound played since the last call.
    std::vector<PlayedSound> TakePlayed();
    // The events asked for, played or not: a request is noted when it is
    // posted, and taken by whoever checks them (the headless runner).
    void NoteRequest(int event);
    std::vector<int> TakeRequests();

private:
    void Record(PlayedSound played);

    TSoundBank FBank;
    TBeepPlayer FBeepPlayer;
    std::vector<PlayedSound> FPlayed;
    std::vector<int> FRequests;
};

}  // namespace skrivo
