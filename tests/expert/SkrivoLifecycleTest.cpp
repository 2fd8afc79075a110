// TSkrivoExpert's own state over a running IDE: Init, the notifications it records, the windows it looks for.
#include <gtest/gtest.h>

#include "bridge/QvNotifier.h"
#include "completion/SelfTeachingDictionary.h"
#include "expert/IdleTimerState.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "host/forms/EditWindow.h"
#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "platform/Clock.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;

// Opens the expert's protected state to the tests.
class SkrivoProbe : public TSkrivoExpert {
public:
    SkrivoProbe() = default;
    using TSkrivoExpert::FTimerState;
    using TSkrivoExpert::FListState;
    using TSkrivoExpert::FDict;
    using TSkrivoExpert::FFixedDict;
    using TSkrivoExpert::FLastEditPos;
    using TSkrivoExpert::FLastModified;
    using TSkrivoExpert::FOnMessageSaved;
    using TSkrivoExpert::FTimer;
    using TSkrivoExpert::Notifier2Replace;
};

class SkrivoLifecycle : public ::testing::Test {
protected:
    SkrivoProbe& Start() {
        expert_ = TQvExpert::Create<SkrivoProbe>();
        expert_->SetReady(true);
        return *expert_;
    }
    TQvNotifier* NotifierOf(const std::string& unit) {
        for (auto& n : *expert_->GetNotifiers())
            if (n->UnitName() == unit) return n.get();
        return nullptr;
    }
    std::uint32_t Now() { return win::GetTickCount(); }

    OffscreenHost host;
    std::unique_ptr<SkrivoProbe> expert_;
    void TearDown() override { expert_.reset(); }
};

TEST_F(SkrivoLifecycle, InitPreparesTheTimerListsAndHook) {
    SkrivoProbe& e = Start();
    ASSERT_NE(e.FTimer, nullptr);
    EXPECT_EQ(e.FTimer->Interval(), 250u);
    EXPECT_TRUE(e.FTimer->Enabled());
    EXPECT_EQ(e.FTimerState->FDelayCount, 0);  // the default delay of 250 ms: one tick
    EXPECT_EQ(e.FListState->FLineHeight, 10);
    ASSERT_NE(e.FDict, nullptr);
    EXPECT_TRUE(e.FDict->Entries().Empty());
    EXPECT_NE(e.FFixedDict, nullptr);
    EXPECT_TRUE(e.FOnMessageSaved);
    EXPECT_EQ(e.GetIDString(), "Quorvel.SkrivoExpert");
    EXPECT_EQ(e.GetName(), "Quorvel Skrivo Expert");
    EXPECT_EQ(e.PackageName(), "SkrivoPackage.bpl");
}

TEST_F(SkrivoLifecycle, BeforeReadyEveryMessageGoesOnUnchanged) {
    std::vector<win::TMsg> seen;
    host->Application().SetOnMessage([&](win::TMsg& msg, bool&) { seen.push_back(msg); });
    host.OpenText("Unit1.pas", "|");
    expert_ = TQvExpert::Create<SkrivoProbe>();  // created, not yet ready
    ASSERT_FALSE(expert_->Ready());
    host.Type("q");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].message, win::WM_KEYDOWN);
    EXPECT_EQ(seen[0].wParam, static_cast<win::WPARAM>('Q'));
    EXPECT_EQ(seen[1].message, win::WM_CHAR);
    EXPECT_EQ(seen[1].wParam, static_cast<win::WPARAM>('q'));
    EXPECT_EQ(host.TextWithCursor(), "q|");
    EXPECT_EQ(expert_->GetNotifiers()->size(), 0u);
}

TEST_F(SkrivoLifecycle, TimerKeepsTickingOnTheHostClock) {
    host.OpenText("Unit1.pas", "x|");
    SkrivoProbe& e = Start();
    host.Type("y");
    EXPECT_EQ(e.FTimerState->FResetTick, Now());
    host.Advance(5000);
    EXPECT_TRUE(e.FTimer->Enabled());
    EXPECT_EQ(host.TextWithCursor(), "xy|");
}

TEST_F(SkrivoLifecycle, ModificationIsRecordedWithItsCursor) {
    host.OpenText("Unit1.pas", "ab|");
    SkrivoProbe& e = Start();
    host.Advance(700);
    host.Type("c");
    EXPECT_EQ(e.FLastModified, NotifierOf("Unit1"));
    EXPECT_EQ(e.FLastEditPos.Col, 4);
    EXPECT_EQ(e.FLastEditPos.Line, 1);
    EXPECT_EQ(e.FTimerState->FResetTick, Now());
    EXPECT_EQ(e.FTimerState->FDelayCount, 0);
}

