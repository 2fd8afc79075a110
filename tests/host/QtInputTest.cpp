// Real Qt input events: keys and clicks from the window system take the host's message pump.
#include <gtest/gtest.h>

#include <QTest>

#include <vector>

#include "host/editor/EditorControl.h"
#include "host/input/KeyState.h"
#include "host/testing/OffscreenHost.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

TEST(QtInputTest, RealKeyEventsPassTheHookAndConsumedOnesNeverReachTheEditor) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "|");
    std::vector<std::pair<UINT, WPARAM>> seen;
    host->Application().SetOnMessage([&](TMsg& msg, bool& handled) {
        if (IsKeyMessage(msg.message)) seen.emplace_back(msg.message, msg.wParam);
        handled = msg.message == WM_KEYDOWN && msg.wParam == 'Q';
    });
    EditorControl* editor = host.Current().Control();
    QTest::keyClick(editor, Qt::Key_A);
    QTest::keyClick(editor, Qt::Key_Q);
    QTest::keyClick(editor, Qt::Key_B, Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_Left);
    EXPECT_EQ(host.TextWithCursor(), "a|B");
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(WM_KEYDOWN, WPARAM{'A'}));
    EXPECT_EQ(seen[1], std::make_pair(WM_CHAR, WPARAM{'a'}));
    EXPECT_EQ(seen[2], std::make_pair(WM_KEYUP, WPARAM{'A'}));
}

TEST(QtInputTest, RealKeysTypeWithTheHostsLayoutNotTheDesktops) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.codePage = CodePage::Cp1251;
    options.layouts = {HKL_RUSSIAN, HKL_US};
    OffscreenHost host(std::move(options));
    host.OpenText("Unit1.pas", "|");
    QTest::keyClick(host.Current().Control(), Qt::Key_A);
    EXPECT_EQ(host.Current().Control()->text().toStdString(), "ф");
}

// The keypad's 5 is Num 5 whatever Num Lock says (X11 reports it as Clear
// without Num Lock, and Shift turns Num Lock round), so the default macro
// keys can be pressed; only with Num Lock on does it type its digit.
TEST(QtInputTest, TheKeypadsFiveIsNumFiveAndTypesOnlyWithNumLock) {
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        WORD vk;
        TShiftState shift;
        const char* text;
    };
    const Case cases[] = {
        {Qt::Key_5, Qt::KeypadModifier, VK_NUMPAD5, 0, "5|"},
        {Qt::Key_Clear, Qt::KeypadModifier, VK_NUMPAD5, 0, "|"},
        {Qt::Key_Clear, Qt::KeypadModifier | Qt::ShiftModifier | Qt::ControlModifier, VK_NUMPAD5, ssShift | ssCtrl, "|"},
        {Qt::Key_Clear, Qt::NoModifier, VK_CLEAR, 0, "|"},
        {Qt::Key_Left, Qt::KeypadModifier, VK_LEFT, 0, "|"},
    };
    for (const Case& c : cases) {
        OffscreenHost host;
        host.OpenText("Unit1.pas", "|");
        WORD seen = 0;
        TShiftState shift = 0;
        host->Application().SetOnMessage([&](TMsg& msg, bool&) {
            const bool modifier = msg.wParam == VK_SHIFT || msg.wParam == VK_CONTROL || msg.wParam == VK_MENU;
            if (msg.message != WM_KEYDOWN || modifier || seen) return;
            seen = static_cast<WORD>(msg.wParam);
            shift = KeyState::Current().Shift();
        });
        QTest::keyClick(host.Current().Control(), static_cast<Qt::Key>(c.key), c.mods);
        EXPECT_EQ(seen, c.vk) << c.key << " " << c.mods;
        EXPECT_EQ(shift, c.shift) << c.key << " " << c.mods;
        EXPECT_EQ(host.TextWithCursor(), c.text) << c.key << " " << c.mods;
    }
}

TEST(QtInputTest, RealClickPassesTheHookFirst) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "abc\r\ndef|");
    bool swallow = true;
    int presses = 0;
    host->Application().SetOnMessage([&](TMsg& msg, bool& handled) {
        if (msg.message != WM_LBUTTONDOWN) return;
        ++presses;
        handled = swallow;
    });
    EditorControl* editor = host.Current().Control();
    const QPoint firstLine(static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, 0L)) + 1,
                           static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, 0L)) + 3);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, firstLine);
    EXPECT_EQ(host.CursorPosition(), 8);
    swallow = false;
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, firstLine);
    EXPECT_EQ(host.CursorPosition(), 0);
    EXPECT_EQ(presses, 2);
}

}  // namespace
}  // namespace skrivo::host
