// The host's input synthesis: keys, typed characters and mouse actions sent through the message pump as a user makes them.
#include "host/HostApplication.h"

#include <QWidget>

#include "host/forms/Desktop.h"
#include "host/input/MessagePump.h"
#include "platform/KeyboardLayout.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

using namespace win;

void HostApplication::KeyDown(WORD vk, KeySide side) {
    pump_->KeyDown(vk, side);
    AfterInput();
}

void HostApplication::KeyUp(WORD vk, KeySide side) {
    pump_->KeyUp(vk, side);
    AfterInput();
}

void HostApplication::PressKey(WORD vk, KeySide side) {
    KeyDown(vk, side);
    KeyUp(vk, side);
}

void HostApplication::PressShortCut(TShortCut shortCut) {
    WORD key = 0;
    TShiftState shift = 0;
    ShortCutToKey(shortCut, key, shift);
    if (shift & ssShift) KeyDown(VK_SHIFT);
    if (shift & ssCtrl) KeyDown(VK_CONTROL);
    if (shift & ssAlt) KeyDown(VK_MENU);
    PressKey(key);
    if (shift & ssAlt) KeyUp(VK_MENU);
    if (shift & ssCtrl) KeyUp(VK_CONTROL);
    if (shift & ssShift) KeyUp(VK_SHIFT);
}

bool HostApplication::TypeChar(char ch) {
    switch (ch) {
    case '\r': case '\n': PressKey(VK_RETURN); return true;
    case '\t': PressKey(VK_TAB); return true;
    case '\b': PressKey(VK_BACK); return true;
    default: break;
    }
    const std::int16_t scan = VkKeyScanEx(ch, GetKeyboardLayout());
    if (scan == -1) return false;
    const auto key = static_cast<WORD>(scan & 0xFF);
    const int mods = (scan >> 8) & 0xFF;
    if (mods & 1) KeyDown(VK_SHIFT);
    if (mods & 2) KeyDown(VK_CONTROL);
    if (mods & 4) KeyDown(VK_MENU);
    PressKey(key);
    if (mods & 4) KeyUp(VK_MENU);
    if (mods & 2) KeyUp(VK_CONTROL);
    if (mods & 1) KeyUp(VK_SHIFT);
    return true;
}

bool HostApplication::TypeText(std::string_view text) {
    bool all = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') continue;  // CR LF is one Enter
        all = TypeChar(text[i]) && all;
    }
    return all;
}

void HostApplication::MoveMouse(int x, int y) {
    pump_->MouseMessage(WM_MOUSEMOVE, {x, y});
    AfterInput();
}

void HostApplication::Click(MouseButton button) {
    const TPoint at = Desktop::Instance().CursorPos();
    const UINT down = button == MouseButton::Right ? WM_RBUTTONDOWN : button == MouseButton::Middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    pump_->MouseMessage(down, at);
    AfterInput();
    pump_->MouseMessage(down + 1, at);
    AfterInput();
}

void HostApplication::DoubleClick(MouseButton button) {
    Click(button);
    const TPoint at = Desktop::Instance().CursorPos();
    const UINT down = button == MouseButton::Right ? WM_RBUTTONDOWN : button == MouseButton::Middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    pump_->MouseMessage(down + 2, at);
    AfterInput();
    pump_->MouseMessage(down + 1, at);
    AfterInput();
}

void HostApplication::MouseWheel(int delta) {
    pump_->MouseMessage(WM_MOUSEWHEEL, Desktop::Instance().CursorPos(), delta);
    AfterInput();
}

}  // namespace skrivo::host
