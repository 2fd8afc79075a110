// When the dictionary is saved automatically: modes, intervals and the tick arithmetic.
#include <gtest/gtest.h>

#include "completion/AutoSaveRules.h"

namespace skrivo {
namespace {

struct TickCase {
    const char* name;
    int autoSave;
    std::uint32_t lastSaveTick;
    std::uint32_t now;
    bool requestedByFileSave;
    bool periodicDue;
};

class AutoSave : public ::testing::TestWithParam<TickCase> {};

TEST_P(AutoSave, DecidesByModeAndElapsedTime) {
    const TickCase& c = GetParam();
    EXPECT_EQ(SaveRequestedByFileSave(c.autoSave, c.lastSaveTick, c.now), c.requestedByFileSave);
    EXPECT_EQ(PeriodicSaveDue(c.autoSave, c.lastSaveTick, c.now), c.periodicDue);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AutoSave,
    ::testing::Values(
        TickCase{"ClosedOnlyNeverSavesOnItsOwn", 0, 0, 10'000'000, false, false},
        TickCase{"FileSaveWithinASecond", 1, 5000, 6000, false, false},
        TickCase{"FileSaveAfterMoreThanASecond", 1, 5000, 6001, true, false},
        TickCase{"PeriodicWithinThirtySeconds", 2, 5000, 35000, false, false},
        TickCase{"PeriodicAfterThirtySeconds", 2, 5000, 35001, false, true},
        TickCase{"FirstSaveCountsFromTickZero", 2, 0, 30001, false, true},
        // A tick count that went back (another clock) still counts as elapsed.
        TickCase{"AbsoluteDifference", 1, 9000, 7000, true, false},
        // The current tick loses its top bit; the stored one does not.
        TickCase{"TopBitClearedOnTheCurrentTick", 2, 100, 0x80000000u + 100, false, false},
        TickCase{"TopBitClearedAfterWrap", 2, 100, 0x80000000u + 30101, false, true},
        TickCase{"UnknownModeNeverSaves", 3, 0, 10'000'000, false, false}),
    [](const auto& info) { return info.param.name; });

TEST(AutoSave, ElapsedTimeUsesTheStoredTickInFull) {
    EXPECT_EQ(MsSinceLastSave(0x80000010u, 0x80000010u), 0x80000000ll);
    EXPECT_EQ(MsSinceLastSave(1000, 0xFFFFFFFFu), 0x7FFFFFFFll - 1000);
}

}  // namespace
}  // namespace skrivo
