// The boundary between the host's callbacks and the expert: an error inside never reaches the IDE.
#pragma once

#include <string_view>

#include "bridge/Diagnostics.h"
#include "platform/CallGuarded.h"

namespace skrivo {

// The expert's errors go to its diagnostic log.
inline void ReportToDiagnostics(std::string_view where, std::string_view why) {
    if (why.empty())
        Rpt("!! exception in ", where);
    else
        Rpt("!! exception in ", where, ": ", why);
}

// Runs a handler the host calls back (message hook, shortcut event, timer,
// menu click, a list window's event). An exception ends that one handler with
// a diagnostic line; the IDE's message loop goes on as if the expert had not
// acted.
template <class Handler>
void CallFromHost(std::string_view where, Handler&& handler) noexcept {
    CallGuarded(where, &ReportToDiagnostics, std::forward<Handler>(handler));
}

}  // namespace skrivo
