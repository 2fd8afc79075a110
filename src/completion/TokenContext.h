// The tokens that stand before the word at the cursor: what the smart ranking predicts the word from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

// Three tokens tell a declaration's type ("Msg : s"), a method after its
// class ("TParser . S") or a parameter after its routine ("SetSource ( const
// A") apart; more hardly ever repeat exactly (measured with tools/ksr).
inline constexpr std::size_t kContextTokens = 3;

// Enough text before the cursor for kContextTokens tokens of ordinary code.
inline constexpr int kContextTextLength = 200;

// The tokens before the word the text ends with (the word being typed, or
// the one just finished), nearest first: words, and every other character
// that is not blank on its own. Line breaks count as blanks, so a line's
// first word follows the last tokens of the line before. A word touching the
// start of the text may be cut off there and is not taken: a caller that read
// from the start of the unit puts a line break before it.
std::vector<std::string> TokensBeforeWord(std::string_view textBeforeCursor);

// The word the text ends with; empty when it ends with another character.
std::string_view TrailingWordOf(std::string_view text);

}  // namespace skrivo
