// The message pump: hook order, consumed keys, translation through the host's layouts, key state.
#include <gtest/gtest.h>

#include <vector>

#include "host/testing/OffscreenHost.h"
#include "host/forms/EditWindow.h"
#include "host/api/Form.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"
#include "host/editor/EditorControl.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessagePumpTest : public ::testing::Test {
protected:
    void Hook(std::function<bool(TMsg&)> handle = {}) {
        host->Application().SetOnMessage([this, handle](TMsg& msg, bool& handled) {
            if (IsKeyMessage(msg.message)) seen.push_back({msg.message, msg.wParam, msg.lParam});
            if (handle) handled = handle(msg);
        });
    }
    std::vector<UINT> Messages() const {
        std::vector<UINT> out;
        for (const Seen& s : seen) out.push_back(s.message);
        return out;
    }

    OffscreenHost host;
    std::vector<Seen> seen;
};

TEST_F(MessagePumpTest, TypedKeyPassesHookAsKeyDownCharKeyUp) {
    host.OpenText("Unit1.pas", "|");
    Hook();
    host.Type("a");
    EXPECT_EQ(host.TextWithCursor(), "a|");
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(seen[0].wParam, WPARAM{'A'});
    EXPECT_EQ(ScanCodeOf(seen[0].lParam), 0x1Eu);
    EXPECT_EQ(seen[1].wParam, WPARAM{'a'});
    EXPECT_EQ(seen[2].lParam & (LPARAM{3} << 30), LPARAM{3} << 30);
}

TEST_F(MessagePumpTest, HandledKeyDownNeverReachesEditorNorMakesChar) {
    host.OpenText("Unit1.pas", "x|");
    Hook([](TMsg& msg) { return msg.message == WM_KEYDOWN && msg.wParam == 'A'; });
    host.Type("ab");
    EXPECT_EQ(host.TextWithCursor(), "xb|");
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST_F(MessagePumpTest, HandledCharOrNavigationKeyLeavesEditorAlone) {
    host.OpenText("Unit1.pas", "ab|");
    Hook([](TMsg& msg) { return msg.message == WM_CHAR || (msg.message == WM_KEYDOWN && msg.wParam == VK_LEFT); });
    host.Type("c");
    host.Press(VK_LEFT);
    host.Press(VK_BACK);
    EXPECT_EQ(host.TextWithCursor(), "a|");
}

TEST_F(MessagePumpTest, ShortCutHookSeesOnlyKeyDownsTheMessageHookLeft) {
    host.OpenText("Unit1.pas", "abc|");
    std::vector<WPARAM> shortcutKeys;
    Hook([](TMsg& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_END; });
    host->Application().SetOnShortCut([&](TMsg& msg, bool& handled) {
        EXPECT_TRUE(msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN);
        shortcutKeys.push_back(msg.wParam);
        handled = msg.wParam == VK_HOME;
    });
    host.Press(VK_HOME);  // the shortcut hook takes it: the cursor stays
    host.Press(VK_END);   // the message hook takes it: the shortcut hook never sees it
    host.Press(VK_LEFT);
    EXPECT_EQ(shortcutKeys, (std::vector<WPARAM>{VK_HOME, VK_LEFT}));
    EXPECT_EQ(host.TextWithCursor(), "ab|c");
}

TEST_F(MessagePumpTest, KeyStateIsUpdatedBeforeTheHookSeesTheKey) {
    host.OpenText("Unit1.pas", "|");
    IWindows& windows = host->Windows();
    std::vector<std::pair<WPARAM, bool>> shiftDuringHook;
    Hook([&](TMsg& msg) {
        if (msg.message == WM_KEYDOWN) shiftDuringHook.push_back({msg.wParam, windows.GetKeyState(VK_SHIFT) < 0});
        return false;
    });
    host->KeyDown(VK_SHIFT, KeySide::Right);
    EXPECT_LT(windows.GetKeyState(VK_RSHIFT), 0);
    EXPECT_GE(windows.GetKeyState(VK_LSHIFT), 0);
    host->PressKey('A');
    host->KeyUp(VK_SHIFT, KeySide::Right);
    host->PressKey('A');
    EXPECT_EQ(host.Text(), "Aa");
    EXPECT_EQ(shiftDuringHook, (std::vector<std::pair<WPARAM, bool>>{{VK_SHIFT, true}, {'A', true}, {'A', false}}));
    EXPECT_GE(windows.GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(ScanCodeOf(seen.front().lParam), 0x36u);  // right Shift
}

TEST_F(MessagePumpTest, ControlSidesAreTold) {
    host.OpenText("Unit1.pas", "|");
    IWindows& windows = host->Windows();
    host->KeyDown(VK_CONTROL, KeySide::Left);
    host->KeyDown(VK_CONTROL, KeySide::Right);
    host->KeyUp(VK_CONTROL, KeySide::Left);
    EXPECT_LT(windows.GetKeyState(VK_CONTROL), 0);
    EXPECT_LT(windows.GetKeyState(VK_RCONTROL), 0);
    EXPECT_GE(windows.GetKeyState(VK_LCONTROL), 0);
    BYTE state[256] = {};
    ASSERT_TRUE(windows.GetKeyboardState(state));
    EXPECT_TRUE(state[VK_RCONTROL] & 0x80);
    host->KeyUp(VK_CONTROL, KeySide::Right);
    EXPECT_GE(windows.GetAsyncKeyState(VK_CONTROL), 0);
}

TEST_F(MessagePumpTest, AltMakesSystemKeyMessagesAndNoText) {
    host.OpenText("Unit1.pas", "|");
    Hook();
    host->KeyDown(VK_MENU);
    host->PressKey('X');
    host->KeyUp(VK_MENU);
    EXPECT_EQ(host.Text(), "");
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_SYSKEYUP}));
}

