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

// One text to sort: the first bytes of its sort key and where the text is.
struct DisplayOrderKey {
    std::uint64_t prefix;
    std::uint32_t index;
};

// Sorts by the locale-aware comparison of the active code page (distinct
// texts never tie); textOf gives the text of an index.
template <typename TextOf>
void SortForDisplay(std::vector<DisplayOrderKey>& keys, TextOf&& textOf) {
    const win::CodePage cp = win::GetACP();
    std::sort(keys.begin(), keys.end(), [&](const DisplayOrderKey& a, const DisplayOrderKey& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        return win::AnsiCompareText(textOf(a.index), textOf(b.index), cp) < 0;
    });
}

// Selects (or only focuses, without AutoSelectBestWord) the best word's row,
// else the first row; a selected row has the focus mark too.
void MarkBestWord(SuggestionListContent& content, int bestRow, bool autoSelectBestWord);

}  // namespace skrivo
