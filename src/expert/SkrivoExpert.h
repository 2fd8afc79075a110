// TSkrivoExpert: the one expert object: lifecycle, message hook, idle timer and module notifications.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/QvExpert.h"
#include "config/SoundEvents.h"
#include "host/api/Application.h"
#include "host/api/EditorTypes.h"
#include "platform/WinTypes.h"
#include "subst/AutoBrackets.h"

namespace skrivo {

class TQvNotifier;
class StringList;
class FoldedWordList;
enum class TConvertMode;
struct TExpertConfig;
class ConfigStore;
class SelfTeachingDictionary;
enum class SaveOccasion;
enum class SuggestDecision;
class FixedDictionary;
class WordFrecency;
class PassedOverWords;
struct SmartRequest;
struct SuggestionListContent;
class TfmSuggest;
class TLayoutConverter;
class TKeyboardMacros;
class TMacro;
class TSoundPlayer;
class TBookmarkPersistence;
class TPressedKeyHistory;
class TTipsWizard;
class TfmOptions;
class ITipsHost;
struct TIdleTimerState;
struct TKeyDispatchState;
struct TReplacementRecord;
struct TStoreFailures;
struct TSuggestListState;
namespace subst {
class SubstitutionEngine;
}

// Methods are grouped by capability; each group lives in the .cpp files named
// beside it, so the class reads as a map of the expert.
class TSkrivoExpert : public TQvExpert {
public:
    ~TSkrivoExpert() override;

    // Identity (SkrivoLifecycle.cpp).
    std::string GetIDString() override;
    std::string GetName() override;
    std::string PackageName() override;

    // Lifecycle (SkrivoLifecycle.cpp).
    void Init() override;
    void MenuClick(host::IMenuItem* item);

    // Module notifications (SkrivoNotify.cpp).
    void Notify(TQvNotifier* notifier, host::TNotifyCode code) override;
    void NotifierCreated(TQvNotifier* notifier) override;
    void DestroyingNotifier(TQvNotifier* notifier) override;

    // The IDE's windows (SkrivoWindows.cpp).
    std::string EditingFile();
    bool IsEditorForeground();
    bool KibitzWindowVisible();

    // Configuration (SkrivoConfig.cpp).
    TExpertConfig* GetCfg();
    const TExpertConfig* GetCfg() const;
    ConfigStore& Config() { return *FConfig; }
    void LoadSaveConfig(bool save, const std::string& fileName);
    void SaveCfg();
    void ClearMacroList();
    // The last configuration error the IDE reported to the user (empty: none).
    const std::string& LastConfigError() const;

    // Block navigation commands (SkrivoNavigation.cpp).
    bool DoBeginEnd();
    bool DoLevelUp();
    bool DoJump();
    bool DoHistory();

    // Keyboard layout and case conversion (SkrivoConvert.cpp): the word at
    // the cursor or the selected block; true when the text was rewritten.
    bool DoEnglish();
    bool DoUpper();
    bool DoLower();
    bool DoTranslateWordSelection(TConvertMode mode);
    const TLayoutConverter& Conversion() const { return *FConversion; }

    // Commands of other capabilities (each in its capability's file); the
    // table of all commands is SkrivoCommands.h.
    bool DoShowTip();

    // The options dialog (SkrivoOptions.cpp).
    bool DoShowOptions();
    void PrepareOptionsForm();
    void ResetOptionsToDefaults();
    TfmOptions* OptionsFormIfShown() { return FOptionsForm; }

    // Keyboard macros (SkrivoMacros.cpp).
    bool DoStartStopRecording();
    bool DoStartStopDflt();
    bool DoExecuteMacro();
    bool DoExecuteMacroN(int index, int recordingIndex);
    bool DoExecuteDflt();
    bool DoExecuteList();
    bool DoSearchRecord();
    bool ExecuteMacro(TMacro& macro);
    void CloseRecordedPortion();
    TKeyboardMacros& Macros() { return *FMacros; }

    // The error beep of failed commands and macros, when BeepOnError is on.
    void ErrorBeep();

