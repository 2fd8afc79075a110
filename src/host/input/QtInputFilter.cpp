// Takes real keyboard and mouse events from Qt and sends them through the host's message pump.
#include "host/input/QtInputFilter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include "host/forms/Desktop.h"
#include "host/input/KeyState.h"
#include "host/input/MessagePump.h"
#include "host/input/QtKeys.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
bool IsTrackedWindow(const QWidget* w) {
    if (!w || !w->isWindow()) return false;
    const Qt::WindowType type = w->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen && type != Qt::Desktop;
}
}  // namespace

bool QtInputFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        if (!event->spontaneous() || !watched->isWidgetType()) return false;
        return Key(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        if (!event->spontaneous() || !watched->isWidgetType()) return false;
        return Mouse(watched, event);
    case QEvent::Show:
        if (watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            // Forms report themselves; other windows (file dialogs) are seen here.
            if (IsTrackedWindow(w) && !w->inherits("skrivo::host::TForm")) Desktop::Instance().WindowShown(w);
        }
        return false;
    case QEvent::Hide:
        if (watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (IsTrackedWindow(w) && !w->inherits("skrivo::host::TForm")) Desktop::Instance().WindowHidden(w);
        }
        return false;
    case QEvent::WindowActivate:
        if (watched->isWidgetType() && Desktop::Instance().FollowNativeActivation()) {
            auto* w = static_cast<QWidget*>(watched);
            // Keys pressed or released while another window had the keyboard
            // never reached us: the keyboard itself says what is held now.
            KeyState::Current().SyncModifiers(QGuiApplication::queryKeyboardModifiers());
            if (IsTrackedWindow(w)) Desktop::Instance().Activate(w);
        }
        return false;
    case QEvent::ApplicationDeactivate:
        // Keys released while another application has the keyboard never reach us.
        KeyState::Current().Reset();
        if (Desktop::Instance().FollowNativeActivation()) Desktop::Instance().ApplicationDeactivated();
        return false;
    default:
        return false;
    }
}

bool QtInputFilter::Key(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    KeySide side = KeySide::Left;
    const win::WORD vk = VirtualKeyOfEvent(*key, side);
    // Every real key event says which modifiers are down; the state follows
    // it, also for keys that go to a menu or another window.
    KeyState::Current().SyncModifiers(key->modifiers(), vk);
    // An open menu or drop-down list has the keyboard to itself, as a menu
    // loop has in Windows.
    if (QApplication::activePopupWidget()) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // The host matches shortcuts itself, after the hooks.
        event->accept();
        return true;
    }
    if (vk == 0) return true;
    if (event->type() == QEvent::KeyPress) {
        pump_.KeyDown(vk, side, key->isAutoRepeat(), !IsKeypadFiveWithoutDigit(*key));
    } else if (!key->isAutoRepeat()) {
        pump_.KeyUp(vk, side);
    }
    pump_.DeliverPosted();
    return true;
}

bool QtInputFilter::Mouse(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    ulong time = 0;
    QPointF global;
    QPointF local;
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        time = wheel->timestamp();
        global = wheel->globalPosition();
        local = wheel->position();
    } else {
        auto* mouse = static_cast<QMouseEvent*>(event);
        time = mouse->timestamp();
        global = mouse->globalPosition();
        local = mouse->position();
    }
    const bool propagated = lastMouse_.receiver && lastMouse_.type == event->type() && lastMouse_.time == time &&
                            lastMouse_.global == global && widget->isAncestorOf(qobject_cast<QWidget*>(lastMouse_.receiver.data()));
    if (propagated) return false;
    lastMouse_.type = event->type();
    lastMouse_.time = time;
    lastMouse_.global = global;
    lastMouse_.receiver = widget;
    KeyState::Current().SyncModifiers(event->type() == QEvent::Wheel ? static_cast<QWheelEvent*>(event)->modifiers()
                                                                     : static_cast<QMouseEvent*>(event)->modifiers());

    win::UINT msg = win::WM_MOUSEMOVE;
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::Wheel) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        const bool dbl = event->type() == QEvent::MouseButtonDblClick;
        const bool up = event->type() == QEvent::MouseButtonRelease;
        KeyState& keys = KeyState::Current();
        const win::WORD vk = button == Qt::RightButton ? win::VK_RBUTTON : button == Qt::MiddleButton ? win::VK_MBUTTON : win::VK_LBUTTON;
        if (up)
            keys.KeyUp(vk, KeySide::Left);
        else
            keys.KeyDown(vk, KeySide::Left);
        if (button == Qt::RightButton)
            msg = up ? win::WM_RBUTTONUP : dbl ? win::WM_RBUTTONDBLCLK : win::WM_RBUTTONDOWN;
        else if (button == Qt::MiddleButton)
            msg = up ? win::WM_MBUTTONUP : dbl ? win::WM_MBUTTONDBLCLK : win::WM_MBUTTONDOWN;
        else
            msg = up ? win::WM_LBUTTONUP : dbl ? win::WM_LBUTTONDBLCLK : win::WM_LBUTTONDOWN;
    } else if (event->type() == QEvent::Wheel) {
        msg = win::WM_MOUSEWHEEL;
    }
    const win::TPoint screen{static_cast<int>(global.x()), static_cast<int>(global.y())};
    const bool handled = pump_.RealMouseMessage(msg, widget, local.toPoint(), screen);
    pump_.DeliverPosted();
    return handled;
}

}  // namespace skrivo::host
