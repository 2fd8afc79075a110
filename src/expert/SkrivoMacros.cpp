// TSkrivoExpert's keyboard macro commands: thin entry points into the macro subsystem.
#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "macros/recorder/KeyboardMacros.h"

namespace skrivo {

void TSkrivoExpert::CreateMacros() {
    TMacroServices services;
    services.config = [this]() -> TExpertConfig& { return *GetCfg(); };
    services.hideSuggestion = [this](bool notSuggestUntilNext) { HideSuggestion(notSuggestUntilNext); };
    services.resetTimer = [this] { ResetTimer(); };
    services.saveCfg = [this] { SaveCfg(); };
    services.checkAtCursor = [this](const std::string& text) { return CheckAtCursor(text); };
    services.forceCodeParam = [this] { ForceCodeParam(); };
    services.errorBeep = [this] { ErrorBeep(); };
    FMacros = std::make_unique<TKeyboardMacros>(std::move(services));
}

// A set resume state means a multi-part macro is between its portions.
bool TSkrivoExpert::MacroExecuting() { return FMacros && FMacros->Resuming(); }

bool TSkrivoExpert::DoStartStopRecording() { return FMacros->DoStartStopRecording(); }

// The IDE's own record and play keys are taken from it and do nothing: its
// one unnamed recording would otherwise interleave with the expert's macros.
bool TSkrivoExpert::DoStartStopDflt() {
    Rpt("### Default macro toggle recording - ignored ###");
    return true;
}

bool TSkrivoExpert::DoExecuteDflt() {
    Rpt("### Default Macro Execute - ignored ###");
    return true;
}

bool TSkrivoExpert::DoExecuteMacro() {
    const bool result = FMacros->DoExecuteMacroN(0, 1);
    ResetTimer();
    return result;
}

bool TSkrivoExpert::DoExecuteMacroN(int index, int recordingIndex) {
    return FMacros->DoExecuteMacroN(index, recordingIndex);
}

bool TSkrivoExpert::DoExecuteList() { return FMacros->DoExecuteList(); }
bool TSkrivoExpert::DoSearchRecord() { return FMacros->DoSearchRecord(); }
bool TSkrivoExpert::ExecuteMacro(TMacro& macro) { return FMacros->ExecuteMacro(macro); }
void TSkrivoExpert::CloseRecordedPortion() { FMacros->CloseRecordedPortion(); }
bool TSkrivoExpert::ShortcutCaptureOpen() { return TKeyboardMacros::ShortcutCaptureOpen(); }

}  // namespace skrivo
