// Screen and forms: z-order, activation, foreground and focus, window texts and classes, caret, mouse, modal forms.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <vector>

#include "host/editor/EditorControl.h"
#include "host/forms/EditWindow.h"
#include "host/api/Form.h"
#include "host/forms/WindowRegistry.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

std::vector<std::string> WindowClasses(IWindows& windows) {
    std::vector<std::string> classes;
    windows.EnumWindows([&](HWND hwnd) {
        if (windows.IsWindowVisible(hwnd)) classes.push_back(windows.GetClassName(hwnd, 64));
        return true;
    });
    return classes;
}

class FormsTest : public ::testing::Test {
protected:
    OffscreenHost host;
    IWindows& Windows() { return host->Windows(); }
};

TEST_F(FormsTest, EditorWindowIsTheActiveFormWithTheEditorFocused) {
    host.OpenText("Unit1.pas", "x");
    IForm* active = host->Screen().ActiveForm();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->ClassName(), "TEditWindow");
    EXPECT_EQ(Windows().GetForegroundWindow(), active->Handle());
    EXPECT_EQ(Windows().GetClassName(Windows().GetFocus(), 64), "TEditControl");
    EXPECT_EQ(host->Screen().Width(), 1280);
    EXPECT_EQ(Windows().GetSystemMetrics(SM_CYSCREEN), 1024);
}

TEST_F(FormsTest, ShownFormComesToTheFrontAndHidingHandsActivationBack) {
    host.OpenText("Unit1.pas", "x");
    TForm dialog("TfmDialog", "fmDialog");
    dialog.SetCaption("Options");
    std::vector<std::pair<WPARAM, LPARAM>> activations;
    dialog.SetMessageHandler([&](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT&) {
        if (msg == WM_ACTIVATE) activations.push_back({wParam, lParam});
        return false;
    });
    dialog.show();
    EXPECT_EQ(WindowClasses(Windows()), (std::vector<std::string>{"TfmDialog", "TEditWindow"}));
    EXPECT_EQ(host->Screen().ActiveForm(), &dialog);
    EXPECT_EQ(Windows().GetWindowText(Windows().GetForegroundWindow(), 260), "Options");
    EXPECT_EQ(Windows().GetWindowText(dialog.Handle(), 4), "Opt");  // at most maxCount - 1 characters
    dialog.hide();
    EXPECT_EQ(host->Screen().ActiveForm()->ClassName(), "TEditWindow");
    const HWND editWindow = host->Screen().ActiveForm()->Handle();
    EXPECT_EQ(activations, (std::vector<std::pair<WPARAM, LPARAM>>{{WA_ACTIVE, static_cast<LPARAM>(editWindow)},
                                                                   {WA_INACTIVE, static_cast<LPARAM>(editWindow)}}));
}

TEST_F(FormsTest, ToolWindowThatNeverActivatesLeavesTheEditorInFrontButStaysOnTop) {
    host.OpenText("Unit1.pas", "x|");
    TForm list("TfmSuggest", "fmSuggest");
    list.SetNoActivate(true);
    list.SetStayOnTop(true);
    list.setWindowFlag(Qt::FramelessWindowHint);
    list.SetBoundsRect({385, 78, 546, 192});
    list.show();
    TForm other("TfmOther", "fmOther");
    other.show();
    other.hide();
    EXPECT_EQ(WindowClasses(Windows()), (std::vector<std::string>{"TfmSuggest", "TEditWindow"}));
    EXPECT_EQ(Windows().GetClassName(Windows().GetForegroundWindow(), 64), "TEditWindow");
    TRect rect{};
    ASSERT_TRUE(Windows().GetWindowRect(list.Handle(), rect));
    EXPECT_EQ(rect, (TRect{385, 78, 546, 192}));
    // Keys still go to the editor.
    host.Type("y");
    EXPECT_EQ(host.Text(), "xy");
    Windows().SetWindowAlpha(list.Handle(), 165);
    EXPECT_EQ(Windows().GetWindowAlpha(list.Handle()), 165);
    EXPECT_EQ(Windows().SetActiveWindow(list.Handle()), HWND{0});
}

