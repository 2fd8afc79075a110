// The suggestion list's content: best word, alphabetical order, selection and focus.
#include "completion/SuggestionRanking.h"

#include <algorithm>

#include "platform/CodePage.h"

namespace skrivo {

SuggestionListContent FillSuggestionList(const std::vector<Candidate>& candidates, std::string_view lastWord,
                                         bool autoSelectBestWord) {
    SuggestionListContent content;
    content.items.reserve(candidates.size());
    for (const Candidate& c : candidates) content.items.push_back({c.text, c.dictIndex});

    // Chosen in discovery order, before sorting: the most recently used
    // spelling wins over an alphabetically earlier one.
    for (const SuggestionItem& item : content.items)
        if (item.text.starts_with(lastWord)) {
            content.bestWord = item.text;
            break;
        }

    std::stable_sort(content.items.begin(), content.items.end(),
                     [](const SuggestionItem& a, const SuggestionItem& b) {
                         return win::AnsiCompareText(a.text, b.text) < 0;
                     });

    auto mark = [&](int index) {
        if (autoSelectBestWord)
            content.selected = index;
        else
            content.focused = index;
    };
    if (content.bestWord) {
        const auto best = std::find_if(content.items.begin(), content.items.end(),
                                       [&](const SuggestionItem& i) { return i.text == *content.bestWord; });
        if (best != content.items.end()) mark(static_cast<int>(best - content.items.begin()));
    }
    if (content.selected < 0 && !content.items.empty()) mark(0);
    if (content.selected >= 0) content.focused = content.selected;
    return content;
}

}  // namespace skrivo
