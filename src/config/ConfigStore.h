// ConfigStore: the configuration record with its start-up load, reset and save, as the expert owns it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/ConfigContext.h"
#include "config/ExpertConfig.h"

namespace skrivo {

// The expert owns one ConfigStore; GetCfg() is its accessor to the record.
// Hooks the expert leaves unset are filled in: without a FastReadText pair
// the store keeps the flag itself.
class ConfigStore {
public:
    explicit ConfigStore(ConfigContext context = {});
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    TExpertConfig* GetCfg() { return &cfg_; }
    const TExpertConfig* GetCfg() const { return &cfg_; }
    const ConfigContext& Context() const { return context_; }
    bool FastReadText() const { return context_.getFastReadText(); }

    // See ConfigTransfer.h. Empty fileName: the registry.
    void LoadSaveConfig(bool save, const std::string& fileName);

    // The defaults, then the stored configuration over them, then the default
    // substitutions when the list is still empty, then the sounds reload.
    // When the stored configuration has unreadable values the later steps
    // still run before the error (EConfigValueError) is passed on.
    void ResetDefaultConfig();

    // Saves to the registry, then the per-user copy beside the program when
    // the user name is known.
    void SaveCfg();

    void ClearMacroList();

    // Option access by stored name (see OptionAccess.h).
    void SetOption(std::string_view name, std::string_view text);
    std::string OptionText(std::string_view name) const;

private:
    TExpertConfig cfg_;
    ConfigContext context_;
    bool ownFastReadText_ = true;
};

// The per-user copy "<AppPath><user>.LastConfig.sk"; nullopt when the user
// name cannot be found.
std::optional<std::string> PerUserConfigPath();

}  // namespace skrivo
