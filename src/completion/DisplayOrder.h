// The list window's order of texts, and which row it marks.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "completion/SuggestionListContent.h"

namespace skrivo {

// One text to sort: the first bytes of its sort key and where the text is.
struct DisplayOrderKey {
    std::uint64_t prefix;
    std::uint32_t index;
};

// Sorts by the locale-aware comparison of the active code page (distinct
// texts never tie).
void SortForDisplay(std::vector<DisplayOrderKey>& keys, const std::function<std::string_view(std::uint32_t)>& textOf);

// Selects (or only focuses, without AutoSelectBestWord) the best word's row,
// else the first row; a selected row has the focus mark too.
void MarkBestWord(SuggestionListContent& content, int bestRow, bool autoSelectBestWord);

}  // namespace skrivo
