// The expert's commands in one table: by name for scripts and the options dialog, by key for the shortcut stage.
#pragma once

#include <span>
#include <string_view>

#include "macros/ShortcutRules.h"
#include "platform/ShortCut.h"

namespace skrivo {

class TSkrivoExpert;

inline constexpr int kNoShortcutOption = -1;

struct TExpertCommand {
    std::string_view name;            // the operation's name: "DoBeginEnd"
    bool (*run)(TSkrivoExpert&);      // true when the command did its work
    // The key: a configurable shortcut (a TShortcutCommand slot), or a fixed
    // shortcut when the slot is kNoShortcutOption; neither for commands that
    // only scripts and menus run.
    int shortcutOption = kNoShortcutOption;
    win::TShortCut fixedShortCut = win::scNone;
    TWhileRecording whileRecording = TWhileRecording::LeftToRecorder;
    // False for maintenance operations whose result means nothing to a user
    // (scripts print no True/False for them).
    bool reportsResult = true;
};

// Every command. Those with a key come first, in the order the shortcut
// stage tries them: when two carry the same shortcut only the first runs.
std::span<const TExpertCommand> ExpertCommands();

// The command of that name; nullptr when there is none.
const TExpertCommand* FindExpertCommand(std::string_view name);

}  // namespace skrivo
