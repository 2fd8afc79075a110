// TTipsWizard over a scripted history and window: when tips show, how often, and what switches them off.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "macros/PressedKeyHistory.h"
#include "platform/Clock.h"
#include "platform/VirtualKeys.h"
#include "tips/TipsWizard.h"

namespace skrivo {
namespace {

struct FakeWindow final : ITipWindow {
    bool visible = false;
    bool closed = false;
    bool checked = true;
    win::TRect bounds{0, 0, 246, 120};
    bool Visible() override { return visible; }
    bool Closed() override { return closed; }
    bool ShowTipsChecked() override { return checked; }
    win::TRect BoundsRect() override { return bounds; }
    void SetBoundsRect(const win::TRect& r) override { bounds = r; }
    void Retire() override {
        visible = false;
        closed = true;
    }
    void Reopen(bool acknowledge, TipWindowCallbacks cb) override {
        closed = false;
        checked = true;
        shownAgain(*this, acknowledge, std::move(cb));
    }
    std::string text;
    std::function<void(FakeWindow&, bool, TipWindowCallbacks)> shownAgain;
};

class TipsWizardTest : public ::testing::Test, public ITipsHost {
protected:
    TipsWizardTest() : wizard_(*this, [this](const std::string& text, bool acknowledge, TipWindowCallbacks cb) {
        auto window = std::make_unique<FakeWindow>();
        window->text = text;
        window->shownAgain = [this](FakeWindow& w, bool again, TipWindowCallbacks more) { Shown(w, again, std::move(more)); };
        ++built_;
        Shown(*window, acknowledge, std::move(cb));
        return window;
    }) {}

    void Shown(FakeWindow& window, bool acknowledge, TipWindowCallbacks cb) {
        window_ = &window;
        shownTexts_.push_back(window.text);
        acknowledgeShown_.push_back(acknowledge);
        callbacks_ = std::move(cb);
    }

    // ITipsHost
    bool ShowTips() override { return showTips_; }
    void SetShowTips(bool on) override {
        showTips_ = on;
        ++saves_;
    }
    const TPressedKeyHistory& PressedKeys() override { return keys_; }
    std::string TextBeforeCursor(int count) override {
        return before_.substr(before_.size() > static_cast<std::size_t>(count) ? before_.size() - count : 0);
    }
    std::optional<win::TPoint> CaretScreenPos() override { return win::TPoint{400, 300}; }
    win::TPoint ScreenSize() override { return {1280, 1024}; }
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }

    // A key as the dispatch stores it; then the wizard looks, as after every stored key.
    bool Key(win::WORD key, win::TShiftState shift = 0) {
        keys_.StorePressedKey(key, shift);
        return wizard_.Execute();
    }
    bool TypeAssign() {
        Key(win::VK_OEM_1, win::ssShift);
        return Key(win::VK_OEM_PLUS);
    }
    // The window closes itself (timer, close box, Acknowledge) and tells the wizard.
    void CloseWindow() {
        if (callbacks_.onClose) callbacks_.onClose();
        window_->closed = true;
    }
    void Wait(unsigned ms) { clock_.Advance(ms); }

