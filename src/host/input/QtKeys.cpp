// Between Qt's keys and events and Windows' virtual keys, scan codes and messages.
#include "host/input/QtKeys.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "host/text/AnsiText.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
using namespace win;

struct KeyPair {
    int qt;
    WORD vk;
};

// Keys that type no character (or always the same control character).
constexpr KeyPair kFixedKeys[] = {
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},        {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},      {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},      {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},          {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},            {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, VK_SNAPSHOT},   {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},        {Qt::Key_Meta, VK_LWIN},       {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},  {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Clear, VK_CLEAR},
};

constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},      {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Slash, VK_DIVIDE},      {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Comma, VK_DECIMAL},
    {Qt::Key_Enter, VK_RETURN},      {Qt::Key_Clear, VK_CLEAR},
};

// The US layout's punctuation keys by the Qt key of their unshifted character.
constexpr KeyPair kOemKeys[] = {
    {Qt::Key_Semicolon, VK_OEM_1},   {Qt::Key_Equal, VK_OEM_PLUS},     {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},   {Qt::Key_Period, VK_OEM_PERIOD},  {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},   {Qt::Key_BracketLeft, VK_OEM_4},  {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7},
};

bool IsExtendedKey(WORD vk, KeySide side) {
    switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT:
    case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK: case VK_RCONTROL:
    case VK_RMENU: case VK_LWIN: case VK_RWIN: case VK_APPS:
        return true;
    case VK_CONTROL: case VK_MENU:
        return side == KeySide::Right;
    default:
        return false;
    }
}

// X11 key codes are Linux input codes + 8; for the main block those equal the
// PC set-1 scan codes.
UINT ScanCodeOfNative(quint32 native) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || native <= 8) return 0;
    const UINT code = native - 8;
    return code >= 1 && code <= 88 ? code : 0;
}
}  // namespace

int QtKeyOfVirtualKey(WORD vk) {
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return Qt::Key_0 + (vk - VK_NUMPAD0);
    if (vk >= VK_F1 && vk <= VK_F24) return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return Qt::Key_Shift;
    case VK_LCONTROL: case VK_RCONTROL: return Qt::Key_Control;
    case VK_LMENU: case VK_RMENU: return Qt::Key_Alt;
    case VK_RETURN: return Qt::Key_Return;
    default: break;
    }
    for (const KeyPair& k : kKeypadKeys)
        if (k.vk == vk && k.vk != VK_RETURN) return k.qt;
    for (const KeyPair& k : kFixedKeys)
        if (k.vk == vk) return k.qt;
    for (const KeyPair& k : kOemKeys)
        if (k.vk == vk) return k.qt;
    return 0;
}