TEST_F(FormsTest, ComponentsAreFoundByNameWithTheirClassesAndCaptions) {
    TForm form("TfmTest", "fmTest");
    auto* label = new QLabel(QStringLiteral("Text to find:"), &form);
    TForm::SetControlClass(label, "lblText");
    auto* button = new QPushButton(QStringLiteral("OK"), &form);
    TForm::SetControlClass(button, "btnOK");
    auto* list = new QListWidget(&form);
    TForm::SetControlClass(list, "lvWords", "TListView");
    EXPECT_EQ(form.ComponentCount(), 3);
    IControl* found = form.FindComponent("BTNOK");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->ClassName(), "TButton");
    EXPECT_EQ(found->Caption(), "OK");
    EXPECT_EQ(form.FindComponent("lblText")->ClassName(), "TLabel");
    EXPECT_EQ(form.FindComponent("lvWords")->ClassName(), "TListView");
    EXPECT_EQ(form.FindComponent("none"), nullptr);
    EXPECT_EQ(Windows().FindControl(found->Handle()), found);
    EXPECT_EQ(Windows().FindControl(0x7FFFFFF0), nullptr);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    found->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, PerformSendsKeysStraightToAControl) {
    TForm form("TfmTest", "fmTest");
    auto* list = new QListWidget(&form);
    TForm::SetControlClass(list, "lvWords", "TListView");
    list->addItems({QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")});
    list->setCurrentRow(0);
    IControl* control = form.FindComponent("lvWords");
    control->Perform(WM_KEYDOWN, VK_DOWN, MakeKeyLParam(0x50));
    control->Perform(WM_KEYUP, VK_DOWN, MakeKeyLParam(0x50, true));
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(FormsTest, KeysGoToTheFocusedControlOfTheActiveForm) {
    host.OpenText("Unit1.pas", "x");
    TForm form("TfmSearch", "fmSearch");
    auto* edit = new QLineEdit(&form);
    TForm::SetControlClass(edit, "cbText");
    form.show();
    edit->setFocus();
    std::vector<HWND> targets;
    host->Application().SetOnMessage([&](TMsg& msg, bool&) {
        if (msg.message == WM_KEYDOWN) targets.push_back(msg.hwnd);
    });
    host.Type("Ab");
    EXPECT_EQ(edit->text().toStdString(), "Ab");
    EXPECT_EQ(host.Text(), "x");
    ASSERT_FALSE(targets.empty());
    EXPECT_EQ(targets.back(), WindowRegistry::Instance().HandleOf(edit));
    EXPECT_EQ(Windows().GetFocus(), targets.back());
}

TEST_F(FormsTest, CaretPositionIsInTheEditorsClientAreaAndMapsIntoTheEditWindow) {
    host.OpenText("Unit1.pas", "begin\r\n  x|");
    TPoint caret{};
    ASSERT_TRUE(Windows().GetCaretPos(caret));
    TPoint start = caret;
    host.Type("yz");
    ASSERT_TRUE(Windows().GetCaretPos(caret));
    EXPECT_EQ(caret.y, start.y);
    EXPECT_GT(caret.x, start.x);
    const HWND editor = Windows().GetFocus();
    TPoint screen = caret;
    ASSERT_TRUE(Windows().ClientToScreen(editor, screen));
    TRect window{};
    ASSERT_TRUE(Windows().GetWindowRect(Windows().GetForegroundWindow(), window));
    EXPECT_TRUE(PtInRect(window, screen));
    EXPECT_GT(screen.y, window.top + 20);  // below the menu bar
}

TEST_F(FormsTest, ClickGoesToTheWindowUnderTheMouseAfterTheHook) {
    host.OpenText("Unit1.pas", "first line\r\nsecond line|");
    TRect window{};
    Windows().GetWindowRect(Windows().GetForegroundWindow(), window);
    // The caret of line 1, column 1, in screen coordinates.
    host.Current().Source()->View().SetPos(0, {1, 1});
    TPoint caret{};
    Windows().GetCaretPos(caret);
    Windows().ClientToScreen(Windows().GetFocus(), caret);
    host.Current().Source()->View().SetPos(0, {12, 2});
    std::vector<UINT> mouse;
    bool swallow = true;
    host->Application().SetOnMessage([&](TMsg& msg, bool& handled) {
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) mouse.push_back(msg.message);
        handled = swallow && msg.message == WM_LBUTTONDOWN;
    });
    host->MoveMouse(caret.x + 2, caret.y + 5);
    TPoint cursor{};
    Windows().GetCursorPos(cursor);
    EXPECT_EQ(cursor, (TPoint{caret.x + 2, caret.y + 5}));
    host->Click();
    EXPECT_EQ(host.Current().Source()->View().GetPos(0), (TEditPos{12, 2}));  // the hook took the press
    swallow = false;
    host->Click();
    EXPECT_EQ(host.Current().Source()->View().GetPos(0), (TEditPos{1, 1}));
    EXPECT_EQ(mouse, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(FormsTest, ModalFormIsAnsweredByTheAnswererAndUnansweredOnesCancel) {
    TForm form("TfmAsk", "fmAsk");
    auto* ok = new QPushButton(QStringLiteral("OK"), &form);
    TForm::SetControlClass(ok, "btnOK");
    form.SetButtonModalResult(ok, mrOk);
    EXPECT_EQ(form.ShowModal(), mrCancel);  // nobody answers on a manual clock
    bool wasActive = false;
    host->SetModalAnswerer([&](TForm& shown) {
        wasActive = host->Screen().ActiveForm() == &shown && shown.IsModal();
        shown.FindComponent("btnOK")->Click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(wasActive);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormsTest, FindDialogSearchesWithItsOptionsAndSearchAgainGoesOn) {
    host.OpenText("Unit1.pas", "|Alpha alpha ALPHA");
    host->SetModalAnswerer([](TForm& form) {
        ASSERT_EQ(form.ClassName(), "TSrchDialog");
        auto* text = form.findChild<QComboBox*>(QStringLiteral("cbText"));
        text->setEditText(QStringLiteral("alpha"));
        form.FindComponent("chkCaseSensitive")->Click();
        form.FindComponent("btnOK")->Click();
    });
    host.PressShortCut(ShortCut('F', ssCtrl));
    EXPECT_EQ(host.TextWithCursor(), "Alpha alpha| ALPHA");
    host->SetModalAnswerer({});
    host.Press(VK_F1 + 2);  // F3: no further match with case
    EXPECT_EQ(host.TextWithCursor(), "Alpha alpha| ALPHA");
}

}  // namespace
}  // namespace skrivo::host
