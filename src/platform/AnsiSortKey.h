// Sort keys for ANSI texts in the active code page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace skrivo::win {

// A key whose plain byte comparison orders texts exactly as AnsiCompareText
// does: a sort makes one key per text instead of weighing both texts at
// every comparison.
std::string AnsiSortKey(std::string_view s);

// The letters of the first eight characters as one number (regardless of
// case and accents, a byte each): where two texts' numbers differ they order
// them as their keys do, so a sort compares the numbers and asks
// AnsiCompareText only on a tie.
std::uint64_t AnsiSortPrefix(std::string_view s, CodePage cp);

// AnsiCompareText in a given code page.
int AnsiCompareText(std::string_view a, std::string_view b, CodePage cp);

// Compares the letters of text's first prefix.size() characters with prefix's,
// regardless of case and accents (a shorter text compares as less when it is
// equal as far as it goes): in key order the texts that begin with the same
// letters as prefix stand together, those with 0 here.
int AnsiComparePrimaryPrefix(std::string_view text, std::string_view prefix, CodePage cp);

// The letter a character sorts as, regardless of case and accents.
std::uint16_t AnsiPrimaryWeight(char c, CodePage cp);

}  // namespace skrivo::win
