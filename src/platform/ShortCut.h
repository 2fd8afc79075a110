// 16-bit shortcut values (key in the low byte, modifiers in the high bits) and their texts.
#pragma once

#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace skrivo::win {

// The subset of the component library's shift state that shortcuts and the
// key dispatch use. A set of flags; 0 is the empty set.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;

using TShortCut = WORD;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// Key in the low byte, plus scShift/scCtrl/scAlt for the modifiers held.
TShortCut ShortCut(WORD key, TShiftState shift);

// Splits a shortcut back into its key (low byte) and its modifiers.
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);

// "Shift+Ctrl+O", "Num 5", "Ctrl+[", "F12", "BkSp"... Modifiers come first in
// the order Shift+, Ctrl+, Alt+. Keys are named as an IDE menu names them;
// punctuation keys by the character their key types in the active keyboard
// layout (text in the active ANSI code page). 0 gives an empty text; a key
// without a name gives an empty text as well.
std::string ShortCutToText(TShortCut shortCut);

// The inverse of ShortCutToText: case-insensitive, modifiers in any order,
// also the long names "Backspace", "Escape", "Return", "Insert", "Delete",
// "PageUp", "PageDown". Returns 0 for an empty text or one it cannot read.
TShortCut TextToShortCut(std::string_view text);

}  // namespace skrivo::win
