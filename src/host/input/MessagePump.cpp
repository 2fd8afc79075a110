// The message pump: keyboard and mouse input become Windows-style messages that pass the hooks first.
#include "host/input/MessagePump.h"

#include <exception>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "host/HostLog.h"
#include "host/editor/EditNotifications.h"
#include "host/editor/EditorControl.h"
#include "host/forms/Desktop.h"
#include "host/api/Form.h"
#include "host/forms/WindowRegistry.h"
#include "host/input/QtKeys.h"
#include "platform/Clock.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
using namespace win;

// A posted message that keeps posting itself must not hang the host.
constexpr int kMaxPostedPerDelivery = 100000;

bool IsSysKey(const KeyState& keys) { return keys.Pressed(VK_MENU) && !keys.Pressed(VK_CONTROL); }

bool IsPrintable(unsigned char c) { return c >= 0x20 && c != 0x7F; }

bool Inside(QWidget* widget, QWidget* window) {
    return widget && window && (widget == window || window->isAncestorOf(widget));
}
}  // namespace

MessagePump::MessagePump(PumpClient& client, EditNotifications& notifications) : client_(client), notifications_(notifications) {}

QWidget* MessagePump::ControlOf(QWidget* widget) {
    if (!widget) return nullptr;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget->parentWidget()))
        if (area->viewport() == widget) return area;
    return widget;
}

QWidget* MessagePump::KeyTarget() {
    Desktop& desktop = Desktop::Instance();
    QWidget* target = desktop.FocusedWidget();
    if (TForm* modal = desktop.TopModal(); modal && !Inside(target, modal)) {
        target = modal->focusWidget() ? modal->focusWidget() : modal;
    }
    return ControlOf(target);
}

TMsg MessagePump::MakeMessage(UINT msg, QWidget* target, WPARAM wParam, LPARAM lParam) const {
    TMsg m;
    m.hwnd = target ? WindowRegistry::Instance().HandleOf(target) : 0;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    m.pt = Desktop::Instance().CursorPos();
    return m;
}

bool MessagePump::RunMessageHook(TMsg& msg) {
    const TMessageEvent hook = client_.MessageHook();
    if (!hook) return false;
    bool handled = false;
    GuardHostCall("the message hook", [&] { hook(msg, handled); });
    return handled;
}

void MessagePump::KeyDown(WORD vk, KeySide side, bool autoRepeat, bool typesChar) {
    KeyState& keys = KeyState::Current();
    const bool wasDown = keys.Pressed(KeyState::Sided(vk, side));
    keys.KeyDown(vk, side);
    QWidget* target = KeyTarget();
    const bool sys = IsSysKey(keys) || vk == VK_F1 + 9;
    const LPARAM lParam = KeyLParam(vk, side, false, autoRepeat || wasDown, keys.Pressed(VK_MENU));
    ProcessKey(MakeMessage(sys ? WM_SYSKEYDOWN : WM_KEYDOWN, target, vk, lParam), target, typesChar);
}

void MessagePump::KeyUp(WORD vk, KeySide side) {
    KeyState& keys = KeyState::Current();
    // Alt's own release is still a system key.
    const bool sys = IsSysKey(keys);
    keys.KeyUp(vk, side);
    QWidget* target = KeyTarget();
    const LPARAM lParam = KeyLParam(vk, side, true, true, keys.Pressed(VK_MENU));
    ProcessKey(MakeMessage(sys ? WM_SYSKEYUP : WM_KEYUP, target, vk, lParam), target);
}

void MessagePump::ReplayKey(UINT msg, WORD vk, LPARAM lParam) {
    const KeySide side = SideOfKeyMessage(vk, lParam);
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)
        KeyDown(vk, side, (lParam >> 30) & 1);
    else
        KeyUp(vk, side);
}

void MessagePump::ProcessKey(TMsg msg, QWidget* target, bool typesChar) {
    if (RunMessageHook(msg)) return;
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (!down) {
        client_.KeyPassed(msg);
        if (target && !qobject_cast<EditorControl*>(target)) DeliverAsQtEvent(target, msg.message, msg.wParam, msg.lParam);
        return;
    }
    if (const TShortCutEvent shortCut = client_.ShortCutHook()) {
        bool handled = false;
        GuardHostCall("the shortcut hook", [&] { shortCut(msg, handled); });
        if (handled) return;
    }
    if (client_.HostShortCut(msg, target)) return;
    client_.KeyPassed(msg);

    WORD translated = 0;
    const int count = !typesChar ? 0 : ToAsciiEx(static_cast<UINT>(msg.wParam), ScanCodeOf(msg.lParam), KeyState::Current().Bytes(), &translated, 0,
                                GetKeyboardLayout());
    const auto ch = static_cast<unsigned char>(translated & 0xFF);
    const bool printable = count == 1 && IsPrintable(ch);
    if (auto* editor = qobject_cast<EditorControl*>(target)) {
        if (!printable) ApplyToEditor(*editor, msg);
    } else if (target && !printable) {
        DeliverAsQtEvent(target, msg.message, msg.wParam, msg.lParam);
    }
    if (count == 0 && typesChar && msg.message == WM_KEYDOWN) {
        char32_t lost = 0;
        if (ToUnicodeEx(static_cast<UINT>(msg.wParam), ScanCodeOf(msg.lParam), KeyState::Current().Bytes(), &lost, 0,
                        GetKeyboardLayout()) == 1)
            client_.CharNotRepresentable(lost);
    }
    if (count == 1) {
        const bool sysChar = msg.message == WM_SYSKEYDOWN;
        ProcessChar(MakeMessage(sysChar ? WM_SYSCHAR : WM_CHAR, target, ch, msg.lParam), target);
    }
}

