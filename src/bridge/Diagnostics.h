// The diagnostic sink, the trace call and the start-up rotation of the diagnostic log.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

// Whether this build keeps diagnostic text (the SKRIVO_KEEP_DIAGNOSTICS option).
// Nothing the system does may depend on it; it only decides whether the
// text is kept for a developer to look at.
#ifdef SKRIVO_KEEP_DIAGNOSTICS
inline constexpr bool kKeepDiagnostics = true;
void Rpt(std::string_view line);
#else
inline constexpr bool kKeepDiagnostics = false;
inline void Rpt(std::string_view) {}
#endif

// Rpt of several parts, joined only when the text is kept, so that a
// discarding build pays nothing for building lines nobody reads.
template <class First, class Second, class... Rest>
void Rpt(const First& first, const Second& second, const Rest&... rest) {
    if constexpr (kKeepDiagnostics) {
        std::string line;
        line.append(std::string_view(first));
        line.append(std::string_view(second));
        (line.append(std::string_view(rest)), ...);
        Rpt(std::string_view(line));
    }
}

// The trace call: "-> X.Y" on entry, "<- X.Y" on exit, "<> X.Y" once.
inline void b(const char* text) { Rpt(std::string_view(text)); }

// Called when the IDE shows an "Error" window; a hook for a developer's dump.
void RptDump();

// The lines kept so far (always empty unless the build keeps diagnostics).
std::vector<std::string> KeptDiagnostics();

// Where the console window, when shown, receives the kept lines.
using DiagnosticListener = void (*)(std::string_view line);
void SetDiagnosticListener(DiagnosticListener listener);

// The log files in the program folder (AppPath).
inline constexpr const char* kLogFileName = "skrivo.log";
inline constexpr const char* kPreviousLogFileName = "skrivo.~log";

// "skrivo.log" becomes "skrivo.~log", replacing an older one. Failures are
// ignored: a log that cannot be rotated must never keep the expert from loading.
void RotateLog();

}  // namespace skrivo
