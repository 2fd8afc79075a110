// TSkrivoExpert: identity, Init and the destructor, in the order the IDE relies on.
#include <exception>

#include "bridge/Diagnostics.h"
#include "bridge/HostBoundary.h"
#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/PassedOverWords.h"
#include "completion/SmartRanking.h"
#include "config/ConfigStore.h"
#include "suggest/SuggestWindow.h"
#include "convert/LayoutConverter.h"
#include "expert/IdleTimerState.h"
#include "expert/KeyDispatchState.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "expert/StoreFailures.h"
#include "expert/SuggestListState.h"
#include "macros/recorder/KeyboardMacros.h"
#include "host/api/Host.h"
#include "sounds/SoundPlayer.h"
#include "bookmarks/BookmarkPersistence.h"
#include "macros/PressedKeyHistory.h"
#include "tips/TipWindow.h"
#include "tips/TipsWizard.h"
#include "subst/SubstitutionEngine.h"

namespace skrivo {

TSkrivoExpert::TSkrivoExpert()
    : FTimerState(std::make_unique<TIdleTimerState>()),
      FKeys(std::make_unique<TKeyDispatchState>()),
      FReplacement(std::make_unique<TReplacementRecord>()),
      FListState(std::make_unique<TSuggestListState>()),
      FStoreFailures(std::make_unique<TStoreFailures>()) {}

std::string TSkrivoExpert::GetIDString() { return "Quorvel.SkrivoExpert"; }
std::string TSkrivoExpert::GetName() { return "Quorvel Skrivo Expert"; }
std::string TSkrivoExpert::PackageName() { return "SkrivoPackage.bpl"; }

void TSkrivoExpert::Init() {
    b("-> TSkrivoExpert.Init");
    CreateTipsWizard();
    CreateSounds();
    CreateBookmarks();
    FWindowTitles = std::make_unique<StringList>();
    FListState->FLineHeight = 10;
    FConversion = std::make_unique<TLayoutConverter>();

    CreateDictionaries();
    CreateConfig();
    CreateMacros();
    FSubst = std::make_unique<subst::SubstitutionEngine>();

    host::IHost* host = host::Host();
    if (host) {
        FTimer = host->CreateTimer();
        FTimer->SetInterval(250);
        FTimer->SetOnTimer([this] { CallFromHost("TimerTick", [this] { TimerTick(); }); });
        FTimerState->FDelayCount = DelayTicks();
        FTimer->SetEnabled(true);
        Rpt("Timer enabled");

        // A timer fires only from the message loop: this one runs once the
        // IDE has started and waits for its user.
        FPrepareTimer = host->CreateTimer();
        FPrepareTimer->SetInterval(1);
        FPrepareTimer->SetOnTimer([this] { CallFromHost("PrepareAfterStart", [this] { PrepareAfterStart(); }); });
        FPrepareTimer->SetEnabled(true);

        host::IApplication& app = host->Application();
        FOldOnMessage = app.OnMessage();
        FOnMessageSaved = true;
        app.SetOnMessage([this](win::TMsg& msg, bool& handled) {
            CallFromHost("AnyMessage", [&] { AnyMessage(msg, handled); });
        });
        Rpt("OnMessage installed");
    }

    // Position -100: just before the first separator of the Tools menu.
    host::IMenuItem* item = AddMenuItem(mbiTools, -100, "Skrivo Expert...", "SkrivoExpertMenu",
                                        host::mfEnabled | host::mfVisible,
                                        [this](host::IMenuItem* clicked) {
                                            CallFromHost("MenuClick", [&] { MenuClick(clicked); });
                                        });
    Rpt(item ? "Menu item added" : "Could not add menu item");

    ResetDefaultConfig();
    LoadDictionaries();
    b("<- TSkrivoExpert.Init");
}

TSkrivoExpert::~TSkrivoExpert() {
    b("-> TSkrivoExpert.Destroy");
    SetReady(false);
    StopAndFreeSounds();
    if (FTimer) {
        FTimer->SetEnabled(false);
        Rpt("Timer disabled");
    }
    if (FPrepareTimer) FPrepareTimer->SetEnabled(false);

    host::IHost* host = host::Host();
    if (!host) {
        Rpt("Application already = nil, was not restored OnMessage");
    } else if (FOnMessageSaved) {
        FOnMessageSaved = false;
        host->Application().SetOnMessage(FOldOnMessage);
        FOldOnMessage = nullptr;
        Rpt("OnMessage restored");
    } else {
        Rpt("OnMessage was not saved - not restored");
    }

    FreeSuggestionList();
    FTimer.reset();
    FPrepareTimer.reset();
    if (FConfig) SaveCfgAtClose();
    if (FDict && FDict->Count() > 0) SaveDictionaryAtClose();

    FreeDictionaries();
    FreeOwnedLists();
    FConfig.reset();
    FWindowTitles.reset();

    // The base's steps run while this object still answers its hooks
    // (DestroyingNotifier for every notifier).
    DestroyBase();
    b("<- TSkrivoExpert.Destroy");
}

// What the expert owns besides the dictionaries.
void TSkrivoExpert::FreeOwnedLists() {
    FreeTipsWizard();
    FSounds.reset();
    FBookmarks.reset();
}

// The list window's first measure of its font (the font's fallbacks looked
// up, every character's glyph loaded) takes milliseconds: paid here rather
// than in the pause after the first key that brings a list.
void TSkrivoExpert::PrepareAfterStart() {
    FPrepareTimer->SetEnabled(false);
    TfmSuggest* list = GetSggList();
    list->CaptionWidth({});
    // Its window made and its style applied now, the first showing only shows.
    list->ensurePolished();
    (void)list->winId();
    if (GetCfg()->ShowTips) PrepareTipWindows();
}

void TSkrivoExpert::MenuClick(host::IMenuItem*) { DoShowOptions(); }

// No one else owns the list window in this host, also while the IDE
// terminates: Skrivo is unloaded before the application's windows go.
void TSkrivoExpert::FreeSuggestionList() { FSggList.reset(); }

}  // namespace skrivo
