// Case folding and trimming of 8-bit text for dictionary matching, without a temporary string per entry.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace skrivo {

// The code page's lower-case mapping as a table: the ranking and the learning
// rule compare tens of thousands of entries per call, and lower-casing each
// one into a new string would dominate the cost. For a single-byte code page
// the table gives exactly what AnsiLowerCase gives, character by character.
class CaseFold {
public:
    CaseFold();  // the active code page
    explicit CaseFold(win::CodePage cp);

    unsigned char Lower(char c) const { return lower_[static_cast<unsigned char>(c)]; }
    std::string Lower(std::string_view s) const;

    // Same length and the same characters after lower-casing.
    bool Equal(std::string_view a, std::string_view b) const;
    // The first lowPrefix.size() characters of text, lower-cased, equal
    // lowPrefix (which the caller has already lower-cased).
    bool StartsWith(std::string_view text, std::string_view lowPrefix) const;
    // Position of the first occurrence of lowNeedle in the lower-cased text,
    // or npos.
    std::size_t Find(std::string_view text, std::string_view lowNeedle) const;

private:
    std::array<unsigned char, 256> lower_{};
};

// Blanks and control characters (codes 0 to 32) count as white space at the
// ends of an entry, as the string lists' trimming has it.
inline bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
std::string_view Trim(std::string_view s);
inline bool IsBlankText(std::string_view s) { return Trim(s).empty(); }

}  // namespace skrivo