TEST_F(MessagePumpTest, ControlKeysAreAppliedByTheHostWithoutText) {
    host.OpenText("Unit1.pas", "one|");
    host.Type("x");
    host.PressShortCut(ShortCut('Z', ssCtrl));
    EXPECT_EQ(host.TextWithCursor(), "one|");
    host.PressShortCut(ShortCut('Y', ssCtrl));
    EXPECT_EQ(host.TextWithCursor(), "onex|");
    host.Press(VK_HOME);
    host.Press(VK_DELETE);
    host.Press(VK_RETURN);
    EXPECT_EQ(host.TextWithCursor(), "\r\n|nex");
}

TEST(MessagePumpLayoutTest, RussianLayoutTypesCyrillicInCodePage1251) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.codePage = CodePage::Cp1251;
    options.layouts = {HKL_US, HKL_RUSSIAN};
    OffscreenHost russian(std::move(options));
    russian.OpenText("Unit1.pas", "|");
    russian->SwitchKeyboardLayout();
    ASSERT_EQ(GetKeyboardLayout(), HKL_RUSSIAN);
    for (char key : std::string("GHBDTN")) russian->PressKey(static_cast<WORD>(key));
    // "привет" in code page 1251
    EXPECT_EQ(russian.Text(), "\xEF\xF0\xE8\xE2\xE5\xF2");
    EXPECT_EQ(russian.Current().Control()->text().toStdString(), "привет");
}

TEST(MessagePumpLayoutTest, AltShiftSwitchesToTheNextLayout) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.layouts = {HKL_US, HKL_RUSSIAN};
    OffscreenHost two(std::move(options));
    two.OpenText("Unit1.pas", "|");
    EXPECT_EQ(two->MainWindow().LayoutText().toStdString(), "EN");
    two->KeyDown(VK_MENU);
    two->PressKey(VK_SHIFT);
    two->KeyUp(VK_MENU);
    EXPECT_EQ(GetKeyboardLayout(), HKL_RUSSIAN);
    EXPECT_EQ(two->MainWindow().LayoutText().toStdString(), "RU");
    EXPECT_EQ(two.Text(), "");
    // Alt+Shift with another key between is that key's combination, not a switch.
    two->KeyDown(VK_MENU);
    two->KeyDown(VK_SHIFT);
    two->PressKey(VK_RIGHT);
    two->KeyUp(VK_SHIFT);
    two->KeyUp(VK_MENU);
    EXPECT_EQ(GetKeyboardLayout(), HKL_RUSSIAN);
    EXPECT_TRUE(two->SetKeyboardLayout(HKL_US));
    EXPECT_FALSE(two->SetKeyboardLayout(0x04070407));
    EXPECT_EQ(two->MainWindow().LayoutText().toStdString(), "EN");
}

