// TTipsWizard: watches the pressed keys and shows a tip when the user types by hand what Skrivo can type.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/WinTypes.h"
#include "tips/TipTexts.h"

namespace skrivo {

class TPressedKeyHistory;

// What the wizard needs of the expert and the screen.
class ITipsHost {
public:
    virtual ~ITipsHost() = default;
    virtual bool ShowTips() = 0;
    // Stores the option and saves the configuration at once.
    virtual void SetShowTips(bool on) = 0;
    virtual const TPressedKeyHistory& PressedKeys() = 0;
    // The text before the cursor in the editor in front (up to count characters).
    virtual std::string TextBeforeCursor(int count) = 0;
    // The caret in screen coordinates; nullopt without a caret.
    virtual std::optional<win::TPoint> CaretScreenPos() = 0;
    virtual win::TPoint ScreenSize() = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

// The tip window as the wizard sees it. It shows itself after a second,
// closes itself after fifteen more, on its close box and on "Acknowledge";
// it calls the callbacks and then counts as closed.
struct TipWindowCallbacks {
    std::function<void()> onAcknowledge;
    std::function<void()> onShow;
    std::function<void()> onClose;
    std::function<void()> onCheckClick;
};

class ITipWindow {
public:
    virtual ~ITipWindow() = default;
    virtual bool Visible() = 0;
    virtual bool Closed() = 0;
    virtual bool ShowTipsChecked() = 0;
    virtual win::TRect BoundsRect() = 0;
    virtual void SetBoundsRect(const win::TRect& bounds) = 0;
    // A window is built once per tip and kept while hidden: building one costs
    // a fifth of a millisecond, on the very key that asks for the tip.
    // Retire hides it and stops it; Reopen starts it again as a new window
    // would (shown after the delay, "Show tips" checked) with these callbacks.
    virtual void Retire() = 0;
    virtual void Reopen(bool showAcknowledge, TipWindowCallbacks callbacks) = 0;
};


using TipWindowFactory = std::function<std::unique_ptr<ITipWindow>(
    const std::string& richText, bool showAcknowledge, TipWindowCallbacks callbacks)>;

// A pattern entry: the mask (key code and modifier bits that must match) in
// the high 16 bits, the expected history entry in the low 16 bits.
using TTipKey = std::uint32_t;

class TTipsWizard {
public:
    TTipsWizard(ITipsHost& host, TipWindowFactory factory);
    ~TTipsWizard();
    TTipsWizard(const TTipsWizard&) = delete;
    TTipsWizard& operator=(const TTipsWizard&) = delete;

    // Checks the patterns and shows a tip; true when one was shown.
    bool Execute();
    bool CheckKeys(const TTipKey* pattern, int last);
    bool CheckStr(const std::string& s);
    bool DoTip(int tip);
    bool Tip001(int tip);
    void ShowTip(const std::string& richText);
    void RepositionTipWnd();
    void Acknowledge();
    void ChgTipsOn();
    void TipClose();
    // Escape in the editor: the window goes at once.
    void Away();
    // Builds each tip's window ahead, hidden, for a moment the user is idle.
    void PrepareWindows();

    // The open tip window (nullptr when none) and the tip it shows.
    ITipWindow* TipWindow();
    int CurrentTip() const { return FTipIndex; }
    std::uint8_t Acknowledged(int tip) const;

private:
    void DropClosedWindow();
    // The window goes back among the spare ones, hidden.
    void RetireWindow();

    ITipsHost& FHost;
    TipWindowFactory FFactory;
    std::uint32_t FTimeStamp = 0;
    int FTipIndex = 0;
    win::TPoint FCaretPos;
    std::array<std::uint8_t, kTipCount + 1> FCounters{};
    std::unique_ptr<ITipWindow> FWindow;
    int FWindowTip = 0;  // the tip FWindow was built for
    std::array<std::unique_ptr<ITipWindow>, kTipCount + 1> FSpare;
};

}  // namespace skrivo
