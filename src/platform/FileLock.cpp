// flock() on a lock file with a bounded wait.
#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/FileIO.h"

namespace skrivo {

FileLock::FileLock(const std::string& lockPath, std::chrono::milliseconds wait) {
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::Locked;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system without locks: nothing to serialise with.
            state_ = State::Unavailable;
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            state_ = State::TimedOut;
            return;
        }
        std::this_thread::sleep_for(pause);
        if (pause < std::chrono::milliseconds(20)) pause *= 2;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::string LockPathFor(const std::string& path) {
    const std::string target = ResolveSymlink(path);
    return ExtractFilePath(target) + "." + ExtractFileName(target) + ".lock";
}

}  // namespace skrivo
