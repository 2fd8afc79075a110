// TSkrivoExpert: what the expert does when a module reports a change.
#include <cstdlib>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/AutoSaveRules.h"
#include "completion/SelfTeachingDictionary.h"
#include "config/ExpertConfig.h"
#include "expert/IdleTimerState.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "platform/Clock.h"

namespace skrivo {

void TSkrivoExpert::Notify(TQvNotifier* notifier, host::TNotifyCode code) {
    switch (code) {
        case host::ncModuleRenamed:
            ResetTimer();
            FTimerState->FRenameTick = win::GetTickCount();
            break;
        case host::ncEditorModified:
            DoSubstitutions(notifier);
            FLastModified = notifier;
            FLastEditPos = notifier->GetEditPos();
            ResetTimer();
            RefreshVisibleList(notifier);
            break;
        case host::ncAfterSave: {
            if (SaveRequestedByFileSave(GetCfg()->AutoSave, FDict->LastSaveTick(), win::GetTickCount()))
                FTimerState->FSaveRequested = true;
            SaveBookmarks(notifier);
            break;
        }
        default:
            break;
    }
}

void TSkrivoExpert::NotifierCreated(TQvNotifier*) { ++FTimerState->FBookmarksPending; }

void TSkrivoExpert::DestroyingNotifier(TQvNotifier* notifier) {
    // The folded copy is keyed by the list's address, which a later list may reuse.
    if (notifier->FWords) {
        FListState->FUnitWordsFolded.erase(notifier->FWords.get());
        FListState->FUnitWordsIndex.Invalidate();
    }
    notifier->FWords.reset();
    // The timer and the replacement would otherwise reach a notifier that no
    // longer exists (a unit closed while its change waits for the delay).
    if (FLastModified == notifier) FLastModified = nullptr;
    if (Notifier2Replace == notifier) Notifier2Replace = nullptr;
    if (FReplacement->FReplaceNotifier == notifier) FReplacement->FReplaceNotifier = nullptr;
    TQvExpert::DestroyingNotifier(notifier);
}

}  // namespace skrivo
