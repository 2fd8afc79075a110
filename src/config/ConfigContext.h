// What the configuration routines need from the expert that owns the record.
#pragma once

#include <functional>
#include <string>

namespace skrivo {

// FastReadText is stored with the configuration but is the expert base's own
// flag; the sounds are the expert's. Unset hooks are skipped (ConfigStore
// fills the FastReadText pair with a flag of its own).
struct ConfigContext {
    std::function<bool()> getFastReadText{};
    std::function<void(bool)> setFastReadText{};
    std::function<void()> reloadSounds{};
    // The diagnostic sink (trace lines such as "Configuration saved").
    std::function<void(const std::string&)> log{};
};

}  // namespace skrivo
