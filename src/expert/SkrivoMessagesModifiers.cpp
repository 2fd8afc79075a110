// TSkrivoExpert's modifier keys alone: a solo press of the configured Shift or Ctrl side completes, the other side hides.
#include "config/ExpertConfig.h"
#include "config/OptionChoices.h"
#include "expert/KeyDispatchState.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/VirtualKeys.h"

namespace skrivo {

void TSkrivoExpert::DetectSoloModifier(TKeyCall& call) {
    const TExpertConfig& cfg = *GetCfg();
    const bool isShift = call.msg.wParam == win::VK_SHIFT;
    const int completeKey = isShift ? kcShift : kcCtrl;
    if (cfg.KeyComplete != completeKey && !cfg.OtherShfCtlHidesList && !cfg.UseCtlShf2ForceViewList) return;
    host::IWindows& windows = host::Host()->Windows();
    const bool left = windows.GetKeyState(isShift ? win::VK_LSHIFT : win::VK_LCONTROL) < 0;
    const bool right = windows.GetKeyState(isShift ? win::VK_RSHIFT : win::VK_RCONTROL) < 0;
    // The other two of Shift, Ctrl and Alt must be up for a solo press.
    const win::TShiftState others = isShift ? (win::ssCtrl | win::ssAlt) : (win::ssShift | win::ssAlt);
    if ((call.shift & others) != 0) return;
    const bool designated = cfg.WhatShiftCtrl == wscAny || (cfg.WhatShiftCtrl == wscLeftOnly && left && !right) ||
                            (cfg.WhatShiftCtrl == wscRightOnly && right && !left);
    if (designated) {
        call.soloDesignated = true;
        return;
    }
    if (!cfg.OtherShfCtlHidesList) return;
    call.soloOther = (cfg.WhatShiftCtrl == wscLeftOnly && right && !left) ||
                     (cfg.WhatShiftCtrl == wscRightOnly && left && !right);
}

void TSkrivoExpert::KeyUpMessage(TKeyCall& call) {
    CollectLocales();
    const TExpertConfig& cfg = *GetCfg();
    const bool forceCodeParam = cfg.ForceCodeParam && call.shift == 0 && call.msg.wParam != win::VK_CONTROL;
    if (FKeys->FShiftCtrlDown) {
        FKeys->FShiftCtrlDown = false;
        if (cfg.ShiftCtrlTwice && !FKeys->FShiftCtrlFirst) {
            FKeys->FShiftCtrlFirst = true;
            call.handled = true;
            if (forceCodeParam) ForceCodeParam();
            return;
        }
        if (SuggestionListVisible()) {
            FKeys->FShiftCtrlFirst = false;
            if (cfg.KeyComplete != kcEnter) Accept(call.handled);
        } else if (cfg.UseCtlShf2ForceViewList) {
            ForceShowWordsList();
        }
        call.handled = true;
    }
    if (FKeys->FOtherShiftCtrlDown) {
        FKeys->FOtherShiftCtrlDown = false;
        if (SuggestionListVisible()) HideSuggestion(true);
        call.handled = true;
    }
    if (forceCodeParam) ForceCodeParam();
}

}  // namespace skrivo
