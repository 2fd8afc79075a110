// TSkrivoExpert: the pressed-key history and the tips wizard it feeds.
#include "bridge/Diagnostics.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "host/api/Form.h"
#include "macros/PressedKeyHistory.h"
#include "tips/TipWindow.h"
#include "tips/TipsWizard.h"

namespace skrivo {

namespace {
// What the wizard reads and changes of the expert, the editor and the screen.
class TipsHost final : public ITipsHost {
public:
    explicit TipsHost(TSkrivoExpert& expert) : expert_(expert) {}

    bool ShowTips() override { return expert_.GetCfg()->ShowTips; }
    void SetShowTips(bool on) override {
        expert_.GetCfg()->ShowTips = on;
        // The user's choice must survive a crash of the IDE, so it is
        // stored at once rather than with the next save of the options.
        try {
            expert_.LoadSaveConfig(true, {});
        } catch (const std::exception& e) {
            Rpt("ShowTips not saved: ", e.what());
        }
    }
    const TPressedKeyHistory& PressedKeys() override { return expert_.PressedKeys(); }
    std::string TextBeforeCursor(int count) override { return expert_.ReadText(-count); }
    std::optional<win::TPoint> CaretScreenPos() override {
        host::IHost* h = host::Host();
        win::TPoint caret;
        if (!h || !h->Windows().GetCaretPos(caret)) return std::nullopt;
        h->Windows().ClientToScreen(h->Windows().GetFocus(), caret);
        return caret;
    }
    win::TPoint ScreenSize() override {
        host::IHost* h = host::Host();
        return h ? win::TPoint{h->Screen().Width(), h->Screen().Height()} : win::TPoint{};
    }
    void ShowMessage(const std::string& text) override {
        if (host::Host()) host::MessageDlg("Skrivo Expert", text, host::MessageButtons::Ok);
    }

private:
    TSkrivoExpert& expert_;
};
}  // namespace

void TSkrivoExpert::CreateTipsWizard() {
    FPressedKeys = std::make_unique<TPressedKeyHistory>();
    FTipsHost = std::make_unique<TipsHost>(*this);
    FTipsWizard = std::make_unique<TTipsWizard>(*FTipsHost, &CreateTipWindow);
}

void TSkrivoExpert::FreeTipsWizard() {
    FTipsWizard.reset();
    FTipsHost.reset();
}

void TSkrivoExpert::StorePressedKey(win::WORD key, win::TShiftState shift) {
    if (!FPressedKeys || !FPressedKeys->StorePressedKey(key, shift)) return;
    if (FTipsWizard && GetCfg()->ShowTips) FTipsWizard->Execute();
}

std::uint16_t TSkrivoExpert::GetPressedKeys(int index) const {
    return FPressedKeys ? FPressedKeys->GetPressedKeys(index) : 0;
}

bool TSkrivoExpert::DoShowTip() {
    if (!FTipsWizard || !GetCfg()->ShowTips) return false;
    return FTipsWizard->Execute();
}

void TSkrivoExpert::TipAway() {
    if (!FTipsWizard) return;
    ITipWindow* window = FTipsWizard->TipWindow();
    if (window && window->Visible()) FTipsWizard->Away();
}

}  // namespace skrivo
