// The three conversions of a text: case toggling, retyping in another layout, and the keyboard calls behind it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/LayoutCalls.h"
#include "convert/TextConversion.h"
#include "platform/KeyboardLayout.h"
#include "platform/PlatformTestSupport.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

using win::CodePage;
constexpr win::WORD kUs = 0x0409;
constexpr win::WORD kRu = 0x0419;

struct CaseStep {
    CodePage cp;
    TConvertMode mode;
    std::string text, expected;
};

class CaseConversion : public ::testing::TestWithParam<CaseStep> {};

TEST_P(CaseConversion, TogglesByTheCodePagesRules) {
    const CaseStep c = GetParam();
    testing::KeyboardScope scope(c.cp, {win::HKL_US}, win::HKL_US);
    std::string text = c.text;
    EXPECT_TRUE(ConvertText(c.mode, text, kUs, kUs, TLayoutCalls()));
    EXPECT_EQ(text, c.expected);
}

// Repeated Upper cycles abc -> ABC -> Abc -> ABC; repeated Lower ABC -> abc -> Abc -> abc.
INSTANTIATE_TEST_SUITE_P(
    , CaseConversion,
    ::testing::Values(CaseStep{CodePage::Cp1252, TConvertMode::Upper, "abc", "ABC"},
                      CaseStep{CodePage::Cp1252, TConvertMode::Upper, "ABC", "Abc"},
                      CaseStep{CodePage::Cp1252, TConvertMode::Upper, "Abc", "ABC"},
                      CaseStep{CodePage::Cp1252, TConvertMode::Lower, "ABC", "abc"},
                      CaseStep{CodePage::Cp1252, TConvertMode::Lower, "abc", "Abc"},
                      CaseStep{CodePage::Cp1252, TConvertMode::Lower, "Abc", "abc"},
                      CaseStep{CodePage::Cp1252, TConvertMode::Upper, "\xE0t\xE9", "\xC0T\xC9"},        // àté
                      CaseStep{CodePage::Cp1251, TConvertMode::Upper, "\xEF\xF0\xE8", "\xCF\xD0\xC8"},  // при
                      CaseStep{CodePage::Cp1251, TConvertMode::Upper, "\xCF\xD0\xC8", "\xCF\xF0\xE8"},
                      CaseStep{CodePage::Cp1251, TConvertMode::Lower, "\xCF\xD0\xC8", "\xEF\xF0\xE8"}));

struct LayoutCase {
    std::string text;
    win::WORD from, to;
    std::string expected;
    bool changed;
};

class LayoutConversion : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutConversion, RetypesEachCharacterByItsKey) {
    const LayoutCase c = GetParam();
    testing::KeyboardScope scope(CodePage::Cp1251, {win::HKL_US, win::HKL_RUSSIAN}, win::HKL_US);
    std::string text = c.text;
    EXPECT_EQ(ConvertText(TConvertMode::Layout, text, c.from, c.to, TLayoutCalls()), c.changed);
    EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    , LayoutConversion,
    ::testing::Values(
        LayoutCase{"ghbdtn", kUs, kRu, "\xEF\xF0\xE8\xE2\xE5\xF2", true},          // привет
        LayoutCase{"\xEF\xF0\xE8\xE2\xE5\xF2", kRu, kUs, "ghbdtn", true},
        // Latin letters no Russian key types: found in "to" and read back in "from".
        LayoutCase{"ghbdtn", kRu, kUs, "\xEF\xF0\xE8\xE2\xE5\xF2", true},
        // Shift goes with its character only: "Ab" is not "ФИ".
        LayoutCase{"Ab", kUs, kRu, "\xD4\xE8", true},
        // Punctuation keys are retyped too.
        LayoutCase{"ghbdtn;,", kUs, kRu, "\xEF\xF0\xE8\xE2\xE5\xF2\xE6\xE1", true},  // приветжб
        LayoutCase{"1 2", kUs, kRu, "1 2", false},
        LayoutCase{"abc", kUs, kUs, "abc", false},
        // The euro sign: no key of either layout types it.
        LayoutCase{"\x88", kUs, kRu, "\x88", false}));

TEST(ConvertLines, StoresBackOnlyTheChangedEntries) {
    testing::KeyboardScope scope(CodePage::Cp1251, {win::HKL_US, win::HKL_RUSSIAN}, win::HKL_US);
    std::vector<std::string> lines{"rfr", "12", ""};
    EXPECT_TRUE(ConvertLines(TConvertMode::Layout, lines, kUs, kRu, TLayoutCalls()));
    EXPECT_EQ(lines, (std::vector<std::string>{"\xEA\xE0\xEA", "12", ""}));  // как
    std::vector<std::string> unchanged{"12", " "};
    EXPECT_FALSE(ConvertLines(TConvertMode::Layout, unchanged, kUs, kRu, TLayoutCalls()));
    EXPECT_EQ(unchanged, (std::vector<std::string>{"12", " "}));
}

TEST(LayoutCalls, WithoutTheExCallsOnlyTheActiveLayoutIsReachable) {
    testing::KeyboardScope scope(CodePage::Cp1251, {win::HKL_US, win::HKL_RUSSIAN}, win::HKL_US);
    const TLayoutCalls plain([](std::string_view) -> win::FARPROC { return nullptr; });
    const TLayoutCalls full;
    EXPECT_EQ(full.ExVkKeyScan('\xEF', kRu), 'G');  // п
    EXPECT_EQ(plain.ExVkKeyScan('\xEF', kRu), -1);
    EXPECT_EQ(plain.ExVkKeyScan('g', kRu), 'G');
    EXPECT_EQ(plain.ExMapVirtualKey('G', 0, kRu), full.ExMapVirtualKey('G', 0, kUs));
    EXPECT_EQ(full.ExGetLayouts(32, nullptr), 2);
    EXPECT_EQ(plain.ExGetLayouts(32, nullptr), 0);
    std::string text = "ghbdtn";
    EXPECT_FALSE(ConvertText(TConvertMode::Layout, text, kUs, kRu, plain));
    EXPECT_EQ(text, "ghbdtn");
}

// A ToAsciiEx that uses the key state as scratch space, as Windows' may.
int ScribblingToAscii(win::UINT, win::UINT, const win::BYTE* state, win::WORD* out, win::UINT, win::HKL) {
    const_cast<win::BYTE*>(state)[win::VK_SHIFT] = 0x80;
    *out = 'x';
    return 1;
}

TEST(LayoutCalls, ToAsciiGetsACopyOfTheKeyState) {
    const TLayoutCalls calls([](std::string_view name) -> win::FARPROC {
        return name == "ToAsciiEx" ? reinterpret_cast<win::FARPROC>(&ScribblingToAscii) : nullptr;
    });
    win::BYTE state[256] = {};
    win::WORD out = 0;
    EXPECT_EQ(calls.ExToAscii('A', 0x1E, state, &out, kUs), 1);
    EXPECT_EQ(state[win::VK_SHIFT], 0);
}

}  // namespace
}  // namespace skrivo
