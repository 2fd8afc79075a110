// Windows services of the host: foreground, focus, window enumeration and texts, caret, cursor, metrics, key state, beeps.
#pragma once

#include <functional>

#include "host/api/Application.h"

namespace skrivo {
class ManualClock;
}

namespace skrivo::host {

class ISoundDevice;

class WindowsServices final : public IWindows {
public:
    // manual: the clock Sleep moves on (nullptr: really sleep).
    WindowsServices(ISoundDevice& sound, ManualClock* manual) : sound_(sound), manual_(manual) {}

    win::HWND GetForegroundWindow() override;
    win::HWND GetFocus() override;
    void EnumWindows(const std::function<bool(win::HWND)>& callback) override;
    bool IsWindowVisible(win::HWND hwnd) override;
    std::string GetWindowText(win::HWND hwnd, int maxCount) override;
    std::string GetClassName(win::HWND hwnd, int maxCount) override;
    bool GetWindowRect(win::HWND hwnd, win::TRect& rect) override;
    IControl* FindControl(win::HWND hwnd) override;
    bool GetCaretPos(win::TPoint& pt) override;
    bool ClientToScreen(win::HWND hwnd, win::TPoint& pt) override;
    bool GetCursorPos(win::TPoint& pt) override;
    bool SetCursorPos(int x, int y) override;
    int GetSystemMetrics(int index) override;
    std::int16_t GetKeyState(int virtKey) override;
    std::int16_t GetAsyncKeyState(int virtKey) override;
    bool GetKeyboardState(win::BYTE keyState[256]) override;
    void MessageBeep() override;
    void Beep(unsigned frequency, unsigned durationMs) override;
    void Sleep(unsigned ms) override;
    bool OpenUrl(const std::string& url) override;
    void SetWindowAlpha(win::HWND hwnd, int alpha) override;
    int GetWindowAlpha(win::HWND hwnd) override;
    win::HWND SetActiveWindow(win::HWND hwnd) override;
    bool SetFocus(win::HWND hwnd) override;

    int MessageBeepCount() const { return messageBeeps_; }
    const std::string& LastOpenedUrl() const { return lastUrl_; }

private:
    ISoundDevice& sound_;
    ManualClock* manual_;
    int messageBeeps_ = 0;
    std::string lastUrl_;
};

}  // namespace skrivo::host
