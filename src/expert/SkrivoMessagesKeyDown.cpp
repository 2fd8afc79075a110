// TSkrivoExpert's key-down handling: the key table, the placeholder jumps and Accept.
#include <utility>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/SelfTeachingDictionary.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "config/OptionChoices.h"
#include "config/SoundEvents.h"
#include "expert/KeyDispatchState.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "host/api/Host.h"
#include "platform/VirtualKeys.h"
#include "subst/Replacement.h"

namespace skrivo {
namespace {

// How far ahead the Right arrow looks for a mark.
constexpr int kPlaceholderLookAhead = 1024;

bool CtrlOrAlt(win::TShiftState shift) { return (shift & (win::ssCtrl | win::ssAlt)) != 0; }

}  // namespace

void TSkrivoExpert::KeyDownMessage(TKeyCall& call) {
    const auto key = static_cast<win::WORD>(call.msg.wParam);
    if (IsEditorForeground()) StorePressedKey(key, call.shift);
    FListState->FHaveWordsPlayed = false;
    CollectLocales();
    DispatchKeyDown(call);
    if (!call.handled) {
        if (ShortcutStage(call)) {
            // A recognised shortcut is the user's command: its key is
            // consumed even when the command could not do its work.
            if (!call.handled) {
                call.handled = true;
                ErrorBeep();
            }
        } else if (call.charCount > 0 && !CtrlOrAlt(call.shift)) {
            Play(seAnyChar);
        }
    }
    FKeys->FShiftCtrlDown = call.soloDesignated;
    if (!FKeys->FShiftCtrlDown) FKeys->FShiftCtrlFirst = false;
    FKeys->FOtherShiftCtrlDown = call.soloOther;
    if (host::IControl* control = host::Host()->Windows().FindControl(call.msg.hwnd)) {
        FKeys->FLastKeyControl = control->Handle();
    }
    if (!FKeys->FNavKey && key != win::VK_SHIFT && key != win::VK_CONTROL && key != win::VK_MENU) Play(seAnyOther);
}

void TSkrivoExpert::DispatchKeyDown(TKeyCall& call) {
    switch (call.msg.wParam) {
    case win::VK_BACK: BackspaceKey(call); break;
    case win::VK_RETURN: ReturnKey(call); break;
    case win::VK_SHIFT:
    case win::VK_CONTROL:
        FKeys->FNavKey = true;
        DetectSoloModifier(call);
        break;
    case win::VK_ESCAPE: EscapeKey(call); break;
    case win::VK_PRIOR:
    case win::VK_NEXT:
    case win::VK_LEFT:
    case win::VK_RIGHT: SideKey(call); break;
    case win::VK_END:
    case win::VK_HOME:
    case win::VK_UP:
    case win::VK_DOWN:
        FKeys->FNavKey = true;
        if (SuggestionListVisible()) ListNavigation(call);
        break;
    default: CharacterKey(call); break;
    }
}

void TSkrivoExpert::BackspaceKey(TKeyCall& call) {
    if (call.shift == 0 && GetCfg()->AllowBackspace && FReplacement->FJustReplaced) {
        Rpt("Backspace: restoring the replaced text");
        if (DoRestore()) {
            call.handled = true;
            return;
        }
    }
    Play(seBackspace);
}

void TSkrivoExpert::ReturnKey(TKeyCall& call) {
    Play(seCarriage);
    const TExpertConfig& cfg = *GetCfg();
    const bool listVisible = SuggestionListVisible();
    if (cfg.KeyComplete == kcEnter && listVisible && call.shift == 0) {
        Rpt("---- completing by ENTER ----");
        Accept(call.handled);
        Rpt("---- completed by ENTER ----");
    } else if (cfg.EnterNoDivideLine && (!listVisible || cfg.KeyComplete != kcEnter) && call.shift == 0 &&
               !KibitzWindowVisible() && IsEditorForeground()) {
        DoEOL();
    }
}

void TSkrivoExpert::EscapeKey(TKeyCall& call) {
    Play(seEscape);
    TipAway();
    if (SuggestionListVisible()) {
        HideSuggestion(true);
        call.handled = true;
    }
}

void TSkrivoExpert::SideKey(TKeyCall& call) {
    FKeys->FNavKey = true;
    if (SuggestionListVisible()) HideSuggestion(false);
    const auto key = call.msg.wParam;
    if ((key == win::VK_RIGHT || key == win::VK_LEFT) && call.shift == 0 &&
        JumpToPlaceholder(key == win::VK_RIGHT)) {
        call.handled = true;
    }
}

// Puts the cursor just before the nearest placeholder mark ahead (Right) or
// behind (Left, within the line); true when there was one.
bool TSkrivoExpert::JumpToPlaceholder(bool forward) {
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!notifier) return false;
    if (forward) {
        const std::string ahead = ReadText(kPlaceholderLookAhead);
        const std::size_t at = ahead.find(subst::kPlaceholderMark);
        if (at == std::string::npos) return false;
        notifier->SetPosition(notifier->GetPosition() + static_cast<int>(at));
        return true;
    }
    const std::string before = ReadText(-100);
    const std::size_t at = before.rfind(subst::kPlaceholderMark);
    if (at == std::string::npos) return false;
    notifier->SetPosition(notifier->GetPosition() - static_cast<int>(before.size() - at));
    return true;
}

void TSkrivoExpert::Accept(bool& handled) {
    TfmSuggest* list = SggListIfCreated();
    if (!list) return;
    int item = list->lvWords->Selected();
    if (item < 0) item = list->lvWords->ItemFocused();
    if (item < 0 || item >= list->lvWords->Count()) return;
    const std::string word = list->lvWords->Caption(item);
    HideSuggestion(GetCfg()->HideAfterReplace);
    if (ReplaceWord(-1, word)) {
        Play(seReplaced);
        // ReplaceWord has already taught FDict the word, which shifts its
        // entries: the stored index may point at another word by now, so the
        // word is looked up again by its text.
        const int now = std::as_const(*FDict).IndexOf(word);
        if (now > 0) {
            Rpt("Moving <", word, "> to top - because it is used for replace");
            FDict->MoveToTop(static_cast<std::size_t>(now));
        }
    }
    handled = true;
}

}  // namespace skrivo
