// Key tables of the US (0409) and Russian (0419) layouts and the set-1 scan codes of the keyboard.
#include "platform/KeyboardLayoutData.h"

#include <array>

#include "platform/VirtualKeys.h"

namespace skrivo::win::detail {
namespace {

constexpr CharKey kUsMain[] = {
    {'1', U'1', U'!'}, {'2', U'2', U'@'}, {'3', U'3', U'#'}, {'4', U'4', U'$'}, {'5', U'5', U'%'},
    {'6', U'6', U'^'}, {'7', U'7', U'&'}, {'8', U'8', U'*'}, {'9', U'9', U'('}, {'0', U'0', U')'},
    {VK_OEM_MINUS, U'-', U'_'}, {VK_OEM_PLUS, U'=', U'+'},
    {'Q', U'q', U'Q'}, {'W', U'w', U'W'}, {'E', U'e', U'E'}, {'R', U'r', U'R'}, {'T', U't', U'T'},
    {'Y', U'y', U'Y'}, {'U', U'u', U'U'}, {'I', U'i', U'I'}, {'O', U'o', U'O'}, {'P', U'p', U'P'},
    {VK_OEM_4, U'[', U'{'}, {VK_OEM_6, U']', U'}'},
    {'A', U'a', U'A'}, {'S', U's', U'S'}, {'D', U'd', U'D'}, {'F', U'f', U'F'}, {'G', U'g', U'G'},
    {'H', U'h', U'H'}, {'J', U'j', U'J'}, {'K', U'k', U'K'}, {'L', U'l', U'L'},
    {VK_OEM_1, U';', U':'}, {VK_OEM_7, U'\'', U'"'}, {VK_OEM_3, U'`', U'~'}, {VK_OEM_5, U'\\', U'|'},
    {'Z', U'z', U'Z'}, {'X', U'x', U'X'}, {'C', U'c', U'C'}, {'V', U'v', U'V'}, {'B', U'b', U'B'},
    {'N', U'n', U'N'}, {'M', U'm', U'M'},
    {VK_OEM_COMMA, U',', U'<'}, {VK_OEM_PERIOD, U'.', U'>'}, {VK_OEM_2, U'/', U'?'},
    {VK_OEM_102, U'\\', U'|'},
};

// The standard Russian layout (ЙЦУКЕН); Shift gives the capital letter.
constexpr CharKey kRussianMain[] = {
    {'1', U'1', U'!'}, {'2', U'2', U'"'}, {'3', U'3', U'\u2116'}, {'4', U'4', U';'}, {'5', U'5', U'%'},
    {'6', U'6', U':'}, {'7', U'7', U'?'}, {'8', U'8', U'*'}, {'9', U'9', U'('}, {'0', U'0', U')'},
    {VK_OEM_MINUS, U'-', U'_'}, {VK_OEM_PLUS, U'=', U'+'},
    {'Q', U'\u0439', U'\u0419'}, {'W', U'\u0446', U'\u0426'}, {'E', U'\u0443', U'\u0423'},
    {'R', U'\u043A', U'\u041A'}, {'T', U'\u0435', U'\u0415'}, {'Y', U'\u043D', U'\u041D'},
    {'U', U'\u0433', U'\u0413'}, {'I', U'\u0448', U'\u0428'}, {'O', U'\u0449', U'\u0429'},
    {'P', U'\u0437', U'\u0417'}, {VK_OEM_4, U'\u0445', U'\u0425'}, {VK_OEM_6, U'\u044A', U'\u042A'},
    {'A', U'\u0444', U'\u0424'}, {'S', U'\u044B', U'\u042B'}, {'D', U'\u0432', U'\u0412'},
    {'F', U'\u0430', U'\u0410'}, {'G', U'\u043F', U'\u041F'}, {'H', U'\u0440', U'\u0420'},
    {'J', U'\u043E', U'\u041E'}, {'K', U'\u043B', U'\u041B'}, {'L', U'\u0434', U'\u0414'},
    {VK_OEM_1, U'\u0436', U'\u0416'}, {VK_OEM_7, U'\u044D', U'\u042D'}, {VK_OEM_3, U'\u0451', U'\u0401'},
    {VK_OEM_5, U'\\', U'/'},
    {'Z', U'\u044F', U'\u042F'}, {'X', U'\u0447', U'\u0427'}, {'C', U'\u0441', U'\u0421'},
    {'V', U'\u043C', U'\u041C'}, {'B', U'\u0438', U'\u0418'}, {'N', U'\u0442', U'\u0422'},
    {'M', U'\u044C', U'\u042C'}, {VK_OEM_COMMA, U'\u0431', U'\u0411'}, {VK_OEM_PERIOD, U'\u044E', U'\u042E'},
    {VK_OEM_2, U'.', U','},
    {VK_OEM_102, U'\\', U'/'},
};

// Shift on the keypad digits gives the cursor keys, which type nothing: shifted 0.
constexpr CharKey kUsNumpad[] = {
    {VK_NUMPAD0, U'0', 0}, {VK_NUMPAD1, U'1', 0}, {VK_NUMPAD2, U'2', 0}, {VK_NUMPAD3, U'3', 0},
    {VK_NUMPAD4, U'4', 0}, {VK_NUMPAD5, U'5', 0}, {VK_NUMPAD6, U'6', 0}, {VK_NUMPAD7, U'7', 0},
    {VK_NUMPAD8, U'8', 0}, {VK_NUMPAD9, U'9', 0}, {VK_MULTIPLY, U'*', U'*'}, {VK_ADD, U'+', U'+'},
    {VK_SUBTRACT, U'-', U'-'}, {VK_DECIMAL, U'.', 0}, {VK_DIVIDE, U'/', U'/'},
};

// The Russian keypad's decimal key types the locale's decimal comma.
constexpr CharKey kRussianNumpad[] = {
    {VK_NUMPAD0, U'0', 0}, {VK_NUMPAD1, U'1', 0}, {VK_NUMPAD2, U'2', 0}, {VK_NUMPAD3, U'3', 0},
    {VK_NUMPAD4, U'4', 0}, {VK_NUMPAD5, U'5', 0}, {VK_NUMPAD6, U'6', 0}, {VK_NUMPAD7, U'7', 0},
    {VK_NUMPAD8, U'8', 0}, {VK_NUMPAD9, U'9', 0}, {VK_MULTIPLY, U'*', U'*'}, {VK_ADD, U'+', U'+'},
    {VK_SUBTRACT, U'-', U'-'}, {VK_DECIMAL, U',', 0}, {VK_DIVIDE, U'/', U'/'},
};

constexpr CharKey kFixed[] = {
    {VK_SPACE, U' ', U' '}, {VK_BACK, 8, 8}, {VK_TAB, 9, 9}, {VK_RETURN, 13, 13}, {VK_ESCAPE, 27, 27},
};

struct ScanEntry {
    BYTE vk;
    BYTE scan;
};

// In lookup order: where two keys share a scan code (the keypad and the
// cursor block, left and right modifiers) the first entry answers scan code
// to virtual key.
constexpr ScanEntry kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06}, {'6', 0x07},
    {'7', 0x08}, {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},
    {VK_BACK, 0x0E}, {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11}, {'E', 0x12}, {'R', 0x13}, {'T', 0x14},
    {'Y', 0x15}, {'U', 0x16}, {'I', 0x17}, {'O', 0x18}, {'P', 0x19}, {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B},
    {VK_RETURN, 0x1C}, {VK_CONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20}, {'F', 0x21},
    {'G', 0x22}, {'H', 0x23}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_OEM_1, 0x27}, {VK_OEM_7, 0x28},
    {VK_OEM_3, 0x29}, {VK_SHIFT, 0x2A}, {VK_OEM_5, 0x2B}, {'Z', 0x2C}, {'X', 0x2D}, {'C', 0x2E},
    {'V', 0x2F}, {'B', 0x30}, {'N', 0x31}, {'M', 0x32}, {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34},
    {VK_OEM_2, 0x35}, {VK_SHIFT, 0x36}, {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38}, {VK_SPACE, 0x39},
    {VK_CAPITAL, 0x3A}, {VK_F1, 0x3B}, {VK_F1 + 1, 0x3C}, {VK_F1 + 2, 0x3D}, {VK_F1 + 3, 0x3E},
    {VK_F1 + 4, 0x3F}, {VK_F1 + 5, 0x40}, {VK_F1 + 6, 0x41}, {VK_F1 + 7, 0x42}, {VK_F1 + 8, 0x43},
    {VK_F1 + 9, 0x44}, {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46},
    {VK_HOME, 0x47}, {VK_UP, 0x48}, {VK_PRIOR, 0x49}, {VK_SUBTRACT, 0x4A}, {VK_LEFT, 0x4B},
    {VK_CLEAR, 0x4C}, {VK_RIGHT, 0x4D}, {VK_ADD, 0x4E}, {VK_END, 0x4F}, {VK_DOWN, 0x50},
    {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53},
    {VK_OEM_102, 0x56}, {VK_F1 + 10, 0x57}, {VK_F1 + 11, 0x58},
    {VK_LWIN, 0x5B}, {VK_RWIN, 0x5C}, {VK_APPS, 0x5D},
    {VK_F1 + 12, 0x64}, {VK_F1 + 13, 0x65}, {VK_F1 + 14, 0x66}, {VK_F1 + 15, 0x67}, {VK_F1 + 16, 0x68},
    {VK_F1 + 17, 0x69}, {VK_F1 + 18, 0x6A}, {VK_F1 + 19, 0x6B}, {VK_F1 + 20, 0x6C}, {VK_F1 + 21, 0x6D},
    {VK_F1 + 22, 0x6E}, {VK_F24, 0x76},
    // The keypad shares its scan codes with the cursor block (told apart by
    // the extended-key flag); the divide key shares the slash key's.
    {VK_NUMPAD7, 0x47}, {VK_NUMPAD8, 0x48}, {VK_NUMPAD9, 0x49}, {VK_NUMPAD4, 0x4B}, {VK_NUMPAD5, 0x4C},
    {VK_NUMPAD6, 0x4D}, {VK_NUMPAD1, 0x4F}, {VK_NUMPAD2, 0x50}, {VK_NUMPAD3, 0x51}, {VK_NUMPAD0, 0x52},
    {VK_DECIMAL, 0x53}, {VK_DIVIDE, 0x35},
    {VK_LSHIFT, 0x2A}, {VK_RSHIFT, 0x36}, {VK_LCONTROL, 0x1D}, {VK_RCONTROL, 0x1D},
    {VK_LMENU, 0x38}, {VK_RMENU, 0x38}, {VK_PAUSE, 0x45},
};