void MessagePump::ProcessChar(TMsg msg, QWidget* target) {
    if (RunMessageHook(msg)) return;
    if (msg.message != WM_CHAR || !target) return;
    const auto ch = static_cast<unsigned char>(msg.wParam & 0xFF);
    if (!IsPrintable(ch)) return;
    if (auto* editor = qobject_cast<EditorControl*>(target)) {
        ApplyToEditor(*editor, msg);
        return;
    }
    DeliverAsQtEvent(target, msg.message, msg.wParam, msg.lParam);
}

void MessagePump::ApplyToEditor(EditorControl& editor, const TMsg& msg) {
    EditScope scope(notifications_);
    DeliverAsQtEvent(&editor, msg.message, msg.wParam, msg.lParam);
}

bool MessagePump::MouseMessage(UINT msg, TPoint screen, int wheelDelta) {
    Desktop& desktop = Desktop::Instance();
    desktop.SetCursorPos(screen);
    KeyState& keys = KeyState::Current();
    switch (msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: keys.KeyDown(VK_LBUTTON, KeySide::Left); break;
    case WM_LBUTTONUP: keys.KeyUp(VK_LBUTTON, KeySide::Left); break;
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: keys.KeyDown(VK_RBUTTON, KeySide::Left); break;
    case WM_RBUTTONUP: keys.KeyUp(VK_RBUTTON, KeySide::Left); break;
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: keys.KeyDown(VK_MBUTTON, KeySide::Left); break;
    case WM_MBUTTONUP: keys.KeyUp(VK_MBUTTON, KeySide::Left); break;
    default: break;
    }
    QWidget* window = desktop.WindowAt(screen);
    QWidget* widget = nullptr;
    QPoint local;
    if (window) {
        const QPoint inWindow = window->mapFromGlobal(QPoint(screen.x, screen.y));
        QWidget* child = window->childAt(inWindow);
        widget = ControlOf(child ? child : window);
        local = widget->mapFromGlobal(QPoint(screen.x, screen.y));
    }
    WPARAM wParam = 0;
    if (keys.Pressed(VK_LBUTTON)) wParam |= MK_LBUTTON;
    if (keys.Pressed(VK_RBUTTON)) wParam |= MK_RBUTTON;
    if (keys.Pressed(VK_MBUTTON)) wParam |= MK_MBUTTON;
    if (keys.Pressed(VK_SHIFT)) wParam |= MK_SHIFT;
    if (keys.Pressed(VK_CONTROL)) wParam |= MK_CONTROL;
    LPARAM lParam = static_cast<LPARAM>(((local.y() & 0xFFFF) << 16) | (local.x() & 0xFFFF));
    if (msg == WM_MOUSEWHEEL) {
        wParam |= static_cast<WPARAM>(static_cast<std::uint16_t>(wheelDelta)) << 16;
        lParam = static_cast<LPARAM>(((screen.y & 0xFFFF) << 16) | (screen.x & 0xFFFF));
    }
    TMsg message = MakeMessage(msg, widget, wParam, lParam);
    if (RunMessageHook(message)) return true;
    if (!widget) return false;
    // While a modal form is up, the other windows take no mouse input.
    if (TForm* modal = desktop.TopModal(); modal && !Inside(widget, modal)) return false;
    const bool press = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK;
    if (press) {
        if (Desktop::TakesActivation(window)) desktop.Activate(window);
        if (widget->focusPolicy() & Qt::ClickFocus) widget->setFocus(Qt::MouseFocusReason);
    }
    if (msg != WM_MOUSEWHEEL) {
        EditScope scope(notifications_);
        DeliverAsQtEvent(widget, msg, wParam, lParam);
    }
    return false;
}

bool MessagePump::RealMouseMessage(UINT msg, QWidget* widget, QPoint local, TPoint screen) {
    Desktop::Instance().SetCursorPos(screen);
    QWidget* control = ControlOf(widget);
    const QPoint inControl = control->mapFromGlobal(QPoint(screen.x, screen.y));
    (void)local;
    const LPARAM lParam = static_cast<LPARAM>(((inControl.y() & 0xFFFF) << 16) | (inControl.x() & 0xFFFF));
    TMsg message = MakeMessage(msg, control, 0, lParam);
    return RunMessageHook(message);
}

bool MessagePump::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != 0 && !WindowRegistry::Instance().WidgetOf(hwnd)) return false;
    TMsg m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = GetTickCount();
    m.pt = Desktop::Instance().CursorPos();
    posted_.push_back(m);
    if (postedHook_) postedHook_();
    return true;
}

bool MessagePump::DeliverPosted() {
    bool any = false;
    for (int n = 0; n < kMaxPostedPerDelivery && !posted_.empty(); ++n) {
        TMsg msg = posted_.front();
        posted_.pop_front();
        any = true;
        if (RunMessageHook(msg)) continue;
        SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
    return any;
}

LRESULT MessagePump::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    QWidget* widget = WindowRegistry::Instance().WidgetOf(hwnd);
    if (!widget) return 0;
    LRESULT result = 0;
    GuardHostCall("a window's message handler", [&] { result = PerformMessage(widget, msg, wParam, lParam); });
    return result;
}

}  // namespace skrivo::host
