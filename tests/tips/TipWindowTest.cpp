// TfmTip on the offscreen IDE: its delay and lifetime, its buttons, and the editor keeping the activation.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>

#include "host/testing/OffscreenHost.h"
#include "tips/TipTexts.h"
#include "tips/TipWindow.h"

namespace skrivo {
namespace {

class TipWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<ITipWindow> Open(bool acknowledge) {
        TipWindowCallbacks callbacks;
        callbacks.onShow = [this] { ++shown; };
        callbacks.onClose = [this] { ++closed; };
        callbacks.onAcknowledge = [this] { ++acknowledged; };
        return CreateTipWindow(TipRichText(1), acknowledge, std::move(callbacks));
    }
    TfmTip& Tip(const std::unique_ptr<ITipWindow>& window) { return *static_cast<TfmTip*>(window.get()); }

    host::testing::OffscreenHost host;
    int shown = 0, closed = 0, acknowledged = 0;
};

TEST_F(TipWindowTest, ShowsAfterASecondWithoutTakingTheEditorsActivationAndGoesAfterFifteen) {
    host.OpenText("Unit1.pas", "begin|");
    const win::HWND editor = host->Windows().GetForegroundWindow();
    auto window = Open(false);
    host.Advance(999);
    EXPECT_FALSE(window->Visible());
    host.Advance(1);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(host->Windows().GetForegroundWindow(), editor);
    EXPECT_EQ(Tip(window).width(), TfmTip::kWidth);
    EXPECT_GT(Tip(window).height(), 100);  // the whole text fits
    host.Advance(14999);
    EXPECT_FALSE(window->Closed());
    host.Advance(1);
    EXPECT_TRUE(window->Closed());
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(closed, 1);
}

TEST_F(TipWindowTest, AcknowledgeAndTheCloseBoxCloseItThroughTheMessageLoop) {
    host.OpenText("Unit1.pas", "begin|");
    auto first = Open(false);
    EXPECT_FALSE(Tip(first).btnAcknowledge->isVisibleTo(&Tip(first)));
    EXPECT_TRUE(first->ShowTipsChecked());
    EXPECT_FALSE(Tip(first).btnChangeConfig->isVisibleTo(&Tip(first)));
    host.Advance(1000);
    Tip(first).FindComponent("pbClose")->Click();
    host.Advance(249);
    EXPECT_FALSE(first->Closed());
    host.Advance(1);
    EXPECT_TRUE(first->Closed());

    auto second = Open(true);
    host.Advance(1000);
    ASSERT_TRUE(Tip(second).btnAcknowledge->isVisible());
    Tip(second).btnAcknowledge->click();
    host.Advance(0);
    EXPECT_TRUE(second->Closed());
    EXPECT_EQ(acknowledged, 1);
    EXPECT_EQ(closed, 2);
}

// Kept for the next showing of its tip: reopened, it starts over as a new
// window would, whatever state it was retired in.
TEST_F(TipWindowTest, ARetiredWindowReopensAsANewOne) {
    host.OpenText("Unit1.pas", "begin|");
    auto window = Open(false);
    host.Advance(1000);
    Tip(window).chkShowTips->setChecked(false);
    Tip(window).FindComponent("pbClose")->Click();  // retired while its close is still pending
    window->Retire();
    EXPECT_FALSE(window->Visible());
    host.Advance(1000);
    EXPECT_EQ(closed, 0);

    int reshown = 0;
    TipWindowCallbacks callbacks;
    callbacks.onShow = [&] { ++reshown; };
    window->Reopen(true, std::move(callbacks));
    EXPECT_FALSE(window->Closed());
    EXPECT_TRUE(window->ShowTipsChecked());
    host.Advance(999);
    EXPECT_FALSE(window->Visible());
    host.Advance(1);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(reshown, 1);
    EXPECT_EQ(shown, 1);  // the old callbacks are gone
    EXPECT_TRUE(Tip(window).btnAcknowledge->isVisible());
    host.Advance(15000);
    EXPECT_TRUE(window->Closed());
}

}  // namespace
}  // namespace skrivo
