// Where and when the suggestion list is shown: what the completion cycle leaves for the idle timer and the key dispatch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "completion/FoldedWordList.h"
#include "completion/SuggestionRanking.h"
#include "completion/UnitWordIndex.h"
#include "platform/WinTypes.h"

namespace skrivo {

// Everything the list's content and place follow from: a request with the
// same key gives the list it already shows.
struct TSuggestFillKey {
    std::string request;
    const void* notifier = nullptr;  // the current one
    std::size_t units = 0;
    std::uint64_t dictVersion = 0;
    std::uint64_t fixedVersion = 0;
    win::TPoint caret;
    win::TPoint origin;
    int lineHeight = 0;
    int codePage = 0;
    RankingOptions options;  // before smart ranking's view of the cursor is added
    friend bool operator==(const TSuggestFillKey&, const TSuggestFillKey&) = default;
};

struct TSuggestListState {
    bool FHaveSuggestions = false;
    bool FShowPending = false;
    bool FShowPendingMouse = false;
    bool FForceShow = false;
    bool FHaveWordsPlayed = false;
    bool FListFilled = false;  // set by Suggest whenever it fills the list
    // What the last search was for and what it decided: the list it filled,
    // or that there was nothing to show.
    std::optional<TSuggestFillKey> FSearchedFor;
    SuggestDecision FSearchDecision = SuggestDecision::Fill;
    int FLineHeight = 0;
    win::TPoint FCaretScreenPos;
    // Where the editor stood on the screen when the list was placed: the list
    // belongs there and goes when the editor's window moves.
    win::TPoint FSuggestOrigin;
    win::HWND FSuggestFocus = 0;  // the focused window when suggestions were computed
    // The units' word lists lower-cased, by list.
    std::unordered_map<const StringList*, FoldedWordList> FUnitWordsFolded;
    // Those copies indexed together; told of every copy built or dropped.
    UnitWordIndexCache FUnitWordsIndex;
};

}  // namespace skrivo
