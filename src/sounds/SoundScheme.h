// Sound scheme files (".ss"): a header line and the sound file of each of the twelve events.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/SoundEvents.h"

namespace skrivo {

using SoundPaths = std::array<std::string, kSoundEventCount>;

inline constexpr const char* kSoundSchemeHeader = "Skrivo Expert - Sound scheme file (do not alter this line)";
inline constexpr const char* kSoundSchemeExt = ".ss";
// The first row of the scheme list: the assignments the configuration holds.
inline constexpr const char* kCurrentSoundScheme = "< current >";
// Larger files are not schemes someone wrote by hand or with the dialog.
inline constexpr std::uintmax_t kMaxSoundSchemeBytes = 64000;
// A configured sound path is cut to this length, as the options store it.
inline constexpr std::size_t kMaxSoundPathLength = 255;

// The names (file names without ".ss") of the scheme files in the folder,
// sorted; files too large, empty or without the exact header are not schemes.
std::vector<std::string> ScanSoundSchemes(const std::string& folder);

// Applies the scheme "folder/name.ss" to paths. A missing file clears every
// assignment. Line k + 1 gives event k; a named sound file that does not
// exist (relative paths taken from soundHome) unassigns its event; events
// past the file's last line keep theirs. Throws FileError when the file
// exists but cannot be read.
void ReadSoundScheme(const std::string& folder, const std::string& name, const std::string& soundHome,
                     SoundPaths& paths);

// The header and the twelve paths, CR LF after each line; written atomically.
void WriteSoundScheme(const std::string& fileName, const SoundPaths& paths);

// A configured sound path as a file name: absolute as it is, relative ones
// inside the Skrivo home, so a home moved with its sounds keeps working.
std::string ResolveSoundPath(const std::string& path, const std::string& soundHome);

}  // namespace skrivo
