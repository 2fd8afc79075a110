// TSkrivoExpert: the suggestion list window's expert side: creating, showing, hiding, the mouse over it, clicks.
#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "config/OptionChoices.h"
#include "config/SoundEvents.h"
#include "expert/IdleTimerState.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {
constexpr int kOpaque = 255;

bool CursorInside(TfmSuggest& list) {
    win::TPoint cursor;
    return host::Host()->Windows().GetCursorPos(cursor) && list.ContainsScreenPoint(cursor);
}
}  // namespace

TfmSuggest* TSkrivoExpert::GetSggList() {
    if (!FSggList) {
        FSggList = std::make_unique<TfmSuggest>();
        FSggList->OnPlaySnd = [this](TSoundEvent soundEvent) { DoPlaySnd(soundEvent); };
    }
    return FSggList.get();
}

void TSkrivoExpert::ShowSggList() {
    const TExpertConfig& cfg = *GetCfg();
    TfmSuggest* list = GetSggList();
    if (!cfg.ShowListAutomatically && !FListState->FForceShow) {
        if (!FListState->FHaveWordsPlayed) {
            FListState->FHaveWordsPlayed = true;
            Play(seHaveWords);
        }
        return;
    }
    FListState->FForceShow = false;
    list->FShown = false;
    SetListAlpha(list, SuggestShownAlpha(cfg.SemiTransparent, cfg.AlphaBlendLevel));
    // Under a resting mouse the list would flicker away at once; it waits
    // until the mouse has left its place.
    if (cfg.WhenMouseOver == wmoHide && CursorInside(*list)) {
        FListState->FShowPendingMouse = true;
        return;
    }
    Play(seAppear);
    list->show();
    const int selected = list->lvWords->Selected();
    if (selected >= 0)
        list->lvWords->MakeVisible(selected);
    else
        Rpt("No selected item in the words list");
    list->BringToFront();
    list->SetStayOnTop(true);
    FListState->FShowPendingMouse = false;
    if (selected >= 0) list->lvWords->MakeVisible(selected);
    list->FShown = true;
    list->FMouseSelect = !cfg.MouseClickNecessary && cfg.WhenMouseOver == wmoSelectWords;

    TSuggestListView& words = *list->lvWords;
    words.OnClick = nullptr;
    words.OnDblClick = nullptr;
    words.OnMouseDown = nullptr;
    if (cfg.MouseLClickReplace) {
        if (cfg.MouseClickNecessary)
            words.OnDblClick = [this] { LDblClk_Replace(); };
        else
            words.OnClick = [this] { LClick_Replace(); };
    }
}

void TSkrivoExpert::HideSuggestion(bool notSuggestUntilNext) {
    FListState->FHaveSuggestions = false;
    FListState->FShowPendingMouse = false;
    if (FSggList && FSggList->isVisible()) {
        Play(seDisappear);
        FSggList->hide();
        ResetTimer();
    }
    if (notSuggestUntilNext) FNotSuggestUntilNext = true;
}

void TSkrivoExpert::ForceShowWordsList() {
    FNotSuggestUntilNext = false;
    if (TQvNotifier* current = GetCurrentNotifier()) {
        FLastModified = current;
        FLastEditPos = current->GetEditPos();
        FTimerState->FDelayCount = 0;
    } else {
        Rpt("Current notifier not found - forcing impossible");
    }
    FListState->FForceShow = true;
}

void TSkrivoExpert::MouseMoveOverSggList() {
    TfmSuggest* list = FSggList.get();
    if (!list) return;
    const TExpertConfig& cfg = *GetCfg();
    host::IHost& host = *host::Host();
    win::TPoint cursor;
    const bool inside = host.Windows().GetCursorPos(cursor) && list->ContainsScreenPoint(cursor);
    if (!inside && cfg.WhenMouseOver != wmoTransparent) return;
    switch (cfg.WhenMouseOver) {
        case wmoSwitchPosition:
            if (auto moved = SwitchSuggestPosition(list->BoundsRect(), FListState->FCaretScreenPos, FListState->FLineHeight, cursor,
                                                   HostSuggestScreen(host)))
                list->SetBoundsRect(*moved);
            break;
        case wmoHide:
            if (list->isVisible()) {
                HideSuggestion(false);
                FListState->FShowPendingMouse = true;
            }
            break;
        case wmoTransparent:
            SetListAlpha(list, SuggestMouseOverAlpha(inside, cfg.SemiTransparent, cfg.AlphaBlendLevel));
            break;
        default:
            // Selecting under the mouse is the list's own mouse-move handler.
            break;
    }
}

void TSkrivoExpert::SetListAlpha(TfmSuggest* window, int level) {
    if (!window) return;
    host::IHost* host = host::Host();
    if (!host) return;
    host->Windows().SetWindowAlpha(window->Handle(), level >= kOpaque ? kOpaque : level);
}

// A single click replaces at once: the list goes away without the hide
// sound and without holding suggestions back, as the replacement follows.
void TSkrivoExpert::LClick_Replace() {
    TfmSuggest* list = FSggList.get();
    if (!list || list->lvWords->Selected() < 0) return;
    const std::string caption = list->lvWords->Caption(list->lvWords->Selected());
    list->hide();
    Play(seReplaced);
    ReplaceWord(-1, caption);
}

void TSkrivoExpert::LDblClk_Replace() {
    TfmSuggest* list = FSggList.get();
    if (!list || list->lvWords->Selected() < 0) return;
    const std::string caption = list->lvWords->Caption(list->lvWords->Selected());
    HideSuggestion(true);
    Play(seReplaced);
    ReplaceWord(-1, caption);
}

}  // namespace skrivo
