// Substitutions, brackets and the parameter hint as the expert runs them on the offscreen IDE, typed key by key.
#include <gtest/gtest.h>

#include "DispatchTestSupport.h"
#include "host/HostApplication.h"
#include "host/editor/Module.h"
#include "platform/ShortCut.h"

namespace skrivo {
namespace {

using dispatch_test::ExpertOverIde;

class ExpertSubstitutions : public ExpertOverIde {
protected:
    bool HintShown() { return host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0; }
};

TEST_F(ExpertSubstitutions, CtrlHeldNeverSubstitutes) {
    Start("|");
    host.Type("  wh");
    host->KeyDown(win::VK_CONTROL);
    // A character still reaches the editor with Ctrl held (as AltGr gives it).
    TQvNotifier* n = expert_->GetCurrentNotifier();
    n->InsertText(" ");
    n->Notify(host::ncEditorModified);
    host->KeyUp(win::VK_CONTROL);
    EXPECT_EQ(host.TextWithCursor(), "  wh |");
    host.Type("x");
    EXPECT_EQ(host.TextWithCursor(), "  wh x|");
}

TEST_F(ExpertSubstitutions, TheKeyAfterASubstitutionIsExaminedAsUsual) {
    Start("|");
    host.Type("  b\\");
    EXPECT_EQ(host.TextWithCursor(), "  begin |");
    host.Type("wh ");
    EXPECT_EQ(host.TextWithCursor(), "  begin while | do");
}

TEST_F(ExpertSubstitutions, NoSuggestionIsMadeForTheInsertedText) {
    Start("|");
    host.Type("  t\\");
    expert_->FDict->Entries().Add("TRUEValue");
    host.Advance(2000);
    EXPECT_FALSE(ListVisible());
    EXPECT_TRUE(expert_->FDict->Entries().IndexOf("TRUE") < 0) << "the inserted word was learnt as typed";
}

TEST_F(ExpertSubstitutions, BackspaceGivesBackWhatTheTailTook) {
    Start("|");
    host.Type("  wh ");
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "  wh |");
    host.Type(" ");  // the tail's blank now stands for two
    EXPECT_EQ(host.TextWithCursor(), "  while | do");
    EXPECT_EQ(expert_->FReplacement->FOldText, "wh  ");
    // A restore by shortcut (no Backspace held back the substitutions) does not expand again.
    EXPECT_TRUE(expert_->DoRestore());
    EXPECT_EQ(host.TextWithCursor(), "  wh  |");
}

TEST_F(ExpertSubstitutions, UseSubstitutionsOffTypesPlainly) {
    Start("|");
    Cfg().UseSubstitutions = false;
    host.Type("  wh ");
    EXPECT_EQ(host.TextWithCursor(), "  wh |");
}

TEST_F(ExpertSubstitutions, LineBreaksOfAReplacementKeepTheIndentationWithAutoIndentOn) {
    Start("    |");
    host.Current().Control()->setAutoIndent(true);
    host.Type("try");
    EXPECT_EQ(host.TextWithCursor(), "    TRY\r\n      |\r\n    FINALLY\r\n    \r\n    END;");
    EXPECT_EQ(expert_->FReplacement->FNewText, "TRY\r\n      \r\n    FINALLY\r\n    \r\n    END;");
    EXPECT_TRUE(host.Current().Control()->autoIndent()) << "the editor's own indentation is back on";
}

TEST_F(ExpertSubstitutions, CheckAtCursorNeedsALineBreakBeforeTheLine) {
    Start("begin|\r\n  x := begin");
    EXPECT_FALSE(expert_->CheckAtCursor("*begin|"));
    host.SetCursorPosition(static_cast<int>(host.Text().size()));
    EXPECT_TRUE(expert_->CheckAtCursor("*begin|"));
    // The module's start is no line break, for "**" neither.
    EXPECT_FALSE(expert_->CheckAtCursor("**begin\r*begin|"));
    EXPECT_TRUE(expert_->CheckAtCursor("*:= begin|"));
    EXPECT_FALSE(expert_->CheckAtCursor("*begin| {|x}"));
}

TEST_F(ExpertSubstitutions, BracketsCloseOnlyAtTheLineEndAndBackspaceTakesThePair) {
    Start("  x := |y;");
    host.Type("(");
    EXPECT_EQ(host.TextWithCursor(), "  x := (|y;");
    host.OpenText("Unit2.pas", "  f|");
    host.Type("(");
    EXPECT_EQ(host.TextWithCursor(), "  f(|)");
    host.Press(win::VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "  f|");
}

TEST_F(ExpertSubstitutions, QuotesOpenAStringOrDoubleAnApostrophe) {
    Start("  x := |");
    host.Type("'");
    EXPECT_EQ(host.TextWithCursor(), "  x := '|'");
    host.Type("abc'");  // the quote that ends the string steps over the one put in
    EXPECT_EQ(host.TextWithCursor(), "  x := 'abc'|");
    host.Type("'s'");  // typed twice, a quoted apostrophe
    EXPECT_EQ(host.TextWithCursor(), "  x := 'abc''s'|");
    host.OpenText("Unit3.pas", "  s := 'abc|");
    host.Type("'");  // inside a string it did not open: a quoted apostrophe
    EXPECT_EQ(host.TextWithCursor(), "  s := 'abc''|");
    host.OpenText("Unit2.pas", "  s := 'it|");
    host.Type("\"");
    EXPECT_EQ(host.TextWithCursor(), "  s := 'it\"|\"");
}

TEST_F(ExpertSubstitutions, MirroredBlanksFollowTheOpeningBracketOnly) {
    Start("  f(  |)");
    host.Type("x");
    EXPECT_EQ(host.TextWithCursor(), "  f(  x|  )");
    host.OpenText("Unit2.pas", "  f(a,  |)");
    host.Type("b");
    EXPECT_EQ(host.TextWithCursor(), "  f(a,  b|)");
}

TEST_F(ExpertSubstitutions, ParameterHintIsRefusedWithASelection) {
    Start("  x := Copy(s, |");
    host.Press(win::VK_SHIFT);  // any key-up forces the hint
    host.Type(" ");
    EXPECT_TRUE(HintShown());
    host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
    host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_SETSEL, 2ul, 5l);
    expert_->ForceCodeParam();
    EXPECT_FALSE(HintShown());
}

TEST_F(ExpertSubstitutions, EnterNoDivideLineOpensALineBelowButShiftEnterDivides) {
    Start("  abc|def");
    Cfg().EnterNoDivideLine = true;
    host.Press(win::VK_RETURN);
    EXPECT_EQ(host.Text().substr(0, 11), "  abcdef\r\n ");
    host.OpenText("Unit2.pas", "  abc|def");
    host.PressShortCut(win::ShortCut(win::VK_RETURN, win::ssShift));
    EXPECT_EQ(host.Text().substr(0, 7), "  abc\r\n");
    Cfg().EnterNoDivideLine = false;
    host.OpenText("Unit3.pas", "  abc|def");
    host.Press(win::VK_RETURN);
    EXPECT_EQ(host.Text().substr(0, 7), "  abc\r\n");
}

}  // namespace
}  // namespace skrivo
