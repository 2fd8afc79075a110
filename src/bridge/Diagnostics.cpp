// The diagnostic sink's storage (debug builds only) and the log rotation.
#include "bridge/Diagnostics.h"

#include <deque>

#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo {

namespace {

DiagnosticListener gListener = nullptr;

#ifdef SKRIVO_KEEP_DIAGNOSTICS
// Bounded so that a long session cannot grow the IDE without limit.
constexpr std::size_t kMaxKeptLines = 20000;

std::deque<std::string>& KeptLines() {
    static std::deque<std::string> lines;
    return lines;
}
#endif

}  // namespace

#ifdef SKRIVO_KEEP_DIAGNOSTICS
void Rpt(std::string_view line) {
    auto& lines = KeptLines();
    if (lines.size() >= kMaxKeptLines) lines.pop_front();
    lines.emplace_back(line);
    if (gListener) gListener(line);
}
#endif

std::vector<std::string> KeptDiagnostics() {
#ifdef SKRIVO_KEEP_DIAGNOSTICS
    return {KeptLines().begin(), KeptLines().end()};
#else
    return {};
#endif
}

void SetDiagnosticListener(DiagnosticListener listener) { gListener = listener; }

void RptDump() {}

void RotateLog() {
    try {
        const std::string folder = AppPath();
        DeleteFileIfExists(folder + kPreviousLogFileName);
        if (FileExists(folder + kLogFileName)) RenameFile(folder + kLogFileName, folder + kPreviousLogFileName);
    } catch (...) {
        // The home folder may be unusable (read-only, missing parent); the
        // rotation is a courtesy and the expert loads regardless.
    }
}

}  // namespace skrivo
