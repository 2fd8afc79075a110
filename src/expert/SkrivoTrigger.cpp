// TSkrivoExpert: the completion trigger: whether the text before the cursor is learnt, suggested for, or hides the list.
#include <string>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/TokenContext.h"
#include "completion/TriggerDecision.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "platform/ScopedValue.h"
#include "suggest/SuggestWindow.h"

namespace skrivo {

namespace {

// The line before the cursor is read this far back; a word longer than that
// is not one anybody completes.
constexpr int kLineBeforeCursor = -100;

TriggerOptions TriggerOptionsOf(const TExpertConfig& cfg) {
    TriggerOptions options;
    options.hideAtTheBeginningOfLine = cfg.HideAtTheBeginningOfLine;
    options.hideAfterWords = cfg.HideAfterWords;
    options.hideWords = &cfg.WordsList;
    options.wordsCaseSensitive = cfg.WordsCaseSensitive;
    options.doNotShowForShorterUsed = cfg.DoNotShowForShorterUsed;
    options.doNotShowForShorter = cfg.DoNotShorForShorter;
    options.hideAfterSpace = cfg.HideAfterSpace;
    options.hideAfterSemicolon = cfg.HideAfterSemicolon;
    options.hideAfterSeparator = cfg.HideAfterSeparator;
    options.smart = cfg.SmartRanking;
    options.useSubstitutions = cfg.UseSubstitutions;
    return options;
}

}  // namespace

void TSkrivoExpert::ModuleModified(TQvNotifier* notifier) {
    if (FOwnEdit || !notifier) return;
    Rpt(notifier->UnitName(), " was modified...");
    if (FBusy) return;
    Notifier2Replace = notifier;
    FWorkFile = notifier->FFileName;
    if (IsRecording() || IsPlaying()) return;
    TQvNotifier* current = GetCurrentNotifier();
    if (!current) {
        Rpt("*** There are no CurrentNotifier ***");
        return;
    }
    if (current != notifier) {
        Rpt("*** Current notifier is not ", notifier->UnitName(), " - can not work ***");
        return;
    }
    // The cursor moved after the edit: what lies before it now was not typed
    // just now, so neither suggesting nor learning from it is wanted.
    if (notifier->GetEditPos() != FLastEditPos) {
        Rpt("POSITION CHANGED - NO SUGGESTIONS");
        return;
    }
    ScopedValue busy(FBusy, true);
    Rpt("Handling modification in module ", notifier->UnitName());
    try {
        Work(ReadText(kLineBeforeCursor), true);
    } catch (...) {
        Rpt("fin027");
        throw;
    }
}

// A visible list must always belong to the text before the cursor: left as
// it was computed until the next pause, an Enter typed within the delay would
// replace the finished word with one found for an earlier prefix. The list is
// brought up to date without learning anything; the timer still does that.
void TSkrivoExpert::RefreshVisibleList(TQvNotifier* notifier) {
    TfmSuggest* list = FSggList.get();
    if (!list || !list->isVisible() || FBusy) return;
    const bool ownEdit = FOwnEdit || FInserting || FInSubstitution;
    if (ownEdit || !notifier || IsRecording() || IsPlaying() || GetCurrentNotifier() != notifier) {
        HideSuggestion(false);
        return;
    }
    ScopedValue busy(FBusy, true);
    const TriggerDecision d = DecideTrigger(ReadText(kLineBeforeCursor), true, TriggerOptionsOf(*GetCfg()));
    switch (d.action) {
        case TriggerAction::HideUntilNext:
            HideSuggestion(true);
            return;
        case TriggerAction::Hide:
            HideSuggestion(false);
            return;
        case TriggerAction::Suggest:
            break;
    }
    FListState->FListFilled = false;
    Suggest(d.request);
    // Nothing found keeps a visible list's old content (HideWhenNoSuggestions
    // off); here that content is for another text.
    if (!FListState->FListFilled && list->isVisible()) HideSuggestion(false);
}

void TSkrivoExpert::Work(std::string S, bool DoSuggest) {
    const TriggerDecision d = DecideTrigger(std::move(S), DoSuggest, TriggerOptionsOf(*GetCfg()));
    Rpt("Working with <", d.line, ">");
    switch (d.reason) {
        case TriggerReason::HideAfterWord:
            Rpt("Word <", d.detail, "> is in blacklist - no suggestions.");
            break;
        case TriggerReason::TooShort:
            Rpt("Word <", d.detail, "> is too short - stop suggestions.");
            break;
        default:
            break;
    }
    if (d.reason == TriggerReason::Suggest || d.reason == TriggerReason::LastCharacter)
        Rpt("Last 2 words without spaces: <", d.lastTwoWords, "> (S = <", d.line, ">");
    CollectAll(d.collect);
    // Only the key that finishes a word teaches its context: a pause after
    // the separator collects the same words again.
    if (!DoSuggest && !d.collect.empty()) LearnFinishedWord(TrailingWordOf(d.line));
    if (d.action == TriggerAction::HideUntilNext) {
        Rpt("BECAUSE LAST=", d.detail, ", Suggest hidden!");
        HideSuggestion(true);
        return;
    }
    if (d.action == TriggerAction::Hide) {
        if (d.clearsNotSuggestUntilNext) FNotSuggestUntilNext = false;
        HideSuggestion(false);
        return;
    }
    if (FNotSuggestUntilNext) Rpt("Was: flag set FNotSuggestUntilNext");
    FNotSuggestUntilNext = false;
    Rpt("BECAUSE LAST=", d.detail, ", Flag Reset!");
    Rpt("Will be suggest for: <", d.request, ">");
    if (DoSuggest) Suggest(d.request);
}

}  // namespace skrivo
