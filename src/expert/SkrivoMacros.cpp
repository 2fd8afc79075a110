// TSkrivoExpert's keyboard macro commands: thin entry points into the macro subsystem.
#include "bridge/Diagnostics.h"
#include "expert/SkrivoExpert.h"

namespace skrivo {

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

bool TSkrivoExpert::DoStartStopRecording() { return false; }
bool TSkrivoExpert::DoExecuteMacro() { return false; }
bool TSkrivoExpert::DoExecuteMacroN(int, int) { return false; }
bool TSkrivoExpert::DoExecuteList() { return false; }
bool TSkrivoExpert::DoSearchRecord() { return false; }
bool TSkrivoExpert::ShortcutCaptureOpen() { return false; }

}  // namespace skrivo
