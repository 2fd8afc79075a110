// What the key dispatch remembers from one key message to the next.
#pragma once

#include "platform/WinTypes.h"

namespace skrivo {

struct TKeyDispatchState {
    // Shift or Ctrl pressed alone: the configured side, whether it went down
    // first, and the other side.
    bool FShiftCtrlDown = false;
    bool FShiftCtrlFirst = false;
    bool FOtherShiftCtrlDown = false;
    bool FDeleting = false;
    bool FNavKey = false;
    win::HWND FLastKeyControl = 0;  // the control that received the last key press
};

}  // namespace skrivo
