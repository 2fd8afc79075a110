// TSkrivoExpert: the configuration record it owns, its start-up load, saves, and how load errors reach the user.
#include <exception>

#include "bridge/Diagnostics.h"
#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "expert/StoreFailures.h"
#include "host/api/Host.h"
#include "host/api/Form.h"
#include "platform/Clock.h"
#include "platform/Registry.h"

namespace skrivo {


void TSkrivoExpert::CreateConfig() {
    ConfigContext context;
    context.getFastReadText = [this] { return FastReadText(); };
    context.setFastReadText = [this](bool fast) { SetFastReadText(fast); };
    context.reloadSounds = [this] { ReLoadSounds(); };
    context.log = [](const std::string& line) { Rpt(line); };
    FConfig = std::make_unique<ConfigStore>(std::move(context));
}

TExpertConfig* TSkrivoExpert::GetCfg() { return FConfig->GetCfg(); }
const TExpertConfig* TSkrivoExpert::GetCfg() const { return FConfig->GetCfg(); }

const std::string& TSkrivoExpert::LastConfigError() const { return FStoreFailures->FLastConfigError; }

void TSkrivoExpert::LoadSaveConfig(bool save, const std::string& fileName) {
    FConfig->LoadSaveConfig(save, fileName);
}

// Another program may hold the registry database's lock (a backup tool, a
// second IDE stuck in a save). The IDE must not freeze for it: the save is
// kept pending and retried from the idle timer, and the user hears of it
// once if it keeps failing.
void TSkrivoExpert::SaveCfg() {
    try {
        FConfig->SaveCfg();
    } catch (const ERegistryLocked& e) {
        Rpt("Configuration save deferred: ", e.what());
        if (!FStoreFailures->FConfigSavePending) FStoreFailures->FConfigSaveFailedTick = win::GetTickCount();
        FStoreFailures->FConfigSavePending = true;
        FStoreFailures->FConfigLockError = e.what();
        return;
    }
    FStoreFailures->FConfigSavePending = false;
    // The stored configuration is now the one in memory: a start-up load
    // still pending would only take it back.
    FStoreFailures->FConfigLoadPending = false;
}

void TSkrivoExpert::SaveCfgAtClose() {
    if (!FStoreFailures->FConfigSavePending) return;
    SaveCfg();
    if (FStoreFailures->FConfigSavePending)
        TellConfig("Skrivo could not save the settings changed in this session: " + FStoreFailures->FConfigLockError + ".");
}

void TSkrivoExpert::TellConfig(const std::string& message) {
    Rpt(message);
    if (host::Host()) host::MessageDlg("Skrivo Expert", message, host::MessageButtons::Ok);
}

void TSkrivoExpert::ClearMacroList() { FConfig->ClearMacroList(); }

// A stored value that cannot be read (another type than the option's) must
// not keep the IDE from starting: the store loads everything else, and the
// user is told once which values were ignored, so a hand-edited or foreign
// registry entry does not fail silently.
void TSkrivoExpert::ResetDefaultConfig() {
    try {
        FConfig->ResetDefaultConfig();
    } catch (const ERegistryLocked& e) {
        // Whatever could not be read stays at its default until the lock goes.
        Rpt("fin025");
        FStoreFailures->FConfigLockError = e.what();
        const bool first = !FStoreFailures->FConfigLoadPending && !FStoreFailures->FConfigLoadReported;
        FStoreFailures->FConfigLoadPending = true;
        if (first) {
            FStoreFailures->FConfigLoadReported = true;
            TellConfig("Skrivo could not read its settings: " + FStoreFailures->FConfigLockError +
                       ".\n\nIt starts with the default settings and reads the stored ones as soon as it can.");
        }
    } catch (const std::exception& e) {
        Rpt("fin025");
        ReportConfigError(e.what());
    }
}

void TSkrivoExpert::ReportConfigError(const std::string& message) {
    FStoreFailures->FLastConfigError = message;
    Rpt("Configuration error: ", message);
    if (host::Host()) host::MessageDlg("Skrivo Expert", message, host::MessageButtons::Ok);
}

}  // namespace skrivo
