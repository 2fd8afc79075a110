// TSkrivoExpert: the one expert object: lifecycle, message hook, idle timer and module notifications.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "bridge/QvExpert.h"
#include "host/api/Application.h"
#include "host/api/EditorTypes.h"
#include "platform/StringList.h"

namespace skrivo {

class TQvNotifier;

class TSkrivoExpert : public TQvExpert {
public:
    ~TSkrivoExpert() override;

    // Identity (SkrivoLifecycle.cpp).
    std::string GetIDString() override;
    std::string GetName() override;
    std::string PackageName() override;

    // Lifecycle (SkrivoLifecycle.cpp).
    void Init() override;
    void MenuClick(host::IMenuItem* item);

    // Module notifications (SkrivoNotify.cpp).
    void Notify(TQvNotifier* notifier, host::TNotifyCode code) override;
    void NotifierCreated(TQvNotifier* notifier) override;
    void DestroyingNotifier(TQvNotifier* notifier) override;

    // The IDE's windows (SkrivoWindows.cpp).
    std::string EditingFile();
    bool IsEditorForeground();
    bool KibitzWindowVisible();

    // The application's message hook (SkrivoMessages.cpp).
    void AnyMessage(win::TMsg& msg, bool& handled);

    // The idle timer (SkrivoTimer.cpp).
    void ResetTimer();
    void TimerTick();

protected:
    friend class TQvExpert;  // Create builds the expert
    TSkrivoExpert();

    // Host hooks and timer
    host::TMessageEvent FOldOnMessage;
    bool FOnMessageSaved = false;
    std::unique_ptr<host::ITimer> FTimer;

    // Tracking of edits; none of these notifiers is owned
    TQvNotifier* FLastModified = nullptr;
    host::TEditPos FLastEditPos;
    TQvNotifier* Notifier2Replace = nullptr;

    // Replacement record
    TQvNotifier* FReplaceNotifier = nullptr;

    // Completion state
    std::unique_ptr<StringList> FDict;
    std::unique_ptr<StringList> FFixedDict;
    int FLineHeight = 0;

    // Timer state
    std::int32_t FDelayCount = 0;
    std::uint32_t FResetTick = 0;
    std::uint32_t FRenameTick = 0;
    bool FBusy = false;
    std::uint32_t FLastSaveTick = 0;
    bool FSaveRequested = false;
    int FBookmarksPending = 0;

    // Other
    bool FKibitzFound = false;
    std::unique_ptr<StringList> FWindowTitles;

private:
    // Options this stage reads (SkrivoOptions.cpp); the configuration
    // record answers them once it is wired in.
    int CfgDelayTime() const;
    int CfgAutoSave() const;
    // The reload value of FDelayCount for the configured delay.
    std::int32_t DelayTicks() const;

    // Steps that later capabilities fill (SkrivoCapabilitySteps.cpp).
    void CreateTipsWizard();          // the tips wizard
    void ResetDefaultConfig();        // configuration, default substitutions, sounds
    void LoadDictionaries();          // Directory, fixed.dic and Skrivo.dic
    void StopAndFreeSounds();         // the 12 sound buffers
    void FreeSuggestionList();        // TfmSuggest (not while the application terminates)
    void SaveDictionary();            // Skrivo.dic
    void FreeOwnedLists();            // hide-after words, macros, conditions, substitutions, beep player
    void DoSubstitutions(TQvNotifier* notifier);
    void SaveBookmarks(TQvNotifier* notifier);
    void DoShowOptions();
};

}  // namespace skrivo
