// The two ANSI code pages as data: byte to code point, and the simple Unicode case mapping they need.
#pragma once

#include <array>

#include "platform/CodePage.h"

namespace skrivo::win::detail {

// Code points of the bytes 0x80..0xFF (the lower half is ASCII in both pages).
const std::array<char32_t, 128>& UpperHalf(CodePage cp);

// Simple (one-to-one) Unicode case mapping for the scripts the two code pages
// hold: Basic Latin, Latin-1, the Latin Extended-A letters of 1252, Cyrillic.
// Characters outside those, and characters whose case form is not a single
// character (German sharp s), map to themselves.
char32_t UnicodeUpper(char32_t u);
char32_t UnicodeLower(char32_t u);

}  // namespace skrivo::win::detail
