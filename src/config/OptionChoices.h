// The coded choices of the integer options, under names; the configuration stores their numbers.
#pragma once

namespace skrivo {

// WhenMouseOver: what the list does while the mouse is over it.
enum TWhenMouseOver : int {
    wmoSwitchPosition = 0,
    wmoHide = 1,
    wmoTransparent = 2,
    wmoSelectWords = 3,
};

// KeyComplete: the key that accepts the selected word.
enum TKeyComplete : int {
    kcEnter = 0,
    kcShift = 1,
    kcCtrl = 2,
};

// WhatShiftCtrl: which Shift or Ctrl key, pressed alone, is the completing one.
enum TWhatShiftCtrl : int {
    wscAny = 0,
    wscLeftOnly = 1,
    wscRightOnly = 2,
};

// AutoSave is AutoSaveMode (completion/AutoSaveRules.h) and ExceedWordsMax is
// TExceedWordsMax (completion/SuggestionRanking.h), beside the rules they steer.

}  // namespace skrivo
