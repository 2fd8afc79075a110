// Tick counts and UTC file times from a real clock or from a manual one that tests advance.
#pragma once

#include <compare>
#include <cstdint>

namespace skrivo {

// 100-nanosecond intervals since 1601-01-01 UTC.
using FileTime = std::uint64_t;

// Seconds between 1601-01-01 and 1970-01-01.
inline constexpr std::uint64_t kFileTimeUnixEpochSeconds = 11644473600ULL;

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start (64-bit, never wraps).
    virtual std::uint64_t Milliseconds() const = 0;
    // Current UTC time as a file time.
    virtual FileTime Now() const = 0;

    // GetTickCount: the low 32 bits of Milliseconds(); wraps after 49.7 days.
    std::uint32_t TickCount() const { return static_cast<std::uint32_t>(Milliseconds()); }
};

class RealClock final : public Clock {
public:
    std::uint64_t Milliseconds() const override;
    FileTime Now() const override;
};

// 2026-01-01 00:00:00 UTC, where a manual clock starts unless told otherwise.
inline constexpr FileTime kManualClockStartUtc = 134116992000000000ULL;

// Time stands still until Advance or Set moves it. Starts at the given tick
// count and UTC time (defaults: tick 1000, 2026-01-01 00:00:00 UTC).
class ManualClock final : public Clock {
public:
    explicit ManualClock(std::uint64_t startMs = 1000, FileTime startUtc = kManualClockStartUtc);
    std::uint64_t Milliseconds() const override { return ms_; }
    FileTime Now() const override { return utc_ + (ms_ - startMs_) * 10000ULL; }
    void Advance(std::uint64_t ms) { ms_ += ms; }
    void SetMilliseconds(std::uint64_t ms) { if (ms > ms_) ms_ = ms; }

private:
    std::uint64_t startMs_;
    std::uint64_t ms_;
    FileTime utc_;
};

// The process-wide clock ("the host's clock"): a RealClock unless set.
// SetSystemClock does not take ownership; pass nullptr to go back to real time.
Clock& SystemClock();
void SetSystemClock(Clock* clock);

namespace win {
inline std::uint32_t GetTickCount() { return SystemClock().TickCount(); }
inline FileTime GetSystemTimeAsFileTime() { return SystemClock().Now(); }
}  // namespace win

// Calendar conversion (UTC, millisecond resolution), for comparisons made in
// calendar terms and for logs.
struct SystemTime {
    int year = 1601, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
    friend auto operator<=>(const SystemTime&, const SystemTime&) = default;
};
SystemTime FileTimeToSystemTime(FileTime ft);
FileTime SystemTimeToFileTime(const SystemTime& st);

}  // namespace skrivo
