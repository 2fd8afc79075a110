// Where the dictionary files live: names looked up in the dictionary folder without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skrivo {

inline constexpr std::string_view kSelfTeachingDictionaryName = "Skrivo.dic";
inline constexpr std::string_view kFixedDictionaryName = "fixed.dic";

// The dictionary folder with a trailing separator. An empty folder means the
// host's program folder, as it does for the configured Directory.
std::string DictionaryFolder(const std::string& directory);

// The existing file in folder whose name equals name without regard to case
// (the exact spelling preferred, then the first in name order); nullopt when
// there is none or the folder does not exist.
std::optional<std::string> FindDictionaryFile(const std::string& directory, std::string_view name);

// The file to write: the existing one of that name in whatever case, so a
// dictionary named "skrivo.DIC" by hand is updated rather than shadowed by a
// second file; otherwise the folder plus name.
std::string DictionaryWritePath(const std::string& directory, std::string_view name);

}  // namespace skrivo
