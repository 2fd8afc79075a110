// TSkrivoExpert: what the expert does when a module reports a change.
#include <cstdlib>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "expert/SkrivoExpert.h"
#include "platform/Clock.h"

namespace skrivo {

void TSkrivoExpert::Notify(TQvNotifier* notifier, host::TNotifyCode code) {
    switch (code) {
        case host::ncModuleRenamed:
            ResetTimer();
            FRenameTick = win::GetTickCount();
            break;
        case host::ncEditorModified:
            DoSubstitutions(notifier);
            FLastModified = notifier;
            FLastEditPos = notifier->GetEditPos();
            ResetTimer();
            break;
        case host::ncAfterSave: {
            // Tick values compare with the top bit cleared, as the save
            // records them.
            const long long now = win::GetTickCount() & 0x7FFFFFFFu;
            if (CfgAutoSave() == 1 && std::llabs(static_cast<long long>(FLastSaveTick) - now) > 1000)
                FSaveRequested = true;
            SaveBookmarks(notifier);
            break;
        }
        default:
            break;
    }
}

void TSkrivoExpert::NotifierCreated(TQvNotifier*) { ++FBookmarksPending; }

void TSkrivoExpert::DestroyingNotifier(TQvNotifier* notifier) {
    notifier->FWords.reset();
    // The timer and the replacement would otherwise reach a notifier that no
    // longer exists (a unit closed while its change waits for the delay).
    if (FLastModified == notifier) FLastModified = nullptr;
    if (Notifier2Replace == notifier) Notifier2Replace = nullptr;
    if (FReplaceNotifier == notifier) FReplaceNotifier = nullptr;
    TQvExpert::DestroyingNotifier(notifier);
}

}  // namespace skrivo