    // Dictionaries (SkrivoDictionary.cpp).
    void Collect(const std::string& word);
    // Learns the words in order, unless that would only put them back where
    // they stand.
    void CollectAll(const std::vector<std::string>& words);
    void LoadfixedDic();
    void SaveDictionary();
    void CheckDicChanged();
    void MergeDictionary();
    StringList& NotifierDictionary(TQvNotifier* notifier);
    SelfTeachingDictionary& Dict() { return *FDict; }
    FixedDictionary& FixedDict() { return *FFixedDict; }

    // Suggestion ranking (SkrivoSuggest.cpp).
    void Suggest(std::string S);
    // Smart ranking's view of the cursor (SkrivoSmartRanking.cpp): the
    // tokens before the word at the cursor and the words passed over while
    // typing it, noting the list shown for it, and learning the word the
    // cursor stands in (or after) as it is finished.
    SmartRequest SmartRequestAtCursor();
    void NoteOffered(const std::string& selectedWord);  // empty: nothing selected
    void LearnFinishedWord(std::string_view word);

    // The suggestion list window (SkrivoSuggestList.cpp).
    TfmSuggest* GetSggList();
    TfmSuggest* SggListIfCreated() { return FSggList.get(); }
    void ShowSggList();
    void HideSuggestion(bool notSuggestUntilNext);
    void ForceShowWordsList();
    void MouseMoveOverSggList();
    void SetListAlpha(TfmSuggest* window, int level);
    void LClick_Replace();
    void LDblClk_Replace();

    // Sound requests (SkrivoSound.cpp): Play posts the event to the list
    // window; DoPlaySnd plays it when the message arrives.
    void Play(TSoundEvent event);
    void DoPlaySnd(TSoundEvent event);
    void ReLoadSounds();              // the sounds of the configured events
    TSoundPlayer& Sounds() { return *FSounds; }
    // Every event Play accepted since the last TakeSoundRequests (the
    // headless runner's "expect sound").
    std::vector<int> TakeSoundRequests();

    // Completion trigger (SkrivoTrigger.cpp).
    void ModuleModified(TQvNotifier* notifier);
    void Work(std::string S, bool DoSuggest);
    void RefreshVisibleList(TQvNotifier* notifier);

    // Replacement, restore, undo and redo (SkrivoReplace.cpp).
    TQvNotifier* ReplaceWord(int count, const std::string& text);
    bool DoRestore();
    // The armed replacement could still be restored where it was made: the
    // cursor stands at its end in its unit.
    bool ReplacementRestorable();
    void BackSpaceDelete(int n);
    void DeleteChars(int n);
    void InsertText(const std::string& text);
    bool DoUndo();
    bool DoRedo();

    // Substitutions (SkrivoSubstitutions.cpp): the text typed is rewritten
    // by the first pattern of the list that fits; CheckAtCursor tests one
    // pattern line at the cursor of the current module (macro conditions).
    bool DoSubstitutions(TQvNotifier* notifier);
    bool CheckAtCursor(const std::string& pattern);

    // Single-key typing aids (SkrivoBrackets.cpp).
    void ForceCodeParam();            // the IDE's parameter hint on demand
    void DoEOL();                     // Enter that does not divide the line

    // The application's message hook (SkrivoMessages*.cpp).
    void AnyMessage(win::TMsg& msg, bool& handled);

    // The pressed-key history and the tips (SkrivoTips.cpp).
    void StorePressedKey(win::WORD key, win::TShiftState shift);
    std::uint16_t GetPressedKeys(int index) const;
    const TPressedKeyHistory& PressedKeys() const { return *FPressedKeys; }
    // Escape: a visible tip window goes away at once.
    void TipAway();
    TTipsWizard* TipsWizard() { return FTipsWizard.get(); }

    // Bookmark persistence (SkrivoBookmarks.cpp).
    void SaveBookmarks(TQvNotifier* notifier);
    void LoadBookmarks(TQvNotifier* notifier);

    // The idle timer (SkrivoTimer.cpp).
    void ResetTimer();
    void TimerTick();
    // Once, when the IDE is first idle after start (SkrivoLifecycle.cpp).
    void PrepareAfterStart();

protected:
    friend class TQvExpert;  // Create builds the expert
    TSkrivoExpert();

