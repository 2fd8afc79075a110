// Case folding and trimming of 8-bit text for dictionary matching, without a temporary string per entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// A word list lower-cased once into one buffer, entry i at the same length
// and offsets as the original (an entry too long to offer folds to nothing): the phases compare folded text in place and
// walk a single block of memory instead of every entry's own allocation.
class FoldedWordList {
public:
    void Build(const StringList& list, win::CodePage cp);
    std::size_t Count() const { return offsets_.empty() ? 0 : offsets_.size() - 1; }
    std::string_view operator[](std::size_t i) const {
        return std::string_view(text_).substr(offsets_[i], offsets_[i + 1] - offsets_[i]);
    }
    win::CodePage CodePage() const { return codePage_; }

    // All entries folded end to end, and where entry i starts in it; a search
    // for a text inside entries can run over the whole block at once.
    std::string_view Block() const { return text_; }
    std::size_t Start(std::size_t i) const { return offsets_[i]; }
    // The entry whose folded text holds the block position (Count() past the end).
    std::size_t EntryAt(std::size_t blockPos) const;

    // The entries whose folded text starts with c, in list order; and those
    // that start with a blank followed by c. A prefix search needs to visit
    // only these instead of every entry.
    const std::vector<std::uint32_t>& StartingWith(unsigned char c) const { return startingWith_[c]; }
    const std::vector<std::uint32_t>& BlankThen(unsigned char c) const { return blankThen_[c]; }
    // The entries whose first character above the blank (code 32) folds to c.
    const std::vector<std::uint32_t>& TrimmedStartingWith(unsigned char c) const { return trimmedStartingWith_[c]; }

private:
    std::string text_;
    std::vector<std::size_t> offsets_;
    win::CodePage codePage_ = win::CodePage::Cp1252;
    std::array<std::vector<std::uint32_t>, 256> startingWith_;
    std::array<std::vector<std::uint32_t>, 256> blankThen_;
    std::array<std::vector<std::uint32_t>, 256> trimmedStartingWith_;
};

// The folded copy of a list that changes rarely, rebuilt only when the
// owner's version number or the active code page moved since the last build.
class FoldedWordCache {
public:
    const FoldedWordList& Get(const StringList& list, std::uint64_t version) const;

private:
    mutable FoldedWordList folded_;
    mutable std::uint64_t builtVersion_ = 0;
    mutable bool built_ = false;
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
