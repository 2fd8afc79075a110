// The keyboard and mouse-button state as the message pump has seen the keys go down and up.
#pragma once

#include <array>
#include <cstdint>

#include <QtCore/qnamespace.h>

#include "platform/ShortCut.h"
#include "platform/WinTypes.h"


namespace skrivo::host {

enum class KeySide { Left, Right };

// GetKeyState reads this, so it must change before the message hook sees the
// key: while the hook handles Shift's key-down, Shift already reads pressed.
// Shift, Ctrl and Alt are kept per side (VK_LSHIFT ...) and as the generic key,
// pressed while either side is.
class KeyState {
public:
    // The process's keyboard (the host's thread).
    static KeyState& Current();

    void Reset();
    // Shift, Ctrl and Alt read released (toggles kept), without key messages.
    void ReleaseModifiers();
    // Shift, Ctrl and Alt as a real input event reports them, except the
    // event's own key (its press or release is the event itself). A key that
    // went up while another application had the keyboard never reached us;
    // without this it would stay down and turn typing into shortcuts.
    void SyncModifiers(Qt::KeyboardModifiers modifiers, win::WORD exceptKey = 0);
    void KeyDown(win::WORD vk, KeySide side);
    void KeyUp(win::WORD vk, KeySide side);
    bool Pressed(int vk) const;
    // 0x8000 (negative) pressed, 1 toggled.
    std::int16_t GetKeyState(int vk) const;
    const win::BYTE* Bytes() const { return keys_.data(); }
    win::TShiftState Shift() const;
    // VK_LSHIFT / VK_RSHIFT ... for the generic Shift, Ctrl and Alt; others unchanged.
    static win::WORD Sided(win::WORD vk, KeySide side);
    Qt::KeyboardModifiers QtModifiers() const;

private:
    void Set(win::WORD vk, bool down);
    std::array<win::BYTE, 256> keys_{};
};

}  // namespace skrivo::host
