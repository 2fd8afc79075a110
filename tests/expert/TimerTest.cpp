// The idle timer: the delay countdown, its quiet time, hiding on focus and file changes, saves, the error box.
#include <gtest/gtest.h>

#include <filesystem>

#include "TriggerTestHost.h"
#include "host/api/Form.h"
#include "host/forms/MessageForm.h"
#include "platform/Clock.h"

namespace skrivo::testing {
namespace {

using Timer = CycleTest;

TEST_F(Timer, DelayOfASecondWaitsFourTicksAndRestartsOnAKey) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().DelayTime = 1000;
    Learn({"beginning"});
    Type("beg");
    Pause(750);
    EXPECT_FALSE(ListVisible());
    Type("i");  // the count starts again
    Pause(750);
    EXPECT_FALSE(ListVisible());
    Pause(250);
    EXPECT_TRUE(ListVisible());
}

TEST_F(Timer, TickWithinTheQuietTimeDoesNothing) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"beginning"});
    Type("beg");
    E().ResetTimer();
    const int count = E().FTimerState->FDelayCount;
    host.Advance(100);
    E().TimerTick();  // 100 ms after the reset
    EXPECT_EQ(E().FTimerState->FDelayCount, count);
    EXPECT_NE(E().FLastModified, nullptr);
    host.Advance(60);
    E().TimerTick();  // 160 ms: past the gate, handed over
    EXPECT_EQ(E().FLastModified, nullptr);
    EXPECT_TRUE(ListVisible());
}

TEST_F(Timer, RenamedModuleIsNotHandedOverForFiveSeconds) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"beginning"});
    host.Advance(10000);
    Type("beg");
    E().Notify(E().GetCurrentNotifier(), host::ncModuleRenamed);
    Pause(4750);
    EXPECT_FALSE(ListVisible());
    EXPECT_NE(E().FLastModified, nullptr);
    Pause(500);
    EXPECT_TRUE(ListVisible());
}

TEST_F(Timer, SwitchingModulesHidesAtTheNextTick) {
    host.OpenText("Back.pas", "|");
    host.OpenText("Front.pas", "|");
    Start();
    Learn({"beginning"});
    Type("beg");
    Pause();
    ASSERT_TRUE(ListVisible());
    host->OpenFile(host.Temp().File("Back.pas"));
    Sounds();
    Pause();
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Sounds(), std::vector<int>{1});
}

TEST_F(Timer, TypingOnInTheSameWordShowsTheFoundWordsAtOnce) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().DelayTime = 1000;
    Learn({"beginning"});
    Type("beg");
    Pause(1000);
    ASSERT_TRUE(ListVisible());
    List()->hide();  // as a key that hides without ending the word
    Type("i");
    Pause(250);  // long before the delay has passed
    EXPECT_TRUE(ListVisible());
}

TEST_F(Timer, CodeInsightWindowHidesTheListWithTheDisappearSound) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Learn({"beginning"});
    Type("beg");
    Pause();
    ASSERT_TRUE(ListVisible());
    host::TForm kibitz("TPopupListBox", "KibitzWindow");
    kibitz.SetCaption("KibitzWindow");
    kibitz.SetNoActivate(true);
    kibitz.show();
    Sounds();
    Pause();
    EXPECT_FALSE(ListVisible());
    const std::vector<int> sounds = Sounds();
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ(sounds.front(), 1);
    // While it stays up, new suggestions wait for it.
    Type("i");
    Pause();
    EXPECT_FALSE(ListVisible());
    EXPECT_TRUE(E().FListState->FShowPending);
    kibitz.hide();
    Pause();
    EXPECT_TRUE(ListVisible());
}

TEST_F(Timer, PeriodicAutoSaveWritesAboutEveryThirtySeconds) {
    host.OpenText("Unit1.pas", "|");
    Start();
    Cfg().AutoSave = 2;
    Cfg().Directory = host.Temp().Path();
    const std::string file = host.Temp().File("Skrivo.dic");
    Learn({"first"});
    E().SaveDictionary();
    const std::uint32_t first = E().Dict().LastSaveTick();
    ASSERT_NE(first, 0u);
    Learn({"learnt"});
    Pause(29750);
    EXPECT_EQ(E().Dict().LastSaveTick(), first);
    Pause(1000);
    EXPECT_NE(E().Dict().LastSaveTick(), first);
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(host.Temp().Read("Skrivo.dic").find("learnt"), std::string::npos);
}

TEST_F(Timer, CantSaveErrorBoxIsClosedOnce) {
    host.OpenText("Unit1.pas", "|");
    Start();
    host::TMessageForm box("Error", "Can't save.", host::MessageButtons::Ok);
    int clicks = 0;
    QObject::connect(&box, &host::TForm::ModalResultChanged, [&](int result) { clicks += result == host::mrOk; });
    box.show();
    host->Windows().SetActiveWindow(box.Handle());
    ASSERT_EQ(host->Windows().GetForegroundWindow(), box.Handle());
    Pause();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(E().FTimerState->FErrorWindow, box.Handle());
    Pause(1000);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Timer, OtherErrorBoxesAreLeftAlone) {
    host.OpenText("Unit1.pas", "|");
    Start();
    host::TMessageForm box("Error", "File not found.", host::MessageButtons::Ok);
    int clicks = 0;
    QObject::connect(&box, &host::TForm::ModalResultChanged, [&](int) { ++clicks; });
    box.show();
    host->Windows().SetActiveWindow(box.Handle());
    Pause(500);
    EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace skrivo::testing
