// The expert's commands in one table: by name for scripts and the options dialog, by key for the shortcut stage.
#include "expert/SkrivoCommands.h"

#include <array>

#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"

namespace skrivo {

namespace {

using enum TWhileRecording;
using win::scCtrl;
using win::scShift;

template <bool (TSkrivoExpert::*Operation)()>
bool Run(TSkrivoExpert& expert) {
    return (expert.*Operation)();
}

template <void (TSkrivoExpert::*Operation)()>
bool RunQuietly(TSkrivoExpert& expert) {
    (expert.*Operation)();
    return true;
}

constexpr TExpertCommand Configured(std::string_view name, bool (*run)(TSkrivoExpert&), TShortcutCommand option,
                                    TWhileRecording whileRecording = PassesWithShortcuts) {
    return {name, run, option, win::scNone, whileRecording, true};
}

constexpr TExpertCommand Fixed(std::string_view name, bool (*run)(TSkrivoExpert&), win::TShortCut shortCut,
                               TWhileRecording whileRecording = LeftToRecorder) {
    return {name, run, kNoShortcutOption, shortCut, whileRecording, true};
}

constexpr TExpertCommand Unbound(std::string_view name, bool (*run)(TSkrivoExpert&), bool reportsResult = true) {
    return {name, run, kNoShortcutOption, win::scNone, LeftToRecorder, reportsResult};
}

// Shift+Ctrl+R and Shift+Ctrl+P are the IDE's own record and play keys; the
// expert takes them so that the IDE's single unnamed recording never mixes
// with the expert's macros. Shift+Ctrl+R keeps reaching the expert while
// recording, so it cannot stop a recording behind the expert's back.
const std::array kCommands{
    Configured("DoLevelUp", Run<&TSkrivoExpert::DoLevelUp>, ShortcutLevelUp),
    Configured("DoBeginEnd", Run<&TSkrivoExpert::DoBeginEnd>, ShortcutBeginEnd),
    Configured("DoJump", Run<&TSkrivoExpert::DoJump>, ShortcutJump),
    Configured("DoHistory", Run<&TSkrivoExpert::DoHistory>, ShortcutHistory),
    Configured("DoUpper", Run<&TSkrivoExpert::DoUpper>, ShortcutUpperCase),
    Configured("DoLower", Run<&TSkrivoExpert::DoLower>, ShortcutLowerCase),
    Configured("DoEnglish", Run<&TSkrivoExpert::DoEnglish>, ShortcutEnglish),
    Configured("DoRestore", Run<&TSkrivoExpert::DoRestore>, ShortcutRestore),
    Configured("DoStartStopRecording", Run<&TSkrivoExpert::DoStartStopRecording>, ShortcutStartStopRecording,
               AlwaysPasses),
    Fixed("DoStartStopDflt", Run<&TSkrivoExpert::DoStartStopDflt>, scShift | scCtrl | 'R', AlwaysPasses),
    Configured("DoExecuteMacro", Run<&TSkrivoExpert::DoExecuteMacro>, ShortcutExecute, AlwaysPasses),
    Fixed("DoExecuteDflt", Run<&TSkrivoExpert::DoExecuteDflt>, scShift | scCtrl | 'P'),
    Configured("DoExecuteList", Run<&TSkrivoExpert::DoExecuteList>, ShortcutExecuteFromList, AlwaysPasses),
    Configured("DoShowOptions", Run<&TSkrivoExpert::DoShowOptions>, ShortcutShowOptions, ShowsOptions),
    Fixed("DoShowTip", Run<&TSkrivoExpert::DoShowTip>, scShift | scCtrl | 'T'),

    Unbound("DoSearchRecord", Run<&TSkrivoExpert::DoSearchRecord>),
    Unbound("DoUndo", Run<&TSkrivoExpert::DoUndo>),
    Unbound("DoRedo", Run<&TSkrivoExpert::DoRedo>),
    Unbound("SaveDictionary", RunQuietly<&TSkrivoExpert::SaveDictionary>, false),
    Unbound("CheckDicChanged", RunQuietly<&TSkrivoExpert::CheckDicChanged>, false),
    Unbound("MergeDictionary", RunQuietly<&TSkrivoExpert::MergeDictionary>, false),
    Unbound("LoadfixedDic", RunQuietly<&TSkrivoExpert::LoadfixedDic>, false),
    Unbound("SaveCfg", RunQuietly<&TSkrivoExpert::SaveCfg>, false),
    Unbound("ForceShowWordsList", RunQuietly<&TSkrivoExpert::ForceShowWordsList>, false),
    Unbound("ReLoadSounds", RunQuietly<&TSkrivoExpert::ReLoadSounds>, false),
};

}  // namespace

std::span<const TExpertCommand> ExpertCommands() { return kCommands; }

const TExpertCommand* FindExpertCommand(std::string_view name) {
    for (const TExpertCommand& command : kCommands)
        if (command.name == name) return &command;
    return nullptr;
}

}  // namespace skrivo
