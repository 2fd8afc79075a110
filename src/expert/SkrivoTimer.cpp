// TSkrivoExpert: the 250 ms idle timer: restarting the delay and the tick's gates.
#include <cstdlib>

#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/Clock.h"

namespace skrivo {

namespace {
// A tick this soon after a key or a modification would act on a state the
// user is still changing.
constexpr long long kQuietAfterResetMs = 150;
}  // namespace

void TSkrivoExpert::ResetTimer() {
    if (FTimer) FTimer->SetEnabled(false);
    FDelayCount = DelayTicks();
    if (FTimer) FTimer->SetEnabled(true);
    FResetTick = win::GetTickCount();
}

void TSkrivoExpert::TimerTick() {
    const long long sinceReset = std::llabs(static_cast<long long>(win::GetTickCount()) - FResetTick);
    if (sinceReset < kQuietAfterResetMs || !FReady) return;
    host::IHost* host = host::Host();
    if (!host || host->Application().Terminated()) return;
    TNotifierList* notifiers = GetNotifiers();
    if (!notifiers || notifiers->empty()) return;
    // Past the gates the tick guards against the IDE's error box, loads
    // bookmarks, hands the last modification to the completion trigger,
    // shows or hides the suggestion list and saves or merges the dictionary;
    // each of those capabilities adds its step here.
}

}  // namespace skrivo
