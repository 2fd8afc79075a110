// TSkrivoExpert's mouse messages: a press elsewhere hides the list; a click in the editor may force the parameter hint.
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "config/OptionChoices.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "host/api/Host.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

// WhenMouseOver from this value on keeps the list while the mouse works in it.
constexpr int kMouseOverKeepsList = wmoTransparent;

}  // namespace

void TSkrivoExpert::MouseMessage(win::TMsg& msg) {
    const TExpertConfig& cfg = *GetCfg();
    switch (msg.message) {
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
    case win::WM_MOUSEWHEEL: {
        if (!SuggestionListVisible()) return;
        bool hide = true;
        win::TPoint cursor;
        if (cfg.WhenMouseOver >= kMouseOverKeepsList && host::Host()->Windows().GetCursorPos(cursor) &&
            win::PtInRect(SggListIfCreated()->BoundsRect(), cursor)) {
            hide = false;
        }
        if (hide) {
            HideSuggestion(false);
            FListState->FShowPending = false;
        }
        break;
    }
    case win::WM_LBUTTONUP:
        if (IsEditorForeground() && cfg.ForceCodeParam && host::Host()->Windows().GetKeyState(win::VK_CONTROL) >= 0) {
            ForceCodeParam();
        }
        break;
    default: break;
    }
}

}  // namespace skrivo
