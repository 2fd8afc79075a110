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

namespace {
// Only the headless runner takes the requests; in the IDE nobody does, so the
// record keeps the latest ones instead of growing with every key.
constexpr std::size_t kKeptSoundRequests = 1000;
}  // namespace

void TSkrivoExpert::CreateSounds() { FSounds = std::make_unique<TSoundPlayer>(); }

void TSkrivoExpert::Play(TSoundEvent event) {
    if (!FReady) return;
    FKeys->FNavKey = true;
    if (!GetCfg()->AllowSounds) return;
    host::IHost* host = host::Host();
    if (!host) return;
    // Posting lets the keystroke that asked finish before anything plays.
    if (FSoundRequests.size() >= kKeptSoundRequests) FSoundRequests.erase(FSoundRequests.begin());
    FSoundRequests.push_back(event);
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

std::vector<int> TSkrivoExpert::TakeSoundRequests() {
    std::vector<int> taken;
    taken.swap(FSoundRequests);
    return taken;
}

}  // namespace skrivo
