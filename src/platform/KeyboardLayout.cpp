// The installed keyboard layouts and the Windows key-mapping calls over the layout tables.
#include "platform/KeyboardLayout.h"

#include <algorithm>
#include <array>

#include "platform/CodePage.h"
#include "platform/CodePageTables.h"
#include "platform/KeyboardLayoutData.h"
#include "platform/VirtualKeys.h"

namespace skrivo::win {
namespace {

using detail::CharKey;
using detail::LayoutId;

constexpr WORD kLangUs = 0x0409;
constexpr WORD kLangRussian = 0x0419;

struct LayoutState {
    std::vector<HKL> installed{HKL_US};
    std::size_t active = 0;
};

LayoutState& State() {
    static LayoutState state;
    return state;
}

bool KnownLanguage(HKL layout) {
    WORD lang = LoWord(layout);
    return lang == kLangUs || lang == kLangRussian;
}

// Callers pass full handles or bare language identifiers (the low word);
// anything else stands for the layout in use.
LayoutId Resolve(HKL layout) {
    if (!KnownLanguage(layout)) layout = GetKeyboardLayout();
    return LoWord(layout) == kLangRussian ? LayoutId::Russian : LayoutId::Us;
}

// Every key of a layout that types a character, indexed by virtual key.
struct KeyTable {
    std::array<const CharKey*, 256> byVk{};
};

KeyTable BuildKeyTable(LayoutId id) {
    KeyTable table;
    auto add = [&](std::span<const CharKey> keys) {
        for (const CharKey& k : keys) {
            if (!table.byVk[k.vk]) table.byVk[k.vk] = &k;
        }
    };
    add(detail::MainBlockKeys(id));
    add(detail::NumpadKeys(id));
    add(detail::FixedCharKeys());
    return table;
}

const CharKey* KeyOf(BYTE vk, LayoutId id) {
    static const KeyTable us = BuildKeyTable(LayoutId::Us);
    static const KeyTable russian = BuildKeyTable(LayoutId::Russian);
    return (id == LayoutId::Russian ? russian : us).byVk[vk];
}

bool IsLetterKey(const CharKey& k) {
    return detail::UnicodeUpper(k.normal) != k.normal && k.shifted == detail::UnicodeUpper(k.normal);
}

bool Pressed(const BYTE* keyState, WORD vk) { return keyState && (keyState[vk] & 0x80) != 0; }

// Ctrl with a key: the control character Windows' layouts give, or -1.
int ControlCharOf(BYTE vk, bool shift) {
    if (vk >= 'A' && vk <= 'Z') return vk - 'A' + 1;
    switch (vk) {
    case VK_OEM_4: return 27;
    case VK_OEM_5:
    case VK_OEM_102: return 28;
    case VK_OEM_6: return 29;
    case VK_RETURN: return 10;
    case VK_BACK: return 127;
    case VK_SPACE: return ' ';
    case VK_ESCAPE: return 27;
    case '6': return shift ? 30 : -1;
    case VK_OEM_MINUS: return shift ? 31 : -1;
    default: return -1;
    }
}

bool ToActiveAnsi(char32_t u, unsigned char& out) { return u != 0 && CodePointToAnsi(u, GetACP(), out); }

std::int16_t FindKey(std::span<const CharKey> keys, char32_t u) {
    for (const CharKey& k : keys) {
        if (k.normal == u) return static_cast<std::int16_t>(k.vk);
        if (k.shifted == u) return static_cast<std::int16_t>(0x100 | k.vk);
    }
    return -1;
}

// The Ctrl combination that types a control character (Ctrl+A = 1).
std::int16_t FindControlKey(char32_t u) {
    if (u >= 1 && u <= 26) return static_cast<std::int16_t>(0x200 | ('A' + u - 1));
    switch (u) {
    case 28: return static_cast<std::int16_t>(0x200 | VK_OEM_5);
    case 29: return static_cast<std::int16_t>(0x200 | VK_OEM_6);
    case 30: return static_cast<std::int16_t>(0x300 | '6');
    case 31: return static_cast<std::int16_t>(0x300 | VK_OEM_MINUS);
    case 127: return static_cast<std::int16_t>(0x200 | VK_BACK);
    default: return -1;
    }
}

}  // namespace

bool IsKnownLayout(HKL layout) { return KnownLanguage(layout); }

bool SetInstalledLayouts(const std::vector<HKL>& layouts) {
    if (layouts.empty() || !std::all_of(layouts.begin(), layouts.end(), KnownLanguage)) return false;
    LayoutState& state = State();
    HKL previous = state.installed[state.active];
    state.installed = layouts;
    auto same = std::find_if(layouts.begin(), layouts.end(),
                             [&](HKL h) { return LoWord(h) == LoWord(previous); });
    state.active = same == layouts.end() ? 0 : static_cast<std::size_t>(same - layouts.begin());
    return true;
}

std::vector<HKL> InstalledLayouts() { return State().installed; }

int GetKeyboardLayoutList(int max, HKL* list) {
    const auto& installed = State().installed;
    if (list) {
        int n = std::min<int>(max, static_cast<int>(installed.size()));
        std::copy_n(installed.begin(), std::max(n, 0), list);
    }
    return static_cast<int>(installed.size());
}

HKL GetKeyboardLayout(DWORD) {
    const LayoutState& state = State();
    return state.installed[state.active];
}

HKL ActivateKeyboardLayout(HKL layout) {
    LayoutState& state = State();
    HKL previous = state.installed[state.active];
    std::size_t count = state.installed.size();
    if (layout == HKL_NEXT) {
        state.active = (state.active + 1) % count;
        return previous;
    }
    if (layout == HKL_PREV) {
        state.active = (state.active + count - 1) % count;
        return previous;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (state.installed[i] == layout || LoWord(state.installed[i]) == LoWord(layout)) {
            state.active = i;
            return previous;
        }
    }
    return 0;
}

HKL ActivateNextKeyboardLayout() {
    ActivateKeyboardLayout(HKL_NEXT);
    return GetKeyboardLayout();
}

std::int16_t VkKeyScanEx(char ch, HKL layout) {
    LayoutId id = Resolve(layout);
    char32_t u = AnsiToCodePoint(static_cast<unsigned char>(ch), GetACP());
    if (u == 0) return -1;
    for (auto keys : {detail::MainBlockKeys(id), detail::FixedCharKeys(), detail::NumpadKeys(id)}) {
        if (std::int16_t found = FindKey(keys, u); found != -1) return found;
    }
    return FindControlKey(u);
}

std::int16_t VkKeyScan(char ch) { return VkKeyScanEx(ch, GetKeyboardLayout()); }

UINT MapVirtualKeyEx(UINT code, UINT mapType, HKL layout) {
    switch (mapType) {
    case 0:
        return code <= 0xFF ? detail::ScanCodeOf(static_cast<BYTE>(code)) : 0;
    case 1:
        return detail::VirtualKeyOfScanCode(static_cast<BYTE>(code & 0xFF));
    case 2: {
        if (code > 0xFF) return 0;
        const CharKey* key = KeyOf(static_cast<BYTE>(code), Resolve(layout));
        unsigned char byte = 0;
        // Letters come as capitals, as the key caps show them.
        if (!key || !ToActiveAnsi(detail::UnicodeUpper(key->normal), byte)) return 0;
        return byte;
    }
    case 3: {
        BYTE scan = static_cast<BYTE>(code & 0xFF);
        if (scan == 0x2A) return VK_LSHIFT;
        if (scan == 0x36) return VK_RSHIFT;
        if (scan == 0x1D) return VK_LCONTROL;
        if (scan == 0x38) return VK_LMENU;
        return detail::VirtualKeyOfScanCode(scan);
    }
    default:
        return 0;
    }
}

UINT MapVirtualKey(UINT code, UINT mapType) { return MapVirtualKeyEx(code, mapType, GetKeyboardLayout()); }

namespace {
struct KeyModifiers {
    bool shift, ctrl, alt, capsLock;
};

KeyModifiers ModifiersOf(const BYTE keyState[256]) {
    return {Pressed(keyState, VK_SHIFT) || Pressed(keyState, VK_LSHIFT) || Pressed(keyState, VK_RSHIFT),
            Pressed(keyState, VK_CONTROL) || Pressed(keyState, VK_LCONTROL) || Pressed(keyState, VK_RCONTROL),
            Pressed(keyState, VK_MENU) || Pressed(keyState, VK_LMENU) || Pressed(keyState, VK_RMENU),
            keyState && (keyState[VK_CAPITAL] & 0x01) != 0};
}

// The character a key types without Ctrl, in Unicode; 0 for none.
char32_t PlainCharOf(BYTE vk, const KeyModifiers& mods, HKL layout) {
    const CharKey* key = KeyOf(vk, Resolve(layout));
    if (!key) return 0;
    bool upper = mods.shift;
    if (mods.capsLock && IsLetterKey(*key)) upper = !upper;
    return upper ? key->shifted : key->normal;
}
}  // namespace

int ToAsciiEx(UINT virtKey, UINT /*scanCode*/, const BYTE keyState[256], WORD* out, UINT /*flags*/, HKL layout) {
    // The virtual key alone decides: callers (the layout conversion) pass
    // scan codes with the key-up bit set and still expect the character.
    if (virtKey == 0 || virtKey > 0xFF) return 0;
    auto vk = static_cast<BYTE>(virtKey);
    const KeyModifiers mods = ModifiersOf(keyState);
    unsigned char byte = 0;
    if (mods.ctrl && mods.alt) return 0;  // AltGr combinations are not part of these layouts
    if (mods.ctrl) {
        int code = ControlCharOf(vk, mods.shift);
        if (code < 0) return 0;
        byte = static_cast<unsigned char>(code);
    } else {
        const char32_t ch = PlainCharOf(vk, mods, layout);
        if (ch == 0 || !ToActiveAnsi(ch, byte)) return 0;
    }
    if (out) *out = byte;
    return 1;
}

int ToUnicodeEx(UINT virtKey, UINT /*scanCode*/, const BYTE keyState[256], char32_t* out, UINT /*flags*/, HKL layout) {
    if (virtKey == 0 || virtKey > 0xFF) return 0;
    const KeyModifiers mods = ModifiersOf(keyState);
    if (mods.ctrl) return 0;
    const char32_t ch = PlainCharOf(static_cast<BYTE>(virtKey), mods, layout);
    if (ch < 0x20 || ch == 0x7F) return 0;
    if (out) *out = ch;
    return 1;
}

int ToAscii(UINT virtKey, UINT scanCode, const BYTE keyState[256], WORD* out, UINT flags) {
    return ToAsciiEx(virtKey, scanCode, keyState, out, flags, GetKeyboardLayout());
}

const char* LayoutShortName(HKL layout) {
    switch (LoWord(layout)) {
    case kLangUs: return "EN";
    case kLangRussian: return "RU";
    default: return "";
    }
}

}  // namespace skrivo::win
