// An advisory lock on a lock file beside a data file: serialises one file's read-modify-write between processes.
#pragma once

#include <chrono>
#include <string>

namespace skrivo {

// Locks the file lockPath (created when missing) with flock(): the lock is
// the process's own, so it is released when the process ends in any way,
// also by kill -9, and never goes stale. Processes that agree to take it
// around a read-modify-write of one file cannot interleave their windows.
class FileLock {
public:
    enum class State {
        Locked,
        TimedOut,     // another holder kept it beyond the wait
        Unavailable,  // the lock file cannot be made (a read-only folder)
    };

    // Tries until the wait runs out; Locked() tells whether it got the lock.
    FileLock(const std::string& lockPath, std::chrono::milliseconds wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State GetState() const { return state_; }
    bool Locked() const { return state_ == State::Locked; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

// The lock file that guards path: hidden, beside the file itself (beside a
// symbolic link's target, so every folder that links one file shares it).
std::string LockPathFor(const std::string& path);

}  // namespace skrivo
