// Whether a key is held down on the keyboard now, asked of the window system rather than read from the events handled so far.
#pragma once

#include <optional>

#include "platform/WinTypes.h"

namespace skrivo::host {

// The keyboard's answer for a key of the main block (not Shift, Ctrl or Alt,
// which every handled event already reports); nothing when the window system
// cannot be asked (offscreen, another platform) or the key has no fixed place.
std::optional<bool> PhysicalKeyDown(win::WORD vk);

}  // namespace skrivo::host
