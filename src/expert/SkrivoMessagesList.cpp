// TSkrivoExpert's list navigation: End, Home, Up and Down move in the visible list or leave it.
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "platform/VirtualKeys.h"

namespace skrivo {

void TSkrivoExpert::ListNavigation(TKeyCall& call) {
    TfmSuggest* list = SggListIfCreated();
    const TExpertConfig& cfg = *GetCfg();
    const auto key = call.msg.wParam;
    const int selected = list->lvWords->Selected();
    const bool towardsTop = key == win::VK_UP || key == win::VK_HOME;
    const bool overEdge = selected >= 0 && (towardsTop ? selected == 0 : selected == list->lvWords->Count() - 1);
    const bool homeEnd = key == win::VK_HOME || key == win::VK_END;
    if ((cfg.UpDownSmart && overEdge) || (homeEnd && !cfg.UseHomeEnd) || call.shift != 0) {
        // The key leaves the list for the editor, which moves the cursor.
        HideSuggestion(false);
        ResetTimer();
        return;
    }
    Play(5);
    list->lvWords->Perform(win::WM_KEYDOWN, call.msg.wParam, call.msg.lParam);
    list->lvWords->Perform(win::WM_KEYUP, call.msg.wParam, call.msg.lParam);
    call.handled = true;
}

}  // namespace skrivo
