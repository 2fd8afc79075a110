// Shortcut values and their menu texts ("Shift+Ctrl+O", "Num 5", "Ctrl+[").
#include "platform/ShortCut.h"

#include <array>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

namespace skrivo::win {
namespace {

struct NamedKey {
    WORD vk;
    std::string_view name;
};

// The names a menu shows, first; the long names TextToShortCut also reads
// follow and are never produced.
constexpr NamedKey kNamedKeys[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"}, {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"}, {VK_HOME, "Home"}, {VK_LEFT, "Left"},
    {VK_UP, "Up"}, {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
    {VK_NUMPAD0, "Num 0"}, {VK_NUMPAD1, "Num 1"}, {VK_NUMPAD2, "Num 2"}, {VK_NUMPAD3, "Num 3"},
    {VK_NUMPAD4, "Num 4"}, {VK_NUMPAD5, "Num 5"}, {VK_NUMPAD6, "Num 6"}, {VK_NUMPAD7, "Num 7"},
    {VK_NUMPAD8, "Num 8"}, {VK_NUMPAD9, "Num 9"}, {VK_MULTIPLY, "Num *"}, {VK_ADD, "Num +"},
    {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."}, {VK_DIVIDE, "Num /"},
    {VK_BACK, "Backspace"}, {VK_ESCAPE, "Escape"}, {VK_RETURN, "Return"}, {VK_INSERT, "Insert"},
    {VK_DELETE, "Delete"}, {VK_PRIOR, "PageUp"}, {VK_NEXT, "PageDown"},
};

// The extra key of 102-key keyboards types what the backslash key types in
// both layouts; named by its character it would read back as that key.
constexpr std::string_view kExtraKeyName = "OEM 102";

// Keys named by the character they type.
constexpr std::array<WORD, 12> kPunctuationKeys = {
    VK_OEM_1, VK_OEM_PLUS, VK_OEM_COMMA, VK_OEM_MINUS, VK_OEM_PERIOD, VK_OEM_2,
    VK_OEM_3, VK_OEM_4, VK_OEM_5, VK_OEM_6, VK_OEM_7, VK_OEM_102,
};

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameAsciiText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    }
    return true;
}

bool StartsWithAscii(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameAsciiText(text.substr(0, prefix.size()), prefix);
}

// The character a punctuation key shows in layout, 0 when none.
char KeyCharIn(WORD vk, HKL layout) { return static_cast<char>(MapVirtualKeyEx(vk, 2, layout)); }

// A punctuation key shows what it types in the active layout. When the active
// code page cannot hold that character (a Cyrillic letter under 1252), the
// US key cap is shown instead, unless another key of the active layout
// already shows it: a name must lead back to one key.
char PunctuationChar(WORD vk) {
    const HKL active = GetKeyboardLayout();
    if (char c = KeyCharIn(vk, active)) return c;
    char us = KeyCharIn(vk, HKL_US);
    for (WORD other : kPunctuationKeys) {
        if (KeyCharIn(other, active) == us) return 0;
    }
    return us;
}

WORD PunctuationKeyOf(char c) {
    const CodePage cp = GetACP();
    auto upper = AnsiUpperChar(static_cast<unsigned char>(c), cp);
    for (HKL layout : {GetKeyboardLayout(), HKL_US}) {
        for (WORD vk : kPunctuationKeys) {
            char shown = KeyCharIn(vk, layout);
            if (shown != 0 && AnsiUpperChar(static_cast<unsigned char>(shown), cp) == upper) return vk;
        }
    }
    return 0;
}

std::string KeyName(WORD vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F24) return "F" + std::to_string(vk - VK_F1 + 1);
    for (const NamedKey& k : kNamedKeys) {
        if (k.vk == vk) return std::string(k.name);
    }
    for (WORD key : kPunctuationKeys) {
        if (key == vk) {
            char c = PunctuationChar(vk);
            if (!c) return {};
            if (PunctuationKeyOf(c) != vk) return vk == VK_OEM_102 ? std::string(kExtraKeyName) : std::string();
            return std::string(1, c);
        }
    }
    return {};
}

WORD KeyOfName(std::string_view name) {
    if (name.size() == 1) {
        char c = AsciiUpper(name[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<WORD>(c);
        return PunctuationKeyOf(name[0]);
    }
    for (const NamedKey& k : kNamedKeys) {
        if (SameAsciiText(name, k.name)) return k.vk;
    }
    if (SameAsciiText(name, kExtraKeyName)) return VK_OEM_102;
    if (name.size() <= 3 && AsciiUpper(name[0]) == 'F') {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return 0;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 24 && name[1] != '0') return static_cast<WORD>(VK_F1 + n - 1);
    }
    return 0;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
    if (key > 0xFF) return scNone;
    TShortCut result = key;
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = 0;
    if (shortCut & scShift) shift |= ssShift;
    if (shortCut & scCtrl) shift |= ssCtrl;
    if (shortCut & scAlt) shift |= ssAlt;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string name = KeyName(shortCut & 0xFF);
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    TShortCut modifiers = 0;
    // A modifier is only taken when a key name follows, so "Ctrl++" style
    // texts are not misread and "Num +" stays a key name.
    for (bool more = true; more;) {
        more = false;
        for (auto [prefix, flag] : {std::pair{std::string_view("Shift+"), scShift},
                                    std::pair{std::string_view("Ctrl+"), scCtrl},
                                    std::pair{std::string_view("Alt+"), scAlt}}) {
            if (StartsWithAscii(text, prefix) && text.size() > prefix.size()) {
                modifiers |= flag;
                text.remove_prefix(prefix.size());
                more = true;
            }
        }
    }
    if (text.empty()) return scNone;
    WORD key = KeyOfName(text);
    return key ? static_cast<TShortCut>(key | modifiers) : scNone;
}

}  // namespace skrivo::win
