// Options by their stored names, as text: for scripted scenarios and diagnostics.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "config/ConfigContext.h"
#include "config/ExpertConfig.h"

namespace skrivo {

// An unknown option name or a text the option cannot take; what() says which.
class EOptionError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Sets a scalar option (names compare without regard to case) from text:
// Booleans "1"/"0", "true"/"false", "on"/"off", "yes"/"no"; integers in
// decimal; shortcuts as shortcut texts ("Ctrl+E", "Shift+Ctrl+Num 5"), "" or
// "none" for no shortcut, or "0x604A"; strings as they are, cut to 255
// characters. FastReadText goes through the context. Lists cannot be set
// this way.
void SetOptionText(TExpertConfig& cfg, const ConfigContext& ctx, std::string_view name, std::string_view text);

// The option as text, in the forms SetOptionText reads: Booleans "1"/"0",
// shortcuts as their texts ("" for none, "0x...." for a key without a name).
// Also the list counts and list entries by their stored names ("WordsListCount",
// "Word3", "Subst0From", "Macro1Shortcut", "Macro1Data" as hexadecimal).
std::string GetOptionText(const TExpertConfig& cfg, const ConfigContext& ctx, std::string_view name);

// Every field of the record, plus FastReadText, as "Name=Value" lines (LF
// ended) in stored order, lists entry by entry: two configurations are equal
// exactly when their descriptions are.
std::string DescribeConfig(const TExpertConfig& cfg, const ConfigContext& ctx);

}  // namespace skrivo
