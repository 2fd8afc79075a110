// The text rules of automatic brackets and quotes: the blanks mirrored inside brackets, and whether a quote opens a string.
#pragma once

#include <cstddef>
#include <string_view>

namespace skrivo::subst {

// How many blanks to add before a closing bracket when ch is typed at a
// cursor with lineBefore before it and nextChar right after it: as many as
// directly follow the matching opening bracket, when only blanks stand
// between it and the cursor. 0 for a blank typed, or anything else.
std::size_t MirroredBlanks(std::string_view lineBefore, char nextChar, char ch);

// The pair an opening bracket gets ("()", "[]", "{}"); empty for any other character.
std::string_view BracketPair(char ch);

// True when the cursor stands inside a string literal: an odd number of
// apostrophes before it on its line. A typed apostrophe then doubles one
// inside the literal instead of opening a new string.
bool InsideStringLiteral(std::string_view lineBefore);

}  // namespace skrivo::subst
