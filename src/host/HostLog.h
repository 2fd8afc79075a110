// The host's log: a Qt logging category ("skrivo.host"), and the host's side of the exception boundary.
#pragma once

#include <string_view>

#include <QLoggingCategory>

#include "platform/CallGuarded.h"

namespace skrivo::host {

Q_DECLARE_LOGGING_CATEGORY(lcHost)

// Logs that a piece of called-back code failed.
void ReportHostError(std::string_view where, std::string_view why);

// Runs a handler that the host calls (a hook, a notifier, a timer, a menu
// item, a package routine); an exception is logged and the host goes on.
template <class Handler>
bool GuardHostCall(std::string_view where, Handler&& handler) noexcept {
    return CallGuarded(where, &ReportHostError, std::forward<Handler>(handler));
}

}  // namespace skrivo::host
