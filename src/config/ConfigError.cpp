// The configuration load error and its message.
#include "config/ConfigError.h"

namespace skrivo {

namespace {

std::string Message(const std::string& where, const std::vector<std::string>& names, const std::string& reason) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) list += ", ";
        list += '"' + names[i] + '"';
    }
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
