// Case folding and trimming of 8-bit text for dictionary matching, without a temporary string per entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/StringList.h"

namespace skrivo {

// No word is this long: a longer dictionary line (a pasted blob, a broken
// file) stays in its list and file but is never offered, and the search does
// not read it, so one such line cannot stall typing.
inline constexpr std::size_t kMaxOfferedEntryLength = 1000;

inline bool TooLongToOffer(std::string_view entry) { return entry.size() > kMaxOfferedEntryLength; }

// The code page's lower-case mapping as a table: the ranking and the learning
// rule compare tens of thousands of entries per call, and lower-casing each
// one into a new string would dominate the cost. For a single-byte code page
// the table gives exactly what AnsiLowerCase gives, character by character.
class CaseFold {
public:
    CaseFold();  // the active code page
    explicit CaseFold(win::CodePage cp);
    // The folding of the active code page, built once per code page: callers
    // on the keystroke path use it instead of building a table each time.
    static const CaseFold& ForActiveCodePage();

    unsigned char Lower(char c) const { return lower_[static_cast<unsigned char>(c)]; }
    std::string Lower(std::string_view s) const;

    // Same length and the same characters after lower-casing.
    bool Equal(std::string_view a, std::string_view b) const {
        return a.size() == b.size() && SameLower(a.data(), b.data(), a.size());
    }
    // The first lowPrefix.size() characters of text, lower-cased, equal
    // lowPrefix (which the caller has already lower-cased).
    bool StartsWith(std::string_view text, std::string_view lowPrefix) const {
        if (text.size() < lowPrefix.size()) return false;
        for (std::size_t i = 0; i < lowPrefix.size(); ++i)
            if (Lower(text[i]) != static_cast<unsigned char>(lowPrefix[i])) return false;
        return true;
    }
    // Position of the first occurrence of lowNeedle in the lower-cased text,
    // or npos.
    std::size_t Find(std::string_view text, std::string_view lowNeedle) const;

    // Lowers every character alike.
    bool SameAs(const CaseFold& other) const { return lower_ == other.lower_; }

private:
    bool SameLower(const char* a, const char* b, std::size_t n) const {
        for (std::size_t i = 0; i < n; ++i)
            if (Lower(a[i]) != Lower(b[i])) return false;
        return true;
    }

    std::array<unsigned char, 256> lower_{};
    // For each lower-case value, the one character that lowers to it, or -1
    // when several do (a letter and its capital): lets Find hand the search
    // for a separator to memchr.
    std::array<short, 256> onlySource_{};
};

// Blanks and control characters (codes 0 to 32) count as white space at the
// ends of an entry, as the string lists' trimming has it.
inline bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
// Inline: the single-word phase trims every entry of every unit list.
inline std::string_view Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlankOrControl(s[b])) ++b;
    while (e > b && IsBlankOrControl(s[e - 1])) --e;
    return s.substr(b, e - b);
}
inline bool IsBlankText(std::string_view s) {
    for (char c : s)
        if (!IsBlankOrControl(c)) return false;
    return true;
}

}  // namespace skrivo
