// ConfigStore: start-up load, reset and save of the configuration record.
#include "config/ConfigStore.h"

#include <exception>

#include "config/ConfigTransfer.h"
#include "config/DefaultConfig.h"
#include "config/OptionAccess.h"
#include "platform/Paths.h"

namespace skrivo {

namespace {

// GetUserNameA is called with a buffer of 260 characters; a longer name
// fails there, and the copy is skipped.
constexpr std::size_t kUserNameBuffer = 260;

}  // namespace

ConfigStore::ConfigStore(ConfigContext context) : context_(std::move(context)) {
    if (!context_.getFastReadText || !context_.setFastReadText) {
        context_.getFastReadText = [this] { return ownFastReadText_; };
        context_.setFastReadText = [this](bool on) { ownFastReadText_ = on; };
    }
}

void ConfigStore::LoadSaveConfig(bool save, const std::string& fileName) {
    skrivo::LoadSaveConfig(cfg_, context_, save, fileName);
}

void ConfigStore::ResetDefaultConfig() {
    context_.setFastReadText(kDefaultFastReadText);
    ApplyDefaultConfig(cfg_, AppPath());
    std::exception_ptr loadError;
    try {
        LoadSaveConfig(false, "");
    } catch (...) {
        // Whatever was stored wrongly, the user still gets working
        // substitutions and sounds; the error is reported afterwards.
        loadError = std::current_exception();
    }
    if (cfg_.SubstList.Empty()) cfg_.SubstList.SetText(DefaultSubstitutionText());
    if (context_.reloadSounds) context_.reloadSounds();
    if (loadError) std::rethrow_exception(loadError);
}

void ConfigStore::SaveCfg() {
    LoadSaveConfig(true, "");
    if (auto path = PerUserConfigPath()) LoadSaveConfig(true, *path);
}

void ConfigStore::ClearMacroList() { skrivo::ClearMacroList(cfg_); }

void ConfigStore::SetOption(std::string_view name, std::string_view text) {
    SetOptionText(cfg_, context_, name, text);
}

std::string ConfigStore::OptionText(std::string_view name) const {
    return GetOptionText(cfg_, context_, name);
}

std::optional<std::string> PerUserConfigPath() {
    std::string user = GetUserName();
    if (user.empty() || user.size() >= kUserNameBuffer) return std::nullopt;
    return AppPath() + user + ".LastConfig.sk";
}

}  // namespace skrivo
