// A unit's local dictionary: the distinct words of its source, in order of first occurrence.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/StringList.h"

namespace skrivo {

// Words shorter than this are not worth offering.
inline constexpr std::size_t kLocalWordMinLength = 4;
// The scan stops once the kept words, counted as stored lines (length + CR LF),
// would reach this size: a huge unit contributes its first words only, which
// bounds both the memory and the cost of searching it on every pause.
inline constexpr std::size_t kLocalDictionaryCapacity = 65535;

// A word starts at a letter ("_", "@" and "$" included, digits not) and runs
// over letters and digits. Duplicates are dropped by exact comparison, so
// "Caption" and "caption" are both kept.
StringList BuildLocalDictionary(std::string_view source);

}  // namespace skrivo
