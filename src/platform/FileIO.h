// Whole-file reading, atomic file writing, file times and the small file-system calls the system uses.
#pragma once

#include <cstddef>
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
// A symbolic link is written through to its target and stays a link, also
// when the target does not exist yet; a link whose target folder is missing
// (a share not mounted) is refused rather than replaced by a plain file.
// A read-only file (no write permission) is not replaced.
// Throws FileError (the old file untouched) on any failure.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Where a write to path lands: the final target of a chain of symbolic links
// (also a dangling one), path itself when it is no link.
std::string ResolveSymlink(const std::string& path);

// Removes the temporary files WriteFileAtomic leaves in folder when its
// process is killed mid-write: only names of its own pattern whose process
// no longer runs and which are older than a minute. Returns how many went.
std::size_t RemoveStaleTempFiles(const std::string& folder);

// The reading rule of text files stops at a NUL, so writing the text back
// would drop whatever follows it. When the file at path holds bytes after a
// NUL, its bytes are first kept beside it as "NAME.bak" (or "NAME.2.bak", ...
// when an older, different backup is there) and that path is returned;
// nullopt when nothing would be dropped or the file does not exist. Throws
// FileError when the backup cannot be written: the caller must not write.
std::optional<std::string> KeepBackupOfUnreadText(const std::string& path);

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
