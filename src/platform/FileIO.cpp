// File reading, atomic writing through a temporary file, file times and path helpers.
#include "platform/FileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

namespace skrivo {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10000000;

[[noreturn]] void Fail(const std::string& what, const std::string& path, int err) {
    throw FileError(what + " '" + path + "': " + std::strerror(err));
}

// Closes a descriptor on every path out of a scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    int Close() {
        int rc = 0;
        if (fd_ >= 0) rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// Removes the temporary file unless the rename went through.
class TempFileGuard {
public:
    explicit TempFileGuard(std::string path) : path_(std::move(path)) {}
    ~TempFileGuard() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TempFileGuard(const TempFileGuard&) = delete;
    TempFileGuard& operator=(const TempFileGuard&) = delete;
    void Release() { path_.clear(); }

private:
    std::string path_;
};

std::string TempNameFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return ExtractFilePath(path) + "." + ExtractFileName(path) + ".~" + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1)) + ".tmp";
}

timespec ToTimespec(FileTime time) {
    std::uint64_t unixTicks = time > kFileTimeUnixEpochSeconds * kTicksPerSecond
                                  ? time - kFileTimeUnixEpochSeconds * kTicksPerSecond
                                  : 0;
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(unixTicks / kTicksPerSecond);
    ts.tv_nsec = static_cast<long>(unixTicks % kTicksPerSecond) * 100;
    return ts;
}

void SyncFolder(const std::string& folder) {
    // Makes the rename itself durable; a folder that cannot be opened for
    // syncing (some file systems) is not a failure of the write.
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Links deeper than this are a loop.
constexpr int kMaxLinkDepth = 40;

// Temporary files younger than this may belong to a write in progress on
// another machine sharing the folder, whose process ids mean nothing here.
constexpr time_t kStaleTempAgeSeconds = 60;

bool IsReadOnly(const std::string& path, const struct stat& st) {
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// ".NAME.~PID-N.tmp": the process id, when name has that pattern.
std::optional<pid_t> TempFileOwner(const std::string& name) {
    if (name.size() < 8 || name[0] != '.' || name.compare(name.size() - 4, 4, ".tmp") != 0) return std::nullopt;
    const std::string core = name.substr(0, name.size() - 4);
    const auto mark = core.rfind(".~");
    if (mark == std::string::npos || mark < 2) return std::nullopt;
    const std::string ids = core.substr(mark + 2);
    const auto dash = ids.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 >= ids.size()) return std::nullopt;
    if (ids.find_first_not_of("0123456789-") != std::string::npos || ids.find('-', dash + 1) != std::string::npos)
        return std::nullopt;
    if (dash > 9) return std::nullopt;
    return static_cast<pid_t>(std::stol(ids.substr(0, dash)));
}

bool ProcessRuns(pid_t pid) { return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM); }

}  // namespace

// A symbolic link is written through, not replaced: users link a shared
// dictionary into several folders, and replacing the link would quietly split it.
std::string ResolveSymlink(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat st{};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0) return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : ExtractFilePath(current) + target;
    }
    return current;
}

bool FileExists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    if (DirectoryExists(path)) return true;
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    auto slash = trimmed.find_last_of('/');
    if (slash != std::string::npos && slash > 0) ForceDirectories(trimmed.substr(0, slash));
    if (::mkdir(trimmed.c_str(), 0777) == 0) return true;
    return DirectoryExists(trimmed);
}

std::string ReadFileBytes(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) Fail("Cannot open file", path, errno);
    struct stat st{};
    if (::fstat(fd.Get(), &st) != 0) Fail("Cannot read file", path, errno);
    if (S_ISDIR(st.st_mode)) Fail("Cannot read file", path, EISDIR);
    std::string bytes;
    if (st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot read file", path, errno);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

void WriteFileAtomic(const std::string& requestedPath, std::string_view bytes) {
    if (requestedPath.empty()) throw FileError("Cannot write file '': no file name");
    const std::string path = ResolveSymlink(requestedPath);
    if (path != requestedPath) {
        const std::string folder = ExtractFilePath(path);
        if (!folder.empty() && !DirectoryExists(folder))
            throw FileError("Cannot write file '" + requestedPath + "': it links to '" + path +
                            "', whose folder does not exist");
    }
    const std::string tempPath = TempNameFor(path);
    // A new file gets the usual permissions; a replaced one keeps its own.
    mode_t mode = 0666;
    struct stat old{};
    bool hadOld = ::stat(path.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) Fail("Cannot write file", path, EISDIR);
    if (hadOld && IsReadOnly(path, old)) throw FileError("Cannot write file '" + path + "': the file is read-only");
    FileDescriptor fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.Get() < 0) Fail("Cannot write file", path, errno);
    TempFileGuard guard(tempPath);
    if (hadOld) ::fchmod(fd.Get(), old.st_mode & 07777);

    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot write file", path, errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0) Fail("Cannot write file", path, errno);
    if (fd.Close() != 0) Fail("Cannot write file", path, errno);
    if (::rename(tempPath.c_str(), path.c_str()) != 0) Fail("Cannot replace file", path, errno);
    guard.Release();
    SyncFolder(ExtractFilePath(path));
    SetFileWriteTime(path, SystemClock().Now());
}

std::size_t RemoveStaleTempFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    const std::string prefix = IncludeTrailingPathDelimiter(folder.empty() ? "." : folder);
    const time_t now = ::time(nullptr);
    std::size_t removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const auto owner = TempFileOwner(name);
        if (!owner || *owner == ::getpid() || ProcessRuns(*owner)) continue;
        struct stat st{};
        const std::string path = prefix + name;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime < kStaleTempAgeSeconds) continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::optional<std::string> KeepBackupOfUnreadText(const std::string& path) {
    if (!FileExists(path)) return std::nullopt;
    const std::string bytes = ReadFileBytes(path);
    const auto nul = bytes.find('\0');
    if (nul == std::string::npos || nul + 1 >= bytes.size()) return std::nullopt;
    const std::string target = ResolveSymlink(path);
    for (int n = 1; n < 100; ++n) {
        const std::string backup = target + (n == 1 ? std::string() : "." + std::to_string(n)) + ".bak";
        if (FileExists(backup)) {
            if (ReadFileBytes(backup) == bytes) return backup;
            continue;
        }
        WriteFileAtomic(backup, bytes);
        return backup;
    }
    throw FileError("Cannot keep a backup of '" + path + "': too many backups beside it");
}

std::optional<FileTime> GetFileWriteTime(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    auto seconds = static_cast<std::int64_t>(st.st_mtim.tv_sec) + static_cast<std::int64_t>(kFileTimeUnixEpochSeconds);
    if (seconds < 0) return FileTime{0};
    return static_cast<FileTime>(seconds) * kTicksPerSecond + static_cast<FileTime>(st.st_mtim.tv_nsec / 100);
}

bool SetFileWriteTime(const std::string& path, FileTime time) {
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;  // leave the access time alone
    times[1] = ToTimespec(time);
    return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

bool DeleteFileIfExists(const std::string& path) {
    if (!FileExists(path)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    // Windows' MoveFile does not replace an existing target; callers rely on that.
    struct stat st{};
    if (::lstat(to.c_str(), &st) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

std::string ExtractFilePath(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
    std::string name = ExtractFileName(path);
    auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string IncludeTrailingPathDelimiter(const std::string& path) {
    if (!path.empty() && path.back() == '/') return path;
    return path + "/";
}

}  // namespace skrivo