    // Host hooks and timer
    host::TMessageEvent FOldOnMessage;
    bool FOnMessageSaved = false;
    std::unique_ptr<host::ITimer> FTimer;
    std::unique_ptr<host::ITimer> FPrepareTimer;
    std::unique_ptr<TIdleTimerState> FTimerState;
    bool FBusy = false;

    // Tracking of edits; none of these notifiers is owned
    TQvNotifier* FLastModified = nullptr;
    host::TEditPos FLastEditPos;
    TQvNotifier* Notifier2Replace = nullptr;
    std::string FWorkFile;
    bool FOwnEdit = false;
    bool FInserting = false;
    bool FInSubstitution = false;

    // State of the steps, each group in its own object
    std::unique_ptr<TKeyDispatchState> FKeys;
    std::unique_ptr<TReplacementRecord> FReplacement;
    std::unique_ptr<TSuggestListState> FListState;
    std::unique_ptr<TStoreFailures> FStoreFailures;
    bool FNotSuggestUntilNext = false;  // set by HideSuggestion, cleared by Work

    // Subsystems
    std::unique_ptr<ConfigStore> FConfig;
    std::unique_ptr<SelfTeachingDictionary> FDict;
    std::unique_ptr<FixedDictionary> FFixedDict;
    std::unique_ptr<WordFrecency> FFrecency;  // used with SmartRanking
    std::unique_ptr<PassedOverWords> FPassedOver;
    std::unique_ptr<TfmSuggest> FSggList;
    std::unique_ptr<subst::SubstitutionEngine> FSubst;
    std::unique_ptr<TKeyboardMacros> FMacros;
    TfmOptions* FOptionsForm = nullptr;  // the dialog while DoShowOptions runs
    std::unique_ptr<TLayoutConverter> FConversion;  // with the layouts the user has typed with
    std::unique_ptr<TSoundPlayer> FSounds;
    std::unique_ptr<TBookmarkPersistence> FBookmarks;
    std::unique_ptr<TPressedKeyHistory> FPressedKeys;
    subst::AutoClosers FAutoClosers;  // closing brackets put in on the line being typed
    std::unique_ptr<ITipsHost> FTipsHost;
    std::unique_ptr<TTipsWizard> FTipsWizard;

    // The IDE's windows as last looked at
    bool FKibitzFound = false;
    std::unique_ptr<StringList> FWindowTitles;

private:
    // The reload value of FDelayCount for the configured delay.
    std::int32_t DelayTicks() const;

    // Configuration steps (SkrivoConfig.cpp).
    void CreateConfig();
    void ResetDefaultConfig();        // defaults, the stored configuration, default substitutions, sounds
    void ReportConfigError(const std::string& message);
    void RetryConfigStore();          // a load or save the registry's lock held up
    void SaveCfgAtClose();
    void TellConfig(const std::string& message);

    // Macro steps (SkrivoMacros.cpp).
    void CreateMacros();

    // Dictionary steps (SkrivoDictionary.cpp).
    void CreateDictionaries();
    void LoadDictionaries();          // Directory, fixed.dic and Skrivo.dic
    void SaveDictionaryOn(SaveOccasion occasion);
    void SaveDictionaryAtClose();     // reports a failure in a message box
    void TellDictionaryNotSaved(const std::string& reason, const std::string& consequence);
    void FreeDictionaries();

    // Subsystems made in Init and freed by the destructor.
    void CreateTipsWizard();          // the pressed-key history and the tips wizard (SkrivoTips.cpp)
    void FreeTipsWizard();
    void CreateSounds();              // SkrivoSound.cpp
    void CreateBookmarks();           // SkrivoBookmarks.cpp
    void StopAndFreeSounds();         // the 12 sound buffers (SkrivoSound.cpp)
    void FreeSuggestionList();        // TfmSuggest (SkrivoLifecycle.cpp)
    void FreeOwnedLists();            // the tips wizard, the sound player, the bookmarks
    bool MacroExecuting();            // a multi-part macro is being played (SkrivoMacros.cpp)

