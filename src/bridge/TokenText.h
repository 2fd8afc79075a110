// Token text: a module's source of the same length with comments and string contents blanked.
#pragma once

#include <string>
#include <string_view>

namespace skrivo {

// A copy of `text`, of the same length, with comments and the contents of
// string literals turned into spaces, every literal's opening quote turned
// into '#', every character of code 32 or less turned into a space, and
// compiler directives ({$...}) kept exactly. Positions in the result therefore
// mean the same characters as in `text`. The scan stops at a NUL character:
// from there on the copy is unchanged.
std::string RemoveComments(std::string_view text);

// The token text of a module's source: ASCII letters A-Z lowered (all other
// characters unchanged), then RemoveComments. Keywords can then be compared
// in lower case without caring what the literals or comments held.
std::string MakeTokenText(std::string_view source);

// The same two rewrites in place, for callers that own a copy already.
void RemoveCommentsInPlace(std::string& text);
void MakeTokenTextInPlace(std::string& text);

}  // namespace skrivo
