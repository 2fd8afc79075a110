// The expert's key dispatch over the offscreen IDE: accept keys, list navigation, solo modifiers, placeholders, Escape, mouse, other forms.
#include <gtest/gtest.h>

#include "DispatchTestSupport.h"
#include "host/HostApplication.h"
#include "host/api/Form.h"
#include "platform/ShortCut.h"

namespace skrivo {
namespace {

using host::KeySide;
using dispatch_test::DispatchProbe;
using dispatch_test::ExpertOverIde;

using DispatchAccept = ExpertOverIde;

TEST_F(DispatchAccept, EnterWithTheListReplacesAndTheEditorGetsNoLineBreak) {
    Start("x := Cap|");
    Cfg().KeyComplete = 0;
    ShowList({"Caption", "Captain"});
    host.Press(win::VK_RETURN);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
    EXPECT_FALSE(ListVisible());
    EXPECT_FALSE(EditorGot(win::VK_RETURN));
}

TEST_F(DispatchAccept, ShiftEnterLeavesTheWordAndBreaksTheLine) {
    Start("x := Cap|");
    Cfg().KeyComplete = 0;
    ShowList({"Caption"});
    host.PressShortCut(win::ShortCut(win::VK_RETURN, win::ssShift));
    EXPECT_EQ(host.Text().rfind("x := Cap\r\n", 0), 0u) << host.Text();
    EXPECT_EQ(host.Text().find("Caption"), std::string::npos);
}

TEST_F(DispatchAccept, EnterWithoutTheListBreaksTheLine) {
    Start("x := Cap|");
    Cfg().KeyComplete = 0;
    host.Press(win::VK_RETURN);
    EXPECT_EQ(host.Text().rfind("x := Cap\r\n", 0), 0u) << host.Text();
    EXPECT_TRUE(EditorGot(win::VK_RETURN));
}

TEST_F(DispatchAccept, TheAcceptedWordEndsOnTopAndNoOtherEntryMoves) {
    DispatchProbe& e = Start("x := Cap|");
    e.FDict->Entries() = StringList{"Alpha", "Beta", "Caption"};
    TfmSuggest& list = ShowList({});
    SuggestionListContent content;
    content.Add("Caption", 2);  // its index in FDict before the accept
    content.selected = 0;
    list.Fill(content);
    host.Press(win::VK_RETURN);
    EXPECT_EQ(e.FDict->Entries(), (StringList{"Caption", "Alpha", "Beta"}));
}

TEST_F(DispatchAccept, AcceptedWordIsMovedUpEvenWhenLearningIsOff) {
    DispatchProbe& e = Start("x := Cap|");
    Cfg().SelfTeaching = false;
    e.FDict->Entries() = StringList{"Alpha", "Beta", "Caption"};
    TfmSuggest& list = ShowList({});
    SuggestionListContent content;
    content.Add("Caption", 2);
    content.selected = 0;
    list.Fill(content);
    host.Press(win::VK_RETURN);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
    EXPECT_EQ(e.FDict->Entries()[0], "Caption");
}

TEST_F(DispatchAccept, SemicolonInsertsTheWordWithItAndLearnsBoth) {
    DispatchProbe& e = Start("x := Cap|");
    Cfg().SemicolonComplete = true;
    ShowList({"Caption"});
    host.Type(";");
    EXPECT_EQ(host.TextWithCursor(), "x := Caption;|");
    ASSERT_FALSE(e.FDict->Entries().Empty());
    EXPECT_EQ(e.FDict->Entries()[0], "Caption;");
}

TEST_F(DispatchAccept, SpaceCompletesOnlyWhenSwitchedOn) {
    Start("x := Cap|");
    Cfg().SemicolonComplete = true;  // completion by characters on, but not by space
    ShowList({"Caption"});
    host.Type(" ");
    EXPECT_EQ(host.TextWithCursor(), "x := Cap |");
}

TEST_F(DispatchAccept, ReplacementAfterTheCursorWasMovedDoesNothing) {
    Start("x := Cap|");
    ShowList({"Caption"});
    host.SetCursorPosition(2);  // as a mouse click would
    host.Press(win::VK_RETURN);
    EXPECT_EQ(host.Text().find("Caption"), std::string::npos) << host.Text();
}

using DispatchListKeys = ExpertOverIde;

TEST_F(DispatchListKeys, DownMovesInTheListAndNotInTheEditor) {
    Start("first\r\nCap|");
    TfmSuggest& list = ShowList({"Caption", "Captain"});
    host.Press(win::VK_DOWN);
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(list.lvWords->Selected(), 1);
    EXPECT_EQ(host.TextWithCursor(), "first\r\nCap|");
}

TEST_F(DispatchListKeys, UpOnTheFirstItemLeavesTheListWithUpDownSmart) {
    Start("first\r\nCap|");
    Cfg().UpDownSmart = true;
    ShowList({"Caption", "Captain"});
    host.Press(win::VK_UP);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(host.TextWithCursor(), "fir|st\r\nCap");
}

TEST_F(DispatchListKeys, HomeGoesToTheLineStartWhenTheListDoesNotUseIt) {
    Start("first\r\nCap|");
    Cfg().UseHomeEnd = false;
    ShowList({"Caption", "Captain"});
    host.Press(win::VK_HOME);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(host.TextWithCursor(), "first\r\n|Cap");
}

TEST_F(DispatchListKeys, EscapeHidesAndIsConsumedOnlyWithTheList) {
    Start("Cap|");
    ShowList({"Caption"});
    host.Press(win::VK_ESCAPE);
    EXPECT_FALSE(ListVisible());
    EXPECT_FALSE(EditorGot(win::VK_ESCAPE));
    host.Press(win::VK_ESCAPE);
    EXPECT_TRUE(EditorGot(win::VK_ESCAPE));
}

TEST_F(DispatchListKeys, KeysForAnotherFormAreNotHandled) {
    Start("Cap|");
    ShowList({"Caption"});
    host::TForm other("TFindDialog", "FindDialog");
    other.show();
    ASSERT_NE(host->Windows().SetActiveWindow(other.Handle()), win::HWND(0));
    host.Press(win::VK_ESCAPE);
    EXPECT_TRUE(ListVisible());
    EXPECT_TRUE(EditorGot(win::VK_ESCAPE));
}

struct SoloCase {
    const char* name;
    int whatShiftCtrl;
    bool otherHides;
    KeySide side;
    const char* text;
    bool listAfter;
};

class DispatchSoloShift : public ExpertOverIde, public ::testing::WithParamInterface<SoloCase> {};

TEST_P(DispatchSoloShift, ReleaseAloneCompletesOrHides) {
    const SoloCase& c = GetParam();
    Start("x := Cap|");
    Cfg().KeyComplete = 1;
    Cfg().WhatShiftCtrl = c.whatShiftCtrl;
    Cfg().OtherShfCtlHidesList = c.otherHides;
    ShowList({"Caption"});
    host->PressKey(win::VK_SHIFT, c.side);
    EXPECT_EQ(host.TextWithCursor(), c.text);
    EXPECT_EQ(ListVisible(), c.listAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, DispatchSoloShift,
    ::testing::Values(SoloCase{"RightCompletesWhenRightIsChosen", 2, false, KeySide::Right, "x := Caption|", false},
                      SoloCase{"LeftHidesWhenTheOtherSideHides", 2, true, KeySide::Left, "x := Cap|", false},
                      SoloCase{"LeftDoesNothingOtherwise", 2, false, KeySide::Left, "x := Cap|", true},
                      SoloCase{"AnySideCompletes", 0, false, KeySide::Left, "x := Caption|", false},
                      SoloCase{"RightHidesWhenLeftIsChosen", 1, true, KeySide::Right, "x := Cap|", false}),
    [](const auto& info) { return std::string(info.param.name); });

using DispatchModifiers = ExpertOverIde;

TEST_F(DispatchModifiers, ShiftHeldWithAnotherKeyNeitherCompletesNorHides) {
    DispatchProbe& e = Start("x := Cap|");
    // The list is brought up to date for "CapT": it must still have a word.
    e.FDict->Entries() = StringList{"Caption"};
    Cfg().KeyComplete = 1;
    Cfg().WhatShiftCtrl = 2;
    Cfg().OtherShfCtlHidesList = true;
    ShowList({"Caption"});
    host->KeyDown(win::VK_SHIFT, KeySide::Right);
    host->PressKey('T', KeySide::Left);
    host->KeyUp(win::VK_SHIFT, KeySide::Right);
    EXPECT_EQ(host.TextWithCursor(), "x := CapT|");
    EXPECT_TRUE(ListVisible());
}

TEST_F(DispatchModifiers, CtrlAloneCompletesWhenChosen) {
    Start("x := Cap|");
    Cfg().KeyComplete = 2;
    Cfg().WhatShiftCtrl = 1;
    ShowList({"Caption"});
    host->PressKey(win::VK_CONTROL, KeySide::Right);  // not the chosen side
    EXPECT_EQ(host.TextWithCursor(), "x := Cap|");
    host->PressKey(win::VK_CONTROL, KeySide::Left);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
}

TEST_F(DispatchModifiers, CtrlWithAnotherModifierIsNoSoloPress) {
    Start("x := Cap|");
    Cfg().KeyComplete = 2;
    Cfg().WhatShiftCtrl = 0;
    ShowList({"Caption"});
    host->KeyDown(win::VK_SHIFT, KeySide::Left);
    host->PressKey(win::VK_CONTROL, KeySide::Left);
    host->KeyUp(win::VK_SHIFT, KeySide::Left);
    EXPECT_EQ(host.TextWithCursor(), "x := Cap|");
}

TEST_F(DispatchModifiers, TwicePressedShiftCompletesOnTheSecondPress) {
    Start("x := Cap|");
    Cfg().KeyComplete = 1;
    Cfg().WhatShiftCtrl = 0;
    Cfg().UpDownSmart = false;
    Cfg().ShiftCtrlTwice = true;
    ShowList({"Caption"});
    host->PressKey(win::VK_SHIFT, KeySide::Left);
    EXPECT_EQ(host.TextWithCursor(), "x := Cap|");
    EXPECT_TRUE(ListVisible());
    host->PressKey(win::VK_SHIFT, KeySide::Left);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
}

TEST_F(DispatchModifiers, AKeyBetweenTheTwoPressesCancelsThePair) {
    Start("x := Cap|");
    Cfg().KeyComplete = 1;
    Cfg().WhatShiftCtrl = 0;
    Cfg().UpDownSmart = false;
    Cfg().ShiftCtrlTwice = true;
    ShowList({"Caption", "Captain"});
    host->PressKey(win::VK_SHIFT, KeySide::Left);
    host.Press(win::VK_DOWN);
    host.Press(win::VK_UP);
    host->PressKey(win::VK_SHIFT, KeySide::Left);
    EXPECT_EQ(host.TextWithCursor(), "x := Cap|");
    host->PressKey(win::VK_SHIFT, KeySide::Left);
    EXPECT_EQ(host.TextWithCursor(), "x := Caption|");
}

using DispatchPlaceholder = ExpertOverIde;

TEST_F(DispatchPlaceholder, RightJumpsToAMarkFarAhead) {
    const std::string ahead(500, 'x');
    Start("a|" + ahead + "\x01" + "b");
    host.Press(win::VK_RIGHT);
    EXPECT_EQ(host.CursorPosition(), 501);
}

TEST_F(DispatchPlaceholder, MarkRightAfterTheCursorConsumesRightWithoutMoving) {
    Start("a|\x01" "b");
    host.Press(win::VK_RIGHT);
    EXPECT_EQ(host.CursorPosition(), 1);
    EXPECT_FALSE(EditorGot(win::VK_RIGHT));
}

TEST_F(DispatchPlaceholder, LeftJumpsBackToJustBeforeTheMark) {
    Start("a\x01" "bc|");
    host.Press(win::VK_LEFT);
    EXPECT_EQ(host.CursorPosition(), 1);
}

TEST_F(DispatchPlaceholder, ArrowsWithoutAMarkMoveAsUsual) {
    Start("ab|c");
    host.Press(win::VK_RIGHT);
    EXPECT_EQ(host.CursorPosition(), 3);
    host.Press(win::VK_LEFT);
    host.Press(win::VK_LEFT);
    EXPECT_EQ(host.CursorPosition(), 1);
}

TEST_F(DispatchPlaceholder, TypingBeforeAMarkTakesItsPlace) {
    Start("a|\x01" "b");
    host.Type("z");
    EXPECT_EQ(host.TextWithCursor(), "az|b");
}

using DispatchMouse = ExpertOverIde;

TEST_F(DispatchMouse, PressOutsideTheListHidesIt) {
    Start("Cap|");
    TfmSuggest& list = ShowList({"Caption"});
    const win::TRect r = list.BoundsRect();
    host->MoveMouse(r.left - 40 < 0 ? r.right + 40 : r.left - 40, r.top);
    host->Click();
    EXPECT_FALSE(ListVisible());
}

TEST_F(DispatchMouse, WheelOverTheListKeepsItWhenTheMouseWorksThere) {
    Start("Cap|");
    Cfg().WhenMouseOver = 2;
    TfmSuggest& list = ShowList({"Caption", "Captain"});
    const win::TRect r = list.BoundsRect();
    host->MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    host->MouseWheel(-120);
    EXPECT_TRUE(ListVisible());
    Cfg().WhenMouseOver = 0;
    host->MouseWheel(-120);
    EXPECT_FALSE(ListVisible());
}

}  // namespace
}  // namespace skrivo
