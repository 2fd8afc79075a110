// The IDE as a user meets it: the keyboard state, dialog keys, the status line, Save As, floating windows, compiling.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include <cstdlib>
#include <string>

#include "host/editor/EditorControl.h"
#include "host/forms/Desktop.h"
#include "host/forms/EditWindow.h"
#include "host/forms/MessageForm.h"
#include "host/menu/MainMenu.h"
#include "host/services/WindowsServices.h"
#include "host/testing/OffscreenHost.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

void ClickMenu(OffscreenHost& host, const char* name) { host->MainWindow().Menu().Find(name)->Click(); }

// A modifier whose release went to another application stays down in the
// host's state until a real key event says otherwise.
TEST(IdeUseTest, RealKeyEventsOverruleAModifierLeftDown) {
    for (const WORD stuck : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        OffscreenHost host;
        host.OpenText("Unit1.pas", "xy|");
        KeyState::Current().KeyDown(stuck, KeySide::Left);  // its key-up was lost
        EditorControl* editor = host.Current().Control();
        for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C}) QTest::keyClick(editor, key);
        EXPECT_EQ(host.TextWithCursor(), "xyabc|") << "stuck key " << stuck;
        EXPECT_FALSE(KeyState::Current().Pressed(stuck));
    }
}

TEST(IdeUseTest, AModifierHeldAccordingToTheEventCountsAsHeld) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "|");
    // Shift went down while another window had the keyboard: only the letter's event tells.
    QTest::sendKeyEvent(QTest::Press, host.Current().Control(), Qt::Key_A, 'A', Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Release, host.Current().Control(), Qt::Key_A, 'A', Qt::ShiftModifier);
    EXPECT_EQ(host.TextWithCursor(), "A|");
}

struct DialogKeyCase {
    const char* name;
    MessageButtons buttons;
    WORD key;
    int expected;
};

TEST(IdeUseTest, EnterAndEscapeAnswerTheIdesDialogs) {
    const DialogKeyCase cases[] = {
        {"Enter takes the default", MessageButtons::YesNoCancel, VK_RETURN, mrYes},
        {"Escape cancels", MessageButtons::YesNoCancel, VK_ESCAPE, mrCancel},
        {"Escape without Cancel says No", MessageButtons::YesNo, VK_ESCAPE, mrNo},
        {"Escape closes a notice", MessageButtons::Ok, VK_ESCAPE, mrCancel},
    };
    for (const DialogKeyCase& c : cases) {
        OffscreenHost host;
        host.OpenText("Unit1.pas", "|");
        int hookSaw = 0;
        host->Application().SetOnMessage([&](TMsg& msg, bool&) { hookSaw += msg.message == WM_KEYDOWN && msg.wParam == c.key; });
        host->SetModalAnswerer([&](TForm&) { host->PressKey(c.key); });
        EXPECT_EQ(MessageDlg("Confirm", "Save changes?", c.buttons), c.expected) << c.name;
        EXPECT_EQ(hookSaw, 1) << c.name << ": the hook sees the key first";
    }
}

TEST(IdeUseTest, EditorOptionsOpenOverTheIdeAndTakeEnterAndEscape) {
    for (const WORD key : {VK_RETURN, VK_ESCAPE}) {
        OffscreenHost host;
        host.OpenText("Unit1.pas", "|");
        host->MainWindow().move(300, 200);
        QPoint centre;
        host->SetModalAnswerer([&](TForm& form) {
            centre = form.frameGeometry().center();
            form.findChild<QSpinBox*>(QStringLiteral("seTabWidth"))->setValue(3);
            host->PressKey(key);
        });
        ClickMenu(host, "ToolsEditorOptionsItem");
        EXPECT_EQ(host.Current().Control()->tabWidth() == 3, key == VK_RETURN);
        EXPECT_LE((centre - host->MainWindow().frameGeometry().center()).manhattanLength(), 6);
    }
}

