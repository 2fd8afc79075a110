// TSkrivoExpert: the few options the lifecycle, the notifications and the timer read.
#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"

namespace skrivo {

namespace {
// The delay counts whole timer ticks; a hand-edited value below one tick
// still waits one tick rather than running the count negative.
constexpr int kTimerIntervalMs = 250;
}  // namespace

int TSkrivoExpert::CfgDelayTime() const { return GetCfg()->DelayTime; }
int TSkrivoExpert::CfgAutoSave() const { return GetCfg()->AutoSave; }

std::int32_t TSkrivoExpert::DelayTicks() const {
    const int delay = CfgDelayTime();
    return delay < kTimerIntervalMs ? 0 : delay / kTimerIntervalMs - 1;
}

}  // namespace skrivo
