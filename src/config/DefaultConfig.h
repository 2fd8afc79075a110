// The default configuration: option defaults, the default hide-after words and substitutions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "config/ExpertConfig.h"

namespace skrivo {

// The hide-after words a first start gets (" S" and " I" begin with a blank).
inline constexpr std::array<std::string_view, 26> kDefaultHideAfterWords = {
    "begin", "end", "try", "finally", "except", "then", "else", "do", "repeat",
    "and", "or", "xor", "mod", "div", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    " S", " I",
};

// The default substitution list as one text: 66 lines separated by carriage
// returns, pattern and replacement lines alternating.
std::string_view DefaultSubstitutionText();

// Sets every option of the record to its default except those that keep
// their value on a reset (SemicolonComplete, the sound paths, SearchInHints):
// Directory becomes directory, the hide-after list the 26 default words, and
// the condition, substitution and macro lists are emptied. FastReadText is
// not in the record; its default is kDefaultFastReadText.
void ApplyDefaultConfig(TExpertConfig& cfg, const std::string& directory);

inline constexpr bool kDefaultFastReadText = true;

}  // namespace skrivo
