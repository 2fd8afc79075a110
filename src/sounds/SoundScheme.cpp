// Sound scheme files (".ss"): a header line and the sound file of each of the twelve events.
#include "sounds/SoundScheme.h"

#include <algorithm>
#include <filesystem>

#include "platform/FileIO.h"
#include "platform/StringList.h"

namespace skrivo {

namespace fs = std::filesystem;

namespace {
bool IsSchemeFile(const fs::path& file) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec || size == 0 || size > kMaxSoundSchemeBytes) return false;
    try {
        StringList lines;
        lines.LoadFromFile(file.string());
        return !lines.Empty() && lines[0] == kSoundSchemeHeader;
    } catch (const FileError&) {
        return false;
    }
}
}  // namespace

std::string ResolveSoundPath(const std::string& path, const std::string& soundHome) {
    if (path.empty() || fs::path(path).is_absolute() || soundHome.empty()) return path;
    return (fs::path(soundHome) / path).lexically_normal().string();
}

std::vector<std::string> ScanSoundSchemes(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        if (file.extension() != kSoundSchemeExt || !it->is_regular_file(ec)) continue;
        if (IsSchemeFile(file)) names.push_back(file.stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ReadSoundScheme(const std::string& folder, const std::string& name, const std::string& soundHome,
                     SoundPaths& paths) {
    const std::string fileName = (fs::path(folder) / (name + kSoundSchemeExt)).string();
    if (!FileExists(fileName)) {
        paths.fill({});
        return;
    }
    StringList lines;
    lines.LoadFromFile(fileName);
    for (std::size_t k = 0; k < paths.size() && k + 1 < lines.Count(); ++k) {
        std::string path = lines[k + 1].substr(0, kMaxSoundPathLength);
        paths[k] = !path.empty() && FileExists(ResolveSoundPath(path, soundHome)) ? std::move(path) : std::string();
    }
}

void WriteSoundScheme(const std::string& fileName, const SoundPaths& paths) {
    StringList lines;
    lines.Add(kSoundSchemeHeader);
    for (const std::string& path : paths) lines.Add(path);
    lines.SaveToFile(fileName);
}

}  // namespace skrivo