WORD VirtualKeyOfEvent(const QKeyEvent& event, KeySide& side) {
    side = KeySide::Left;
    const int key = event.key();
    const UINT scan = ScanCodeOfNative(event.nativeScanCode());
    const quint32 native = event.nativeScanCode();
    if (key == Qt::Key_Shift) {
        side = scan == 0x36 ? KeySide::Right : KeySide::Left;
        return VK_SHIFT;
    }
    if (key == Qt::Key_Control) {
        side = native == 97 + 8 ? KeySide::Right : KeySide::Left;
        return VK_CONTROL;
    }
    if (key == Qt::Key_Alt || key == Qt::Key_AltGr) {
        side = (native == 100 + 8 || key == Qt::Key_AltGr) ? KeySide::Right : KeySide::Left;
        return VK_MENU;
    }
    if (IsKeypadFiveWithoutDigit(event)) return VK_NUMPAD5;
    if (event.modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<WORD>(VK_NUMPAD0 + (key - Qt::Key_0));
        for (const KeyPair& k : kKeypadKeys)
            if (k.qt == key) return k.vk;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<WORD>(VK_F1 + (key - Qt::Key_F1));
    for (const KeyPair& k : kFixedKeys)
        if (k.qt == key) return k.vk;
    if (scan != 0) {
        const UINT vk = MapVirtualKeyEx(scan, 1, HKL_US);
        if (vk != 0) return static_cast<WORD>(vk);
    }
    // No usable scan code (another platform): read the key as the US layout would.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<WORD>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<WORD>('0' + (key - Qt::Key_0));
    for (const KeyPair& k : kOemKeys)
        if (k.qt == key) return k.vk;
    return 0;
}

bool IsKeypadFiveWithoutDigit(const QKeyEvent& event) {
    return event.key() == Qt::Key_Clear && (event.modifiers() & Qt::KeypadModifier);
}

LPARAM KeyLParam(WORD vk, KeySide side, bool keyUp, bool previouslyDown, bool altDown) {
    UINT scan = MapVirtualKeyEx(vk, 0, HKL_US);
    if (vk == VK_SHIFT) scan = side == KeySide::Right ? 0x36 : 0x2A;
    if (vk == VK_RSHIFT) scan = 0x36;
    if (vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL) scan = 0x1D;
    if (vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU) scan = 0x38;
    LPARAM lp = MakeKeyLParam(scan, keyUp);
    if (IsExtendedKey(vk, side)) lp |= LPARAM{1} << 24;
    if (altDown) lp |= LPARAM{1} << 29;
    if (previouslyDown && !keyUp) lp |= LPARAM{1} << 30;
    return lp;
}

KeySide SideOfKeyMessage(WORD vk, LPARAM lParam) {
    const bool extended = (lParam >> 24) & 1;
    if (vk == VK_SHIFT) return ScanCodeOf(lParam) == 0x36 ? KeySide::Right : KeySide::Left;
    if (vk == VK_CONTROL || vk == VK_MENU) return extended ? KeySide::Right : KeySide::Left;
    if (vk == VK_RSHIFT || vk == VK_RCONTROL || vk == VK_RMENU) return KeySide::Right;
    return KeySide::Left;
}

void DeliverAsQtEvent(QWidget* widget, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!widget) return;
    const Qt::KeyboardModifiers mods = KeyState::Current().QtModifiers();
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const int key = QtKeyOfVirtualKey(static_cast<WORD>(wParam));
        if (key == 0) return;
        const bool up = msg == WM_KEYUP || msg == WM_SYSKEYUP;
        Qt::KeyboardModifiers keyMods = mods;
        if (wParam >= VK_NUMPAD0 && wParam <= VK_DIVIDE) keyMods |= Qt::KeypadModifier;
        QKeyEvent event(up ? QEvent::KeyRelease : QEvent::KeyPress, key, keyMods);
        QCoreApplication::sendEvent(widget, &event);
        return;
    }
    case WM_CHAR:
    case WM_SYSCHAR: {
        const std::string utf8 = AnsiToEditorText(std::string(1, static_cast<char>(wParam & 0xFF)));
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, mods & ~Qt::ShiftModifier, QString::fromStdString(utf8));
        QCoreApplication::sendEvent(widget, &event);
        return;
    }
    default:
        break;
    }
    if (msg < WM_MOUSEFIRST || msg > WM_MOUSELAST || msg == WM_MOUSEWHEEL) return;
    QPointF local(static_cast<qint16>(lParam & 0xFFFF), static_cast<qint16>((lParam >> 16) & 0xFFFF));
    // A scroll area (the editor) handles the mouse in its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        local -= area->viewport()->pos();
        widget = area->viewport();
    }
    const QPointF global = widget->mapToGlobal(local);
    Qt::MouseButton button = Qt::NoButton;
    QEvent::Type type = QEvent::MouseMove;
    switch (msg) {
    case WM_LBUTTONDOWN: button = Qt::LeftButton; type = QEvent::MouseButtonPress; break;
    case WM_LBUTTONUP: button = Qt::LeftButton; type = QEvent::MouseButtonRelease; break;
    case WM_LBUTTONDBLCLK: button = Qt::LeftButton; type = QEvent::MouseButtonDblClick; break;
    case WM_RBUTTONDOWN: button = Qt::RightButton; type = QEvent::MouseButtonPress; break;
    case WM_RBUTTONUP: button = Qt::RightButton; type = QEvent::MouseButtonRelease; break;
    case WM_RBUTTONDBLCLK: button = Qt::RightButton; type = QEvent::MouseButtonDblClick; break;
    case WM_MBUTTONDOWN: button = Qt::MiddleButton; type = QEvent::MouseButtonPress; break;
    case WM_MBUTTONUP: button = Qt::MiddleButton; type = QEvent::MouseButtonRelease; break;
    case WM_MBUTTONDBLCLK: button = Qt::MiddleButton; type = QEvent::MouseButtonDblClick; break;
    default: break;
    }
    Qt::MouseButtons buttons;
    if (wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
    if (wParam & MK_RBUTTON) buttons |= Qt::RightButton;
    if (wParam & MK_MBUTTON) buttons |= Qt::MiddleButton;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) buttons |= button;
    QMouseEvent event(type, local, global, button, buttons, mods);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace skrivo::host
