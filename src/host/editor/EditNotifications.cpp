// Holds back the editors' modification notices until the editing call that caused them returns.
#include "host/editor/EditNotifications.h"

#include <algorithm>

#include "host/editor/Module.h"

namespace skrivo::host {

void EditNotifications::Leave() {
    if (--depth_ == 0) Flush();
}

void EditNotifications::MarkModified(Module& module) {
    if (std::find(pending_.begin(), pending_.end(), &module) == pending_.end()) pending_.push_back(&module);
    if (depth_ == 0 && !deferredPending_ && requestDeferred_) {
        deferredPending_ = true;
        requestDeferred_();
    }
}

void EditNotifications::Forget(Module& module) {
    pending_.erase(std::remove(pending_.begin(), pending_.end(), &module), pending_.end());
}

void EditNotifications::Flush() {
    deferredPending_ = false;
    while (!pending_.empty()) {
        const std::vector<Module*> batch = std::move(pending_);
        pending_.clear();
        for (Module* module : batch)
            if (!module->Closed()) module->NotifyAll(ncEditorModified);
    }
}

}  // namespace skrivo::host
