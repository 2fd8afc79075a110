// The suggestion list's content: best word, alphabetical order, selection and focus.
#include "completion/DisplayOrder.h"
#include "completion/SuggestionRanking.h"

#include <algorithm>
#include <numeric>

#include "platform/AnsiSortKey.h"
#include "platform/CodePage.h"

namespace skrivo {

void MarkBestWord(SuggestionListContent& content, int bestRow, bool autoSelectBestWord) {
    auto mark = [&](int row) {
        if (autoSelectBestWord)
            content.selected = row;
        else
            content.focused = row;
    };
    if (bestRow >= 0) mark(bestRow);
    if (content.selected < 0 && !content.Empty()) mark(0);
    if (content.selected >= 0) content.focused = content.selected;
}

SuggestionListContent FillSuggestionList(const std::vector<Candidate>& candidates, std::string_view lastWord,
                                         bool autoSelectBestWord) {
    // Chosen in discovery order, before sorting: the most recently used
    // spelling wins over an alphabetically earlier one.
    std::size_t best = candidates.size();
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (candidates[i].text.starts_with(lastWord)) {
            best = i;
            break;
        }

    const win::CodePage cp = win::GetACP();
    std::vector<DisplayOrderKey> keys(candidates.size());
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        keys[i] = DisplayOrderKeyOf(candidates[i].text, static_cast<std::uint32_t>(i), cp);
        bytes += candidates[i].text.size();
    }
    SortForDisplay(keys, [&](std::uint32_t i) { return std::string_view(candidates[i].text); });

    SuggestionListContent content;
    content.Reserve(keys.size(), bytes);
    int bestRow = -1;
    for (const DisplayOrderKey& k : keys) {
        if (k.index == best) bestRow = static_cast<int>(content.Count());
        content.Add(candidates[k.index].text, candidates[k.index].dictIndex);
    }
    if (best < candidates.size()) content.bestWord = candidates[best].text;
    MarkBestWord(content, bestRow, autoSelectBestWord);
    return content;
}

}  // namespace skrivo
