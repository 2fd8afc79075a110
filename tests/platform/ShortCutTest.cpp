// Shortcut values and texts, the configuration defaults among them.
#include <gtest/gtest.h>

#include <string>

#include "PlatformTestSupport.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::win {
namespace {

using skrivo::testing::KeyboardScope;

struct DefaultShortCut {
    const char* text;
    TShortCut value;
    const char* canonical;  // what ShortCutToText gives back
};

class ConfigurationDefaults : public ::testing::TestWithParam<DefaultShortCut> {};

TEST_P(ConfigurationDefaults, ConvertAndConvertBack) {
    const DefaultShortCut& d = GetParam();
    EXPECT_EQ(TextToShortCut(d.text), d.value);
    EXPECT_EQ(ShortCutToText(d.value), d.canonical);
    EXPECT_EQ(TextToShortCut(ShortCutToText(d.value)), d.value);
}

INSTANTIATE_TEST_SUITE_P(
    UsLayout, ConfigurationDefaults,
    ::testing::Values(DefaultShortCut{"Ctrl+[", 0x40DB, "Ctrl+["}, DefaultShortCut{"Ctrl+]", 0x40DD, "Ctrl+]"},
                      DefaultShortCut{"Shift+Ctrl+J", 0x604A, "Shift+Ctrl+J"},
                      DefaultShortCut{"Shift+Ctrl+H", 0x6048, "Shift+Ctrl+H"},
                      DefaultShortCut{"Ctrl+U", 0x4055, "Ctrl+U"}, DefaultShortCut{"Ctrl+L", 0x404C, "Ctrl+L"},
                      DefaultShortCut{"Ctrl+E", 0x4045, "Ctrl+E"},
                      DefaultShortCut{"Shift+Backspace", 0x2008, "Shift+BkSp"},
                      DefaultShortCut{"Shift+Ctrl+Num 5", 0x6065, "Shift+Ctrl+Num 5"},
                      DefaultShortCut{"Num 5", 0x0065, "Num 5"}, DefaultShortCut{"Ctrl+Num 5", 0x4065, "Ctrl+Num 5"},
                      DefaultShortCut{"Shift+Ctrl+O", 0x604F, "Shift+Ctrl+O"}));

TEST(ShortCutText, ReadingIgnoresCaseAndModifierOrder) {
    EXPECT_EQ(TextToShortCut("ctrl+shift+o"), 0x604F);
    EXPECT_EQ(TextToShortCut("SHIFT+CTRL+O"), 0x604F);
    EXPECT_EQ(TextToShortCut("Alt+Ctrl+Shift+F12"), 0xE07B);
    EXPECT_EQ(ShortCutToText(0xE07B), "Shift+Ctrl+Alt+F12");
    EXPECT_EQ(TextToShortCut(" Ctrl+A "), 0x4041);
    EXPECT_EQ(TextToShortCut("ctrl+num 5"), 0x4065);
}

TEST(ShortCutText, LongNamesAreRead) {
    EXPECT_EQ(TextToShortCut("Backspace"), VK_BACK);
    EXPECT_EQ(TextToShortCut("Escape"), VK_ESCAPE);
    EXPECT_EQ(TextToShortCut("Return"), VK_RETURN);
    EXPECT_EQ(TextToShortCut("Insert"), VK_INSERT);
    EXPECT_EQ(TextToShortCut("Delete"), VK_DELETE);
    EXPECT_EQ(TextToShortCut("PageUp"), VK_PRIOR);
    EXPECT_EQ(TextToShortCut("Alt+PageDown"), scAlt | VK_NEXT);
}

TEST(ShortCutText, UnreadableTextGivesZero) {
    for (const char* text : {"", "   ", "Ctrl+", "Shift+", "Ctrl", "Foo", "Ctrl+Foo", "F0", "F25", "F012", "Ctrl++",
                             "Num", "Num 10", "Hyper+A", "Ctrl+AB"}) {
        EXPECT_EQ(TextToShortCut(text), 0) << text;
    }
}

TEST(ShortCutText, KeysWithoutANameGiveNoText) {
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");
    EXPECT_EQ(ShortCutToText(scCtrl | VK_PAUSE), "");
    EXPECT_EQ(ShortCutToText(VK_F1 + 23), "F24");
}

// Every key that has a name reads back to itself, in every layout and code page.
TEST(ShortCutText, EveryNamedKeyRoundTrips) {
    struct Setting {
        CodePage cp;
        HKL layout;
        int punctuationNamed;
    };
    // Under 1252 the Russian full stop key and the US one (whose Russian
    // letter cannot be shown) would both be ".": only one keeps the name.
    for (Setting s : {Setting{CodePage::Cp1252, HKL_US, 12}, Setting{CodePage::Cp1251, HKL_RUSSIAN, 12},
                      Setting{CodePage::Cp1252, HKL_RUSSIAN, 11}}) {
        KeyboardScope scope(s.cp, {HKL_US, HKL_RUSSIAN}, s.layout);
        int named = 0;
        for (WORD key = 1; key < 256; ++key) {
            TShortCut sc = ShortCut(key, ssShift | ssCtrl);
            std::string text = ShortCutToText(sc);
            if (text.empty()) continue;
            ++named;
            EXPECT_EQ(TextToShortCut(text), sc) << text;
        }
        // 26 letters, 10 digits, 24 F keys, 15 keypad keys, 15 editing keys, the punctuation keys
        EXPECT_EQ(named, 26 + 10 + 24 + 15 + 15 + s.punctuationNamed);
    }
}

TEST(ShortCutText, PunctuationKeysAreNamedInTheActiveLayout) {
    {
        KeyboardScope scope(CodePage::Cp1251, {HKL_US, HKL_RUSSIAN}, HKL_RUSSIAN);
        EXPECT_EQ(ShortCutToText(scCtrl | VK_OEM_4), "Ctrl+\xD5");  // Х
        EXPECT_EQ(TextToShortCut("Ctrl+\xF5"), scCtrl | VK_OEM_4);  // х, any case
        EXPECT_EQ(TextToShortCut("Ctrl+."), scCtrl | VK_OEM_2);     // the Russian full stop key
        // Characters no Russian key types are still read, as on the US keyboard.
        EXPECT_EQ(TextToShortCut("Ctrl+["), scCtrl | VK_OEM_4);
    }
    {
        // Under 1252 the Russian key caps cannot be shown: the US ones are.
        KeyboardScope scope(CodePage::Cp1252, {HKL_US, HKL_RUSSIAN}, HKL_RUSSIAN);
        EXPECT_EQ(ShortCutToText(scCtrl | VK_OEM_4), "Ctrl+[");
        EXPECT_EQ(ShortCutToText(scCtrl | VK_OEM_2), "Ctrl+.");
    }
    EXPECT_EQ(TextToShortCut("Ctrl+."), scCtrl | VK_OEM_PERIOD);
    // The extra key types the backslash key's character: a name of its own
    // keeps the two apart.
    EXPECT_EQ(ShortCutToText(scCtrl | VK_OEM_102), "Ctrl+OEM 102");
    EXPECT_EQ(TextToShortCut("Ctrl+\\"), scCtrl | VK_OEM_5);
}

TEST(ShortCutValue, BuildAndSplit) {
    EXPECT_EQ(ShortCut('O', ssShift | ssCtrl), 0x604F);
    EXPECT_EQ(ShortCut(VK_BACK, ssShift), 0x2008);
    EXPECT_EQ(ShortCut(VK_F1, ssAlt), 0x8070);
    EXPECT_EQ(ShortCut(0x141, ssCtrl), 0);  // not a key
    WORD key = 0;
    TShiftState shift = 0;
    ShortCutToKey(0xE07B, key, shift);
    EXPECT_EQ(key, VK_F1 + 11);
    EXPECT_EQ(shift, ssShift | ssCtrl | ssAlt);
    ShortCutToKey(0x0065, key, shift);
    EXPECT_EQ(key, VK_NUMPAD5);
    EXPECT_EQ(shift, 0);
}

}  // namespace
}  // namespace skrivo::win