TEST_F(MessagePumpTest, EnterIndentsLikeTheLineAboveAndControlLettersDoNoLineSurgery) {
    host.OpenText("Unit1.pas", "  begin|\r\nnext");
    host.Press(VK_RETURN);
    host.Type("x;");
    EXPECT_EQ(host.TextWithCursor(), "  begin\r\n  x;|\r\nnext");
    for (WORD key : {'L', 'U', 'D'}) host.PressShortCut(ShortCut(key, ssCtrl));
    host.PressShortCut(ShortCut('L', ssCtrl | ssShift));
    EXPECT_EQ(host.TextWithCursor(), "  begin\r\n  x;|\r\nnext");
    host.Press(VK_HOME);
    host.PressShortCut(ShortCut('T', ssCtrl));  // deletes the word to the right, as in the IDE
    EXPECT_EQ(host.TextWithCursor(), "  begin\r\n  |;\r\nnext");
}

TEST_F(MessagePumpTest, TypeCharHoldsShiftAroundTheCharacter) {
    host.OpenText("Unit1.pas", "|");
    Hook();
    ASSERT_TRUE(host->TypeChar(':'));
    EXPECT_EQ(host.Text(), ":");
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_KEYUP}));
    EXPECT_EQ(seen[0].wParam, WPARAM{VK_SHIFT});
    EXPECT_EQ(seen[1].wParam, WPARAM{VK_OEM_1});
    EXPECT_EQ(seen[4].wParam, WPARAM{VK_SHIFT});
    EXPECT_FALSE(host->TypeChar('\xEF'));  // no key of the US layout types it
}

TEST_F(MessagePumpTest, PostedMessagesPassTheHookAndReachTheWindow) {
    host.OpenText("Unit1.pas", "|");
    TForm form("TfmTest", "fmTest");
    std::vector<WPARAM> delivered;
    form.SetMessageHandler([&](UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
        if (msg != WM_USER + 1) return false;
        delivered.push_back(wParam);
        return true;
    });
    std::vector<UINT> hooked;
    host->Application().SetOnMessage([&](TMsg& msg, bool& handled) {
        hooked.push_back(msg.message);
        handled = msg.message == WM_USER + 1 && msg.wParam == 7;
    });
    ASSERT_TRUE(host->Application().PostMessage(form.Handle(), WM_USER + 1, 3, 0));
    ASSERT_TRUE(host->Application().PostMessage(form.Handle(), WM_USER + 1, 7, 0));
    EXPECT_TRUE(delivered.empty());
    host->Application().ProcessMessages();
    EXPECT_EQ(delivered, (std::vector<WPARAM>{3}));
    EXPECT_EQ(hooked, (std::vector<UINT>{WM_USER + 1, WM_USER + 1}));
    EXPECT_FALSE(host->Application().PostMessage(0x7FFFFFF0, WM_USER, 0, 0));
}

TEST_F(MessagePumpTest, AnExceptionInTheHookDoesNotStopTheIde) {
    host.OpenText("Unit1.pas", "|");
    host->Application().SetOnMessage([](TMsg& msg, bool&) {
        if (msg.message == WM_CHAR) throw std::runtime_error("expert failed");
    });
    host.Type("ok");
    EXPECT_EQ(host.Text(), "ok");
}

}  // namespace
}  // namespace skrivo::host
