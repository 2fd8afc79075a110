// The list window through the expert: its size and place by the screen's edges, the mouse over it, showing on demand.
#include <gtest/gtest.h>

#include <functional>

#include "TriggerTestHost.h"
#include "completion/SuggestPlacement.h"
#include "host/forms/EditWindow.h"

namespace skrivo::testing {
namespace {

using SuggestList = CycleTest;

std::vector<std::string> Words(int count) {
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) words.push_back("val" + std::string(1, static_cast<char>('a' + i)) + "xyz");
    return words;
}

TEST_F(SuggestList, TwelveWordsScrollInEightRowsOneWordHasTheMinimumWidth) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn(Words(12));
    E().Work("val", true);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(List()->lvWords->Count(), 12);
    EXPECT_EQ(List()->BoundsRect().bottom - List()->BoundsRect().top, 8 * kSuggestRowHeight + kSuggestHeightExtra);
    E().Work("valaxy", true);
    ASSERT_EQ(Items(), std::vector<std::string>{"valaxyz"});
    const win::TRect r = List()->BoundsRect();
    EXPECT_EQ(r.bottom - r.top, kSuggestRowHeight + kSuggestHeightExtra);
    EXPECT_GE(r.right - r.left, kSuggestMinWidth);
}

// The list brought up to date as a key is applied is not searched again
// when the pause has passed: a word the mouse chose meanwhile stays chosen.
// Whatever the content depends on still counts at the pause.
TEST_F(SuggestList, ThePauseAfterAKeyKeepsTheListAsTheKeyLeftIt) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().WhenMouseOver = 3;
    Cfg().MouseClickNecessary = false;
    Learn({"valley", "valour", "value", "valve"});
    Type("va");
    Pause();
    ASSERT_EQ(Items(), (std::vector<std::string>{"valley", "valour", "value", "valve"}));
    Type("l");
    const win::TRect r = List()->BoundsRect();
    host->MoveMouse(r.left + 10, r.top + 2 + kSuggestRowHeight);  // the second row
    ASSERT_EQ(Selected(), "valour");
    Pause();
    EXPECT_EQ(Selected(), "valour");

    struct Change {
        const char* name;
        std::function<void()> apply;
        std::vector<std::string> items;
    } changes[] = {
        {"an option", [&] { Cfg().DoNotSuggestShorter = 6; }, {"valley", "valour"}},
        {"a new word", [&] { Learn({"valiant"}); }, {"valiant", "valley", "valour"}},
    };
    for (const Change& change : changes) {
        Type("l");
        host.Press(win::VK_BACK);
        change.apply();
        Pause();
        EXPECT_EQ(Items(), change.items) << change.name;
    }
}

// A key whose words are all gone hides the list, and the pause after it
// does not search for the same text again; it still does when something the
// words depend on changed meanwhile.
TEST_F(SuggestList, AListAKeyFoundEmptyComesBackAtThePauseOnlyForAChange) {
    host.OpenText("Unit1.pas", "|");
    Start();
    struct Change {
        const char* name;
        std::function<void()> apply;
        std::vector<std::string> items;
    } changes[] = {
        {"nothing", [] {}, {}},
        {"an option", [&] { Cfg().OnlyWordsMatching1st = false; }, {"value", "valve"}},
        {"a new word", [&] { Learn({"vaquero"}); }, {"vaquero"}},
    };
    for (const Change& change : changes) {
        Cfg().OnlyWordsMatching1st = true;
        Learn({"value", "valve"});
        Type("va");
        Pause();
        ASSERT_TRUE(ListVisible()) << change.name;
        Type("q");
        ASSERT_FALSE(ListVisible()) << change.name;
        change.apply();
        Pause();
        EXPECT_EQ(ListVisible() ? Items() : std::vector<std::string>{}, change.items) << change.name;
        host.Press(win::VK_ESCAPE);
        Type("\r");
    }
}

TEST_F(SuggestList, NearTheScreenEdgesTheListStaysOnScreenAboveTheCaret) {
    host.OpenText("Unit1.pas", "|");
    Start();
    const int screenW = host->Screen().Width();
    const int screenH = host->Screen().Height();
    host->MainWindow().move(screenW - 120, screenH - 150);
    Learn(Words(12));
    E().Work("val", true);
    ASSERT_TRUE(ListVisible());
    const win::TRect r = List()->BoundsRect();
    const win::TPoint caret = E().FListState->FCaretScreenPos;
    ASSERT_GT(caret.x + (r.right - r.left), screenW);  // the setting of this test
    EXPECT_EQ(r.right, screenW);
    EXPECT_EQ(r.bottom, caret.y);  // just above the caret line
}

