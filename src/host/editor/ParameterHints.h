// The parameter hint's content: the call around the cursor, and the parameter list of the routine it calls.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <functional>
#include <vector>

namespace skrivo::host {

// The innermost call whose "(" stands before the cursor on its line and is
// not closed yet.
struct CallAtCursor {
    std::string name;          // as written, "Format" or "Query.FieldByName"
    std::size_t nameStart = 0; // in the line
    int argument = 0;          // 0-based: the commas at the call's own level before the cursor
};
std::optional<CallAtCursor> FindCallAtCursor(std::string_view lineBeforeCursor);

// A procedure, function, constructor or destructor heading's keyword and
// the name after it, as byte positions of the text scanned. The keyword is
// a whole word followed by blanks; the name may be dotted ("TForm1.Paint").
struct Declaration {
    long start = 0;     // the keyword's first character
    long nameStart = 0; // the last part of the name
    long end = 0;       // the first character after the name
    int keyword = 0;    // 0 procedure, 1 function, 2 constructor, 3 destructor: the order they are looked up in
    std::string name;   // the last part of the name, lower-cased
};

// Every declaration whose keyword starts in [from, to], in text order. at(p)
// gives the byte at p, or -1 outside the text; the name may run past to.
void ScanDeclarations(const std::function<int(long)>& at, long from, long to, std::vector<Declaration>& out);

// A routine name as the declarations store it.
std::string LowerRoutineName(std::string_view name);

// The heading for a declaration whose name (as written) ends where text
// begins: "Paint(Canvas: TCanvas; Full: Boolean)". Nothing when no "(", ":"
// or ";" follows the name on its line.
std::optional<std::string> HeadingAfterName(std::string_view name, std::string_view text);
// Whether text certainly holds all that HeadingAfterName reads of it.
bool HoldsWholeHeading(std::string_view text);

// A library routine's hint by its lower-cased name.
std::optional<std::string> LibrarySignature(std::string_view lowerName);

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
