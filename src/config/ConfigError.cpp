// The configuration load error and its message.
#include "config/ConfigError.h"

namespace skrivo {

namespace {

// A broken database fails every read; the message box should still fit a screen.
constexpr std::size_t kNamesInMessage = 5;

std::string Message(const std::string& where, const std::vector<std::string>& names, const std::string& reason) {
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < kNamesInMessage; ++i) {
        if (i > 0) list += ", ";
        list += '"' + names[i] + '"';
    }
    if (names.size() > kNamesInMessage) list += " and " + std::to_string(names.size() - kNamesInMessage) + " more";
    bool one = names.size() == 1;
    return "The configuration value" + std::string(one ? " " : "s ") + list + " in " + where +
           (one ? " could not be read (" : " could not be read (first: ") + reason +
           "); the rest of the configuration was loaded.";
}

}  // namespace

EConfigValueError::EConfigValueError(std::string where, std::vector<std::string> valueNames,
                                     const std::string& firstReason)
    : ERegistryException(Message(where, valueNames, firstReason)),
      where_(std::move(where)),
      valueNames_(std::move(valueNames)) {}

}  // namespace skrivo
