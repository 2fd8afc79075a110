// Pure position arithmetic over a module's text: linear positions to character positions.
#pragma once

#include <string_view>

#include "host/api/EditorTypes.h"

namespace skrivo {

// The character position of linear position pos in text. Only CR starts a
// new line (an LF after it belongs to the break); a position on the CR or LF
// of a break belongs to the line the break ends; a position beyond the end
// lies on the last line. CharIndex keeps the low 16 bits, as the editor's
// record does.
host::TCharPos LineScan(std::string_view text, int pos);

// Whether a tab stands between the start of pos's line and pos (looking back
// from the character before pos to the nearest CR or LF). Only such lines
// need the editor's tab-aware conversion.
bool TabBeforeOnLine(std::string_view text, int pos);

// The keywords after which the cursor still counts as standing at the end of
// its line ("x := 1 |then"), in lower case.
bool IsLineEndingKeyword(std::string_view lowerWord);

}  // namespace skrivo
