// ReplaceWord and DoRestore over the offscreen IDE: what is removed, what Backspace brings back, and when nothing happens.
#include <gtest/gtest.h>

#include "DispatchTestSupport.h"

namespace skrivo {
namespace {

using dispatch_test::DispatchProbe;
using dispatch_test::ExpertOverIde;
using ReplaceWord = ExpertOverIde;

TEST_F(ReplaceWord, WholeWordAroundTheCursorIsReplaced) {
    DispatchProbe& e = Start("x := Cap|tin;");
    Cfg().WordBeforeOnly = false;
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|;");
    EXPECT_EQ(e.FReplacement->FOldText, "Captin");
    EXPECT_EQ(e.FReplacement->FNewText, "Caption");
    EXPECT_TRUE(e.FReplacement->FJustReplaced);
}

TEST_F(ReplaceWord, WordBeforeOnlyKeepsTheRest) {
    DispatchProbe& e = Start("x := Cap|tin;");
    Cfg().WordBeforeOnly = true;
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|tin;");
    EXPECT_EQ(e.FReplacement->FOldText, "Cap");
}

TEST_F(ReplaceWord, BackspaceRightAfterRestoresWithTheCursorAfterIt) {
    DispatchProbe& e = Start("x := Cap|");
    Cfg().AllowBackspace = true;
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "x := Cap|");
    EXPECT_FALSE(e.FReplacement->FJustReplaced);
    host.Press(win::VK_BACK);  // disarmed: an ordinary Backspace now
    EXPECT_EQ(host.TextWithCursor(), "x := Ca|");
}

TEST_F(ReplaceWord, TypedCharacterThenTwoBackspacesRestores) {
    DispatchProbe& e = Start("x := Cap|");
    Cfg().AllowBackspace = true;
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    host.Type("s");
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
    EXPECT_TRUE(e.FReplacement->FJustReplaced);
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "x := Cap|");
}

TEST_F(ReplaceWord, ChangedWordIsNotRestoredAndBackspaceDeletes) {
    DispatchProbe& e = Start("x := Cap|");
    Cfg().AllowBackspace = true;
    ShowList({});
    TQvNotifier* n = e.ReplaceWord(-1, "Caption");
    ASSERT_NE(n, nullptr);
    const int end = n->GetPosition();
    ASSERT_TRUE(n->Replace(e.FReplacement->FReplacePos, 1, "K"));
    n->SetPosition(end);
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "x := Kaptio|");
    EXPECT_FALSE(e.FReplacement->FJustReplaced);
}

TEST_F(ReplaceWord, WithoutAllowBackspaceNothingIsRestored) {
    DispatchProbe& e = Start("x := Cap|");
    Cfg().AllowBackspace = false;
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "x := Captio|");
}

TEST_F(ReplaceWord, RefusalsLeaveTheBufferAlone) {
    DispatchProbe& e = Start("x := Cap|");
    ShowList({});
    e.Notifier2Replace = nullptr;
    EXPECT_EQ(e.ReplaceWord(-1, "Caption"), nullptr);
    ShowList({});
    host.SetCursorPosition(1);
    EXPECT_EQ(e.ReplaceWord(-1, "Caption"), nullptr);
    EXPECT_EQ(host.Text(), "x := Cap");
    EXPECT_FALSE(e.FReplacement->FJustReplaced);
    EXPECT_FALSE(e.DoRestore());
}

TEST_F(ReplaceWord, NoWordBeforeTheCursorJustInserts) {
    DispatchProbe& e = Start("x := |");
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "Caption"), nullptr);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
    EXPECT_EQ(e.FReplacement->FOldText, "");
    EXPECT_TRUE(e.DoRestore());
    EXPECT_EQ(host.TextWithCursor(), "x := |");
}

TEST_F(ReplaceWord, InsertionKeepsItsOwnIndentation) {
    DispatchProbe& e = Start("  beg|");
    ShowList({});
    ASSERT_NE(e.ReplaceWord(-1, "begin\r\nend"), nullptr);
    EXPECT_EQ(host.TextWithCursor(), "  begin\r\nend|");
    EXPECT_TRUE(e.DoRestore());
    EXPECT_EQ(host.TextWithCursor(), "  beg|");
}

}  // namespace
}  // namespace skrivo
