// Whole-file reading, atomic file writing, file times and the small file-system calls the system uses.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace skrivo {

// Raised by the file calls below with the path and the system's reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and its parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);

// The whole file as bytes. Throws FileError when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over path, so a crash or a failed write never leaves a
// truncated file: either the old file stays whole or the new one is complete.
// The file's last-write time is then set to the system clock's Now(), so that
// file times and the host clock agree also on a manual clock.
// A symbolic link is written through to its target and stays a link.
// Throws FileError (the old file untouched) on any failure.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Last-write time as a UTC file time; nullopt when the file does not exist.
std::optional<FileTime> GetFileWriteTime(const std::string& path);
bool SetFileWriteTime(const std::string& path, FileTime time);

// DeleteFile / RenameFile as Windows' calls: false on failure, never throw.
bool DeleteFileIfExists(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);

// Path helpers on '/'-separated paths.
std::string ExtractFilePath(const std::string& path);   // folder with trailing '/'
std::string ExtractFileName(const std::string& path);   // name without folder
std::string ExtractFileExt(const std::string& path);    // ".pas", "" when none
std::string IncludeTrailingPathDelimiter(const std::string& path);

}  // namespace skrivo
