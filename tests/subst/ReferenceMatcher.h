// The pattern side matched by plain backtracking, step by step as the matching rules describe it: the yardstick of the fast matcher.
#pragma once

#include <string_view>

namespace skrivo::subst::testing {

// side: the pattern characters as written; text: in match order (for
// the part before the cursor, the line read backwards from the cursor).
bool ReferenceMatchBefore(std::string_view side, std::string_view text, bool lineEdge);
bool ReferenceMatchAfter(std::string_view side, std::string_view text, bool lineEdge);

}  // namespace skrivo::subst::testing
