// The option table: names, kinds, fields and defaults of every option, in stored order.
#include "config/OptionTable.h"
#include "platform/CodePage.h"

#include <array>

#include "platform/ShortCut.h"

namespace skrivo {

namespace {

using C = TExpertConfig;

constexpr OptionDef Def(std::string_view name, OptionKind kind) {
    OptionDef d;
    d.name = name;
    d.kind = kind;
    return d;
}

constexpr OptionDef Bool(std::string_view name, bool C::*field, bool on, unsigned flags = ofNone) {
    OptionDef d = Def(name, OptionKind::Boolean);
    d.boolField = field;
    d.defaultValue = on ? 1 : 0;
    d.flags = flags;
    return d;
}

constexpr OptionDef Int(std::string_view name, std::int32_t C::*field, std::int32_t value) {
    OptionDef d = Def(name, OptionKind::Integer);
    d.intField = field;
    d.defaultValue = value;
    return d;
}

constexpr OptionDef Key(std::string_view name, TShortcutCommand slot, std::uint16_t value) {
    OptionDef d = Def(name, OptionKind::Shortcut);
    d.slot = slot;
    d.defaultValue = value;
    return d;
}

constexpr OptionDef KeyText(std::string_view name, TShortcutCommand slot, std::string_view text) {
    OptionDef d = Def(name, OptionKind::Shortcut);
    d.slot = slot;
    d.defaultShortcutText = text;
    return d;
}

constexpr OptionDef Text(std::string_view name, std::string C::*field, unsigned flags) {
    OptionDef d = Def(name, OptionKind::String);
    d.textField = field;
    d.flags = flags;
    return d;
}

constexpr OptionDef Sound(TSoundEvent event) {
    OptionDef d = Def(kSoundValueNames[event], OptionKind::String);
    d.slot = event;
    d.flags = ofKeepOnReset | ofCutOnLoad;
    return d;
}

constexpr OptionDef List(std::string_view countName, OptionKind kind) {
    return Def(countName, kind);
}

constexpr OptionDef kFastReadText = [] {
    OptionDef d = Def("FastReadText", OptionKind::FastReadText);
    d.defaultValue = 1;
    return d;
}();

const auto kOptions = std::to_array<OptionDef>({
    kFastReadText,
    Int("LastOptionsTab", &C::LastOptionsTab, 0),
    Text("Directory", &C::Directory, ofCutOnLoad | ofDefaultAppPath),
    Int("KeyComplete", &C::KeyComplete, 0),
    Int("Language", &C::Language, 0),
    Bool("SeparatorComplete", &C::SeparatorComplete, false),
    Bool("SpaceComplete", &C::SpaceComplete, false),
    Bool("SemicolonComplete", &C::SemicolonComplete, false, ofKeepOnReset),
    Bool("ShiftCtrlTwice", &C::ShiftCtrlTwice, false),
    Int("WhatShiftCtrl", &C::WhatShiftCtrl, 2),
    Bool("OtherShfCtlHidesList", &C::OtherShfCtlHidesList, false),
    Bool("UseCtlShf2ForceViewList", &C::UseCtlShf2ForceViewList, true),
    Bool("ForceCodeParam", &C::ForceCodeParam, true),
    Bool("AllowBackspace", &C::AllowBackspace, true),
    Bool("EnterNoDivideLine", &C::EnterNoDivideLine, false),
    Bool("WordBeforeOnly", &C::WordBeforeOnly, true),
    Bool("UseInsertKey", &C::UseInsertKey, false),
    Bool("UpDownSmart", &C::UpDownSmart, true),
    Bool("UseHomeEnd", &C::UseHomeEnd, false),
    Bool("ShowListAutomatically", &C::ShowListAutomatically, true),
    Int("DelayTime", &C::DelayTime, 250),
    Bool("SemiTransparent", &C::SemiTransparent, true),
    Int("AlphaBlendLevel", &C::AlphaBlendLevel, 220),
    Bool("HideWhenNoSuggestions", &C::HideWhenNoSuggestions, true),
    Bool("HideAtTheBeginningOfLine", &C::HideAtTheBeginningOfLine, true),
    Bool("HideAfterSeparator", &C::HideAfterSeparator, true),
    Bool("HideAfterSemicolon", &C::HideAfterSemicolon, true),
    Bool("HideAfterSpace", &C::HideAfterSpace, true),
    Bool("HideAfterReplace", &C::HideAfterReplace, false),
    Bool("HideAfterRestore", &C::HideAfterRestore, false),
    Bool("ShowTips", &C::ShowTips, true),
    Bool("AnimatedTooltips", &C::AnimatedTooltips, true),
    Int("WhenMouseOver", &C::WhenMouseOver, 0),
    Bool("MouseClickNecessary", &C::MouseClickNecessary, false),
    Bool("MouseLClickReplace", &C::MouseLClickReplace, false),
    Bool("MouseRClickRemove", &C::MouseRClickRemove, false),
    Bool("SelfTeaching", &C::SelfTeaching, true),
    Int("DictionaryLimit", &C::DictionaryLimit, 10000),
    Int("AutoSave", &C::AutoSave, 1),
    Bool("AutoBookmarks", &C::AutoBookmarks, true),
    Bool("AutoMergeWhenChanged", &C::AutoMergeWhenChanged, true),
    Bool("MergeConfirmation", &C::MergeConfirmation, true),
    Bool("FixedDictionary", &C::FixedDictionary, true),
    Bool("WordsFromCurrentUnit", &C::WordsFromCurrentUnit, true),
    Bool("WordsFromAllUnits", &C::WordsFromAllUnits, false),
    Bool("UseShortcuts", &C::UseShortcuts, true),
    KeyText("ShortcutLevelUp", ShortcutLevelUp, "Ctrl+["),
    KeyText("ShortcutBeginEnd", ShortcutBeginEnd, "Ctrl+]"),
    Key("ShortcutJump", ShortcutJump, 0x604A),            // Shift+Ctrl+J
    Key("ShortcutHistory", ShortcutHistory, 0x6048),      // Shift+Ctrl+H
    Key("ShortcutLowerCase", ShortcutLowerCase, 0x404C),  // Ctrl+L
    Key("ShortcutUpperCase", ShortcutUpperCase, 0x4055),  // Ctrl+U
    Key("ShortcutEnglish", ShortcutEnglish, 0x4045),      // Ctrl+E
    Key("ShortcutRestore", ShortcutRestore, 0x2008),      // Shift+Backspace
    KeyText("ShortcutStartStopRecording", ShortcutStartStopRecording, "Shift+Ctrl+Num 5"),
    KeyText("ShortcutExecute", ShortcutExecute, "Num 5"),
    KeyText("ShortcutExecuteFromList", ShortcutExecuteFromList, "Ctrl+Num 5"),
    KeyText("ShortcutShowOptions", ShortcutShowOptions, "Shift+Ctrl+O"),
    Bool("AutoCloseBrackets", &C::AutoCloseBrackets, true),
    Bool("SpacesBetweenAutoBrackets", &C::SpacesBetweenAutoBrackets, true),
    Bool("AutoBracketsOnlyAtEndOfLine", &C::AutoBracketsOnlyAtEndOfLine, true),
    Bool("AutoUnquote", &C::AutoUnquote, true),
    Int("WordsMaxInList", &C::WordsMaxInList, 100),
    Int("ExceedWordsMax", &C::ExceedWordsMax, 0),
    Bool("DoNotListWordItself", &C::DoNotListWordItself, true),
    Bool("DoNotShowForShorterUsed", &C::DoNotShowForShorterUsed, false),
    Int("DoNotShorForShorter", &C::DoNotShorForShorter, 2),
    Bool("DoNotSuggestShorterUsed", &C::DoNotSuggestShorterUsed, false),
    Int("DoNotSuggestShorter", &C::DoNotSuggestShorter, 4),
    Bool("OnlyWordsMatching1st", &C::OnlyWordsMatching1st, true),
    Bool("DoNotSuggestSeparators", &C::DoNotSuggestSeparators, true),
    Bool("AutoSelectBestWord", &C::AutoSelectBestWord, true),
    Bool("HideAfterWords", &C::HideAfterWords, true),
    Bool("WordsCaseSensitive", &C::WordsCaseSensitive, false),
    List("WordsListCount", OptionKind::WordList),
    Bool("BeepOnError", &C::BeepOnError, true),
    Bool("AllowSounds", &C::AllowSounds, true),
    // The sounds have always been stored in this order, not in event order.
    Sound(seAppear),
    Sound(seReplaced),
    Sound(seRestored),
    Sound(seDisappear),
    Sound(seCharMatches),
    Sound(seArrowInList),
    Sound(seAnyChar),
    Sound(seCarriage),
    Sound(seEscape),
    Sound(seBackspace),
    Sound(seAnyOther),
    Sound(seHaveWords),
    Bool("MoveLastMacroToTop", &C::MoveLastMacroToTop, true),
    Bool("AdvancedSelectMacro", &C::AdvancedSelectMacro, false),
    List("ConditionsCount", OptionKind::ConditionList),
    Bool("UseMacroShortcuts", &C::UseMacroShortcuts, true),
    Bool("UseSubstitutions", &C::UseSubstitutions, true),
    List("SubstCount", OptionKind::SubstList),
    List("MacrosCount", OptionKind::MacroList),
    Bool("SmartRanking", &C::SmartRanking, false),
    Bool("SearchInHints", &C::SearchInHints, false, ofNotStored | ofKeepOnReset),
});

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && win::AsciiLower(a) == win::AsciiLower(b);
}

}  // namespace

std::uint32_t OptionDef::DefaultShortcut() const {
    if (!defaultShortcutText.empty()) return win::TextToShortCut(defaultShortcutText);
    return static_cast<std::uint32_t>(defaultValue) & 0xFFFF;
}

std::span<const OptionDef> OptionTable() { return kOptions; }

const OptionDef* FindOption(std::string_view name) {
    for (const OptionDef& d : kOptions)
        if (SameName(d.name, name)) return &d;
    return nullptr;
}

}  // namespace skrivo
