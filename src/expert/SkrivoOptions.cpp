// TSkrivoExpert: the few options the lifecycle, the notifications and the timer read.
#include "expert/SkrivoExpert.h"

namespace skrivo {

// Until the configuration record is wired in, the record's defaults stand:
// a delay of 250 ms and a dictionary save after any file is saved.
int TSkrivoExpert::CfgDelayTime() const { return 250; }
int TSkrivoExpert::CfgAutoSave() const { return 1; }

std::int32_t TSkrivoExpert::DelayTicks() const { return CfgDelayTime() / 250 - 1; }

}  // namespace skrivo
