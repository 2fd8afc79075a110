// The name in a Pascal source's header ("unit Greeter;"), found so that Save As can rename it.
#pragma once

#include <optional>
#include <string_view>

namespace skrivo::host {

struct TextRange {
    int start = 0;
    int end = 0;  // one past the last character
};

// The range of the name after the first word of the source when that word is
// "unit", "program" or "library" (any case), skipping blanks and comments
// ({ }, (* *), //) before and after it; the name may be dotted. Nothing when
// the source starts otherwise or the name is not followed by ";".
std::optional<TextRange> FindUnitName(std::string_view source);

// Whether a file's base name can stand as a unit name: letters (ASCII),
// digits and "_", not starting with a digit, parts joined by single dots.
bool IsUnitIdentifier(std::string_view name);

}  // namespace skrivo::host