TEST_F(SuggestList, SwitchPositionJumpsAcrossTheCaretLineUnderTheMouse) {
    host.OpenText("Unit1.pas", "\r\n\r\n\r\n\r\n\r\n|");
    Start();
    Learn(Words(3));
    E().Work("val", true);
    ASSERT_TRUE(ListVisible());
    const win::TRect below = List()->BoundsRect();
    EXPECT_GE(below.top, E().FListState->FCaretScreenPos.y);
    host->MoveMouse(below.left + 5, below.top + 5);
    E().ResetTimer();
    Pause();
    const win::TRect above = List()->BoundsRect();
    EXPECT_LT(above.top, E().FListState->FCaretScreenPos.y);
    EXPECT_EQ(above.bottom - above.top, below.bottom - below.top);
    EXPECT_TRUE(ListVisible());
}

TEST_F(SuggestList, HideModeShowsTheListOnlyAfterTheMouseHasLeft) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().WhenMouseOver = 1;
    Learn(Words(3));
    E().Work("val", true);
    ASSERT_TRUE(ListVisible());
    const win::TRect r = List()->BoundsRect();
    host->MoveMouse(r.left + 5, r.top + 5);
    E().ResetTimer();
    Pause();
    EXPECT_FALSE(ListVisible());
    EXPECT_TRUE(E().FListState->FShowPendingMouse);
    Pause(1000);  // the mouse rests where the list would be
    EXPECT_FALSE(ListVisible());
    host->MoveMouse(r.right + 50, r.bottom + 50);
    Pause();
    EXPECT_TRUE(ListVisible());
    EXPECT_FALSE(E().FListState->FShowPendingMouse);
}

TEST_F(SuggestList, TransparentModeFadesUnderTheMouse) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().WhenMouseOver = 2;
    Cfg().SemiTransparent = true;
    Cfg().AlphaBlendLevel = 220;
    Learn(Words(3));
    E().Work("val", true);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(List()->Alpha(), 220);
    const win::TRect r = List()->BoundsRect();
    host->MoveMouse(r.left + 5, r.top + 5);
    E().ResetTimer();
    Pause();
    EXPECT_EQ(List()->Alpha(), 165);
    host->MoveMouse(r.right + 50, r.bottom + 50);
    Pause();
    EXPECT_EQ(List()->Alpha(), 220);
    Cfg().SemiTransparent = false;
    Pause();
    EXPECT_EQ(List()->Alpha(), 255);
}

TEST_F(SuggestList, SelectModeLetsTheMouseSelectUnlessAClickIsNecessary) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().WhenMouseOver = 3;
    Cfg().MouseClickNecessary = false;
    Learn(Words(3));
    E().Work("val", true);
    ASSERT_TRUE(ListVisible());
    EXPECT_TRUE(List()->FMouseSelect);
    const win::TRect before = List()->BoundsRect();
    host->MoveMouse(before.left + 10, before.top + 2 + kSuggestRowHeight);  // the second row
    E().ResetTimer();
    Pause();
    EXPECT_EQ(List()->BoundsRect(), before);  // it neither moves nor hides
    EXPECT_EQ(List()->lvWords->Selected(), 1);
    List()->hide();
    Cfg().MouseClickNecessary = true;
    E().Work("vala", true);
    EXPECT_FALSE(List()->FMouseSelect);
}

TEST_F(SuggestList, WithoutAutomaticShowingEachKeyGivesOneHaveWordsSoundUntilForced) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().ShowListAutomatically = false;
    Learn(Words(3));
    Type("va");
    Sounds();
    Pause(1000);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Sounds(), std::vector<int>{11});
    Type("l");
    Sounds();
    Pause(1000);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Sounds(), std::vector<int>{11});
    E().ForceShowWordsList();
    Pause();
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(Sounds(), std::vector<int>{0});
}

TEST_F(SuggestList, ClickModesReplaceByClickOrDoubleClick) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().MouseLClickReplace = true;
    Cfg().MouseClickNecessary = true;
    Learn(Words(3));
    Type("val");
    Pause();
    ASSERT_TRUE(ListVisible());
    EXPECT_FALSE(List()->lvWords->OnClick);
    ASSERT_TRUE(List()->lvWords->OnDblClick);
    List()->lvWords->OnDblClick();
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(host.TextWithCursor(), "valaxyz|");
    EXPECT_TRUE(E().FNotSuggestUntilNext);
}

TEST_F(SuggestList, SoundRequestsNeedReadinessAndAllowSoundsAndKeepTheLatest) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Sounds();
    E().Play(seArrowInList);
    EXPECT_EQ(Sounds(), std::vector<int>{5});
    Cfg().AllowSounds = false;
    E().Play(seArrowInList);
    EXPECT_TRUE(Sounds().empty());
    Cfg().AllowSounds = true;
    E().SetReady(false);
    E().Play(seArrowInList);
    EXPECT_TRUE(Sounds().empty());
    E().SetReady(true);
    // Nobody takes them in the IDE: the record must not grow without end.
    for (int i = 0; i < 5000; ++i) E().Play(static_cast<TSoundEvent>(i % kSoundEventCount));
    const std::vector<int> kept = Sounds();
    EXPECT_LE(kept.size(), 1000u);
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.back(), 4999 % 12);
}

}  // namespace
}  // namespace skrivo::testing