    // The wizard reads the clock when it is made: the manual one must be in place first.
    struct ClockInPlace {
        ManualClock clock;
        ClockInPlace() { SetSystemClock(&clock); }
        ~ClockInPlace() { SetSystemClock(nullptr); }
    } clockInPlace_;
    ManualClock& clock_ = clockInPlace_.clock;
    TPressedKeyHistory keys_;
    bool showTips_ = true;
    int saves_ = 0;
    std::string before_;
    std::vector<std::string> messages_;
    std::vector<std::string> shownTexts_;
    std::vector<bool> acknowledgeShown_;
    FakeWindow* window_ = nullptr;
    int built_ = 0;
    TipWindowCallbacks callbacks_;
    TTipsWizard wizard_;
};

TEST_F(TipsWizardTest, ColonEqualsByHandShowsTipOneAndNothingNewWhileItIsOpen) {
    Wait(1000);
    EXPECT_TRUE(TypeAssign());
    EXPECT_EQ(wizard_.CurrentTip(), 1);
    ASSERT_EQ(shownTexts_.size(), 1u);
    EXPECT_NE(shownTexts_[0].find("much easier pressing"), std::string::npos);
    Wait(5000);
    EXPECT_FALSE(TypeAssign());
    EXPECT_EQ(shownTexts_.size(), 1u);
}

TEST_F(TipsWizardTest, NeverWithinASecondOfStartOrOfTheLastClosing) {
    EXPECT_FALSE(TypeAssign());  // the wizard was made just now
    Wait(1000);
    EXPECT_TRUE(TypeAssign());
    Wait(3000);
    CloseWindow();
    Wait(999);
    EXPECT_FALSE(TypeAssign());
    Wait(1);
    EXPECT_TRUE(TypeAssign());
}

TEST_F(TipsWizardTest, AcknowledgeFromTheSecondShowingAndPressedItStopsTheTip) {
    for (int showing = 0; showing < 2; ++showing) {
        Wait(1500);
        ASSERT_TRUE(TypeAssign()) << showing;
        Wait(1500);
        if (showing == 1) callbacks_.onAcknowledge();
        CloseWindow();
    }
    EXPECT_EQ(acknowledgeShown_, (std::vector<bool>{false, true}));
    EXPECT_EQ(built_, 1);  // the second showing reopened the first window
    EXPECT_EQ(wizard_.Acknowledged(1), 2);
    Wait(1500);
    EXPECT_FALSE(TypeAssign());
    // The other tip is counted on its own.
    before_ = "a: Intege";
    Key('E');
    EXPECT_TRUE(Key('R'));
    EXPECT_EQ(wizard_.CurrentTip(), 2);
}

TEST_F(TipsWizardTest, IntegerTypedInFullOrFinishedAfterTheSubstitutionShowsTipTwo) {
    struct Case {
        std::vector<std::pair<win::WORD, win::TShiftState>> keys;
        std::string before;
        bool shown;
    };
    const std::vector<std::pair<win::WORD, win::TShiftState>> integer = {
        {win::VK_OEM_1, win::ssShift}, {win::VK_SPACE, 0}, {'I', win::ssShift}, {'N', 0}, {'T', 0},
        {'E', 0}, {'G', 0}, {'E', 0}, {'R', 0}};
    auto lowerI = integer;
    lowerI[2].second = 0;
    auto ctrlN = integer;
    ctrlN[3].second = win::ssCtrl;
    const std::vector<Case> cases = {
        {integer, "", true},
        {lowerI, "", true},
        {ctrlN, "", false},
        {{{'E', 0}, {'R', 0}}, "x: intege", true},
        {{{'E', 0}, {'R', 0}}, "x:Intege", false},
        {{{'R', 0}}, "x: Intege", false},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        TPressedKeyHistory fresh;
        keys_ = fresh;
        before_ = cases[i].before;
        if (window_) CloseWindow();
        Wait(1500);
        bool shown = false;
        for (const auto& [key, shift] : cases[i].keys) shown = Key(key, shift);
        EXPECT_EQ(shown, cases[i].shown) << "case " << i;
    }
}

TEST_F(TipsWizardTest, UncheckingShowTipsIsStoredAtOnceAndClosingSaysSo) {
    Wait(1000);
    ASSERT_TRUE(TypeAssign());
    window_->checked = false;
    callbacks_.onCheckClick();
    EXPECT_FALSE(showTips_);
    EXPECT_EQ(saves_, 1);
    CloseWindow();
    EXPECT_EQ(messages_, std::vector<std::string>{"Tips turned off!!!"});
    Wait(5000);
    EXPECT_FALSE(TypeAssign());
}

TEST_F(TipsWizardTest, EscapeTakesTheWindowAwayAndRestartsTheQuietSecond) {
    Wait(1000);
    ASSERT_TRUE(TypeAssign());
    Wait(2000);
    wizard_.Away();
    EXPECT_EQ(wizard_.TipWindow(), nullptr);
    Wait(500);
    EXPECT_FALSE(TypeAssign());
}

TEST_F(TipsWizardTest, WindowsPreparedAheadAreTheOnesShown) {
    wizard_.PrepareWindows();
    EXPECT_EQ(built_, kTipCount);
    Wait(1000);
    ASSERT_TRUE(TypeAssign());
    EXPECT_EQ(built_, kTipCount);
    EXPECT_FALSE(window_->Closed());
    EXPECT_EQ(wizard_.TipWindow(), window_);
}

TEST(PressedKeyHistoryTest, KeepsTheLast255KeysWithTheirModifiers) {
    TPressedKeyHistory keys;
    EXPECT_FALSE(keys.StorePressedKey(win::VK_SHIFT, win::ssShift));
    EXPECT_FALSE(keys.StorePressedKey(win::VK_MENU, win::ssAlt));
    EXPECT_EQ(keys.Count(), 0);
    for (int i = 0; i < 256; ++i) keys.StorePressedKey(static_cast<win::WORD>(i % 200 + 32), 0);
    EXPECT_EQ(keys.Count(), 255);
    EXPECT_EQ(keys.GetPressedKeys(0), 33);  // the first key went out
    keys.StorePressedKey('A', win::ssShift | win::ssCtrl | win::ssAlt);
    EXPECT_EQ(keys.GetPressedKeys(254), 'A' | kPressedShift | kPressedCtrl | kPressedAlt);
    EXPECT_EQ(keys.GetPressedKeys(255), 0);
}

}  // namespace
}  // namespace skrivo
