// The error a configuration load reports when stored values cannot be read.
#pragma once

#include <string>
#include <vector>

#include "platform/Registry.h"

namespace skrivo {

// Raised by a load after the transfer has finished, naming every value that
// could not be read (a value of another type than the option's). Such a
// value was treated as missing (an option keeps the value it had, a list
// entry reads as a missing entry does); every other value was loaded. Derives from
// ERegistryException, the registry reader's error, so a caller catching that
// sees it too. what() is a complete sentence for a message box.
class EConfigValueError : public ERegistryException {
public:
    EConfigValueError(std::string where, std::vector<std::string> valueNames, const std::string& firstReason);

    const std::string& Where() const { return where_; }
    const std::vector<std::string>& ValueNames() const { return valueNames_; }

private:
    std::string where_;
    std::vector<std::string> valueNames_;
};

}  // namespace skrivo
