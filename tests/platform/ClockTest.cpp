// Clocks, tick counts and the calendar conversion of file times.
#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace skrivo {
namespace {

struct KnownDate {
    FileTime fileTime;
    SystemTime date;
};

class CalendarDates : public ::testing::TestWithParam<KnownDate> {};

TEST_P(CalendarDates, ConvertBothWays) {
    EXPECT_EQ(FileTimeToSystemTime(GetParam().fileTime), GetParam().date);
    EXPECT_EQ(SystemTimeToFileTime(GetParam().date), GetParam().fileTime);
}

constexpr FileTime kDay = 864000000000ULL;

INSTANTIATE_TEST_SUITE_P(
    Known, CalendarDates,
    ::testing::Values(KnownDate{0, {1601, 1, 1, 0, 0, 0, 0}},
                      KnownDate{kDay * 365, {1602, 1, 1, 0, 0, 0, 0}},
                      KnownDate{kFileTimeUnixEpochSeconds * 10000000ULL, {1970, 1, 1, 0, 0, 0, 0}},
                      KnownDate{134116992000000000ULL, {2026, 1, 1, 0, 0, 0, 0}},
                      // 2000-03-01: 2000 is a leap year (divisible by 400)
                      KnownDate{(946684800ULL + 60 * 86400 + kFileTimeUnixEpochSeconds) * 10000000ULL,
                                {2000, 3, 1, 0, 0, 0, 0}},
                      // 2024-02-29 12:34:56.789
                      KnownDate{(1709210096ULL + kFileTimeUnixEpochSeconds) * 10000000ULL + 7890000ULL,
                                {2024, 2, 29, 12, 34, 56, 789}},
                      // 1900-03-01 follows 1900-02-28: no leap day in 1900
                      KnownDate{(kFileTimeUnixEpochSeconds - 2203891200ULL) * 10000000ULL, {1900, 3, 1, 0, 0, 0, 0}},
                      KnownDate{(kFileTimeUnixEpochSeconds - 1ULL) * 10000000ULL, {1969, 12, 31, 23, 59, 59, 0}}));

TEST(Calendar, SubMillisecondPartsAreDropped) {
    EXPECT_EQ(FileTimeToSystemTime(9999), (SystemTime{1601, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(FileTimeToSystemTime(10000), (SystemTime{1601, 1, 1, 0, 0, 0, 1}));
}

TEST(Calendar, RoundTripsAcrossCenturies) {
    for (FileTime t = 0; t < 140000000000000000ULL; t += 3917000000077ULL) {
        FileTime ms = t / 10000 * 10000;
        ASSERT_EQ(SystemTimeToFileTime(FileTimeToSystemTime(t)), ms) << t;
    }
}

TEST(Calendar, OutOfRangeFieldsCarryAndEarlyDatesGiveZero) {
    EXPECT_EQ(SystemTimeToFileTime({2025, 13, 1, 0, 0, 0, 0}), SystemTimeToFileTime({2026, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(SystemTimeToFileTime({2026, 0, 1, 0, 0, 0, 0}), SystemTimeToFileTime({2025, 12, 1, 0, 0, 0, 0}));
    EXPECT_EQ(SystemTimeToFileTime({2026, 1, 1, 0, 0, 0, 1000}), SystemTimeToFileTime({2026, 1, 1, 0, 0, 1, 0}));
    EXPECT_EQ(SystemTimeToFileTime({1600, 12, 31, 23, 59, 59, 999}), 0u);
}

TEST(ManualClockTest, StandsStillUntilMoved) {
    ManualClock clock;
    EXPECT_EQ(clock.Milliseconds(), 1000u);
    EXPECT_EQ(clock.Now(), 134116992000000000ULL);
    clock.Advance(250);
    EXPECT_EQ(clock.Milliseconds(), 1250u);
    EXPECT_EQ(clock.Now(), 134116992000000000ULL + 250 * 10000ULL);
    clock.SetMilliseconds(1100);  // never backwards
    EXPECT_EQ(clock.Milliseconds(), 1250u);
    clock.SetMilliseconds(5000);
    EXPECT_EQ(clock.Milliseconds(), 5000u);
}

TEST(ManualClockTest, TickCountWrapsAt32Bits) {
    ManualClock clock(0xFFFFFFFFULL - 5);
    clock.Advance(10);
    EXPECT_EQ(clock.TickCount(), 4u);
    EXPECT_EQ(clock.Milliseconds(), 0x100000004ULL);
}

TEST(SystemClockTest, FollowsTheClockSetAndGoesBackToRealTime) {
    ManualClock manual(42);
    SetSystemClock(&manual);
    EXPECT_EQ(win::GetTickCount(), 42u);
    manual.Advance(8);
    EXPECT_EQ(win::GetTickCount(), 50u);
    EXPECT_EQ(win::GetSystemTimeAsFileTime(), manual.Now());
    SetSystemClock(nullptr);
    EXPECT_NE(&SystemClock(), &manual);
    // The real clock is after 2020-01-01 and its milliseconds do not go back.
    EXPECT_GT(SystemClock().Now(), SystemTimeToFileTime({2020, 1, 1, 0, 0, 0, 0}));
    std::uint64_t first = SystemClock().Milliseconds();
    EXPECT_GE(SystemClock().Milliseconds(), first);
}

}  // namespace
}  // namespace skrivo
