// The keyboard and mouse-button state as the message pump has seen the keys go down and up.
#include "host/input/KeyState.h"

#include "platform/VirtualKeys.h"

namespace skrivo::host {

KeyState& KeyState::Current() {
    static KeyState state;
    return state;
}

void KeyState::Reset() {
    // Toggle states (Caps Lock, Num Lock) outlive a released key.
    for (auto& k : keys_) k &= 0x01;
}

void KeyState::Set(win::WORD vk, bool down) {
    win::BYTE& k = keys_[vk & 0xFF];
    if (down) {
        if (!(k & 0x80)) k ^= 0x01;
        k |= 0x80;
    } else {
        k &= static_cast<win::BYTE>(~0x80);
    }
}

namespace {
struct SidedKeys {
    win::WORD generic, left, right;
};
constexpr SidedKeys kSided[] = {{win::VK_SHIFT, win::VK_LSHIFT, win::VK_RSHIFT},
                            {win::VK_CONTROL, win::VK_LCONTROL, win::VK_RCONTROL},
                            {win::VK_MENU, win::VK_LMENU, win::VK_RMENU}};
}  // namespace

void KeyState::ReleaseModifiers() {
    for (const SidedKeys& s : kSided)
        for (win::WORD vk : {s.generic, s.left, s.right}) keys_[vk] &= static_cast<win::BYTE>(~0x80);
}

void KeyState::SyncModifiers(Qt::KeyboardModifiers modifiers, win::WORD exceptKey) {
    struct Reported {
        const SidedKeys& keys;
        bool down;
    };
    // AltGr reads as a group switch rather than Alt on some keyboards.
    const bool alt = (modifiers & Qt::AltModifier) || ((modifiers & Qt::GroupSwitchModifier) && Pressed(win::VK_RMENU));
    const Reported reported[] = {{kSided[0], (modifiers & Qt::ShiftModifier) != 0},
                                 {kSided[1], (modifiers & Qt::ControlModifier) != 0},
                                 {kSided[2], alt}};
    for (const Reported& r : reported) {
        const SidedKeys& s = r.keys;
        if (exceptKey == s.generic || exceptKey == s.left || exceptKey == s.right) continue;
        if (Pressed(s.generic) == r.down) continue;
        if (r.down) {
            Set(s.left, true);
            Set(s.generic, true);
        } else {
            for (win::WORD vk : {s.generic, s.left, s.right}) keys_[vk] &= static_cast<win::BYTE>(~0x80);
        }
    }
}

win::WORD KeyState::Sided(win::WORD vk, KeySide side) {
    for (const SidedKeys& s : kSided)
        if (vk == s.generic) return side == KeySide::Right ? s.right : s.left;
    return vk;
}

void KeyState::KeyDown(win::WORD vk, KeySide side) {
    for (const SidedKeys& s : kSided) {
        if (vk == s.generic || vk == s.left || vk == s.right) {
            const bool right = vk == s.right || (vk == s.generic && side == KeySide::Right);
            Set(right ? s.right : s.left, true);
            Set(s.generic, true);
            return;
        }
    }
    Set(vk, true);
}

void KeyState::KeyUp(win::WORD vk, KeySide side) {
    for (const SidedKeys& s : kSided) {
        if (vk == s.generic || vk == s.left || vk == s.right) {
            const bool right = vk == s.right || (vk == s.generic && side == KeySide::Right);
            Set(right ? s.right : s.left, false);
            Set(s.generic, Pressed(s.left) || Pressed(s.right));
            return;
        }
    }
    Set(vk, false);
}

bool KeyState::Pressed(int vk) const { return (keys_[static_cast<std::size_t>(vk & 0xFF)] & 0x80) != 0; }

std::int16_t KeyState::GetKeyState(int vk) const {
    const win::BYTE k = keys_[static_cast<std::size_t>(vk & 0xFF)];
    std::uint16_t value = 0;
    if (k & 0x80) value |= 0x8000;
    if (k & 0x01) value |= 0x0001;
    return static_cast<std::int16_t>(value);
}

win::TShiftState KeyState::Shift() const {
    win::TShiftState shift = 0;
    if (Pressed(win::VK_SHIFT)) shift |= win::ssShift;
    if (Pressed(win::VK_CONTROL)) shift |= win::ssCtrl;
    if (Pressed(win::VK_MENU)) shift |= win::ssAlt;
    return shift;
}

Qt::KeyboardModifiers KeyState::QtModifiers() const {
    Qt::KeyboardModifiers mods;
    if (Pressed(win::VK_SHIFT)) mods |= Qt::ShiftModifier;
    if (Pressed(win::VK_CONTROL)) mods |= Qt::ControlModifier;
    if (Pressed(win::VK_MENU)) mods |= Qt::AltModifier;
    return mods;
}

}  // namespace skrivo::host
