// The layout and case commands of the expert, and the layouts it learns from the keys the user types.
#include "DispatchTestSupport.h"

#include "convert/LayoutConverter.h"
#include "host/editor/EditorControl.h"
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

TEST_F(ExpertOverIde, CtrlUOnAColumnBlockLeavesItSelected) {
    // Screen columns 9 to 11 of three lines, selected as a user does; the last line is shorter.
    Start("|1\tghb 2\r\n3 dtnxxxx 4\r\n5 rfr 6\r\n");
    host::IEditorInterface& editor = *host.Current().GetEditorInterface();
    host.Press(win::VK_RIGHT);
    host.Press(win::VK_RIGHT);
    for (int i = 0; i < 2; ++i) host.PressShortCut(win::ShortCut(win::VK_DOWN, win::ssShift | win::ssAlt));
    for (int i = 0; i < 3; ++i) host.PressShortCut(win::ShortCut(win::VK_RIGHT, win::ssShift | win::ssAlt));
    ASSERT_EQ(editor.BlockType(), host::TBlockType::btColumn);
    host.PressShortCut(win::ShortCut('U', win::ssCtrl));
    EXPECT_EQ(host.Text(), "1\tGHB 2\r\n3 dtnxxxX 4\r\n5 rfr 6\r\n");
    auto selectionShown = [&] {
        return host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEMPTY) == 0;
    };
    EXPECT_TRUE(editor.BlockVisible());
    EXPECT_TRUE(selectionShown());
    // The idle timer reads the line before the cursor afterwards; the block stays shown.
    host.Advance(1500);
    EXPECT_TRUE(selectionShown());
    EXPECT_EQ(editor.BlockStart(), (host::TCharPos{9, 1}));
    EXPECT_EQ(editor.BlockAfter(), (host::TCharPos{11, 3}));
}

}  // namespace
}  // namespace skrivo::dispatch_test
