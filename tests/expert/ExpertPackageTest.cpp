// Loading and unloading Skrivo in a running IDE: registration, the menu item, and the hooks put back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

#include "bridge/Diagnostics.h"
#include "expert/SkrivoPackage.h"
#include "host/api/Form.h"
#include "host/forms/WindowRegistry.h"
#include "host/packages/PackageLoader.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;

constexpr const char* kPackage = "SkrivoPackage.bpl";

class SkrivoPackage : public ::testing::Test {
protected:
    bool Load() { return host->LoadPackage(kPackage, &Register, &Unregister); }
    bool Unload() { return host->UnloadPackage(kPackage); }

    std::vector<std::string> ToolsCaptions() {
        host::IMenuItem* tools = host->ToolServices().GetMainMenu()->FindMenuItem("ToolsMenu");
        std::vector<std::string> captions;
        for (int i = 0; i < tools->GetItemCount(); ++i) captions.push_back(tools->GetItem(i)->GetCaption());
        return captions;
    }

    OffscreenHost host;
};

TEST_F(SkrivoPackage, RegisterCreatesOneExpertThatTheHostKnows) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(IsRegistered());
    const auto experts = host->Packages().Experts();
    ASSERT_EQ(experts.size(), 1u);
    EXPECT_EQ(experts[0].name, "Quorvel Skrivo Expert");
    EXPECT_EQ(experts[0].idString, "Quorvel.SkrivoExpert");
    EXPECT_EQ(experts[0].package, kPackage);
    Register();  // a second call makes no second expert
    EXPECT_EQ(host->Packages().Experts().size(), 1u);
    ASSERT_TRUE(Unload());
    EXPECT_FALSE(IsRegistered());
}

TEST_F(SkrivoPackage, MenuItemStandsBeforeTheFirstSeparatorOfTools) {
    const auto before = ToolsCaptions();
    ASSERT_TRUE(Load());
    const auto captions = ToolsCaptions();
    const auto it = std::find(captions.begin(), captions.end(), "Skrivo Expert...");
    ASSERT_NE(it, captions.end());
    ASSERT_NE(it + 1, captions.end());
    EXPECT_EQ(*(it + 1), "-");
    EXPECT_EQ(std::find(captions.begin(), it, "-"), it);  // no separator before it
    host::IMenuItem* item = host->ToolServices().GetMainMenu()->FindMenuItem("SkrivoExpertMenu");
    ASSERT_NE(item, nullptr);
    std::string shown;
    host->SetModalAnswerer([&](host::TForm& form) { shown = form.ClassName(); });
    item->Click();
    EXPECT_EQ(shown, "TfmOptions");  // and the host closed it again with Cancel
    ASSERT_TRUE(Unload());
    EXPECT_EQ(ToolsCaptions(), before);
}

TEST_F(SkrivoPackage, UnloadPutsBackThePreviousMessageAndShortCutHandlers) {
    std::vector<win::UINT> seenByPrevious;
    int shortCutCalls = 0;
    // The sound requests Skrivo posts to its list window (WM_USER + 1) pass
    // the hook as well; only the keys matter here.
    host->Application().SetOnMessage([&](win::TMsg& msg, bool&) {
        if (msg.message != win::WM_USER + 1) seenByPrevious.push_back(msg.message);
    });
    host->Application().SetOnShortCut([&](win::TMsg&, bool&) { ++shortCutCalls; });
    host.OpenText("Unit1.pas", "|");

    ASSERT_TRUE(Load());
    host.Type("a");
    // Skrivo sits in front of both hooks and passes every key on.
    EXPECT_EQ(seenByPrevious, (std::vector<win::UINT>{win::WM_KEYDOWN, win::WM_CHAR, win::WM_KEYUP}));
    EXPECT_EQ(shortCutCalls, 1);
    EXPECT_EQ(host.TextWithCursor(), "a|");

    ASSERT_TRUE(Unload());
    seenByPrevious.clear();
    win::TMsg msg;
    msg.message = win::WM_NULL;
    bool handled = false;
    host->Application().OnMessage()(msg, handled);
    host->Application().OnShortCut()(msg, handled);
    EXPECT_EQ(seenByPrevious, (std::vector<win::UINT>{win::WM_NULL}));
    EXPECT_EQ(shortCutCalls, 2);
}

TEST_F(SkrivoPackage, WithoutPreviousHandlersNoneAreLeftBehind) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(static_cast<bool>(host->Application().OnMessage()));
    EXPECT_TRUE(static_cast<bool>(host->Application().OnShortCut()));
    host.OpenText("Unit1.pas", "|");
    host.Type("ok");
    EXPECT_EQ(host.TextWithCursor(), "ok|");
    ASSERT_TRUE(Unload());
    EXPECT_FALSE(static_cast<bool>(host->Application().OnMessage()));
    EXPECT_FALSE(static_cast<bool>(host->Application().OnShortCut()));
}

TEST_F(SkrivoPackage, LoadingRotatesTheDiagnosticLog) {
    WriteFileAtomic(AppPath() + kLogFileName, "last session");
    ASSERT_TRUE(Load());
    EXPECT_FALSE(FileExists(AppPath() + kLogFileName));
    EXPECT_EQ(ReadFileBytes(AppPath() + kPreviousLogFileName), "last session");
}

int SuggestionListWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (host::WindowRegistry::ClassNameOf(widget) == "TfmSuggest") ++count;
    return count;
}

TEST_F(SkrivoPackage, UnloadingWhileTheIdeTerminatesIsOrderly) {
    bool previousCalled = false;
    host->Application().SetOnMessage([&](win::TMsg&, bool&) { previousCalled = true; });
    WriteFileAtomic(AppPath() + "fixed.dic", "begin\r\nBeginUpdate");
    host.OpenText("Unit1.pas", "|");
    ASSERT_TRUE(Load());
    host.Type("beg");
    host.Advance(1000);
    ASSERT_EQ(SuggestionListWindows(), 1);
    host->Quit();
    ASSERT_TRUE(host->Application().Terminated());
    ASSERT_TRUE(Unload());
    EXPECT_FALSE(IsRegistered());
    EXPECT_EQ(SuggestionListWindows(), 0);
    win::TMsg msg;
    bool handled = false;
    host->Application().OnMessage()(msg, handled);
    EXPECT_TRUE(previousCalled);
}

TEST(SkrivoPackageShutdown, TheIdeClosingUnloadsSkrivoFirst) {
    {
        OffscreenHost host;
        host.OpenText("Unit1.pas", "x");
        ASSERT_TRUE(host->LoadPackage(kPackage, &Register, &Unregister));
        host.Type("y");
        host.Advance(1000);
    }
    EXPECT_FALSE(IsRegistered());
}

}  // namespace
}  // namespace skrivo
