// TSkrivoExpert: sound requests: posted to the list window, played from the loaded sounds when the message arrives.
#include "bridge/Diagnostics.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "expert/KeyDispatchState.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/Paths.h"
#include "sounds/SoundPlayer.h"

namespace skrivo {

void TSkrivoExpert::CreateSounds() { FSounds = std::make_unique<TSoundPlayer>(); }

void TSkrivoExpert::Play(TSoundEvent event) {
    if (!FReady) return;
    FKeys->FNavKey = true;
    if (!GetCfg()->AllowSounds) return;
    host::IHost* host = host::Host();
    if (!host) return;
    // Posting lets the keystroke that asked finish before anything plays.
    if (FSounds) FSounds->NoteRequest(event);
    host->Application().PostMessage(GetSggList()->Handle(), WM_PLAYSND, static_cast<win::WPARAM>(event), 0);
}

void TSkrivoExpert::DoPlaySnd(TSoundEvent event) {
    if (FSounds) FSounds->DoPlaySnd(event);
}

// Relative sound paths are found in the Skrivo home, the program folder that
// holds the schemes and the settings, so the home can be moved as a whole.
void TSkrivoExpert::ReLoadSounds() {
    if (FSounds) FSounds->ReLoadSounds(GetCfg()->Sounds, SkrivoHome());
}

void TSkrivoExpert::StopAndFreeSounds() {
    if (FSounds) FSounds->StopAndFree();
}

std::vector<int> TSkrivoExpert::TakeSoundRequests() { return FSounds ? FSounds->TakeRequests() : std::vector<int>{}; }

}  // namespace skrivo