TEST_F(SkrivoLifecycle, ModificationOfAModuleBehindIsRecordedToo) {
    host.OpenText("Back.pas", "b|");
    host.OpenText("Front.pas", "f|");
    SkrivoProbe& e = Start();
    TQvNotifier* back = NotifierOf("Back");
    ASSERT_NE(back, nullptr);
    ASSERT_NE(e.GetCurrentNotifier(), back);
    back->Replace(0, 0, "x");
    EXPECT_EQ(e.FLastModified, back);
    EXPECT_EQ(e.FLastEditPos, back->GetEditPos());
}

TEST_F(SkrivoLifecycle, RenameIsRemembered) {
    host.OpenText("Unit1.pas", "x");
    SkrivoProbe& e = Start();
    host.Advance(3000);
    ASSERT_TRUE(host->SaveFileAs(host.Current(), host.Temp().File("Unit2.pas")));
    EXPECT_EQ(e.FTimerState->FRenameTick, Now());
    EXPECT_EQ(e.FTimerState->FResetTick, Now());
}

TEST_F(SkrivoLifecycle, SaveRequestsADictionarySaveOnlyAfterASecond) {
    host.OpenText("Unit1.pas", "x");
    SkrivoProbe& e = Start();
    e.Collect("Caption");
    e.SaveDictionary();  // the last save is now
    ASSERT_EQ(e.FDict->LastSaveTick(), Now() & 0x7FFFFFFF);
    host.Advance(1000);
    host->SaveFile(host.Current());
    EXPECT_FALSE(e.FTimerState->FSaveRequested);
    host.Advance(1);
    host->SaveFile(host.Current());
    EXPECT_TRUE(e.FTimerState->FSaveRequested);
}

TEST_F(SkrivoLifecycle, EveryNewNotifierAwaitsItsBookmarks) {
    host.OpenText("Unit1.pas", "x");
    host.OpenText("Unit2.pas", "y");
    SkrivoProbe& e = Start();
    EXPECT_EQ(e.FTimerState->FBookmarksPending, 2);
    host.OpenText("Unit3.pas", "z");
    EXPECT_EQ(e.FTimerState->FBookmarksPending, 3);
}

TEST_F(SkrivoLifecycle, ClosingAModuleForgetsItsWaitingModification) {
    host.OpenText("Keep.pas", "k|");
    host.OpenText("Gone.pas", "g|");
    SkrivoProbe& e = Start();
    host.Type("!");
    TQvNotifier* gone = NotifierOf("Gone");
    ASSERT_EQ(e.FLastModified, gone);
    gone->FWords = std::make_unique<StringList>(StringList{"alpha", "beta"});
    e.Notifier2Replace = gone;
    host->CloseFile(host.Current());
    EXPECT_EQ(e.FLastModified, nullptr);
    EXPECT_EQ(e.Notifier2Replace, nullptr);
    host.Advance(2000);  // the timer must not reach the closed module
}

TEST_F(SkrivoLifecycle, EditingFileAndEditorForeground) {
    host.OpenText("Unit1.pas", "x");
    SkrivoProbe& e = Start();
    EXPECT_EQ(e.EditingFile(), host.Current().FileName());
    EXPECT_TRUE(e.IsEditorForeground());
    host::TForm dialog("TfmOptions", "fmOptions");
    dialog.show();
    host->Windows().SetActiveWindow(dialog.Handle());
    EXPECT_FALSE(e.IsEditorForeground());
}

struct KibitzCase {
    const char* name;
    const char* caption;
    const char* className;
    bool visible;
    bool found;
};

class KibitzWindow : public SkrivoLifecycle, public ::testing::WithParamInterface<KibitzCase> {};

TEST_P(KibitzWindow, IsFoundByTitleAndClass) {
    SkrivoProbe& e = Start();
    EXPECT_FALSE(e.KibitzWindowVisible());
    host::TForm window(GetParam().className, "Popup");
    window.SetCaption(GetParam().caption);
    window.SetNoActivate(true);
    if (GetParam().visible) window.show();
    EXPECT_EQ(e.KibitzWindowVisible(), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, KibitzWindow,
    ::testing::Values(KibitzCase{"CodeInsight", "KibitzWindow", "TPopupListBox", true, true},
                      KibitzCase{"CodeInsightHidden", "KibitzWindow", "TPopupListBox", false, false},
                      KibitzCase{"TemplateList", "CodeTemplateListBox", "TCodeTemplateBox", true, true},
                      KibitzCase{"TemplateTitleOtherClass", "CodeTemplateListBox", "TListBox", true, false},
                      KibitzCase{"OtherTitle", "Kibitz", "TCodeTemplateBox", true, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace skrivo
