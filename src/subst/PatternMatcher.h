// Matching one side of a pattern (the part before or after its cursor mark) against the text on that side of the cursor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "subst/MatchText.h"

namespace skrivo::subst {

// A pattern side compiled for matching. The language:
//   "*"  any run of characters on the same line (it stops at a carriage return)
//   "**" any run of characters, line breaks included (a "*" next to a "*")
//   "?"  any one character except a line break
//   " "  a whole run of characters with codes up to 32 (taken greedily, never
//        given back); before the cursor it also matches nothing at the start
//        of the text when only "*"s stand before it in the pattern
//   any other character stands for itself; line feeds of the text are skipped.
// The side is anchored at both ends: it must use up the text from the cursor
// to the text's end (a line's edge), or, on a module's text, to a carriage
// return, the module's start and end being no line breaks.
//
// The matcher gives the answers of a backtracking search over every way the
// stars can split the text, but runs it as a set of pattern positions moved
// through the text one character at a time (bit-parallel), so a keystroke
// costs at most (pattern length / 64 + 1) word operations per character
// examined, whatever the pattern, and reads no further than the answer needs.
class PatternSide {
public:
    enum Direction { BeforeCursor, AfterCursor };
    // side: the pattern characters as written (left to right).
    PatternSide(std::string_view side, Direction direction);

    bool Matches(MatchText& text, TextEdge edge) const;
    bool Empty() const { return length_ == 0; }

private:
    using Word = std::uint64_t;
    bool Test(const std::vector<Word>& set, std::size_t bit) const { return (set[bit / 64] >> (bit % 64)) & 1U; }
    void Set(std::vector<Word>& set, std::size_t bit) const { set[bit / 64] |= Word{1} << (bit % 64); }
    // set |= (from & mask) shifted one pattern position on; true if set grew.
    bool OrAdvanced(std::vector<Word>& set, const std::vector<Word>& from, const Word* mask) const;

    std::size_t length_ = 0;      // pattern characters in match order
    std::size_t words_ = 1;       // words of a set of positions 0..length_
    std::vector<Word> star_, starAcrossLines_, blank_;
    std::vector<Word> literal_;   // [character * words_ + w]: positions taking that character
    std::vector<Word> endOk_;     // the text ran out with these positions next
    std::vector<Word> runEndOk_;  // a blank at these positions ran to the text's end
};

}  // namespace skrivo::subst
