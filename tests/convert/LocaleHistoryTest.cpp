// The layouts the user typed with, and which two a conversion goes between.
#include <gtest/gtest.h>

#include "convert/LayoutCalls.h"
#include "convert/LocaleHistory.h"
#include "platform/KeyboardLayout.h"
#include "platform/PlatformTestSupport.h"

namespace skrivo {
namespace {

using win::CodePage;

TEST(LocaleHistory, TheLastLayoutTypedWithComesFirst) {
    testing::KeyboardScope scope(CodePage::Cp1251, {win::HKL_US, win::HKL_RUSSIAN}, win::HKL_US);
    const TLayoutCalls calls;
    TLocaleHistory history;
    for (win::HKL typed : {win::HKL_US, win::HKL_US, win::HKL_RUSSIAN}) history.Collect(typed);
    EXPECT_EQ(history.LocaleCount(), 2);
    EXPECT_EQ(history.LayoutAt(0, calls), 0x0419);
    EXPECT_EQ(history.LayoutAt(1, calls), 0x0409);
    history.Collect(win::HKL_US);
    EXPECT_EQ(history.LocaleCount(), 2);
    EXPECT_EQ(history.LayoutAt(0, calls), 0x0409);
    EXPECT_EQ(history.LayoutAt(1, calls), 0x0419);
}

TEST(LocaleHistory, WithOneLayoutTypedTheInstalledOnesDecide) {
    const TLayoutCalls calls;
    TLocaleHistory history;
    history.Collect(win::HKL_RUSSIAN);
    {
        testing::KeyboardScope scope(CodePage::Cp1251, {win::HKL_US, win::HKL_US, win::HKL_RUSSIAN}, win::HKL_RUSSIAN);
        EXPECT_EQ(history.LayoutAt(0, calls), 0x0409);
        EXPECT_EQ(history.LayoutAt(1, calls), 0x0419);
    }
    {
        testing::KeyboardScope scope(CodePage::Cp1251, {win::HKL_RUSSIAN}, win::HKL_RUSSIAN);
        EXPECT_EQ(history.LayoutAt(0, calls), 0x0419);
        EXPECT_EQ(history.LayoutAt(1, calls), 0x0419);
    }
}

TEST(LocaleHistory, TheThirtySecondLayoutPushesTheOldestOut) {
    TLocaleHistory history;
    for (win::HKL lang = 1; lang <= 32; ++lang) history.Collect(lang);
    EXPECT_EQ(history.LocaleCount(), 31);
    EXPECT_EQ(history.Locales()[0], 32);
    EXPECT_EQ(history.Locales()[30], 2);
    // The first is still in the uncounted last slot, but no longer known.
    history.Collect(1);
    EXPECT_EQ(history.LocaleCount(), 31);
    EXPECT_EQ(history.Locales()[0], 1);
    EXPECT_EQ(history.Locales()[1], 32);
    EXPECT_EQ(history.Locales()[31], 2);
}

}  // namespace
}  // namespace skrivo
