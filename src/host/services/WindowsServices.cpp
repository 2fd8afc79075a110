// Windows services of the host: foreground, focus, window enumeration and texts, caret, cursor, metrics, key state, beeps.
#include "host/services/WindowsServices.h"

#include <algorithm>
#include <cstring>

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <QThread>
#include <QWidget>

#include "host/api/Sound.h"
#include "host/editor/EditorControl.h"
#include "host/forms/Desktop.h"
#include "host/input/PhysicalKeys.h"
#include "host/api/Form.h"
#include "host/forms/WindowRegistry.h"
#include "host/input/KeyState.h"
#include "host/input/MessagePump.h"
#include "platform/Clock.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
// The scroll arrow size of the classic Windows look; fixed so that window
// sizes computed from it do not depend on the Qt style in use.
constexpr int kScrollBarExtent = 17;

std::string Truncated(std::string text, int maxCount) {
    if (maxCount <= 0) return {};
    if (static_cast<int>(text.size()) > maxCount - 1) text.resize(static_cast<std::size_t>(maxCount - 1));
    return text;
}

QWidget* WidgetOf(win::HWND hwnd) { return WindowRegistry::Instance().WidgetOf(hwnd); }
win::HWND HandleOf(QWidget* widget) { return WindowRegistry::Instance().HandleOf(widget); }
}  // namespace

win::HWND WindowsServices::GetForegroundWindow() { return HandleOf(Desktop::Instance().ActiveWindow()); }

win::HWND WindowsServices::GetFocus() { return HandleOf(MessagePump::KeyTarget()); }

void WindowsServices::EnumWindows(const std::function<bool(win::HWND)>& callback) {
    const std::vector<QWidget*> windows = Desktop::Instance().Windows();
    std::vector<win::HWND> handles;
    for (QWidget* w : windows) handles.push_back(HandleOf(w));
    for (win::HWND h : handles)
        if (!callback(h)) return;
}

bool WindowsServices::IsWindowVisible(win::HWND hwnd) {
    QWidget* w = WidgetOf(hwnd);
    return w && w->isVisible();
}

std::string WindowsServices::GetWindowText(win::HWND hwnd, int maxCount) { return Truncated(ControlCaption(WidgetOf(hwnd)), maxCount); }

std::string WindowsServices::GetClassName(win::HWND hwnd, int maxCount) {
    QWidget* w = WidgetOf(hwnd);
    return w ? Truncated(WindowRegistry::ClassNameOf(w), maxCount) : std::string();
}

bool WindowsServices::GetWindowRect(win::HWND hwnd, win::TRect& rect) {
    QWidget* w = WidgetOf(hwnd);
    if (!w) return false;
    QRect r = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    rect = {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    return true;
}

IControl* WindowsServices::FindControl(win::HWND hwnd) { return WindowRegistry::Instance().ControlOf(hwnd); }

bool WindowsServices::GetCaretPos(win::TPoint& pt) {
    auto* editor = qobject_cast<EditorControl*>(MessagePump::KeyTarget());
    if (!editor) return false;
    const long caret = editor->CaretByte();
    int x = static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, caret));
    const int y = static_cast<int>(editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, caret));
    // The column's width is measured with the font: only a caret past the line's end needs it.
    if (const int virtualSpace = editor->CaretVirtualSpace(); virtualSpace > 0) x += virtualSpace * editor->ColumnWidth();
    // Scintilla measures in its viewport; the editor control's client area includes the viewport's offset.
    const QPoint offset = editor->viewport()->pos();
    pt = {x + offset.x(), y + offset.y()};
    return true;
}

bool WindowsServices::ClientToScreen(win::HWND hwnd, win::TPoint& pt) {
    QWidget* w = WidgetOf(hwnd);
    if (!w) return false;
    const QPoint global = w->mapToGlobal(QPoint(pt.x, pt.y));
    pt = {global.x(), global.y()};
    return true;
}

bool WindowsServices::GetCursorPos(win::TPoint& pt) {
    pt = Desktop::Instance().CursorPos();
    return true;
}

bool WindowsServices::SetCursorPos(int x, int y) {
    Desktop::Instance().SetCursorPos({x, y});
    if (Desktop::Instance().FollowNativeActivation()) QCursor::setPos(x, y);
    return true;
}

int WindowsServices::GetSystemMetrics(int index) {
    const QSize screen = Desktop::Instance().ScreenSize();
    switch (index) {
    case win::SM_CXSCREEN: return screen.width();
    case win::SM_CYSCREEN: return screen.height();
    case win::SM_CXVSCROLL:
    case win::SM_CYHSCROLL:
    case win::SM_CXHSCROLL: return kScrollBarExtent;
    default: return 0;
    }
}

std::int16_t WindowsServices::GetKeyState(int virtKey) { return KeyState::Current().GetKeyState(virtKey); }

std::int16_t WindowsServices::GetAsyncKeyState(int virtKey) {
    // "Held now" is also the keyboard's word where it can be asked: a loop
    // that handles no events (a repeated macro playback watching for Escape)
    // would never see the key go down in the events. Keys the host itself
    // presses (scripts, playback) are held in its key state alone.
    const bool down = PhysicalKeyDown(static_cast<win::WORD>(virtKey)).value_or(false) || KeyState::Current().Pressed(virtKey);
    return static_cast<std::int16_t>(down ? 0x8000 : 0);
}

bool WindowsServices::GetKeyboardState(win::BYTE keyState[256]) {
    if (!keyState) return false;
    std::memcpy(keyState, KeyState::Current().Bytes(), 256);
    return true;
}

bool WindowsServices::OpenUrl(const std::string& url) {
    lastUrl_ = url;
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return true;
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void WindowsServices::MessageBeep() {
    ++messageBeeps_;
    sound_.Tone(880, 120);
}

void WindowsServices::Beep(unsigned frequency, unsigned durationMs) { sound_.Tone(frequency, durationMs); }

void WindowsServices::Sleep(unsigned ms) {
    if (manual_)
        manual_->Advance(ms);
    else
        QThread::msleep(ms);
}

void WindowsServices::SetWindowAlpha(win::HWND hwnd, int alpha) {
    QWidget* w = WidgetOf(hwnd);
    if (!w || !w->isWindow()) return;
    if (auto* form = qobject_cast<TForm*>(w))
        form->SetAlpha(alpha);
    else
        w->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}

int WindowsServices::GetWindowAlpha(win::HWND hwnd) {
    QWidget* w = WidgetOf(hwnd);
    if (!w || !w->isWindow()) return 255;
    if (auto* form = qobject_cast<TForm*>(w)) return form->Alpha();
    return static_cast<int>(w->windowOpacity() * 255.0 + 0.5);
}

win::HWND WindowsServices::SetActiveWindow(win::HWND hwnd) {
    const win::HWND previous = GetForegroundWindow();
    QWidget* w = WidgetOf(hwnd);
    if (!w || !w->isWindow() || !Desktop::TakesActivation(w)) return 0;
    Desktop::Instance().Activate(w);
    return previous;
}

bool WindowsServices::SetFocus(win::HWND hwnd) {
    QWidget* w = WidgetOf(hwnd);
    if (!w) return false;
    if (QWidget* window = w->window(); Desktop::TakesActivation(window)) Desktop::Instance().Activate(window);
    w->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace skrivo::host
