// The keys of the US and Russian layouts as data: scan codes and the characters each key types.
#pragma once

#include <span>

#include "platform/WinTypes.h"

namespace skrivo::win::detail {

enum class LayoutId { Us, Russian };

// A key that types a character: unshifted and with Shift, as Unicode.
struct CharKey {
    BYTE vk;
    char32_t normal;
    char32_t shifted;
};

// Character keys of the main block, in the order a reverse lookup searches
// them (so '\' is found on VK_OEM_5 before VK_OEM_102, '1' on the top row).
std::span<const CharKey> MainBlockKeys(LayoutId layout);

// The numeric keypad with Num Lock on.
std::span<const CharKey> NumpadKeys(LayoutId layout);

// Keys that type a control character or the blank in every layout.
std::span<const CharKey> FixedCharKeys();

// Set-1 scan code of a virtual key, 0 when the key has none.
BYTE ScanCodeOf(BYTE vk);
// The virtual key of a scan code, left and right keys not told apart; 0 when unknown.
BYTE VirtualKeyOfScanCode(BYTE scan);

}  // namespace skrivo::win::detail
