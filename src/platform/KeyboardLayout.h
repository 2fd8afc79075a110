// Keyboard layouts US (0409) and Russian (0419) as data, with the Windows key-mapping calls.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/WinTypes.h"

namespace skrivo::win {

inline constexpr HKL HKL_US = 0x04090409;
inline constexpr HKL HKL_RUSSIAN = 0x04190419;
// Pseudo handles of ActivateKeyboardLayout: the previous / next installed layout.
inline constexpr HKL HKL_PREV = 0;
inline constexpr HKL HKL_NEXT = 1;

// The installed layouts, in order, and the active one. These are process-wide
// (the host's keyboard). At start: US only, active. Unknown language
// identifiers are refused (false) so a layout is always one this table knows.
bool SetInstalledLayouts(const std::vector<HKL>& layouts);
std::vector<HKL> InstalledLayouts();
bool IsKnownLayout(HKL layout);

// GetKeyboardLayoutList: copies up to max handles into list (when list is not
// null) and returns how many are installed.
int GetKeyboardLayoutList(int max, HKL* list);

// GetKeyboardLayout of the current thread: the active layout.
HKL GetKeyboardLayout(DWORD threadId = 0);

// Makes an installed layout active (a full handle, or a bare language
// identifier, or HKL_NEXT / HKL_PREV); returns the previous one, 0 when the
// layout is not installed.
HKL ActivateKeyboardLayout(HKL layout);
// Activates the next installed layout after the active one, wrapping
// (Alt+Shift), and returns the layout now active.
HKL ActivateNextKeyboardLayout();

// The layout arguments below take a full handle or a bare language
// identifier (the low word); an unknown one stands for the active layout.

// VkKeyScanEx: the key that types ch (an ANSI character of the active code
// page) in layout, with 0x100 Shift, 0x200 Ctrl, 0x400 Alt in the high byte;
// -1 when no key of the layout types it.
std::int16_t VkKeyScanEx(char ch, HKL layout);
std::int16_t VkKeyScan(char ch);  // active layout

// MapVirtualKeyEx with map type 0 (virtual key to scan code), 1 (scan code to
// virtual key, left and right not told apart), 2 (virtual key to its
// unshifted character in the active ANSI code page, letters as capitals) and
// 3 (scan code to virtual key, left and right told apart). 0 when there is
// no mapping.
UINT MapVirtualKeyEx(UINT code, UINT mapType, HKL layout);
UINT MapVirtualKey(UINT code, UINT mapType);

// ToAsciiEx: the character that the key gives with the given 256-byte key
// state (bit 0x80 = pressed; VK_SHIFT, VK_CONTROL, VK_MENU and VK_CAPITAL's
// toggle bit 0x01 are honoured) in layout. Writes the character (active ANSI
// code page) to the low byte of *out and returns 1; returns 0 when the key
// types nothing (or Ctrl/Alt combinations that make no character). A
// character the active code page cannot hold gives 0. Ctrl with a letter
// gives the control character (Ctrl+A = 1), as Windows does; Alt alone gives
// the key's character (what WM_SYSCHAR carries); Ctrl with Alt (AltGr) gives 0.
int ToAsciiEx(UINT virtKey, UINT scanCode, const BYTE keyState[256], WORD* out, UINT flags, HKL layout);
int ToAscii(UINT virtKey, UINT scanCode, const BYTE keyState[256], WORD* out, UINT flags);
// ToUnicodeEx: the same for the Unicode character, whatever the code page
// holds (how the host tells a character the code page cannot hold from a key
// that types none). Control characters are not reported here: 0 for them.
int ToUnicodeEx(UINT virtKey, UINT scanCode, const BYTE keyState[256], char32_t* out, UINT flags, HKL layout);

// A short name for status lines: "EN" / "RU"; empty for an unknown layout.
const char* LayoutShortName(HKL layout);

}  // namespace skrivo::win
