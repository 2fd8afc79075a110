// The pressed-key history: the last 255 key-downs with their modifiers, newest last.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ShortCut.h"
#include "platform/WinTypes.h"

namespace skrivo {

// An entry: the virtual key in bits 0-7, then these modifier bits.
inline constexpr std::uint16_t kPressedShift = 0x100;
inline constexpr std::uint16_t kPressedCtrl = 0x200;
inline constexpr std::uint16_t kPressedAlt = 0x400;

class TPressedKeyHistory {
public:
    static constexpr int kCapacity = 255;

    // Shift, Ctrl and Alt pressed alone are not keys of their own here;
    // returns false for them. A full history drops its oldest entry.
    bool StorePressedKey(win::WORD key, win::TShiftState shift);
    // Entry index (0 the oldest); 0 outside the history.
    std::uint16_t GetPressedKeys(int index) const;
    int Count() const { return FPressedCount; }

private:
    std::array<std::uint16_t, kCapacity> FPressedKeys{};
    int FPressedCount = 0;
};

}  // namespace skrivo
