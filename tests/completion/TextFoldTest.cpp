// Case-insensitive matching over code-page text: prefixes, equality, substring search, trimming.
#include <gtest/gtest.h>

#include "completion/TextFold.h"

namespace skrivo {
namespace {

TEST(CaseFold, FindLocatesTheFirstOccurrenceWhateverTheCase) {
    const CaseFold fold(win::CodePage::Cp1252);
    EXPECT_EQ(fold.Find("Self.Caption", ".ca"), 4u);
    EXPECT_EQ(fold.Find("x := y := Value", ":= val"), 7u);
    EXPECT_EQ(fold.Find("a.b.Caption", ".caption"), 3u);
    EXPECT_EQ(fold.Find("CAPTION", "tion"), 3u);
    EXPECT_EQ(fold.Find("caption", "caption"), 0u);
    EXPECT_EQ(fold.Find("capt", "caption"), std::string_view::npos);
    EXPECT_EQ(fold.Find("Self.Color", ".ca"), std::string_view::npos);
    EXPECT_EQ(fold.Find("x..", ".."), 1u);
    EXPECT_EQ(fold.Find("abc", ""), 0u);
    EXPECT_EQ(fold.Find(std::string_view("a\0b", 3), std::string_view("\0b", 2)), 1u);
    // E acute and its capital are one letter in 1252.
    EXPECT_EQ(fold.Find("caf\xC9.x", "\xE9.x"), 3u);
}

TEST(CaseFold, CaseMappingFollowsTheCodePage) {
    const CaseFold west(win::CodePage::Cp1252);
    const CaseFold cyrillic(win::CodePage::Cp1251);
    EXPECT_TRUE(west.Equal("CAF\xC9", "caf\xE9"));
    EXPECT_FALSE(west.Equal("caption", "captio"));
    EXPECT_TRUE(cyrillic.Equal("\xC0\xC1", "\xE0\xE1"));
    EXPECT_TRUE(cyrillic.StartsWith("\xA8\xEB\xEA\xE0", "\xB8"));  // Yo and yo
    EXPECT_FALSE(west.StartsWith("\xA8", "\xB8"));
    EXPECT_EQ(west.Lower("Self.CAPTION"), "self.caption");
}

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(Trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(Trim(std::string_view("\0x\0", 3)), "x");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_TRUE(IsBlankText(" \t\x01"));
    EXPECT_FALSE(IsBlankText(" .\t"));
    EXPECT_TRUE(IsBlankText(""));
}

}  // namespace
}  // namespace skrivo
