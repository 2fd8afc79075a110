// The idle timer's count-down and the marks its steps leave for the next tick.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace skrivo {

struct TIdleTimerState {
    std::int32_t FDelayCount = 0;
    std::uint32_t FResetTick = 0;
    std::uint32_t FRenameTick = 0;
    int FDicCheckCount = 0;
    bool FSaveRequested = false;
    win::HWND FErrorWindow = 0;
    int FBookmarksPending = 0;
};

}  // namespace skrivo
