// Retyping in the other layout and back gives the text again wherever both layouts type each character.
#include <gtest/gtest.h>

#include <string>

#include "convert/LayoutCalls.h"
#include "convert/TextConversion.h"
#include "platform/CodePage.h"
#include "platform/KeyboardLayout.h"
#include "platform/PlatformTestSupport.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

using win::CodePage;

// Every printable character that some key of the layout types, without Ctrl or Alt.
std::string PrintableOf(win::WORD layout) {
    std::string chars;
    for (int c = 0x20; c <= 0xFF; ++c) {
        const std::int16_t key = win::VkKeyScanEx(static_cast<char>(c), layout);
        if (key != -1 && (key & 0x600) == 0) chars += static_cast<char>(c);
    }
    return chars;
}

// Whether the key that types c in one layout types a character in the other too.
bool OtherTypesItsKey(char c, win::WORD layout, win::WORD other) {
    const std::int16_t key = win::VkKeyScanEx(c, layout);
    win::BYTE state[256] = {};
    if (key & 0x100) state[win::VK_SHIFT] = 0x80;
    win::WORD out = 0;
    return win::ToAsciiEx(static_cast<win::UINT>(key & 0xFF), 0, state, &out, 0, other) == 1;
}

struct RoundTripCase {
    CodePage cp;
    win::WORD layout, other;
};

class LayoutRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(LayoutRoundTrip, EveryWordComesBack) {
    const RoundTripCase c = GetParam();
    testing::KeyboardScope scope(c.cp, {win::HKL_US, win::HKL_RUSSIAN}, win::HKL_US);
    const TLayoutCalls calls;
    const std::string alphabet = PrintableOf(c.layout);
    ASSERT_GT(alphabet.size(), 20u);
    std::string there = alphabet;
    ASSERT_TRUE(ConvertText(TConvertMode::Layout, there, c.layout, c.other, calls)) << "nothing to come back from";
    // Words of every length up to a few, sliding over the whole alphabet, and the alphabet itself.
    std::vector<std::string> words{alphabet};
    for (std::size_t len = 1; len <= 4; ++len)
        for (std::size_t i = 0; i + len <= alphabet.size(); ++i) words.push_back(alphabet.substr(i, len));
    int compared = 0;
    for (const std::string& word : words) {
        std::string text = word;
        ConvertText(TConvertMode::Layout, text, c.layout, c.other, calls);
        ConvertText(TConvertMode::Layout, text, c.other, c.layout, calls);
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (!OtherTypesItsKey(word[i], c.layout, c.other)) continue;
            EXPECT_EQ(text[i], word[i]) << "word <" << word << "> at " << i;
            ++compared;
        }
    }
    EXPECT_GT(compared, 100);
}

INSTANTIATE_TEST_SUITE_P(, LayoutRoundTrip,
                         ::testing::Values(RoundTripCase{CodePage::Cp1251, 0x0409, 0x0419},
                                           RoundTripCase{CodePage::Cp1251, 0x0419, 0x0409},
                                           RoundTripCase{CodePage::Cp1252, 0x0409, 0x0419},
                                           RoundTripCase{CodePage::Cp1252, 0x0419, 0x0409}));

}  // namespace
}  // namespace skrivo
