// The application object, the screen's forms, Windows services, key state and timers of the host.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ShortCut.h"
#include "platform/WinTypes.h"

namespace skrivo::host {

// The message hook: called for every queued message before it is
// translated and dispatched; setting handled keeps the message from going on.
using TMessageEvent = std::function<void(win::TMsg& msg, bool& handled)>;

// The shortcut event: called for every key-down that no hook handled, before
// it is translated. msg carries WM_KEYDOWN/WM_SYSKEYDOWN with the key.
using TShortCutEvent = std::function<void(win::TMsg& msg, bool& handled)>;

class IApplication {
public:
    virtual ~IApplication() = default;
    virtual TMessageEvent OnMessage() const = 0;
    virtual void SetOnMessage(TMessageEvent handler) = 0;
    virtual TShortCutEvent OnShortCut() const = 0;
    virtual void SetOnShortCut(TShortCutEvent handler) = 0;
    virtual bool Terminated() const = 0;
    // Handles pending messages (and due timers), then returns.
    virtual void ProcessMessages() = 0;
    // Queues a message for the window; it is delivered by the message loop.
    virtual bool PostMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) = 0;
    // Sends a message to the window's handler at once and returns its result.
    virtual win::LRESULT SendMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) = 0;
    // The host program's file name and folder (AppPath).
    virtual std::string ExeName() const = 0;
};

// A control of a form, found by its component name or window handle.
class IControl {
public:
    virtual ~IControl() = default;
    virtual win::HWND Handle() = 0;
    virtual std::string Name() = 0;
    virtual std::string ClassName() = 0;    // "TLabel", "TButton", ...
    virtual std::string Caption() = 0;      // label text, button caption
    virtual bool Visible() = 0;
    virtual void Click() = 0;               // buttons: as a user's click
    // Sends a message to the control directly (Perform), bypassing hooks.
    virtual win::LRESULT Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) = 0;
};

// A top-level window of the application.
class IForm {
public:
    virtual ~IForm() = default;
    virtual win::HWND Handle() = 0;
    virtual std::string Name() = 0;
    virtual std::string ClassName() = 0;    // "TEditWindow", "TMessageForm", "TfmSuggest", ...
    virtual std::string Caption() = 0;
    virtual bool Visible() = 0;
    virtual win::TRect BoundsRect() = 0;    // screen coordinates
    virtual int ComponentCount() = 0;
    virtual IControl* Component(int index) = 0;
    virtual IControl* FindComponent(const std::string& name) = 0;
};

class IScreen {
public:
    virtual ~IScreen() = default;
    virtual int FormCount() = 0;             // in z-order, front first
    virtual IForm* Form(int index) = 0;
    virtual IForm* ActiveForm() = 0;         // nullptr when none
    virtual IForm* FindForm(win::HWND hwnd) = 0;
    virtual int Width() = 0;
    virtual int Height() = 0;
};

// Windows services.
class IWindows {
public:
    virtual ~IWindows() = default;
    virtual win::HWND GetForegroundWindow() = 0;
    virtual win::HWND GetFocus() = 0;
    // Makes a top-level window the active one; returns the window that was
    // active, 0 when refused (unknown handle, a window that never activates).
    virtual win::HWND SetActiveWindow(win::HWND hwnd) = 0;
    // Gives a control the keyboard focus, activating its window; false when
    // the handle is not one of the application's.
    virtual bool SetFocus(win::HWND hwnd) = 0;
    // Top-level windows, front first; the callback returns false to stop.
    virtual void EnumWindows(const std::function<bool(win::HWND)>& callback) = 0;
    virtual bool IsWindowVisible(win::HWND hwnd) = 0;
    virtual std::string GetWindowText(win::HWND hwnd, int maxCount) = 0;
    virtual std::string GetClassName(win::HWND hwnd, int maxCount) = 0;
    virtual bool GetWindowRect(win::HWND hwnd, win::TRect& rect) = 0;
    // The control (any window of the application) of a handle; nullptr when
    // the handle is not one of the application's.
    virtual IControl* FindControl(win::HWND hwnd) = 0;
    // Caret position in client coordinates of the focused window; false when
    // there is no caret.
    virtual bool GetCaretPos(win::TPoint& pt) = 0;
    virtual bool ClientToScreen(win::HWND hwnd, win::TPoint& pt) = 0;
    virtual bool GetCursorPos(win::TPoint& pt) = 0;
    virtual bool SetCursorPos(int x, int y) = 0;
    virtual int GetSystemMetrics(int index) = 0;
    // Key state as the message pump has seen the keys: bit 0x8000 (negative)
    // pressed, bit 1 toggled. GetAsyncKeyState: pressed now.
    virtual std::int16_t GetKeyState(int virtKey) = 0;
    virtual std::int16_t GetAsyncKeyState(int virtKey) = 0;
    virtual bool GetKeyboardState(win::BYTE keyState[256]) = 0;
    // The error beep (MessageBeep(0)) and a tone.
    virtual void MessageBeep() = 0;
    virtual void Beep(unsigned frequency, unsigned durationMs) = 0;
    virtual void Sleep(unsigned ms) = 0;
    // ShellExecute of a web address: the user's browser shows it; false when
    // none could be started. Offscreen nothing is started: the address is
    // only kept (LastOpenedUrl) and true returned.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Layered-window opacity of a top-level window (255 opaque).
    virtual void SetWindowAlpha(win::HWND hwnd, int alpha) = 0;
    virtual int GetWindowAlpha(win::HWND hwnd) = 0;
};

// A timer on the host clock; its handler runs on the main thread from the
// message loop (or, on a manual clock, when the clock is advanced past it).
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void SetInterval(unsigned ms) = 0;
    virtual unsigned Interval() const = 0;
    // Enabling (re)starts the interval from now.
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetOnTimer(std::function<void()> handler) = 0;
};

}  // namespace skrivo::host
