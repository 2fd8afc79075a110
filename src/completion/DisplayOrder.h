// The list window's order of texts, and which row it marks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "completion/SuggestionListContent.h"
#include "platform/AnsiSortKey.h"
#include "platform/CodePage.h"

namespace skrivo {

// One text to sort: its letters' order as two numbers (the first eight
// characters and the next eight, regardless of case and accents) and where
// the text is. Words that share their first eight letters are common
// ("ButtonHeight", "ButtonHeightMemo"), and the second number settles them
// without weighing both texts whole.
struct DisplayOrderKey {
    std::uint64_t prefix;
    std::uint64_t next;
    std::uint32_t index;
};

inline DisplayOrderKey DisplayOrderKeyOf(std::string_view text, std::uint32_t index, win::CodePage cp) {
    // Each number orders texts as their letters do, and a text ended is
    // zeros, before every longer one: where the numbers differ they decide.
    return {win::AnsiSortPrefix(text, cp), text.size() > 8 ? win::AnsiSortPrefix(text.substr(8), cp) : 0, index};
}

// Sorts by the locale-aware comparison of the active code page (distinct
// texts never tie); textOf gives the text of an index.
template <typename TextOf>
void SortForDisplay(std::vector<DisplayOrderKey>& keys, TextOf&& textOf) {
    const win::CodePage cp = win::GetACP();
    std::sort(keys.begin(), keys.end(), [&](const DisplayOrderKey& a, const DisplayOrderKey& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        if (a.next != b.next) return a.next < b.next;
        return win::AnsiCompareText(textOf(a.index), textOf(b.index), cp) < 0;
    });
}

// Selects (or only focuses, without AutoSelectBestWord) the best word's row,
// else the first row; a selected row has the focus mark too.
void MarkBestWord(SuggestionListContent& content, int bestRow, bool autoSelectBestWord);

}  // namespace skrivo