TEST(IdeUseTest, SavingClearsModifiedAtOnceAndTheTitleFollows) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "begin|");
    TEditWindow& window = host->MainWindow();
    for (const char* save : {"FileSaveItem", "FileSaveAllItem"}) {
        host.Type("x");
        EXPECT_EQ(window.ModifiedText(), "Modified");
        EXPECT_EQ(window.windowTitle(), "Unit1.pas * - Skrivo IDE");
        ClickMenu(host, save);
        EXPECT_EQ(window.ModifiedText(), "") << save;
        EXPECT_EQ(window.windowTitle(), "Unit1.pas - Skrivo IDE") << save;
    }
}

TEST(IdeUseTest, ALetterTheCodePageCannotHoldBeepsAndSaysWhy) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.layouts = {HKL_US, HKL_RUSSIAN};  // code page 1252
    OffscreenHost host(std::move(options));
    host.OpenText("Unit1.pas", "|");
    ASSERT_TRUE(host->SetKeyboardLayout(HKL_RUSSIAN));
    host.Press('A');  // "ф"
    EXPECT_EQ(host.TextWithCursor(), "|");
    EXPECT_EQ(host->WindowsImpl().MessageBeepCount(), 1);
    EXPECT_TRUE(host->MainWindow().StatusMessage().contains(QStringLiteral("code page 1252")));
    host.Press(VK_SPACE);  // a character the code page holds: no beep
    EXPECT_EQ(host->WindowsImpl().MessageBeepCount(), 1);
}

TEST(IdeUseTest, SaveAsRenamesTheUnitAsOneUndoableEdit) {
    OffscreenHost host;
    Module& module = host.OpenText("Unit2.pas", "unit Unit2;|\r\n\r\ninterface\r\n\r\nend.");
    ASSERT_TRUE(host->SaveFileAs(module, host.Temp().File("Greeter.pas")));
    EXPECT_EQ(host.Temp().Read("Greeter.pas"), "unit Greeter;\r\n\r\ninterface\r\n\r\nend.");
    // A file name that cannot name a unit leaves the header alone.
    ASSERT_TRUE(host->SaveFileAs(module, host.Temp().File("my-greeter.pas")));
    EXPECT_EQ(host.Temp().Read("my-greeter.pas"), "unit Greeter;\r\n\r\ninterface\r\n\r\nend.");
    host.PressShortCut(ShortCut('Z', ssCtrl));
    EXPECT_EQ(host.Text(), "unit Unit2;\r\n\r\ninterface\r\n\r\nend.");
}

TEST(IdeUseTest, FloatingToolWindowsGoWhenTheIdeMovesOrAnotherApplicationIsActive) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "|");
    TForm floating("TfmFloating", "fmFloating");
    floating.SetNoActivate(true);
    floating.SetStayOnTop(true);

    floating.show();
    host->MainWindow().move(host->MainWindow().pos() + QPoint(40, 30));
    EXPECT_FALSE(floating.isVisible()) << "moved";

    floating.show();
    host->MainWindow().resize(host->MainWindow().size() + QSize(50, 0));
    EXPECT_FALSE(floating.isVisible()) << "resized";

    floating.show();
    Desktop::Instance().SetFollowNativeActivation(true);
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &deactivate);
    Desktop::Instance().SetFollowNativeActivation(false);
    EXPECT_FALSE(floating.isVisible()) << "another application";
    EXPECT_EQ(host->Windows().GetForegroundWindow(), HWND{0});
}

