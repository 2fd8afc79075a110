// TSkrivoExpert: bookmark persistence: each unit's bookmarks saved with it and set again once it has been in front a while.
#include "bookmarks/BookmarkPersistence.h"
#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "config/ExpertConfig.h"
#include "expert/IdleTimerState.h"
#include "expert/SkrivoExpert.h"
#include "platform/FileIO.h"

namespace skrivo {

namespace {
// FBookmarkTick once the unit's bookmarks are loaded (or there were none).
constexpr std::int32_t kBookmarksLoaded = 1;
}  // namespace

void TSkrivoExpert::CreateBookmarks() { FBookmarks = std::make_unique<TBookmarkPersistence>(); }

// A bookmark file that cannot be written must not turn the user's save into
// a failure: the unit is saved, only its bookmarks are not.
void TSkrivoExpert::SaveBookmarks(TQvNotifier* notifier) {
    if (!notifier || !FBookmarks || !GetCfg()->AutoBookmarks) return;
    try {
        FBookmarks->SaveBookmarks(notifier->FFileName);
    } catch (const FileError& e) {
        Rpt("Bookmarks not saved: ", e.what());
    }
}

void TSkrivoExpert::LoadBookmarks(TQvNotifier* notifier) {
    if (!notifier || !FBookmarks || !GetCfg()->AutoBookmarks) return;
    if (FBookmarks->LoadBookmarks(notifier->FFileName) == BookmarkLoad::Retry) return;
    notifier->FBookmarkTick = kBookmarksLoaded;
    if (FTimerState->FBookmarksPending > 0) --FTimerState->FBookmarksPending;
}

}  // namespace skrivo
