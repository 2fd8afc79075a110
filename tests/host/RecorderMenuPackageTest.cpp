// The keystroke recorder and player, the main menu, and package loading.
#include <gtest/gtest.h>

#include <vector>

#include "host/api/ToolServices.h"
#include "host/forms/EditWindow.h"
#include "host/input/Recorder.h"
#include "host/packages/PackageLoader.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

// ---- recorder ----

class RecorderTest : public ::testing::Test {
protected:
    IKeyboardServices& Keys() { return *host->KeyboardServices(); }
    OffscreenHost host;
};

TEST_F(RecorderTest, RecordedKeysPlayBackThroughThePump) {
    host.OpenText("Unit1.pas", "|");
    Keys().ToggleRecording();
    EXPECT_TRUE(Keys().CurrentRecord()->IsRecording());
    host.Type("Ab");
    host.Press(VK_LEFT);
    Keys().ToggleRecording();
    EXPECT_FALSE(Keys().CurrentRecord()->IsRecording());
    host.Press(VK_END);
    std::vector<bool> playingInHook;
    host->Application().SetOnMessage([&](TMsg& msg, bool&) {
        if (msg.message == WM_KEYDOWN) playingInHook.push_back(Keys().CurrentPlayback()->IsPlaying());
    });
    Keys().ResumePlayback();
    EXPECT_EQ(host.TextWithCursor(), "AbA|b");
    EXPECT_FALSE(Keys().CurrentPlayback()->IsPlaying());
    EXPECT_EQ(playingInHook, std::vector<bool>(4, true));  // Shift, A, B, Left
}

TEST_F(RecorderTest, KeysTheHooksTookAreNotRecordedNorTheStopShortcutsModifiers) {
    host.OpenText("Unit1.pas", "|");
    host->Application().SetOnMessage([](TMsg& msg, bool& handled) { handled = msg.message == WM_KEYDOWN && msg.wParam == 'X'; });
    host.PressShortCut(ShortCut('R', ssShift | ssCtrl));  // the host's own record key
    ASSERT_TRUE(Keys().CurrentRecord()->IsRecording());
    host.Type("axb");
    host.PressShortCut(ShortCut('R', ssShift | ssCtrl));
    ASSERT_FALSE(Keys().CurrentRecord()->IsRecording());
    std::string bytes;
    Keys().CurrentPlayback()->WriteToStream(bytes);
    auto& recorder = static_cast<KeystrokeRecorder&>(Keys());
    std::vector<WPARAM> downs;
    KeyRecording copy(recorder);
    ASSERT_TRUE(copy.ReadFromStream(bytes));
    for (const Keystroke& k : copy.Keys())
        if (k.message == WM_KEYDOWN) downs.push_back(k.vk);
    EXPECT_EQ(downs, (std::vector<WPARAM>{'A', 'B'}));
    host.PressShortCut(ShortCut('P', ssShift | ssCtrl));
    EXPECT_EQ(host.Text(), "abab");
    EXPECT_GE(host->Windows().GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(host->Windows().GetKeyState(VK_CONTROL), 0);
}

TEST_F(RecorderTest, StreamsRoundTripAndForeignBytesAreRefused) {
    host.OpenText("Unit1.pas", "|");
    Keys().ToggleRecording();
    host.Type("hi");
    Keys().ToggleRecording();
    std::string bytes;
    Keys().CurrentPlayback()->WriteToStream(bytes);
    ASSERT_GT(bytes.size(), 14u);

    IRecord& playback = *Keys().CurrentPlayback();
    EXPECT_FALSE(playback.ReadFromStream("not a recording at all"));
    EXPECT_FALSE(playback.ReadFromStream(bytes.substr(0, bytes.size() - 1)));  // truncated
    std::string wrongCount = bytes;
    wrongCount[10] = static_cast<char>(wrongCount[10] + 1);
    EXPECT_FALSE(playback.ReadFromStream(wrongCount));
    std::string badMessage = bytes;
    badMessage[14] = 0x00;  // the first keystroke's message is no key message
    badMessage[15] = 0x02;
    EXPECT_FALSE(playback.ReadFromStream(badMessage));
    // The refusals left the recording as it was.
    Keys().ResumePlayback();
    EXPECT_EQ(host.Text(), "hihi");

    playback.Clear();
    std::string empty;
    playback.WriteToStream(empty);
    EXPECT_EQ(empty.size(), 14u);
    ASSERT_TRUE(playback.ReadFromStream(bytes));
    Keys().ResumePlayback();
    EXPECT_EQ(host.Text(), "hihihi");
}

// ---- main menu ----

TEST(MainMenuTest, BarsCarryTheIdeComponentNames) {
    OffscreenHost host;
    IMainMenu& menu = *host->ToolServices().GetMainMenu();
    const char* bars[] = {"FileMenu", "EditMenu", "SearchMenu", "ViewsMenu", "ProjectMenu", "RunMenu",
                          "ComponentMenu", "DatabaseMenu", "ToolsMenu", "HelpMenu"};
    ASSERT_EQ(menu.GetItemCount(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(menu.GetItem(i)->GetName(), bars[i]);
    EXPECT_EQ(menu.FindMenuItem("toolsmenu")->GetCaption(), "&Tools");
}

TEST(MainMenuTest, ItemInsertedBeforeTheFirstSeparatorIsClickableAndRemovable) {
    OffscreenHost host;
    IMenuItem& tools = *host->ToolServices().GetMainMenu()->FindMenuItem("ToolsMenu");
    int separator = -1;
    for (int i = 0; i < tools.GetItemCount() && separator < 0; ++i)
        if (tools.GetItem(i)->GetCaption() == "-") separator = i;
    ASSERT_GT(separator, 0);
    const int before = tools.GetItemCount();
    int clicks = 0;
    IMenuItem* item = tools.InsertItem(separator, "Skrivo Expert...", "SkrivoExpertMenu", "", 0, 0, 0, mfEnabled | mfVisible,
                                       [&](IMenuItem* clicked) {
                                           EXPECT_EQ(clicked->GetName(), "SkrivoExpertMenu");
                                           ++clicks;
                                       });
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetIndex(), separator);
    EXPECT_EQ(tools.GetItem(separator + 1)->GetCaption(), "-");
    EXPECT_EQ(host->ToolServices().GetMainMenu()->FindMenuItem("SkrivoExpertMenu"), item);
    item->Click();
    EXPECT_EQ(clicks, 1);
    item->DestroyMenuItem();
    EXPECT_EQ(tools.GetItemCount(), before);
    EXPECT_EQ(host->ToolServices().GetMainMenu()->FindMenuItem("SkrivoExpertMenu"), nullptr);
    // Indexes past the end are clamped; disabled items do not click.
    IMenuItem* last = tools.InsertItem(1000, "Off", "OffItem", "", 0, 0, 0, mfVisible, [&](IMenuItem*) { ++clicks; });
    EXPECT_EQ(last->GetIndex(), tools.GetItemCount() - 1);
    last->Click();
    EXPECT_EQ(clicks, 1);
}

TEST(MainMenuTest, MenuShortcutsWorkAfterTheHooksOnlyInTheEditWindow) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "x|");
    IMenuItem& tools = *host->ToolServices().GetMainMenu()->FindMenuItem("ToolsMenu");
    int clicks = 0;
    tools.InsertItem(0, "Count", "CountItem", "", ShortCut('K', ssCtrl | ssShift), 0, 0, mfEnabled | mfVisible, [&](IMenuItem*) { ++clicks; });
    host.PressShortCut(ShortCut('K', ssCtrl | ssShift));
    EXPECT_EQ(clicks, 1);
    host->Application().SetOnShortCut([](TMsg& msg, bool& handled) { handled = msg.wParam == 'K'; });
    host.PressShortCut(ShortCut('K', ssCtrl | ssShift));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(host.Text(), "x");
}