// Compiling needs Free Pascal on the PATH; a stand-in "fpc" speaks its language.
class CompileTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", bin_.Path().c_str(), 1);
    }
    void TearDown() override { setenv("PATH", oldPath_.c_str(), 1); }
    void InstallCompiler(const std::string& script) {
        const std::string path = bin_.Write("fpc", "#!/bin/sh\n" + script);
        QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::ExeOwner);
    }
    QStringList Pane(OffscreenHost& host) {
        QStringList lines;
        QListWidget& pane = host->MainWindow().Messages();
        for (int i = 0; i < pane.count(); ++i) lines << pane.item(i)->text();
        return lines;
    }
    // The compiler runs in the background: its end arrives through the event loop.
    static bool WaitForCompile(OffscreenHost& host) {
        QDeadlineTimer deadline(10000);
        while (host->Compiling() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return !host->Compiling();
    }
    testing::TempDir bin_;
    std::string oldPath_;
};

TEST_F(CompileTest, WithoutACompilerTheIdeSaysSo) {
    OffscreenHost host;
    host.OpenText("Unit1.pas", "unit Unit1;|");
    EXPECT_FALSE(host->CompileCurrent());
    EXPECT_TRUE(Pane(host).join(' ').contains(QStringLiteral("No compiler found")));
    EXPECT_FALSE(host->MainWindow().Messages().isHidden());
}

TEST_F(CompileTest, MessagesLeadToTheirLines) {
    InstallCompiler("echo 'Hint: Start of reading config file /etc/fpc.cfg'\n"
                    "echo 'Hint: End of reading config file /etc/fpc.cfg'\n"
                    "echo 'Free Pascal Compiler version 3.2.2'\n"
                    "echo \"Unit1.pas(3,5) Error: Identifier not found \\\"x\\\"\"\n"
                    "exit 1\n");
    OffscreenHost host;
    host.OpenText("Unit1.pas", "unit Unit1;|\r\nbegin\r\n    x;\r\nend.");
    EXPECT_TRUE(host->CompileCurrent());
    ASSERT_TRUE(WaitForCompile(host));
    const QStringList lines = Pane(host);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("Unit1.pas(3,5) Error: Identifier not found \"x\""));
    EXPECT_EQ(lines[2], QStringLiteral("Compiling failed."));
    host->GoToMessage(1);
    EXPECT_EQ(host.TextWithCursor(), "unit Unit1;\r\nbegin\r\n    |x;\r\nend.");
}

// The IDE goes on answering while the compiler works; the add-ins hear of
// the compile's end only when it has ended.
TEST_F(CompileTest, TheIdeStaysUsableWhileTheCompilerWorks) {
    const std::string gate = bin_.File("gate");
    InstallCompiler("while [ ! -e '" + gate + "' ]; do sleep 0.02; done\n"
                    "echo 'Unit1.pas(1,1) Hint: compiled while you typed'\n");
    OffscreenHost host;
    host.OpenText("Unit1.pas", "unit Unit1;|");
    struct Events : IAddInNotifier {
        void FileNotification(TFileNotification, const std::string&, bool&) override {}
        void EventNotification(TEventNotification code, bool&) override { heard.push_back(code); }
        std::vector<TEventNotification> heard;
    } events;
    host->ToolServices().AddNotifier(&events);

    ASSERT_TRUE(host->CompileCurrent());
    EXPECT_TRUE(host->Compiling()) << "the compiler cannot have ended: its gate is shut";
    EXPECT_EQ(Pane(host), QStringList{QStringLiteral("Compiling Unit1.pas...")});
    EXPECT_FALSE(host->CompileCurrent()) << "one compile at a time";
    host.Type(" x");
    EXPECT_EQ(host.TextWithCursor(), "unit Unit1; x|");
    EXPECT_EQ(events.heard, std::vector<TEventNotification>{enBeforeCompile});

    bin_.Write("gate", "");
    ASSERT_TRUE(WaitForCompile(host));
    EXPECT_EQ(Pane(host).last(), QStringLiteral("Compiled successfully."));
    EXPECT_EQ(events.heard, (std::vector<TEventNotification>{enBeforeCompile, enAfterCompile}));
    host->ToolServices().RemoveNotifier(&events);
}

}  // namespace
}  // namespace skrivo::host
