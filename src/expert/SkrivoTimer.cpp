// TSkrivoExpert: the 250 ms idle timer: the delay, the hand-over to the trigger, the list's visibility, saves and checks.
#include <cstdlib>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/AutoSaveRules.h"
#include "completion/SelfTeachingDictionary.h"
#include "suggest/SuggestWindow.h"
#include "completion/TextFold.h"
#include "config/ExpertConfig.h"
#include "config/OptionChoices.h"
#include "config/SoundEvents.h"
#include "expert/IdleTimerState.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "expert/StoreFailures.h"
#include "platform/Registry.h"
#include "host/api/Host.h"
#include "platform/Clock.h"

namespace skrivo {

namespace {
// The delay counts whole timer ticks; a hand-edited value below one tick
// still waits one tick rather than running the count negative.
constexpr int kTimerIntervalMs = 250;
// A tick this soon after a key or a modification would act on a state the
// user is still changing.
constexpr long long kQuietAfterResetMs = 150;
// Renaming a unit (Save As) rewrites its text; those changes are not typing.
constexpr long long kRenamePauseMs = 5000;
// A unit must stay in front this long before its bookmarks are loaded, so
// paging through units does not load every one of them.
constexpr long long kBookmarkSettleMs = 3000;
// The dictionary file is examined every third tick (750 ms): often enough to
// notice another instance's save, seldom enough not to stat on every tick.
constexpr int kDicCheckTicks = 3;
// A dictionary save that failed is tried again after this long, not on every tick.
constexpr long long kSaveRetryMs = 30000;
// A pending configuration load or save (the registry was locked) is retried
// this often, each time waiting only briefly for the lock, so typing never
// stalls for it; a save still failing after the last span is reported once.
constexpr long long kConfigRetryMs = 2000;
constexpr int kConfigRetryLockWaitMs = 50;
constexpr long long kConfigSaveReportAfterMs = 10000;
// Window titles are read with a buffer of this size.
constexpr int kTitleBuffer = 260;
// FBookmarkTick's states besides a tick count.
constexpr std::int32_t kBookmarksNotSeen = 0;
constexpr std::int32_t kBookmarksLoaded = 1;

long long TicksApart(std::uint32_t a, std::uint32_t b) {
    return std::llabs(static_cast<long long>(a) - static_cast<long long>(b));
}

bool SameFileName(const std::string& a, const std::string& b) {
    const CaseFold& fold = CaseFold::ForActiveCodePage();
    return fold.Lower(a) == fold.Lower(b);
}
}  // namespace

std::int32_t TSkrivoExpert::DelayTicks() const {
    const int delay = GetCfg()->DelayTime;
    return delay < kTimerIntervalMs ? 0 : delay / kTimerIntervalMs - 1;
}

void TSkrivoExpert::ResetTimer() {
    if (FTimer) FTimer->SetEnabled(false);
    FTimerState->FDelayCount = DelayTicks();
    if (FTimer) FTimer->SetEnabled(true);
    FTimerState->FResetTick = win::GetTickCount();
}

void TSkrivoExpert::TimerTick() {
    if (TicksApart(win::GetTickCount(), FTimerState->FResetTick) < kQuietAfterResetMs || !FReady) return;
    host::IHost* host = host::Host();
    if (!host || host->Application().Terminated()) return;
    RetryConfigStore();
    if (!AddIn()) return;
    TNotifierList* notifiers = GetNotifiers();
    if (!notifiers || notifiers->empty()) return;

    GuardCantSaveBox();
    AutoLoadBookmarks();
    HandOverModification();
    UpdateListVisibility();
    FollowMouseOverList();
    // A failing check or save must not stop the timer or reach the IDE: the
    // user keeps typing, the next tick tries again.
    try {
        WatchDictionaryFile();
    } catch (const std::exception& e) {
        Rpt("Dictionary check failed: ", std::string(e.what()));
    }
    try {
        AutoSaveDictionary();
    } catch (const std::exception& e) {
        Rpt("Dictionary save failed: ", std::string(e.what()));
    }
}

// The IDE's "Can't save." box stops an automatic save from going on; it is
// dismissed once per box, as the user would.
void TSkrivoExpert::GuardCantSaveBox() {
    host::IHost& host = *host::Host();
    const win::HWND foreground = host.Windows().GetForegroundWindow();
    if (!foreground || foreground == FTimerState->FErrorWindow) return;
    if (host.Windows().GetWindowText(foreground, kTitleBuffer) != "Error") return;
    FTimerState->FErrorWindow = foreground;
    Rpt("ERROR WINDOW DETECTED +++++++++++++++++++");
    host::IForm* form = host.Screen().FindForm(foreground);
    if (!form || form->ClassName() != "TMessageForm") return;
    if constexpr (kKeepDiagnostics) {
        Rpt("COMPONENTS ON FORM ", form->Name());
        for (int i = 0; i < form->ComponentCount(); ++i)
            if (host::IControl* c = form->Component(i)) Rpt(c->Name(), ": ", c->ClassName());
    }
    host::IControl* message = form->FindComponent("Message");
    if (!message || message->ClassName() != "TLabel" || message->Caption() != "Can't save.") return;
    Rpt("ERROR CAN'T SAVE DETECTED");
    if (GetCfg()->BeepOnError) host.Windows().MessageBeep();
    host::IControl* ok = form->FindComponent("OK");
    if (ok && ok->ClassName() == "TButton") {
        ok->Click();
        Rpt("ERROR CAN'T SAVE - BUTTON OK CLICKED");
    }
}

void TSkrivoExpert::AutoLoadBookmarks() {
    if (!GetCfg()->AutoBookmarks || FTimerState->FBookmarksPending <= 0) return;
    host::IHost& host = *host::Host();
    const win::HWND foreground = host.Windows().GetForegroundWindow();
    if (host.Windows().GetClassName(foreground, kTitleBuffer) != "TEditWindow") return;
    TQvNotifier* current = GetCurrentNotifier();
    if (!current) return;
    const std::uint32_t now = win::GetTickCount();
    if (current->FBookmarkTick == kBookmarksNotSeen) {
        current->FBookmarkTick = static_cast<std::int32_t>(now);
    } else if (current->FBookmarkTick != kBookmarksLoaded &&
               TicksApart(now, static_cast<std::uint32_t>(current->FBookmarkTick)) > kBookmarkSettleMs) {
        Rpt("^^^ load bookmarks for ", current->UnitName());
        LoadBookmarks(current);
    }
}

void TSkrivoExpert::HandOverModification() {
    if (!FLastModified || FBusy) return;
    --FTimerState->FDelayCount;
    // FTimerState->FRenameTick 0 is "never renamed": a clock that starts near 0 (the
    // host's, right after start) would otherwise hold every change back.
    if (FTimerState->FRenameTick != 0 && TicksApart(win::GetTickCount(), FTimerState->FRenameTick) <= kRenamePauseMs) {
        Rpt("---!!---!!---");
    } else if (FTimerState->FDelayCount < 0) {
        FTimerState->FDelayCount = DelayTicks();
        TQvNotifier* notifier = FLastModified;
        FLastModified = nullptr;
        ModuleModified(notifier);
    } else {
        Rpt("---!!---");
    }
}

void TSkrivoExpert::UpdateListVisibility() {
    host::IHost& host = *host::Host();
    TfmSuggest* list = FSggList.get();
    const bool sameFile = SameFileName(FWorkFile, EditingFile());
    win::TPoint origin{0, 0};
    host.Windows().ClientToScreen(FListState->FSuggestFocus, origin);
    const bool sameFocus = host.Windows().GetFocus() == FListState->FSuggestFocus && origin == FListState->FSuggestOrigin;
    if (list && list->isVisible()) {
        if (!sameFocus || !sameFile) HideSuggestion(false);
        if (list->isVisible() && KibitzWindowVisible()) {
            Play(seDisappear);
            HideSuggestion(false);
        }
        return;
    }
    if (KibitzWindowVisible()) return;
    if (FListState->FShowPending || FListState->FShowPendingMouse) {
        FListState->FShowPending = false;
        ShowSggList();
        return;
    }
    // While the user goes on typing the same word, the words already found
    // come back at once instead of after the next delay.
    if (!sameFocus || !sameFile || !FListState->FHaveSuggestions) return;
    TQvNotifier* current = GetCurrentNotifier();
    if (current && current == FLastModified && current->GetEditPos() == FLastEditPos) ShowSggList();
}

void TSkrivoExpert::FollowMouseOverList() {
    TfmSuggest* list = FSggList.get();
    if (!list || !list->isVisible()) return;
    win::TPoint cursor;
    const bool inside = host::Host()->Windows().GetCursorPos(cursor) && list->ContainsScreenPoint(cursor);
    if (inside || GetCfg()->WhenMouseOver == wmoTransparent) MouseMoveOverSggList();
}

void TSkrivoExpert::RetryConfigStore() {
    if (!FStoreFailures->FConfigSavePending && !FStoreFailures->FConfigLoadPending) return;
    const std::uint32_t now = win::GetTickCount();
    if (TicksApart(now, FStoreFailures->FConfigRetryTick) < kConfigRetryMs) return;
    FStoreFailures->FConfigRetryTick = now;
    RegistryLockWaitScope shortWait(kConfigRetryLockWaitMs);
    if (FStoreFailures->FConfigSavePending) {
        SaveCfg();
        if (FStoreFailures->FConfigSavePending && !FStoreFailures->FConfigSaveReported &&
            TicksApart(now, FStoreFailures->FConfigSaveFailedTick) >= kConfigSaveReportAfterMs) {
            FStoreFailures->FConfigSaveReported = true;
            TellConfig("Skrivo could not save its settings: " + FStoreFailures->FConfigLockError +
                       ".\n\nIt keeps trying while the IDE runs.");
        }
        return;
    }
    FStoreFailures->FConfigLoadPending = false;
    ResetDefaultConfig();
    if (!FStoreFailures->FConfigLoadPending) Rpt("Stored configuration loaded after the lock was released");
}

void TSkrivoExpert::WatchDictionaryFile() {
    if (!GetCfg()->AutoMergeWhenChanged) return;
    if (++FTimerState->FDicCheckCount < kDicCheckTicks) return;
    FTimerState->FDicCheckCount = 0;
    CheckDicChanged();
}

void TSkrivoExpert::AutoSaveDictionary() {
    // A save that failed (a read-only file) is not retried on every tick.
    if (!FStoreFailures->FDictSaveError.empty() && TicksApart(win::GetTickCount(), FStoreFailures->FDictSaveFailedTick) < kSaveRetryMs) return;
    if (PeriodicSaveDue(GetCfg()->AutoSave, FDict->LastSaveTick(), win::GetTickCount())) {
        SaveDictionary();
    } else if (FTimerState->FSaveRequested) {
        FTimerState->FSaveRequested = false;
        SaveDictionary();
    }
}

}  // namespace skrivo
