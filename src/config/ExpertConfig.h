// TExpertConfig: the configuration record every part of the expert reads its options from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/SoundEvents.h"
#include "macros/MacroList.h"
#include "platform/StringList.h"

namespace skrivo {

// The command shortcuts, by their slot in TExpertConfig::Shortcuts. The slot
// order is the options dialog's command table order (upper case before lower
// case); the stores read and write them by name.
enum TShortcutCommand : int {
    ShortcutLevelUp = 0,
    ShortcutBeginEnd,
    ShortcutJump,
    ShortcutHistory,
    ShortcutUpperCase,
    ShortcutLowerCase,
    ShortcutEnglish,
    ShortcutRestore,
    ShortcutStartStopRecording,
    ShortcutExecute,
    ShortcutExecuteFromList,
    ShortcutShowOptions,
};
inline constexpr int kShortcutCommandCount = 12;

// Longest text a String option holds; longer stored texts are cut on loading.
inline constexpr std::size_t kMaxOptionString = 255;

// Fields in the order the configuration has always had them; each is named
// after the value it is stored under. A shortcut is a 16-bit host shortcut
// value (key in the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt) kept in
// a 32-bit field. FastReadText is stored with these options but belongs to
// the expert base (see ConfigContext).
//
// A new record holds the defaults, except Directory (empty until the expert
// fills it with AppPath()). Copying copies the lists and every macro, which
// the options dialog's snapshot needs.
struct TExpertConfig {
    TExpertConfig();

    std::int32_t LastOptionsTab = 0;
    std::string Directory;
    std::int32_t Language = 0;
    std::int32_t KeyComplete = 0;
    bool SeparatorComplete = false;
    bool SpaceComplete = false;
    bool SemicolonComplete = false;
    bool ShiftCtrlTwice = false;
    std::int32_t WhatShiftCtrl = 0;
    bool OtherShfCtlHidesList = false;
    bool UseCtlShf2ForceViewList = false;
    bool ForceCodeParam = false;
    bool AllowBackspace = false;
    bool EnterNoDivideLine = false;
    bool WordBeforeOnly = false;
    bool UseInsertKey = false;
    bool ShowListAutomatically = false;
    std::int32_t DelayTime = 0;
    bool SemiTransparent = false;
    std::int32_t AlphaBlendLevel = 0;
    bool UpDownSmart = false;
    bool UseHomeEnd = false;
    bool HideWhenNoSuggestions = false;
    bool HideAtTheBeginningOfLine = false;
    bool HideAfterSeparator = false;
    bool HideAfterSemicolon = false;
    bool HideAfterSpace = false;
    bool HideAfterReplace = false;
    bool HideAfterRestore = false;
    bool ShowTips = false;
    bool AnimatedTooltips = false;
    std::int32_t WhenMouseOver = 0;
    bool MouseClickNecessary = false;
    bool MouseLClickReplace = false;
    bool MouseRClickRemove = false;
    bool SelfTeaching = false;
    std::int32_t DictionaryLimit = 0;
    std::int32_t AutoSave = 0;
    bool AutoBookmarks = false;
    bool AutoMergeWhenChanged = false;
    bool MergeConfirmation = false;
    bool FixedDictionary = false;
    bool WordsFromCurrentUnit = false;
    bool WordsFromAllUnits = false;
    bool UseShortcuts = false;
    std::array<std::uint32_t, kShortcutCommandCount> Shortcuts{};  // by TShortcutCommand
    bool AutoCloseBrackets = false;
    bool SpacesBetweenAutoBrackets = false;
    bool AutoBracketsOnlyAtEndOfLine = false;
    bool AutoUnquote = false;
    std::int32_t WordsMaxInList = 0;
    std::int32_t ExceedWordsMax = 0;
    bool DoNotListWordItself = false;
    bool DoNotShowForShorterUsed = false;
    std::int32_t DoNotShorForShorter = 0;
    bool DoNotSuggestShorterUsed = false;
    std::int32_t DoNotSuggestShorter = 0;
    bool OnlyWordsMatching1st = false;
    bool DoNotSuggestSeparators = false;
    bool AutoSelectBestWord = false;
    // Learning after hide-after words, " S"/" I" only after a colon, whole
    // words from the context search, case kept apart, the list by use.
    bool SmartRanking = false;
    bool HideAfterWords = false;
    bool WordsCaseSensitive = false;
    StringList WordsList;  // hide-after words; "!" in front switches one off
    bool BeepOnError = false;
    bool AllowSounds = false;
    std::array<std::string, kSoundEventCount> Sounds;  // sound file per TSoundEvent
    bool UseMacroShortcuts = false;
    TMacroList MacroList;
    bool MoveLastMacroToTop = false;
    bool AdvancedSelectMacro = false;
    StringList ConditionList;  // text-at-cursor conditions, newest first
    bool UseSubstitutions = false;
    StringList SubstList;  // pattern, replacement, pattern, replacement...
    // The options search's "Search in hints"; lives as long as the IDE runs
    // and is never stored.
    bool SearchInHints = false;
};

}  // namespace skrivo