    // Every key message the dispatch handles records the layout in use (SkrivoConvert.cpp).
    void CollectLocales();

    // --- Message dispatch steps (SkrivoMessages*.cpp, SkrivoReplace.cpp) ---

    // What one key message carries through the dispatch steps.
    struct TKeyCall {
        win::TMsg& msg;
        bool& handled;
        win::TShiftState shift = 0;
        bool soloDesignated = false;  // the configured Shift/Ctrl side went down alone
        bool soloOther = false;       // the other side went down alone
        int charCount = 0;            // ToAscii's result; 0 when not computed
        char ch = 0;
        std::string fillBlanks;
        bool stepOver = false;  // ch is the closing bracket the expert put in right after the cursor
    };

    // SkrivoMessages.cpp: the order of the steps.
    bool SuggestionListVisible();
    bool HostEditWindowActive();
    win::TShiftState KeyShiftState();
    bool KeyMessagePrologue(TKeyCall& call);  // false: the message is done with
    void CollectWordAtCursor();

    // SkrivoShortcuts.cpp: the command and macro shortcuts.
    bool RecordingFilter(TKeyCall& call);     // while recording; true lets the key be handled
    bool ShortcutStage(TKeyCall& call);       // true when a command or macro shortcut matched
    bool IsShowOptionsKey(const TKeyCall& call);
    bool ShortcutCaptureOpen();               // a dialog that captures shortcuts is open

    // SkrivoMessagesKeyDown.cpp: the key table and Accept.
    void KeyDownMessage(TKeyCall& call);
    void DispatchKeyDown(TKeyCall& call);
    void BackspaceKey(TKeyCall& call);
    void ReturnKey(TKeyCall& call);
    void EscapeKey(TKeyCall& call);
    void SideKey(TKeyCall& call);             // Page Up/Down, Left, Right
    bool JumpToPlaceholder(bool forward);
    void Accept(bool& handled);

    // SkrivoMessagesList.cpp: End, Home, Up and Down while the list is up.
    void ListNavigation(TKeyCall& call);

    // SkrivoMessagesModifiers.cpp: Shift and Ctrl alone, down and up.
    void DetectSoloModifier(TKeyCall& call);
    void KeyUpMessage(TKeyCall& call);

    // SkrivoMessagesChars.cpp: keys that type characters.
    void CharacterKey(TKeyCall& call);
    void CompleteByCharacter(TKeyCall& call);

    // SkrivoBrackets.cpp: brackets, quotes and mirrored blanks for a typed character.
    std::string MirroredBlanks(char ch);
    void InsertFillBlanks(TQvNotifier* notifier, const std::string& blanks);
    bool AutoCloseBracket(char ch, const std::string& fillBlanks);  // true: the key is consumed
    bool AutoCloseQuote(char ch, const std::string& fillBlanks);
    // The current line after the cursor.
    std::string RestOfLine();
    // The text after the cursor up to the first of the stop characters, read
    // at most count characters far.
    std::string ReadAheadUntil(int count, std::string_view stops);
    bool StepsOverAutoCloser(TQvNotifier* notifier, char ch);
    void RecordOwnInsertion(TQvNotifier* notifier, const std::string& inserted);

    // SkrivoMessagesMouse.cpp
    void MouseMessage(win::TMsg& msg);

    // --- Completion cycle steps (SkrivoTrigger.cpp, SkrivoSuggest*.cpp, SkrivoTimer.cpp, SkrivoSound.cpp) ---
    // The timer's steps after its gates, in the order they run.
    void GuardCantSaveBox();
    void AutoLoadBookmarks();
    void HandOverModification();
    void UpdateListVisibility();
    void FollowMouseOverList();
    void WatchDictionaryFile();
    void AutoSaveDictionary();
    // Height of a text line in the editor that had the last key, in pixels.
    int MeasureLineHeight() const;
    // The lower-cased copy of a unit's word list, built on first use and
    // dropped with the list (a unit's words never change while it is open).
    const FoldedWordList* UnitWordsFolded(const StringList& words);
    // What a search that found too many words or none does to the list.
    void ShowNothingFound(SuggestDecision decision);
};

}  // namespace skrivo