// ---- packages ----

class FakeExpert final : public IExpert {
public:
    std::string GetName() override { return "Test Expert"; }
    std::string GetAuthor() override { return "tests"; }
    std::string GetComment() override { return ""; }
    std::string GetPage() override { return ""; }
    int GetStyle() override { return 3; }
    int GetState() override { return 1; }
    std::string GetIDString() override { return "Test.Expert"; }
    std::string GetMenuText() override { return ""; }
    void Execute() override {}
};

TEST(PackageTest, PackagesUnloadWhenTheHostEndsWhileItsWindowsStillExist) {
    std::vector<std::string> events;
    {
        OffscreenHost host;
        host.OpenText("Unit1.pas", "x");
        auto expert = std::make_shared<FakeExpert>();
        ASSERT_TRUE(host->LoadPackage(
            "Test.bpl",
            [&] {
                Host()->RegisterLibraryExpert(expert.get());
                events.push_back("register");
            },
            [&] {
                // Everything the expert knows is still there when it goes.
                events.push_back(Host() && Host()->ToolServices().GetUnitCount() == 1 && Host()->Screen().FormCount() > 0 ? "unregister live"
                                                                                                                           : "unregister dead");
            }));
        EXPECT_FALSE(host->LoadPackage("Test.bpl", [] {}, [] {}));
        const auto experts = host->Packages().Experts();
        ASSERT_EQ(experts.size(), 1u);
        EXPECT_EQ(experts[0].idString, "Test.Expert");
        EXPECT_EQ(experts[0].package, "Test.bpl");
    }
    EXPECT_EQ(events, (std::vector<std::string>{"register", "unregister live"}));
}

TEST(PackageTest, FailingRegisterUnloadsThePackageAgain) {
    OffscreenHost host;
    int unregistered = 0;
    EXPECT_FALSE(host->LoadPackage("Bad.bpl", [] { throw std::runtime_error("broken"); }, [&] { ++unregistered; }));
    EXPECT_EQ(unregistered, 1);
    EXPECT_FALSE(host->Packages().IsLoaded("Bad.bpl"));
    EXPECT_TRUE(host->LoadPackage("Good.bpl", [] {}, [&] { ++unregistered; }));
    EXPECT_TRUE(host->UnloadPackage("Good.bpl"));
    EXPECT_FALSE(host->UnloadPackage("Good.bpl"));
    EXPECT_EQ(unregistered, 2);
}

}  // namespace
}  // namespace skrivo::host
