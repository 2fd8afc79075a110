// The suggestion list's content: best word, alphabetical order, selection and focus.
#include "completion/SuggestionRanking.h"

#include <algorithm>
#include <utility>

#include "platform/AnsiSortKey.h"
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

    // One key per item: weighing both texts at every comparison of a
    // thousand-word list costs more than the whole search.
    std::vector<std::pair<std::string, SuggestionItem>> keyed;
    keyed.reserve(content.items.size());
    for (SuggestionItem& item : content.items) keyed.emplace_back(win::AnsiSortKey(item.text), std::move(item));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) content.items[i] = std::move(keyed[i].second);

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
