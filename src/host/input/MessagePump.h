// The message pump: keyboard and mouse input become Windows-style messages that pass the hooks first.
#pragma once

#include <deque>
#include <functional>

#include <QPoint>

#include "host/api/Application.h"
#include "host/input/KeyState.h"

class QWidget;

namespace skrivo::host {

class EditNotifications;
class EditorControl;

// What the pump asks of the rest of the host.
class PumpClient {
public:
    virtual ~PumpClient() = default;
    virtual TMessageEvent MessageHook() = 0;
    virtual TShortCutEvent ShortCutHook() = 0;
    // The host's own keys (menu accelerators, bookmarks, layout switch);
    // true when one took the key.
    virtual bool HostShortCut(const win::TMsg& msg, QWidget* target) = 0;
    // A key message that got past every hook on its way to its window (the
    // keystroke recorder listens here).
    virtual void KeyPassed(const win::TMsg& msg) = 0;
    // A key of the active layout typed a character the code page cannot
    // hold: nothing reaches the editor, so the user must hear and see why.
    virtual void CharNotRepresentable(char32_t ch) = 0;
};

// Order for a key-down, as in the IDE: the application's message hook; the
// shortcut hook; the host's own shortcuts; translation through the host's
// active keyboard layout (ToAsciiEx) into WM_CHAR, which passes the message
// hook again. The editor never sees a key a hook consumed: keys without a
// printable character are applied to the editor here at their key-down,
// characters at their WM_CHAR. Other controls get the matching Qt events.
//
// The editor's modification is announced to the module's notifiers when
// applying the key returns, not while the hooks run, so the expert's own
// edits inside its hook are announced while its guards are still set.
class MessagePump {
public:
    MessagePump(PumpClient& client, EditNotifications& notifications);
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

    // Keyboard input, one key event at a time (real keys and simulated ones
    // come this way alike). typesChar false: the key is translated to no
    // character whatever the layout says (the keypad's 5 without Num Lock).
    void KeyDown(win::WORD vk, KeySide side = KeySide::Left, bool autoRepeat = false, bool typesChar = true);
    void KeyUp(win::WORD vk, KeySide side = KeySide::Left);
    // A recorded key message replayed as if typed now.
    void ReplayKey(win::UINT msg, win::WORD vk, win::LPARAM lParam);

    // Mouse input at screen coordinates. Returns true when a hook took the
    // message (the widget then does not get it).
    bool MouseMessage(win::UINT msg, win::TPoint screen, int wheelDelta = 0);
    // A real mouse event of a widget: the message passes the hook; false
    // tells the caller to let Qt deliver the event as usual.
    bool RealMouseMessage(win::UINT msg, QWidget* widget, QPoint local, win::TPoint screen);

    bool PostMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    // Delivers the posted messages (also those posted meanwhile); returns
    // whether any were delivered.
    bool DeliverPosted();
    bool HasPosted() const { return !posted_.empty(); }
    // Called for every message posted (the real event loop schedules a
    // delivery; on a manual clock the caller delivers).
    void SetPostedHook(std::function<void()> hook) { postedHook_ = std::move(hook); }
    win::LRESULT SendMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    // The window that keys go to: the focused control of the active window
    // (of the modal form while one is up).
    static QWidget* KeyTarget();
    // The control a widget belongs to as a window (an editor's viewport is
    // the editor).
    static QWidget* ControlOf(QWidget* widget);

private:
    // Calls the message hook; true when it handled the message.
    bool RunMessageHook(win::TMsg& msg);
    void ProcessKey(win::TMsg msg, QWidget* target, bool typesChar = true);
    void ProcessChar(win::TMsg msg, QWidget* target);
    void ApplyToEditor(EditorControl& editor, const win::TMsg& msg);
    win::TMsg MakeMessage(win::UINT msg, QWidget* target, win::WPARAM wParam, win::LPARAM lParam) const;

    PumpClient& client_;
    EditNotifications& notifications_;
    std::deque<win::TMsg> posted_;
    std::function<void()> postedHook_;
};

}  // namespace skrivo::host
