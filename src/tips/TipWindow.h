// TfmTip: the tip window: borderless, stay-on-top, tooltip-coloured, never taking the keyboard from the editor.
#pragma once

#include <memory>
#include <string>

#include "host/api/Application.h"
#include "platform/VirtualKeys.h"
#include "host/api/Form.h"
#include "tips/TipsWizard.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

namespace skrivo {

// Posted to the window by its close box and "Acknowledge": it closes when
// the message loop reaches it, after the click has been handled.
inline constexpr win::UINT WM_TIPCLOSE = win::WM_USER + 2;

class TTipCloseBox;

class TfmTip final : public host::TForm, public ITipWindow {
public:
    static constexpr int kWidth = 246;
    // Shown after this long, closed after kShownMs more.
    static constexpr unsigned kShowDelayMs = 1000;
    static constexpr unsigned kShownMs = 15000;
    // The close box shows itself pressed this long before the window goes.
    static constexpr unsigned kCloseBoxPressMs = 250;

    TfmTip(const std::string& richText, bool showAcknowledge, TipWindowCallbacks callbacks);
    ~TfmTip() override;

    // ITipWindow
    bool Visible() override { return isVisible(); }
    bool Closed() override { return closed_; }
    bool ShowTipsChecked() override;
    win::TRect BoundsRect() override { return host::TForm::BoundsRect(); }
    void SetBoundsRect(const win::TRect& bounds) override { host::TForm::SetBoundsRect(bounds); }
    void Retire() override;
    void Reopen(bool showAcknowledge, TipWindowCallbacks callbacks) override;

    win::LRESULT WndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

    QLabel* lblTitle = nullptr;
    QFrame* pnClose = nullptr;
    TTipCloseBox* pbClose = nullptr;
    QTextEdit* reTip = nullptr;
    QPushButton* btnAcknowledge = nullptr;
    QCheckBox* chkShowTips = nullptr;
    QPushButton* btnChangeConfig = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TTipCloseBox;
    void TimerTick();
    void ShowTip();
    void CloseBoxClicked();
    void PostClose();
    void CloseTip();
    struct TextExtent {
        int lines = 0;
        int height = 0;
    };
    TextExtent MeasureText(const std::string& richText) const;

    TipWindowCallbacks callbacks_;
    std::unique_ptr<host::ITimer> timer_;
    std::unique_ptr<host::ITimer> closeDelay_;
    bool closing_ = false;
    bool closed_ = false;
};

// The factory the wizard is given.
std::unique_ptr<ITipWindow> CreateTipWindow(const std::string& richText, bool showAcknowledge,
                                            TipWindowCallbacks callbacks);

}  // namespace skrivo