std::array<BYTE, 256> BuildScanByVk() {
    std::array<BYTE, 256> table{};
    for (const auto& e : kScanCodes) {
        if (table[e.vk] == 0) table[e.vk] = e.scan;
    }
    return table;
}

std::array<BYTE, 256> BuildVkByScan() {
    std::array<BYTE, 256> table{};
    for (const auto& e : kScanCodes) {
        if (table[e.scan] == 0) table[e.scan] = e.vk;
    }
    return table;
}

}  // namespace

std::span<const CharKey> MainBlockKeys(LayoutId layout) {
    return layout == LayoutId::Russian ? std::span<const CharKey>(kRussianMain) : std::span<const CharKey>(kUsMain);
}

std::span<const CharKey> NumpadKeys(LayoutId layout) {
    return layout == LayoutId::Russian ? std::span<const CharKey>(kRussianNumpad) : std::span<const CharKey>(kUsNumpad);
}

std::span<const CharKey> FixedCharKeys() { return kFixed; }

BYTE ScanCodeOf(BYTE vk) {
    static const std::array<BYTE, 256> table = BuildScanByVk();
    return table[vk];
}

BYTE VirtualKeyOfScanCode(BYTE scan) {
    static const std::array<BYTE, 256> table = BuildVkByScan();
    return table[scan];
}

}  // namespace skrivo::win::detail
