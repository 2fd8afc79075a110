// TSkrivoExpert: sound requests: posted to the list window, played when the message arrives.
#include "bridge/Diagnostics.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {
// Only the headless runner takes the requests; in the IDE nobody does, so the
// record keeps the latest ones instead of growing with every key.
constexpr std::size_t kKeptSoundRequests = 1000;
}  // namespace

void TSkrivoExpert::Play(int event) {
    if (!FReady) return;
    FNavKey = true;
    if (!GetCfg()->AllowSounds) return;
    host::IHost* host = host::Host();
    if (!host) return;
    // Posting lets the keystroke that asked finish before anything plays.
    if (FSoundRequests.size() >= kKeptSoundRequests) FSoundRequests.erase(FSoundRequests.begin());
    FSoundRequests.push_back(event);
    host->Application().PostMessage(GetSggList()->Handle(), WM_PLAYSND, static_cast<win::WPARAM>(event), 0);
}

// The loaded wave or melody of the event plays here once sounds are loaded
// (ReLoadSounds); until then a request is heard as nothing.
void TSkrivoExpert::DoPlaySnd(int event) { Rpt("Sound event ", std::to_string(event)); }

std::vector<int> TSkrivoExpert::TakeSoundRequests() {
    std::vector<int> taken;
    taken.swap(FSoundRequests);
    return taken;
}

}  // namespace skrivo
