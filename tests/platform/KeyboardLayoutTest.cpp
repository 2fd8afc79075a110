// The US and Russian layouts: typing, reverse lookup, scan codes and the layout list.
#include <gtest/gtest.h>

#include <string>

#include "PlatformTestSupport.h"
#include "platform/CodePage.h"
#include "platform/KeyboardLayout.h"
#include "platform/VirtualKeys.h"

namespace skrivo::win {
namespace {

using skrivo::testing::KeyboardScope;

// Types the keys of the given letters (virtual keys 'A'..'Z') in a layout.
std::string TypeKeys(const std::string& keys, HKL layout, BYTE shiftState = 0) {
    BYTE state[256] = {};
    state[VK_SHIFT] = shiftState;
    std::string typed;
    for (char k : keys) {
        WORD out = 0;
        UINT vk = static_cast<unsigned char>(k >= 'a' && k <= 'z' ? k - 32 : k);
        if (ToAsciiEx(vk, MapVirtualKeyEx(vk, 0, layout), state, &out, 0, layout) == 1) typed += static_cast<char>(out);
    }
    return typed;
}

// What the key found by VkKeyScanEx types with the modifiers it asked for.
int TypeScanned(std::int16_t scanned, HKL layout, WORD& out) {
    BYTE state[256] = {};
    if (scanned & 0x100) state[VK_SHIFT] = 0x80;
    if (scanned & 0x200) state[VK_CONTROL] = 0x80;
    if (scanned & 0x400) state[VK_MENU] = 0x80;
    UINT vk = scanned & 0xFF;
    return ToAsciiEx(vk, MapVirtualKeyEx(vk, 0, layout) | 0x80, state, &out, 0, layout);
}

TEST(KeyboardLayout, RussianLayoutTypesCyrillicFromTheLatinKeys) {
    KeyboardScope scope(CodePage::Cp1251, {HKL_US, HKL_RUSSIAN}, HKL_RUSSIAN);
    EXPECT_EQ(TypeKeys("ghbdtn", HKL_RUSSIAN), "\xEF\xF0\xE8\xE2\xE5\xF2");  // привет
    EXPECT_EQ(TypeKeys("ghbdtn", HKL_RUSSIAN, 0x80), "\xCF\xD0\xC8\xC2\xC5\xD2");
    EXPECT_EQ(TypeKeys("ghbdtn", HKL_US), "ghbdtn");
}

TEST(KeyboardLayout, ConvertingAWordTypedInTheWrongLayout) {
    // Character -> its key in one layout -> what that key types in the other,
    // with the key-up bit in the scan code, as the layout conversion calls it.
    KeyboardScope scope(CodePage::Cp1251, {HKL_US, HKL_RUSSIAN}, HKL_US);
    auto convert = [](const std::string& text, HKL from, HKL to) {
        std::string result;
        for (char c : text) {
            std::int16_t k = VkKeyScanEx(c, from);
            WORD out = 0;
            result += k != -1 && TypeScanned(k, to, out) == 1 ? static_cast<char>(out) : c;
        }
        return result;
    };
    EXPECT_EQ(convert("ghbdtn", 0x0409, 0x0419), "\xEF\xF0\xE8\xE2\xE5\xF2");  // bare language ids
    EXPECT_EQ(convert("\xF0\xF3\xE4\xE4\xF9", HKL_RUSSIAN, HKL_US), "hello");   // руддщ
    EXPECT_EQ(convert("Ghbdtn, vbh!", HKL_US, HKL_RUSSIAN), "\xCF\xF0\xE8\xE2\xE5\xF2\xE1 \xEC\xE8\xF0!");
}

struct RoundTripCase {
    CodePage cp;
    HKL layout;
    int expectedPrintable;  // characters 0x20..0xFF some key types (DEL is Ctrl+BkSp)
};

class EveryPrintableCharacter : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(EveryPrintableCharacter, MapsToAKeyThatTypesItBack) {
    const RoundTripCase& p = GetParam();
    KeyboardScope scope(p.cp, {HKL_US, HKL_RUSSIAN}, p.layout);
    int found = 0;
    for (int b = 0x20; b < 0x100; ++b) {
        std::int16_t k = VkKeyScanEx(static_cast<char>(b), p.layout);
        if (k == -1) continue;
        ++found;
        WORD out = 0;
        ASSERT_EQ(TypeScanned(k, p.layout, out), 1) << "byte " << b;
        EXPECT_EQ(out, b) << "byte " << b;
    }
    EXPECT_EQ(found, p.expectedPrintable);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EveryPrintableCharacter,
    ::testing::Values(RoundTripCase{CodePage::Cp1252, HKL_US, 95 + 1},  // all of ASCII 0x20..0x7F
                      RoundTripCase{CodePage::Cp1251, HKL_US, 95 + 1},
                      // 66 letters, digits, space, 18 punctuation marks (№ among them), DEL
                      RoundTripCase{CodePage::Cp1251, HKL_RUSSIAN, 66 + 10 + 1 + 18 + 1},
                      // without the Cyrillic letters and №
                      RoundTripCase{CodePage::Cp1252, HKL_RUSSIAN, 10 + 1 + 17 + 1}));

TEST(KeyboardLayout, CyrillicCannotBeTypedUnderCodePage1252) {
    KeyboardScope scope(CodePage::Cp1252, {HKL_US, HKL_RUSSIAN}, HKL_RUSSIAN);
    BYTE state[256] = {};
    WORD out = 0x55;
    EXPECT_EQ(ToAsciiEx('Q', 0x10, state, &out, 0, HKL_RUSSIAN), 0);
    EXPECT_EQ(out, 0x55);
    // Byte 0xE9 is é here, not й: no Russian key types it.
    EXPECT_EQ(VkKeyScanEx('\xE9', HKL_RUSSIAN), -1);
    EXPECT_EQ(VkKeyScanEx('\xE9', HKL_US), -1);
    EXPECT_EQ(MapVirtualKeyEx(VK_OEM_4, 2, HKL_RUSSIAN), 0u);
}

TEST(KeyboardLayout, CapsLockTogglesOnlyLetters) {
    KeyboardScope scope(CodePage::Cp1251, {HKL_US, HKL_RUSSIAN}, HKL_US);
    BYTE state[256] = {};
    state[VK_CAPITAL] = 0x01;
    WORD out = 0;
    auto type = [&](UINT vk, HKL layout) {
        out = 0;
        return ToAsciiEx(vk, 0, state, &out, 0, layout) == 1 ? static_cast<char>(out) : '\0';
    };
    EXPECT_EQ(type('A', HKL_US), 'A');
    EXPECT_EQ(type('1', HKL_US), '1');
    EXPECT_EQ(type(VK_OEM_4, HKL_US), '[');
    EXPECT_EQ(type(VK_OEM_4, HKL_RUSSIAN), '\xD5');  // Х: a letter key in this layout
    EXPECT_EQ(type(VK_OEM_2, HKL_RUSSIAN), '.');
    state[VK_SHIFT] = 0x80;
    EXPECT_EQ(type('A', HKL_US), 'a');
    EXPECT_EQ(type('1', HKL_US), '!');
    state[VK_CAPITAL] = 0x80;  // held down but not toggled on
    EXPECT_EQ(type('A', HKL_US), 'A');
}

TEST(KeyboardLayout, ModifierCombinations) {
    BYTE state[256] = {};
    WORD out = 0;
    state[VK_CONTROL] = 0x80;
    ASSERT_EQ(ToAsciiEx('A', 0x1E, state, &out, 0, HKL_US), 1);
    EXPECT_EQ(out, 1);
    ASSERT_EQ(ToAsciiEx(VK_OEM_4, 0x1A, state, &out, 0, HKL_US), 1);
    EXPECT_EQ(out, 27);
    EXPECT_EQ(ToAsciiEx('1', 0x02, state, &out, 0, HKL_US), 0);
    state[VK_MENU] = 0x80;  // Ctrl+Alt: AltGr, which these layouts leave empty
    EXPECT_EQ(ToAsciiEx('A', 0x1E, state, &out, 0, HKL_US), 0);
    state[VK_CONTROL] = 0;
    ASSERT_EQ(ToAsciiEx('A', 0x1E, state, &out, 0, HKL_US), 1);
    EXPECT_EQ(out, 'a');
    state[VK_MENU] = 0;
    state[VK_RSHIFT] = 0x80;  // either side's Shift counts
    ASSERT_EQ(ToAsciiEx('A', 0x1E, state, &out, 0, HKL_US), 1);
    EXPECT_EQ(out, 'A');
    EXPECT_EQ(ToAsciiEx(VK_F1, 0x3B, state, &out, 0, HKL_US), 0);
    EXPECT_EQ(ToAsciiEx(VK_SHIFT, 0x2A, state, &out, 0, HKL_US), 0);
    EXPECT_EQ(ToAsciiEx(0x141, 0x1E, state, &out, 0, HKL_US), 0);  // not a virtual key
}

TEST(KeyboardLayout, EditingKeysAndTheKeypad) {
    KeyboardScope scope(CodePage::Cp1251, {HKL_US, HKL_RUSSIAN}, HKL_US);
    BYTE state[256] = {};
    WORD out = 0;
    auto type = [&](UINT vk, HKL layout) {
        out = 0;
        return ToAsciiEx(vk, 0, state, &out, 0, layout) == 1 ? static_cast<int>(out) : -1;
    };
    EXPECT_EQ(type(VK_SPACE, HKL_US), ' ');
    EXPECT_EQ(type(VK_TAB, HKL_US), 9);
    EXPECT_EQ(type(VK_RETURN, HKL_US), 13);
    EXPECT_EQ(type(VK_BACK, HKL_US), 8);
    EXPECT_EQ(type(VK_ESCAPE, HKL_US), 27);
    EXPECT_EQ(type(VK_NUMPAD5, HKL_US), '5');
    EXPECT_EQ(type(VK_MULTIPLY, HKL_US), '*');
    EXPECT_EQ(type(VK_DIVIDE, HKL_RUSSIAN), '/');
    EXPECT_EQ(type(VK_DECIMAL, HKL_US), '.');
    EXPECT_EQ(type(VK_DECIMAL, HKL_RUSSIAN), ',');
    EXPECT_EQ(type(VK_DELETE, HKL_US), -1);
    state[VK_SHIFT] = 0x80;  // Shift turns the keypad digits into cursor keys
    EXPECT_EQ(type(VK_NUMPAD5, HKL_US), -1);
    EXPECT_EQ(type(VK_ADD, HKL_US), '+');
}

TEST(KeyboardLayout, ReverseLookupPrefersTheMainBlockAndPlainKeys) {
    EXPECT_EQ(VkKeyScanEx('1', HKL_US), '1');
    EXPECT_EQ(VkKeyScanEx('a', HKL_US), 'A');
    EXPECT_EQ(VkKeyScanEx('A', HKL_US), 0x100 | 'A');
    EXPECT_EQ(VkKeyScanEx('\\', HKL_US), VK_OEM_5);
    EXPECT_EQ(VkKeyScanEx('*', HKL_US), 0x100 | '8');
    EXPECT_EQ(VkKeyScanEx('\b', HKL_US), VK_BACK);
    EXPECT_EQ(VkKeyScanEx('\r', HKL_US), VK_RETURN);
    EXPECT_EQ(VkKeyScanEx('\x01', HKL_US), 0x200 | 'A');
    EXPECT_EQ(VkKeyScanEx('\0', HKL_US), -1);
}

TEST(KeyboardLayout, ScanCodesBothWays) {
    EXPECT_EQ(MapVirtualKeyEx('A', 0, HKL_US), 0x1Eu);
    EXPECT_EQ(MapVirtualKeyEx(VK_ESCAPE, 0, HKL_US), 0x01u);
    EXPECT_EQ(MapVirtualKeyEx(VK_OEM_4, 0, HKL_RUSSIAN), 0x1Au);
    EXPECT_EQ(MapVirtualKeyEx(VK_NUMPAD5, 0, HKL_US), 0x4Cu);
    EXPECT_EQ(MapVirtualKeyEx(VK_F1 + 11, 0, HKL_US), 0x58u);
    EXPECT_EQ(MapVirtualKeyEx(VK_RSHIFT, 0, HKL_US), 0x36u);
    EXPECT_EQ(MapVirtualKeyEx(0x1E, 1, HKL_US), UINT{'A'});
    EXPECT_EQ(MapVirtualKeyEx(0x36, 1, HKL_US), UINT{VK_SHIFT});
    EXPECT_EQ(MapVirtualKeyEx(0x36, 3, HKL_US), UINT{VK_RSHIFT});
    EXPECT_EQ(MapVirtualKeyEx(0x7F, 1, HKL_US), 0u);
    // The typing keys have scan codes of their own, mapping back to the key.
    for (UINT vk : {UINT{VK_OEM_1}, UINT{VK_OEM_PLUS}, UINT{VK_OEM_COMMA}, UINT{VK_OEM_MINUS}, UINT{VK_OEM_PERIOD},
                    UINT{VK_OEM_2}, UINT{VK_OEM_3}, UINT{VK_OEM_4}, UINT{VK_OEM_5}, UINT{VK_OEM_6}, UINT{VK_OEM_7},
                    UINT{VK_OEM_102}, UINT{VK_SPACE}, UINT{VK_RETURN}, UINT{VK_BACK}, UINT{VK_TAB}}) {
        EXPECT_EQ(MapVirtualKeyEx(MapVirtualKeyEx(vk, 0, HKL_US), 1, HKL_US), vk) << vk;
    }
    for (UINT vk = 'A'; vk <= 'Z'; ++vk) EXPECT_EQ(MapVirtualKeyEx(MapVirtualKeyEx(vk, 0, HKL_US), 1, HKL_US), vk);
    for (UINT vk = '0'; vk <= '9'; ++vk) EXPECT_EQ(MapVirtualKeyEx(MapVirtualKeyEx(vk, 0, HKL_US), 1, HKL_US), vk);
}

TEST(KeyboardLayout, UnshiftedCharacterOfAKey) {
    KeyboardScope scope(CodePage::Cp1251, {HKL_US, HKL_RUSSIAN}, HKL_US);
    EXPECT_EQ(MapVirtualKeyEx('A', 2, HKL_US), UINT{'A'});
    EXPECT_EQ(MapVirtualKeyEx(VK_OEM_4, 2, HKL_US), UINT{'['});
    EXPECT_EQ(MapVirtualKeyEx(VK_OEM_4, 2, HKL_RUSSIAN), 0xD5u);  // Х
    EXPECT_EQ(MapVirtualKeyEx(VK_OEM_2, 2, HKL_RUSSIAN), UINT{'.'});
    EXPECT_EQ(MapVirtualKeyEx(VK_F1, 2, HKL_US), 0u);
}

TEST(KeyboardLayout, InstalledListAndActivation) {
    KeyboardScope scope(CodePage::Cp1252, {HKL_US}, HKL_US);
    EXPECT_EQ(GetKeyboardLayoutList(0, nullptr), 1);
    EXPECT_EQ(GetKeyboardLayout(), HKL_US);
    EXPECT_EQ(ActivateKeyboardLayout(HKL_RUSSIAN), 0u);  // not installed
    EXPECT_EQ(GetKeyboardLayout(), HKL_US);

    EXPECT_FALSE(SetInstalledLayouts({HKL_US, 0x04070407}));  // German: unknown here
    EXPECT_FALSE(SetInstalledLayouts({}));
    EXPECT_EQ(InstalledLayouts(), std::vector<HKL>{HKL_US});

    ASSERT_TRUE(SetInstalledLayouts({HKL_US, HKL_RUSSIAN}));
    HKL list[4] = {};
    EXPECT_EQ(GetKeyboardLayoutList(1, list), 2);
    EXPECT_EQ(list[0], HKL_US);
    EXPECT_EQ(list[1], 0u);  // max respected

    EXPECT_EQ(ActivateKeyboardLayout(0x0419), HKL_US);  // a bare language id activates the layout
    EXPECT_EQ(GetKeyboardLayout(), HKL_RUSSIAN);
    EXPECT_STREQ(LayoutShortName(GetKeyboardLayout()), "RU");
    EXPECT_EQ(ActivateNextKeyboardLayout(), HKL_US);  // wraps
    EXPECT_EQ(ActivateNextKeyboardLayout(), HKL_RUSSIAN);
    EXPECT_EQ(ActivateKeyboardLayout(HKL_PREV), HKL_RUSSIAN);
    EXPECT_EQ(GetKeyboardLayout(), HKL_US);

    ActivateKeyboardLayout(HKL_RUSSIAN);
    ASSERT_TRUE(SetInstalledLayouts({HKL_RUSSIAN, HKL_US}));
    EXPECT_EQ(GetKeyboardLayout(), HKL_RUSSIAN);  // still installed: stays active
    ASSERT_TRUE(SetInstalledLayouts({HKL_US}));
    EXPECT_EQ(GetKeyboardLayout(), HKL_US);
    EXPECT_EQ(VkKeyScan('\xE9'), -1);  // the active layout answers the plain calls
}

}  // namespace
}  // namespace skrivo::win
