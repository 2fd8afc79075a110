// The parameter hint's content: the call around the cursor, and the parameter list of the routine it calls.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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

namespace hints {
inline constexpr std::array<std::string_view, 4> kDeclarationKeywords = {"procedure", "function", "constructor", "destructor"};
// ASCII classes, the same in every locale; bytes above 7F are letters.
inline bool IsNameChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    const unsigned lower = b | 0x20u;
    return (lower >= 'a' && lower <= 'z') || (b >= '0' && b <= '9') || b == '_' || b >= 0x80;
}
inline bool IsBlank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// Keywords are ASCII; other bytes are kept as they are, whatever the locale.
inline int LowerByte(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }
}  // namespace hints

// Every declaration whose keyword starts in [from, to], in text order. at(p)
// gives the byte at p, or -1 outside the text; the name may run past to.
// A template, as it reads a whole unit byte by byte when an index is built.
template <typename At>
void ScanDeclarations(At&& at, long from, long to, std::vector<Declaration>& out) {
    using namespace hints;
    // Keywords are whole words: only a word's first character is looked at,
    // the rest of the word is passed over.
    bool inWord = from > 0 && at(from - 1) >= 0 && IsNameChar(static_cast<char>(at(from - 1)));
    for (long k = std::max(from, 0L); k <= to; ++k) {
        const int c = at(k);
        if (c < 0) return;
        const bool wordChar = IsNameChar(static_cast<char>(c));
        const bool wordStart = wordChar && !inWord;
        inWord = wordChar;
        if (!wordStart) continue;
        const int first = LowerByte(c);
        if (first != 'p' && first != 'f' && first != 'c' && first != 'd') continue;
        for (std::size_t kw = 0; kw < kDeclarationKeywords.size(); ++kw) {
            const std::string_view keyword = kDeclarationKeywords[kw];
            std::size_t n = 0;
            while (n < keyword.size() && LowerByte(at(k + static_cast<long>(n))) == keyword[n]) ++n;
            if (n < keyword.size()) continue;
            long i = k + static_cast<long>(n);
            if (!IsBlank(at(i))) break;
            while (IsBlank(at(i))) ++i;
            long end = i;
            long lastStart = i;
            for (int b = at(end); b >= 0 && (IsNameChar(static_cast<char>(b)) || b == '.'); b = at(++end))
                if (b == '.') lastStart = end + 1;
            Declaration d;
            d.start = k;
            d.nameStart = lastStart;
            d.end = end;
            d.keyword = static_cast<int>(kw);
            for (long p = lastStart; p < end; ++p) d.name += static_cast<char>(LowerByte(at(p)));
            out.push_back(std::move(d));
            break;
        }
    }
}

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
