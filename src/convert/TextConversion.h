// Rewriting a text in place: upper case, lower case, or retyped in another keyboard layout.
#pragma once

#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace skrivo {

class TLayoutCalls;

// The stored numbers of the three conversions.
enum class TConvertMode { Upper = 0, Lower = 1, Layout = 2 };

// Upper: the upper-case form, or, when the text is upper case already, its
// first character followed by the rest in lower case (abc -> ABC -> Abc).
// Lower: the lower-case form, or the first character upper-cased and the
// rest lower-cased (ABC -> abc -> Abc). Both by the case rules of the active
// code page, and both report a change.
// Layout: each character is taken back to the key (and Shift, Ctrl, Alt)
// that types it in layout from, and replaced by what that key types in
// layout to. A character no key of from types is looked up in to and read
// back in from instead. Characters neither layout types, and keys that give
// no single character, stay. Reports whether any character changed.
bool ConvertText(TConvertMode mode, std::string& text, win::WORD from, win::WORD to, const TLayoutCalls& calls);

// ConvertText on every entry; the changed ones are stored back. Whether any changed.
bool ConvertLines(TConvertMode mode, std::vector<std::string>& lines, win::WORD from, win::WORD to,
                  const TLayoutCalls& calls);

}  // namespace skrivo
