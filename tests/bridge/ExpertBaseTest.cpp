// The expert base over a running host: notifier bookkeeping, the current notifier, menu items, hooks, ReadText.
#include <QAction>
#include <QTextEdit>

#include "BridgeFixture.h"
#include "bridge/QvConsole.h"
#include "host/forms/EditWindow.h"
#include "host/api/Form.h"
#include "platform/VirtualKeys.h"

namespace skrivo::testing {
namespace {

using host::testing::OffscreenHost;

class ExpertBase : public BridgeTest {
protected:
    std::vector<std::string> NotifierUnits() {
        std::vector<std::string> names;
        if (TNotifierList* list = Expert().GetNotifiers())
            for (auto& n : *list) names.push_back(n->UnitName());
        return names;
    }
    host::IMenuItem& Tools() { return *host->ToolServices().GetMainMenu()->FindMenuItem("ToolsMenu"); }
    std::vector<std::string> ToolsCaptions() {
        std::vector<std::string> captions;
        for (int i = 0; i < Tools().GetItemCount(); ++i) captions.push_back(Tools().GetItem(i)->GetCaption());
        return captions;
    }
};

TEST_F(ExpertBase, InitRunsBeforeTheShortCutHookAndTheAddIn) {
    RecordingExpert& e = StartExpert();
    EXPECT_FALSE(e.initSawNotifiers);
    EXPECT_FALSE(e.initSawShortCutHook);
    EXPECT_NE(e.GetNotifiers(), nullptr);
}

TEST_F(ExpertBase, ReadyCreatesANotifierForEveryOpenUnitButGroupsAndPackages) {
    host.OpenText("Unit1.pas", "a");
    host.OpenText("Group.BPG", "b");
    host.OpenText("Pack.Dpk", "c");
    host.OpenText("Unit2.pas", "d");
    auto expert = TQvExpert::Create<RecordingExpert>();
    EXPECT_EQ(expert->GetNotifiers()->size(), 0u);
    expert->SetReady(true);
    expert_ = std::move(expert);
    EXPECT_EQ(NotifierUnits(), (std::vector<std::string>{"Unit1", "Unit2"}));
    EXPECT_EQ(Expert().created.size(), 2u);
    // Making it ready again finds every unit known already.
    Expert().SetReady(true);
    EXPECT_EQ(NotifierCount(), 2u);
}

TEST_F(ExpertBase, FilesOpenedLaterGetTheirNotifierOnce) {
    StartExpert();
    host.OpenText("Later.pas", "x");
    EXPECT_EQ(NotifierUnits(), (std::vector<std::string>{"Later"}));
    const std::string name = host.Current().FileName();
    bool cancel = false;
    std::string upper = name;
    for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Expert().AddIn()->FileNotification(host::fnFileOpened, upper, cancel);
    EXPECT_EQ(NotifierCount(), 1u);
    // The same module under a name that no longer matches is still found.
    Current().FFileName = "stale";
    Expert().AddIn()->FileNotification(host::fnFileOpened, name, cancel);
    EXPECT_EQ(NotifierCount(), 1u);
    EXPECT_FALSE(cancel);
}

TEST_F(ExpertBase, OnlyOpeningCodesCreateNotifiers) {
    host.OpenText("Unit1.pas", "x");
    StartExpert();
    host->CloseFile(host.Current());
    ASSERT_EQ(NotifierCount(), 0u);
    host.OpenText("Unit2.pas", "y");  // fnFileOpened makes one
    const std::string unit2 = host.Current().FileName();
    host->CloseFile(host.Current());
    host::Module* again = host->OpenFile(unit2);
    ASSERT_NE(again, nullptr);
    ASSERT_EQ(NotifierCount(), 1u);
    bool cancel = false;
    host->CloseFile(*again);
    for (auto code : {host::fnFileOpening, host::fnFileClosing, host::fnProjectClosing, host::fnRemovedFromProject})
        Expert().AddIn()->FileNotification(code, unit2, cancel);
    EXPECT_EQ(NotifierCount(), 0u);
}

TEST_F(ExpertBase, CurrentNotifierOnlyWhileTheEditorWindowIsActive) {
    host.OpenText("Unit1.pas", "a");
    host.OpenText("Unit2.pas", "b");
    StartExpert();
    ASSERT_NE(Expert().GetCurrentNotifier(), nullptr);
    EXPECT_EQ(Expert().GetCurrentNotifier()->UnitName(), "Unit2");

    host::TForm dialog("TfmDialog", "fmDialog");
    dialog.show();
    host->Windows().SetActiveWindow(dialog.Handle());
    ASSERT_EQ(host->Screen().ActiveForm()->ClassName(), "TfmDialog");
    EXPECT_EQ(Expert().GetCurrentNotifier(), nullptr);
    dialog.hide();
    host->Windows().SetActiveWindow(host->MainWindow().Handle());
    EXPECT_NE(Expert().GetCurrentNotifier(), nullptr);
}

TEST_F(ExpertBase, MenuItemsGoBeforeTheFirstSeparatorAndLeaveWithTheExpert) {
    StartExpert();
    const auto before = ToolsCaptions();
    const int separator = static_cast<int>(std::find(before.begin(), before.end(), "-") - before.begin());
    ASSERT_LT(separator, static_cast<int>(before.size()));
    Expert().AddMenuItem(mbiTools, -100, "Minus", "MinusItem", host::mfEnabled | host::mfVisible, {});
    Expert().AddMenuItem(mbiTools, 100, "Plus", "PlusItem", host::mfEnabled | host::mfVisible, {});
    auto captions = ToolsCaptions();
    EXPECT_EQ(captions[separator], "Minus");
    EXPECT_EQ(captions[separator + 1], "Plus");
    EXPECT_EQ(captions[separator + 2], "-");

    Expert().AddMenuItem(mbiTools, 1, "One", "OneItem", host::mfEnabled | host::mfVisible, {});
    EXPECT_EQ(ToolsCaptions()[1], "One");
    EXPECT_EQ(Expert().GetMenuItemsList().size(), 3u);

    StopExpert();
    EXPECT_EQ(ToolsCaptions(), before);
}

TEST_F(ExpertBase, MenuItemClickReachesItsHandler) {
    StartExpert();
    int clicks = 0;
    host::IMenuItem* item = Expert().AddMenuItem(mbiTools, -100, "Click me", "ClickItem",
                                                 host::mfEnabled | host::mfVisible, [&](host::IMenuItem*) { ++clicks; });
    ASSERT_NE(item, nullptr);
    item->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ExpertBase, ShortCutHookPassesOnlyWhenReadyAndIsRestoredExactly) {
    int previousCalls = 0;
    host->Application().SetOnShortCut([&](win::TMsg&, bool& handled) {
        ++previousCalls;
        handled = true;
    });
    auto expert = TQvExpert::Create<RecordingExpert>();
    win::TMsg msg;
    msg.message = win::WM_KEYDOWN;
    msg.wParam = 'A';
    bool handled = true;
    host->Application().OnShortCut()(msg, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(previousCalls, 0);

    expert->SetReady(true);
    host->Application().OnShortCut()(msg, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(previousCalls, 1);

    expert.reset();
    handled = false;
    host->Application().OnShortCut()(msg, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(previousCalls, 2);
}

TEST_F(ExpertBase, ReadTextBeforeTheCursorPadsColumnsBeyondTheLineEnd) {
    host.OpenText("Unit1.pas", "first\r\n  ab\r\nlast");
    StartExpert();
    Expert().SetFastReadText(false);
    host::TEditPos beyond;
    beyond.Line = 2;
    beyond.Col = 8;  // three columns past "  ab"
    Current().SetEditPos(beyond);
    EXPECT_EQ(Expert().ReadText(-1), "  ab   ");
    EXPECT_EQ(Expert().ReadText(-100), "  ab   ");
    Current().SetPosition(10);  // "  a|b"
    EXPECT_EQ(Expert().ReadText(-1), "  a");
    EXPECT_EQ(Expert().ReadText(1), "b");
    EXPECT_EQ(Expert().ReadText(100), "b\r\nlast");
}

struct BeyondCase {
    const char* name;
    std::string text;
    int line, col;       // the cursor, beyond the end of its line
    std::string before;  // ReadText(-1)
};

class ReadTextBeyondTheLine : public ExpertBase, public ::testing::WithParamInterface<BeyondCase> {};

TEST_P(ReadTextBeyondTheLine, PadsToTheCursorsColumn) {
    host.OpenText("Unit1.pas", GetParam().text);
    StartExpert();
    Expert().SetFastReadText(false);
    host::TEditPos cursor;
    cursor.Line = GetParam().line;
    cursor.Col = static_cast<std::int16_t>(GetParam().col);
    Current().SetEditPos(cursor);
    EXPECT_EQ(Expert().ReadText(-1), GetParam().before);
}

const std::string kLongLine(2000, 'z');

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadTextBeyondTheLine,
    ::testing::Values(BeyondCase{"FirstLine", "ab\r\ncd", 1, 5, "ab  "},
                      BeyondCase{"TabbedLineCountsTabStops", "x\r\n\tab\r\ny", 2, 14, "\tab   "},
                      BeyondCase{"TabAfterTextOnALaterLine", "a\r\nb\r\nxy\tab\r\nz", 3, 14, "xy\tab   "},
                      BeyondCase{"LoneCrBreaks", "a\rbc", 2, 5, "bc  "},
                      BeyondCase{"LongerThanTheLookBack", "x\r\n" + kLongLine, 2, 2003, std::string(1024, 'z') + "  "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExpertBase, FastReadTextLeavesCursorAndSelectionAsTheyWere) {
    host.OpenText("Unit1.pas", "first\r\n  abc\r\nlast");
    StartExpert();
    Expert().SetFastReadText(true);
    Current().SetPosition(11);  // "  ab|c"
    EXPECT_EQ(Expert().ReadText(-1), "  ab");
    EXPECT_EQ(host.TextWithCursor(), "first\r\n  ab|c\r\nlast");
    EXPECT_FALSE(host.Current().GetEditorInterface()->BlockVisible());
    // A change before the cursor, the cursor put back where it was: the line
    // is read again, not remembered.
    ASSERT_TRUE(Current().Replace(9, 1, "x"));
    Current().SetPosition(11);
    EXPECT_EQ(Expert().ReadText(-1), "  xb");
    EXPECT_EQ(Expert().ReadText(2), "c\r");
    Current().SetPosition(7);  // line start: nothing before
    EXPECT_EQ(Expert().ReadText(-1), "");
}

TEST_F(ExpertBase, ReadTextWithoutAnEditorIsEmpty) {
    StartExpert();
    EXPECT_EQ(Expert().ReadText(-1), "");
    EXPECT_EQ(Expert().ReadText(10), "");
}

TEST_F(ExpertBase, RecorderStateIsVisible) {
    host.OpenText("Unit1.pas", "x");
    StartExpert();
    EXPECT_FALSE(Expert().IsRecording());
    EXPECT_FALSE(Expert().IsPlaying());
    host->KeyboardServices()->ToggleRecording();
    EXPECT_TRUE(Expert().IsRecording());
    host->KeyboardServices()->ToggleRecording();
    EXPECT_FALSE(Expert().IsRecording());
}

TEST_F(ExpertBase, ConsoleComesAndGoesWithTheSwitch) {
    StartExpert();
    EXPECT_EQ(fmConsole, nullptr);
    Expert().SetShowConsole(true);
    ASSERT_NE(fmConsole, nullptr);
    TfmConsole* console = fmConsole;
    EXPECT_EQ(console->Caption(), "Debug Console");
    EXPECT_EQ(console->ClassName(), "TfmConsole");
    EXPECT_TRUE(console->Visible());
    EXPECT_EQ(console->Expert(), &Expert());
    EXPECT_TRUE(console->OnTop1->isChecked());
    EXPECT_TRUE(console->StayOnTop());
    EXPECT_TRUE(console->RichEdit1->isReadOnly());

    console->OnTop1Click();
    EXPECT_FALSE(console->OnTop1->isChecked());
    EXPECT_FALSE(console->StayOnTop());
    EXPECT_TRUE(console->Visible());
    console->OnTop1->trigger();  // as the popup menu does
    EXPECT_TRUE(console->OnTop1->isChecked());
    EXPECT_TRUE(console->StayOnTop());

    console->Report("first");
    console->Report("second");
    EXPECT_EQ(console->RichEdit1->toPlainText().toStdString(), "first\nsecond");

    Expert().SetShowConsole(true);
    EXPECT_EQ(fmConsole, console);  // one console only
    Expert().SetShowConsole(false);
    EXPECT_EQ(fmConsole, nullptr);
    Expert().SetShowConsole(true);
    ASSERT_NE(fmConsole, nullptr);
    StopExpert();
    EXPECT_EQ(fmConsole, nullptr);
}

TEST(ExpertBaseIdentity, BaseAnswersAsTheHostReadsIt) {
    OffscreenHost host;
    auto expert = TQvExpert::Create<RecordingExpert>();
    EXPECT_EQ(expert->GetName(), "Quorvel Expert");
    EXPECT_EQ(expert->GetIDString(), "Quorvel.QvExpert");
    EXPECT_EQ(expert->GetComment(), "Quorvel base class to derive experts for Delphi");
    EXPECT_EQ(expert->GetStyle(), 3);
    EXPECT_EQ(expert->GetState(), 1);
    EXPECT_EQ(expert->GetPage(), "");
    EXPECT_EQ(expert->GetMenuText(), "");
    EXPECT_EQ(expert->PackageName(), "");
}

}  // namespace
}  // namespace skrivo::testing
