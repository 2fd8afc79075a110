// The layout and case commands of the expert, and the layouts it learns from the keys the user types.
#include "DispatchTestSupport.h"

#include "convert/LayoutConverter.h"
#include "platform/KeyboardLayout.h"

namespace skrivo::dispatch_test {
namespace {

TEST_F(ExpertOverIde, EveryKeyRecordsTheLayoutItWasTypedWith) {
    win::SetInstalledLayouts({win::HKL_US, win::HKL_RUSSIAN});
    DispatchProbe& e = Start("|");
    host.Type("ab");
    ASSERT_TRUE(host->SetKeyboardLayout(win::HKL_RUSSIAN));
    host.Type("1");
    EXPECT_EQ(e.Conversion().LayoutAt(0), 0x0419);
    EXPECT_EQ(e.Conversion().LayoutAt(1), 0x0409);
    EXPECT_EQ(e.Conversion().Locales().LocaleCount(), 2);
}

TEST_F(ExpertOverIde, CaseCommandsRewriteTheWordAtTheCursor) {
    DispatchProbe& e = Start("x := caption|;");
    EXPECT_TRUE(e.DoUpper());
    EXPECT_EQ(host.TextWithCursor(), "x := CAPTION|;");
    EXPECT_TRUE(e.DoLower());
    EXPECT_EQ(host.TextWithCursor(), "x := caption|;");
    // Nothing but blanks around the cursor: nothing to do.
    host.SetCursorPosition(2);
    EXPECT_FALSE(e.DoUpper());
}

TEST_F(ExpertOverIde, WithOneLayoutDoEnglishChangesNothing) {
    DispatchProbe& e = Start("ghbdtn|");
    host.Type("x");
    EXPECT_FALSE(e.DoEnglish());
    EXPECT_EQ(host.TextWithCursor(), "ghbdtnx|");
}

}  // namespace
}  // namespace skrivo::dispatch_test
