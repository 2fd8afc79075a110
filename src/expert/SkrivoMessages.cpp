// TSkrivoExpert::AnyMessage: the application's message hook; every message passes through here first.
#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "config/OptionChoices.h"
#include "expert/KeyDispatchState.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/VirtualKeys.h"
#include "source/CharClasses.h"

namespace skrivo {

void TSkrivoExpert::AnyMessage(win::TMsg& msg, bool& handled) {
    if (Ready()) {
        const bool press = msg.message == win::WM_LBUTTONDOWN || msg.message == win::WM_RBUTTONDOWN;
        // A press while another window is in front only goes on to the
        // hook before ours.
        if (press && !IsEditorForeground()) {
            if (FOldOnMessage) FOldOnMessage(msg, handled);
            return;
        }
        FKeys->FNavKey = false;
        TKeyCall call{msg, handled, 0, false, false, 0, 0, {}};
        bool pass = true;
        if (win::IsKeyMessage(msg.message)) {
            if (!KeyMessagePrologue(call)) return;
            pass = !IsPlaying() &&
                   !(IsRecording() && msg.message == win::WM_KEYDOWN && !RecordingFilter(call));
        }
        const bool showOptionsKey = win::IsKeyMessage(msg.message) && IsShowOptionsKey(call);
        // Keys for other IDE forms (dialogs, the object inspector) are theirs.
        if (pass && !showOptionsKey && win::IsKeyMessage(msg.message) && !HostEditWindowActive()) {
            pass = false;
            handled = false;
        }
        if (pass) {
            switch (msg.message) {
            case win::WM_KEYDOWN:
            case win::WM_SYSKEYDOWN: KeyDownMessage(call); break;
            case win::WM_KEYUP: KeyUpMessage(call); break;
            default: MouseMessage(msg); break;
            }
        }
    }
    if (!handled && FOldOnMessage) FOldOnMessage(msg, handled);
}

// Steps every key message takes before the table: false when the message has
// been finished here (passed on or consumed) and the handler returns.
bool TSkrivoExpert::KeyMessagePrologue(TKeyCall& call) {
    if (!IsEditorForeground()) {
        if (FOldOnMessage) FOldOnMessage(call.msg, call.handled);
        return false;
    }
    call.shift = KeyShiftState();
    ResetTimer();
    const TExpertConfig& cfg = *GetCfg();
    if (cfg.UseInsertKey && call.msg.wParam == win::VK_INSERT && call.shift == 0 &&
        (call.msg.message == win::WM_KEYDOWN || call.msg.message == win::WM_KEYUP)) {
        Rpt("INSERT KEY IGNORED");
        call.handled = true;
        if (call.msg.message == win::WM_KEYDOWN) {
            if (SuggestionListVisible()) {
                Accept(call.handled);
            } else {
                ForceShowWordsList();
            }
        }
        return false;
    }
    if (IsPlaying() || IsRecording() || call.msg.message != win::WM_KEYDOWN) return true;
    const auto key = static_cast<win::WORD>(call.msg.wParam);
    const bool leavesWord = key == win::VK_DOWN || key == win::VK_UP || key == win::VK_PRIOR ||
                            key == win::VK_NEXT ||
                            (key == win::VK_RETURN && (!SuggestionListVisible() || cfg.KeyComplete != kcEnter));
    if (leavesWord) {
        if (call.shift == 0) CollectWordAtCursor();
    } else {
        FKeys->FDeleting = key == win::VK_BACK || key == win::VK_DELETE;
    }
    return true;
}

// The word the cursor stands in is learnt before a key takes the cursor away.
void TSkrivoExpert::CollectWordAtCursor() {
    if (!GetCurrentNotifier()) return;
    std::string after = ReadText(100);
    std::size_t end = 0;
    while (end < after.size() && IsAlphaDigit(after[end])) ++end;
    after.resize(end);
    Work(ReadText(-100) + after, false);
}

bool TSkrivoExpert::SuggestionListVisible() {
    TfmSuggest* list = SggListIfCreated();
    return list && list->Visible();
}

bool TSkrivoExpert::HostEditWindowActive() {
    host::IForm* active = host::Host()->Screen().ActiveForm();
    return active && active->ClassName() == "TEditWindow";
}

win::TShiftState TSkrivoExpert::KeyShiftState() {
    host::IWindows& windows = host::Host()->Windows();
    win::TShiftState shift = 0;
    if (windows.GetKeyState(win::VK_SHIFT) < 0) shift |= win::ssShift;
    if (windows.GetKeyState(win::VK_CONTROL) < 0) shift |= win::ssCtrl;
    if (windows.GetKeyState(win::VK_MENU) < 0) shift |= win::ssAlt;
    return shift;
}

}  // namespace skrivo
