// The parameter hint's content: the call around the cursor, and the parameter list of the routine it calls.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace skrivo::host {

// The innermost call whose "(" stands before the cursor on its line and is
// not closed yet.
struct CallAtCursor {
    std::string name;          // as written, "Format" or "Query.FieldByName"
    std::size_t nameStart = 0; // in the line
    int argument = 0;          // 0-based: the commas at the call's own level before the cursor
};
std::optional<CallAtCursor> FindCallAtCursor(std::string_view lineBeforeCursor);

// The routine's declaration as a hint, "Copy(S: string; Index, Count: Integer): string":
// from the unit's own procedure and function headings first (the last part
// of a dotted name is looked up, case-insensitively), then from a small
// table of common library routines. Nothing for an unknown routine.
std::optional<std::string> FindSignature(std::string_view name, std::string_view unitText);

// The characters of the hint to highlight for a 0-based argument: the
// parameter group holding it (parameters of one group share a type).
struct HintRange {
    std::size_t start = 0, end = 0;
};
HintRange ParameterRange(std::string_view signature, int argument);

}  // namespace skrivo::host
