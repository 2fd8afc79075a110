// Where the tip window goes: near the caret, never over it, inside the screen.
#pragma once

#include "platform/WinTypes.h"

namespace skrivo {

// The window's new bounds for the caret at caretScreen (screen coordinates)
// and its current bounds, on a screen of the given size.
win::TRect PlaceTipWindow(win::TPoint caretScreen, win::TRect bounds, int screenWidth, int screenHeight);

}  // namespace skrivo
