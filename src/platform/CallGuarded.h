// The one boundary where an exception of called-back code ends: reported to the caller's sink, never passed on.
#pragma once

#include <exception>
#include <string_view>

namespace skrivo {

// Where a boundary reports: what failed (where) and why (empty when the
// exception carried no text).
using ErrorSink = void (*)(std::string_view where, std::string_view why);

// Runs a handler for a caller that must go on whatever the handler does (a
// message loop, a notifier list, a timer). Returns false when it threw.
template <class Handler>
bool CallGuarded(std::string_view where, ErrorSink sink, Handler&& handler) noexcept {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        sink(where, e.what());
    } catch (...) {
        sink(where, {});
    }
    return false;
}

}  // namespace skrivo
