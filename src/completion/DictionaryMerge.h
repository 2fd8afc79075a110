// The merge loop: lines of a dictionary file taken into a dictionary that lacks them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/StringList.h"

namespace skrivo {

struct MergeLoopHooks {
    // Receives the progress (1 to 100) before each line and may let the
    // application process its messages.
    std::function<void(int percent)> progress;
    // Asked after each progress report; true ends the merge there.
    std::function<bool()> stopRequested;
};

struct MergeOutcome {
    std::size_t inserted = 0;
    bool stopped = false;
    bool failed = false;
    std::string error;  // why it failed, for the log

    bool Completed() const { return !stopped && !failed; }
};

// Takes the lines into target, from the last line to the first, each one that
// is missing inserted at the top, so the new entries keep the file's order at
// the top of the dictionary. A line is missing unless it equals an entry of
// target exactly (case included) as target was before the merge; an empty
// line never counts as missing, and a line repeated in the file is inserted
// every time. Nothing is trimmed. A failure or a stop keeps what was inserted
// up to then.
MergeOutcome MergeLines(StringList& target, const std::vector<std::string>& lines,
                        const MergeLoopHooks& hooks = {});

// MergeLines over the lines of sourceFile. A file that cannot be read ends the
// merge as failed with nothing inserted.
MergeOutcome RunMergeLoop(StringList& target, const std::string& sourceFile,
                          const MergeLoopHooks& hooks = {});

}  // namespace skrivo
