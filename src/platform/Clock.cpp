// The real clock, the process-wide clock setting and calendar conversion of file times.
#include "platform/Clock.h"

#include <atomic>
#include <chrono>

namespace skrivo {
namespace {

constexpr std::uint64_t kTicksPerMs = 10000;
constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::int64_t kSecondsPerDay = 86400;

std::atomic<Clock*> gClock{nullptr};

// Days since 1970-01-01 of a proleptic Gregorian date, and back
// (the era-based algorithms that need no tables and no loops).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

std::uint64_t RealClock::Milliseconds() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

FileTime RealClock::Now() const {
    using namespace std::chrono;
    auto sinceUnix = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return kFileTimeUnixEpochSeconds * kTicksPerSecond + static_cast<std::uint64_t>(sinceUnix) * 10;
}

ManualClock::ManualClock(std::uint64_t startMs, FileTime startUtc) : startMs_(startMs), ms_(startMs), utc_(startUtc) {}

Clock& SystemClock() {
    static RealClock realClock;
    Clock* clock = gClock.load(std::memory_order_acquire);
    return clock ? *clock : realClock;
}

void SetSystemClock(Clock* clock) { gClock.store(clock, std::memory_order_release); }

SystemTime FileTimeToSystemTime(FileTime ft) {
    SystemTime st;
    std::uint64_t totalMs = ft / kTicksPerMs;
    auto days = static_cast<std::int64_t>(totalMs / (kSecondsPerDay * 1000));
    auto msOfDay = static_cast<std::int64_t>(totalMs % (kSecondsPerDay * 1000));
    const std::int64_t daysTo1601 = DaysFromCivil(1601, 1, 1);
    CivilFromDays(days + daysTo1601, st.year, st.month, st.day);
    st.hour = static_cast<int>(msOfDay / 3600000);
    st.minute = static_cast<int>(msOfDay / 60000 % 60);
    st.second = static_cast<int>(msOfDay / 1000 % 60);
    st.millisecond = static_cast<int>(msOfDay % 1000);
    return st;
}

FileTime SystemTimeToFileTime(const SystemTime& st) {
    // Out-of-range fields carry over like a calendar would (month 13 is
    // January of the next year); a date before 1601 has no file time and gives 0.
    std::int64_t year = st.year + (st.month - 1 >= 0 ? (st.month - 1) / 12 : (st.month - 12) / 12);
    int month = ((st.month - 1) % 12 + 12) % 12 + 1;
    std::int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), 1) + (st.day - 1) - DaysFromCivil(1601, 1, 1);
    std::int64_t ms = days * kSecondsPerDay * 1000 + std::int64_t{st.hour} * 3600000 + std::int64_t{st.minute} * 60000 +
                      std::int64_t{st.second} * 1000 + st.millisecond;
    if (ms < 0) return 0;
    return static_cast<FileTime>(ms) * kTicksPerMs;
}

}  // namespace skrivo
