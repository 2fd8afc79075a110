// TKeyboardMacros: the macro list dialog's command: choose a macro, then play it with a repeat count and a condition.
#include <algorithm>

#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "host/api/Host.h"
#include "macros/recorder/KeyboardMacros.h"
#include "macros/ui/SelectMacroDialog.h"

namespace skrivo {

namespace {

// Keeps the condition history newest first; true when the text was new.
bool RememberCondition(StringList& history, const std::string& text) {
    if (text.empty() || history.IndexOf(text) >= 0) return false;
    history.Insert(0, text);
    return true;
}

}  // namespace

bool TKeyboardMacros::DoExecuteList() {
    Rpt("### ExecuteList ###");
    TMacroList& list = Cfg().MacroList;
    host::IKeyboardServices* keyboard = Keyboard();
    const bool duringRecording = keyboard && keyboard->CurrentRecord()->IsRecording();
    if (list.Empty() || (duringRecording && list.Count() == 1)) return false;
    if (duringRecording) {
        if (keyboard->CurrentPlayback()->IsPlaying()) return false;
        CloseRecordedPortion();
    }

    TSelectMacroRequest request;
    // While recording, the head is the macro being recorded and is not offered.
    for (std::size_t i = duringRecording ? 1 : 0; i < list.Count(); ++i) request.macros.push_back(&list[i]);
    for (std::size_t i = 0; i < Cfg().ConditionList.Count(); ++i) request.conditions.push_back(Cfg().ConditionList[i]);
    request.advanced = Cfg().AdvancedSelectMacro;
    const TSelectMacroAnswer answer = AskSelectMacro(request);

    const bool added = RememberCondition(Cfg().ConditionList, answer.textAtCursor);
    Cfg().AdvancedSelectMacro = answer.advanced;
    if (added || answer.changed) FServices.saveCfg();

    bool result = false;
    if (answer.execute && answer.chosen) {
        TMacro& chosen = *answer.chosen;
        if (Cfg().MoveLastMacroToTop) {
            // While recording, index 0 stays the macro being recorded.
            const int at = list.IndexOf(&chosen);
            const int top = duringRecording ? 1 : 0;
            if (at > top) list.Move(static_cast<std::size_t>(at), static_cast<std::size_t>(top));
        }
        const std::string& text = answer.textAtCursor;
        if (!text.empty() || answer.repeatCount > 0) {
            std::int32_t repeat = std::max<std::int32_t>(answer.repeatCount, 1);
            if (duringRecording) {
                list[0].FData.Seek(0, TSeekOrigin::soEnd);
                WriteCallPortion(list[0].FData, {repeat, answer.checkOnce, answer.stopIfNotMatches, text,
                                                 std::string(chosen.FData.Bytes())});
            }
            result = true;
            for (bool first = true; repeat > 0; first = false) {
                if (!text.empty() && (first || !answer.checkOnce) && !FServices.checkAtCursor(text)) {
                    if (answer.stopIfNotMatches) {
                        FServices.errorBeep();
                        result = false;
                    }
                    break;
                }
                if (EscapeHeld()) {
                    FServices.errorBeep();
                    result = false;
                    break;
                }
                --repeat;
                if (!ExecuteMacro(chosen) || FStopped) {
                    if (!FStopped) FServices.errorBeep();
                    result = false;
                    break;
                }
            }
        } else {
            result = ExecuteMacro(chosen);
            if (result && duringRecording) {
                list[0].FData.Seek(0, TSeekOrigin::soEnd);
                list[0].FData.WriteBytes(chosen.FData.Bytes());
            }
        }
    }
    if (duringRecording) {
        RestartRecording(*keyboard);
        result = true;
    }
    FServices.resetTimer();
    FServices.forceCodeParam();
    return result;
}

}  // namespace skrivo
