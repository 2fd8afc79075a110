// Where and when the suggestion list is shown: what the completion cycle leaves for the idle timer and the key dispatch.
#pragma once

#include <unordered_map>

#include "completion/TextFold.h"
#include "platform/WinTypes.h"

namespace skrivo {

struct TSuggestListState {
    bool FHaveSuggestions = false;
    bool FShowPending = false;
    bool FShowPendingMouse = false;
    bool FForceShow = false;
    bool FHaveWordsPlayed = false;
    bool FListFilled = false;  // set by Suggest whenever it fills the list
    int FLineHeight = 0;
    win::TPoint FCaretScreenPos;
    // Where the editor stood on the screen when the list was placed: the list
    // belongs there and goes when the editor's window moves.
    win::TPoint FSuggestOrigin;
    win::HWND FSuggestFocus = 0;  // the focused window when suggestions were computed
    // The units' word lists lower-cased, by list.
    std::unordered_map<const StringList*, FoldedWordList> FUnitWordsFolded;
};

}  // namespace skrivo
