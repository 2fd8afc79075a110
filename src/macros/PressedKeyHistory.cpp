// The pressed-key history: the last 255 key-downs with their modifiers, newest last.
#include "macros/PressedKeyHistory.h"

#include <algorithm>

#include "platform/VirtualKeys.h"

namespace skrivo {

bool TPressedKeyHistory::StorePressedKey(win::WORD key, win::TShiftState shift) {
    if (key == win::VK_SHIFT || key == win::VK_CONTROL || key == win::VK_MENU) return false;
    auto entry = static_cast<std::uint16_t>(key & 0xFF);
    if (shift & win::ssShift) entry |= kPressedShift;
    if (shift & win::ssCtrl) entry |= kPressedCtrl;
    if (shift & win::ssAlt) entry |= kPressedAlt;
    if (FPressedCount == kCapacity) {
        std::move(FPressedKeys.begin() + 1, FPressedKeys.end(), FPressedKeys.begin());
        --FPressedCount;
    }
    FPressedKeys[static_cast<std::size_t>(FPressedCount++)] = entry;
    return true;
}

std::uint16_t TPressedKeyHistory::GetPressedKeys(int index) const {
    return index >= 0 && index < FPressedCount ? FPressedKeys[static_cast<std::size_t>(index)] : 0;
}

}  // namespace skrivo
