// Holds back the editors' modification notices until the editing call that caused them returns.
#pragma once

#include <functional>
#include <vector>

namespace skrivo::host {

class Module;

// Scintilla reports a change from inside its own change callback, where the
// buffer is half-updated and re-entering it is unsafe. The change is only
// marked here; the module's notifiers hear of it when the outermost editing
// call (a typed key, a writer, an edit-position call) leaves its EditScope.
// A change made outside any scope (a drag and drop inside the editor) is
// announced from the event loop right after.
class EditNotifications {
public:
    EditNotifications() = default;
    EditNotifications(const EditNotifications&) = delete;
    EditNotifications& operator=(const EditNotifications&) = delete;

    void Enter() { ++depth_; }
    void Leave();
    bool InScope() const { return depth_ > 0; }

    void MarkModified(Module& module);
    // A module that goes away is never announced again.
    void Forget(Module& module);
    // Announces every marked module now (also used by the deferred flush).
    void Flush();

    // Called when a change arrives outside any scope; the host schedules a
    // Flush on its event loop.
    void SetDeferredFlushRequest(std::function<void()> request) { requestDeferred_ = std::move(request); }

private:
    int depth_ = 0;
    bool deferredPending_ = false;
    std::vector<Module*> pending_;
    std::function<void()> requestDeferred_;
};

// One editing call: notifications are announced when the outermost scope ends.
class EditScope {
public:
    explicit EditScope(EditNotifications& notifications) : notifications_(notifications) { notifications_.Enter(); }
    ~EditScope() { notifications_.Leave(); }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    EditNotifications& notifications_;
};

}  // namespace skrivo::host
