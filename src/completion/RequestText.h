// The texts the completion trigger learns and asks suggestions for: the last two words of a line.
#pragma once

#include <string>
#include <string_view>

namespace skrivo {

// The previous word, the characters between it and the last word, and the
// last word, without what lies before the previous word and without trailing
// non-word characters. One word alone comes back as it is; text of no word
// characters gives "".
//   "  Result := Form"  -> "Result := Form"
//   "a b.Caption;"      -> "b.Caption"
std::string LastTwoWords(std::string_view text);

// Each run of two or more characters with codes up to 32 (blanks, tabs, line
// breaks) becomes one blank; a lone tab stays a tab.
std::string CollapseBlanks(std::string_view text);

// The request text for a line that ends at the cursor. After a word: its last
// two words with blanks collapsed. After a separator or blank: the last word
// and what follows it up to the cursor ("x := Foo." gives "Foo."), found by
// pretending a letter was typed and dropping it again.
std::string SuggestionRequest(std::string_view line);

// The request's last word: trailing non-word characters dropped, then
// everything up to and including the last non-word character ("Self.Cap"
// gives "Cap", "Self." gives "Self").
std::string LastWordOf(std::string_view request);

}  // namespace skrivo
