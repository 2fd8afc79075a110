// TSkrivoExpert's shortcut steps of the key dispatch: the shortcut stage, the recording filter, the options key.
#include <vector>

#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoCommands.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "macros/ShortcutRules.h"

namespace skrivo {

win::TShortCut CommandShortCut(const TExpertCommand& command, const TExpertConfig& cfg) {
    if (command.shortcutOption != kNoShortcutOption)
        return static_cast<win::TShortCut>(cfg.Shortcuts.at(static_cast<std::size_t>(command.shortcutOption)));
    return command.fixedShortCut;
}

void TSkrivoExpert::ErrorBeep() {
    if (GetCfg()->BeepOnError) host::Host()->Windows().MessageBeep();
}

bool TSkrivoExpert::ShortcutStage(TKeyCall& call) {
    const TExpertConfig& cfg = *GetCfg();
    if (!cfg.UseShortcuts || ShortcutCaptureOpen()) return false;
    const auto key = static_cast<win::WORD>(call.msg.wParam);
    for (const TExpertCommand& command : ExpertCommands()) {
        const win::TShortCut shortCut = CommandShortCut(command, cfg);
        if (!KeyMatches(shortCut, key, call.shift)) continue;
        Rpt("Found that shortcut is ", win::ShortCutToText(shortCut));
        if (command.run(*this)) {
            call.handled = true;
        } else {
            Rpt(".... but it is not handled....");
        }
        return true;
    }
    if (!cfg.UseMacroShortcuts) return false;
    // A macro may change the list (moving itself to the top), so the list is
    // walked by index and re-read at each step.
    for (std::size_t i = 0; i < GetCfg()->MacroList.Count(); ++i) {
        const TMacro& macro = GetCfg()->MacroList[i];
        if (!KeyMatches(macro.FShtcut, key, call.shift)) continue;
        Rpt("Macro ", macro.FName, " found by shortcut ", win::ShortCutToText(macro.FShtcut));
        const int index = static_cast<int>(i);
        if (DoExecuteMacroN(index, index)) {
            call.handled = true;
            return true;
        }
    }
    return false;
}

bool TSkrivoExpert::RecordingFilter(TKeyCall& call) {
    const TExpertConfig& cfg = *GetCfg();
    std::vector<TCommandKey> keys;
    keys.reserve(ExpertCommands().size());
    for (const TExpertCommand& command : ExpertCommands())
        keys.push_back({CommandShortCut(command, cfg), command.whileRecording});
    const auto route = RouteRecordedKey(keys, cfg.MacroList, {cfg.UseShortcuts, cfg.UseMacroShortcuts},
                                        static_cast<win::WORD>(call.msg.wParam), call.shift, FRecordedKeys);
    switch (route) {
    case TRecordedKeyRoute::Recorder: return false;
    case TRecordedKeyRoute::Expert:
        Rpt("&&& IS RECORDING now, but want to execute macro...");
        return true;
    case TRecordedKeyRoute::OptionsKey: return true;  // the dispatch knows the options key itself
    case TRecordedKeyRoute::SearchRecord:
        call.handled = true;
        DoSearchRecord();
        return false;
    }
    return false;
}

bool TSkrivoExpert::IsShowOptionsKey(const TKeyCall& call) {
    const TExpertConfig& cfg = *GetCfg();
    return cfg.UseShortcuts && KeyMatches(static_cast<win::TShortCut>(cfg.Shortcuts[ShortcutShowOptions]),
                                          static_cast<win::WORD>(call.msg.wParam), call.shift);
}

}  // namespace skrivo
