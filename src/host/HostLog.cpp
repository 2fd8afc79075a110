// The host's log category and its error reports.
#include "host/HostLog.h"

namespace skrivo::host {

Q_LOGGING_CATEGORY(lcHost, "skrivo.host")

void ReportHostError(std::string_view where, std::string_view why) {
    if (why.empty())
        qCWarning(lcHost, "%.*s failed", static_cast<int>(where.size()), where.data());
    else
        qCWarning(lcHost, "%.*s failed: %.*s", static_cast<int>(where.size()), where.data(), static_cast<int>(why.size()),
                  why.data());
}

}  // namespace skrivo::host
