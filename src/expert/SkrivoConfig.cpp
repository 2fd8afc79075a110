// TSkrivoExpert: the configuration record it owns, its start-up load, saves, and how load errors reach the user.
#include <exception>

#include "bridge/Diagnostics.h"
#include "config/ConfigStore.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "host/api/Form.h"

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

void TSkrivoExpert::LoadSaveConfig(bool save, const std::string& fileName) {
    FConfig->LoadSaveConfig(save, fileName);
}

void TSkrivoExpert::SaveCfg() { FConfig->SaveCfg(); }

void TSkrivoExpert::ClearMacroList() { FConfig->ClearMacroList(); }

// A stored value that cannot be read (another type than the option's) must
// not keep the IDE from starting: the store loads everything else, and the
// user is told once which values were ignored, so a hand-edited or foreign
// registry entry does not fail silently.
void TSkrivoExpert::ResetDefaultConfig() {
    try {
        FConfig->ResetDefaultConfig();
    } catch (const std::exception& e) {
        Rpt("fin025");
        ReportConfigError(e.what());
    }
}

void TSkrivoExpert::ReportConfigError(const std::string& message) {
    FLastConfigError = message;
    Rpt("Configuration error: ", message);
    if (host::Host()) host::MessageDlg("Skrivo Expert", message, host::MessageButtons::Ok);
}

}  // namespace skrivo
