// Case-insensitive lookup of the dictionary files in the dictionary folder.
#include "completion/DictionaryFiles.h"

#include <filesystem>
#include <system_error>

#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo {

std::string DictionaryFolder(const std::string& directory) {
    if (directory.empty()) return AppPath();
    return IncludeTrailingPathDelimiter(directory);
}

std::optional<std::string> FindDictionaryFile(const std::string& directory, std::string_view name) {
    const std::string folder = DictionaryFolder(directory);
    const std::string exact = folder + std::string(name);
    if (FileExists(exact)) return exact;

    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    const std::string wanted = win::AsciiLower(name);
    std::optional<std::string> best;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string fileName = it->path().filename().string();
        if (win::AsciiLower(fileName) != wanted) continue;
        if (!best || fileName < ExtractFileName(*best)) best = folder + fileName;
    }
    return best;
}

std::string DictionaryWritePath(const std::string& directory, std::string_view name) {
    if (auto existing = FindDictionaryFile(directory, name)) return *existing;
    return DictionaryFolder(directory) + std::string(name);
}

}  // namespace skrivo
