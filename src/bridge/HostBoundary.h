// The boundary between the host's callbacks and the expert: an error inside never reaches the IDE.
#pragma once

#include <exception>

#include "bridge/Diagnostics.h"

namespace skrivo {

// Runs a handler the host calls back (message hook, shortcut event, timer,
// menu click). An exception ends that one handler with a diagnostic line;
// the IDE's message loop goes on as if the expert had not acted.
template <class Handler>
void CallFromHost(const char* where, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        Rpt("!! exception in ", where, ": ", e.what());
    } catch (...) {
        Rpt("!! exception in ", where);
    }
}

}  // namespace skrivo
