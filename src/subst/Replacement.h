// A substitution's replacement line turned into the text to insert and the place of the cursor in it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skrivo::subst {

// The character a replacement's "&" leaves in the text; the arrow keys jump
// to it and typing there removes it.
inline constexpr char kPlaceholderMark = '\x01';

struct ExpandedReplacement {
    std::string text;                      // without the cursor mark
    std::size_t cursor = std::string::npos;  // where the first "|" stood; npos: none
};

// "\" becomes lineBreak followed by indent (the current line's leading
// blanks and tabs), "&" the placeholder mark; the first "|" then marks the
// cursor and is removed.
ExpandedReplacement ExpandReplacement(std::string_view replacement, std::string_view indent,
                                      std::string_view lineBreak = "\r\n");

// The leading blanks and tabs of a line.
std::string LeadingIndent(std::string_view line);

}  // namespace skrivo::subst
