// Case toggling and keyboard-layout retyping of a text.
#include "convert/TextConversion.h"

#include <array>
#include <string>

#include "bridge/Diagnostics.h"
#include "convert/LayoutCalls.h"
#include "platform/CodePage.h"
#include "platform/VirtualKeys.h"

namespace skrivo {

namespace {

// Bit of a scan code that marks the key as released; the character is read
// as the key comes up.
constexpr win::UINT kKeyUpScanBit = 0x80;
constexpr win::BYTE kPressed = 0x80;

std::string Capitalised(const std::string& text) {
    if (text.empty()) return text;
    return win::AnsiUpperCase(text.substr(0, 1)) + win::AnsiLowerCase(text.substr(1));
}

bool ToggleCase(TConvertMode mode, std::string& text) {
    std::string converted = mode == TConvertMode::Upper ? win::AnsiUpperCase(text) : win::AnsiLowerCase(text);
    if (converted == text) converted = Capitalised(text);
    text = std::move(converted);
    return true;
}

// One character through the key that types it in keyLayout, read in charLayout.
bool Retype(char& c, std::int16_t key, win::WORD keyLayout, win::WORD charLayout, std::array<win::BYTE, 256>& keyState,
            const TLayoutCalls& calls) {
    const auto vk = static_cast<win::BYTE>(key & 0xFF);
    if (key & 0x100) keyState[win::VK_SHIFT] = kPressed;
    if (key & 0x200) keyState[win::VK_CONTROL] = kPressed;
    if (key & 0x400) keyState[win::VK_MENU] = kPressed;
    const win::UINT scan = calls.ExMapVirtualKey(vk, 0, keyLayout);
    keyState[vk] = kPressed;
    win::WORD out = 0;
    const int count = calls.ExToAscii(vk, scan | kKeyUpScanBit, keyState.data(), &out, charLayout);
    bool changed = false;
    if (count == 1 && static_cast<char>(out) != c) {
        c = static_cast<char>(out);
        changed = true;
    }
    for (win::BYTE cleared : {vk, win::BYTE{win::VK_SHIFT}, win::BYTE{win::VK_CONTROL}, win::BYTE{win::VK_MENU}})
        keyState[cleared] = 0;
    return changed;
}

bool Retype(std::string& text, win::WORD from, win::WORD to, const TLayoutCalls& calls) {
    std::array<win::BYTE, 256> keyState{};
    if constexpr (kKeepDiagnostics) Rpt("Converting <", text, "> from ", std::to_string(from), " to ", std::to_string(to));
    bool changed = false;
    for (char& c : text) {
        const std::int16_t key = calls.ExVkKeyScan(c, from);
        if (key != -1) {
            changed |= Retype(c, key, from, to, keyState, calls);
            continue;
        }
        if constexpr (kKeepDiagnostics)
            Rpt("Could not convert ", std::string(1, c), " from ", std::to_string(from), " to ", std::to_string(to), " - try convert back");
        const std::int16_t back = calls.ExVkKeyScan(c, to);
        if (back == -1) {
            if constexpr (kKeepDiagnostics) Rpt("No changes: ", std::string(1, c));
            continue;
        }
        changed |= Retype(c, back, to, from, keyState, calls);
    }
    Rpt("Converting to ENGLISH - finished");
    return changed;
}

}  // namespace

bool ConvertText(TConvertMode mode, std::string& text, win::WORD from, win::WORD to, const TLayoutCalls& calls) {
    if (mode == TConvertMode::Layout) return Retype(text, from, to, calls);
    return ToggleCase(mode, text);
}

bool ConvertLines(TConvertMode mode, std::vector<std::string>& lines, win::WORD from, win::WORD to,
                  const TLayoutCalls& calls) {
    bool any = false;
    for (std::string& line : lines) {
        std::string converted = line;
        if (ConvertText(mode, converted, from, to, calls)) {
            line = std::move(converted);
            any = true;
        }
    }
    return any;
}

}  // namespace skrivo
