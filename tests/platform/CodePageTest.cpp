// Code page tables, UTF-8 conversion and the case mapping of 1251 and 1252.
#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage.h"

namespace skrivo::win {
namespace {

std::string AllBytes() {
    std::string s;
    for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
    return s;
}

class CodePageBoth : public ::testing::TestWithParam<CodePage> {};

TEST_P(CodePageBoth, EveryByteSurvivesTheRoundTripThroughUtf8) {
    const std::string bytes = AllBytes();
    bool lossy = true;
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(bytes, GetParam()), GetParam(), &lossy), bytes);
    EXPECT_FALSE(lossy);
}

TEST_P(CodePageBoth, EveryByteHasItsOwnCodePoint) {
    for (int b = 0; b < 256; ++b) {
        unsigned char back = 0;
        ASSERT_TRUE(CodePointToAnsi(AnsiToCodePoint(static_cast<unsigned char>(b), GetParam()), GetParam(), back));
        EXPECT_EQ(back, b);
    }
}

TEST_P(CodePageBoth, CaseMappingIsConsistent) {
    const CodePage cp = GetParam();
    for (int b = 0; b < 256; ++b) {
        auto c = static_cast<unsigned char>(b);
        unsigned char up = AnsiUpperChar(c, cp);
        unsigned char low = AnsiLowerChar(c, cp);
        // A character is never both changed up and down, and a changed one maps back.
        EXPECT_FALSE(up != c && low != c) << b;
        if (up != c) {
            EXPECT_EQ(AnsiLowerChar(up, cp), c) << b;
        }
        if (low != c) {
            EXPECT_EQ(AnsiUpperChar(low, cp), c) << b;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, CodePageBoth, ::testing::Values(CodePage::Cp1251, CodePage::Cp1252));

TEST(CodePage, KnownEntriesOfBothTables) {
    EXPECT_EQ(AnsiToCodePoint(0x80, CodePage::Cp1252), U'\u20AC');
    EXPECT_EQ(AnsiToCodePoint(0x9F, CodePage::Cp1252), U'\u0178');
    EXPECT_EQ(AnsiToCodePoint(0xE9, CodePage::Cp1252), U'\u00E9');
    EXPECT_EQ(AnsiToCodePoint(0x88, CodePage::Cp1251), U'\u20AC');
    EXPECT_EQ(AnsiToCodePoint(0xC0, CodePage::Cp1251), U'\u0410');
    EXPECT_EQ(AnsiToCodePoint(0xFF, CodePage::Cp1251), U'\u044F');
    EXPECT_EQ(AnsiToCodePoint(0xB9, CodePage::Cp1251), U'\u2116');
    EXPECT_EQ(AnsiToCodePoint(0xA5, CodePage::Cp1251), U'\u0490');
}

TEST(CodePage, UndefinedBytesMapToTheirC1Control) {
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(AnsiToCodePoint(b, CodePage::Cp1252), char32_t{b});
    EXPECT_EQ(AnsiToCodePoint(0x98, CodePage::Cp1251), U'\u0098');
}

TEST(CodePage, TextOutsideTheCodePageBecomesQuestionMarksAndIsReportedLossy) {
    bool lossy = false;
    EXPECT_EQ(Utf8ToAnsi("x\xD0\x9F\xD1\x80y", CodePage::Cp1252, &lossy), "x??y");  // "xПрy"
    EXPECT_TRUE(lossy);
    EXPECT_EQ(Utf8ToAnsi("\xD0\x9F\xD1\x80", CodePage::Cp1251, &lossy), "\xCF\xF0");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC", CodePage::Cp1252), "\x80");
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80", CodePage::Cp1252, &lossy), "?");  // an emoji: one character, one '?'
    EXPECT_TRUE(lossy);
}

TEST(CodePage, MalformedUtf8NeverReadsPastTheEnd) {
    bool lossy = false;
    EXPECT_EQ(Utf8ToAnsi("a\xC3", CodePage::Cp1252, &lossy), "a?");      // truncated sequence
    EXPECT_TRUE(lossy);
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82", CodePage::Cp1252), "??");           // truncated at the end
    EXPECT_EQ(Utf8ToAnsi("\x80z", CodePage::Cp1252), "?z");              // stray continuation byte
    EXPECT_EQ(Utf8ToAnsi("\xC0\xAF", CodePage::Cp1252), "??");           // overlong '/'
    EXPECT_EQ(Utf8ToAnsi("\xED\xA0\x80", CodePage::Cp1252), "???");      // a surrogate
}

struct CasePair {
    CodePage cp;
    unsigned char lower;
    unsigned char upper;
};

class CasePairs : public ::testing::TestWithParam<CasePair> {};

TEST_P(CasePairs, MapBothWays) {
    const CasePair& p = GetParam();
    EXPECT_EQ(AnsiUpperChar(p.lower, p.cp), p.upper);
    EXPECT_EQ(AnsiLowerChar(p.upper, p.cp), p.lower);
}

INSTANTIATE_TEST_SUITE_P(
    Cp1252, CasePairs,
    ::testing::Values(CasePair{CodePage::Cp1252, 'a', 'A'}, CasePair{CodePage::Cp1252, 0xFF, 0x9F},  // ÿ Ÿ
                      CasePair{CodePage::Cp1252, 0x9A, 0x8A}, CasePair{CodePage::Cp1252, 0x9C, 0x8C},  // š œ
                      CasePair{CodePage::Cp1252, 0x9E, 0x8E}, CasePair{CodePage::Cp1252, 0xE0, 0xC0},  // ž à
                      CasePair{CodePage::Cp1252, 0xFE, 0xDE}, CasePair{CodePage::Cp1252, 0xF8, 0xD8}));  // þ ø

INSTANTIATE_TEST_SUITE_P(
    Cp1251, CasePairs,
    ::testing::Values(CasePair{CodePage::Cp1251, 0xB8, 0xA8}, CasePair{CodePage::Cp1251, 0x90, 0x80},  // ё ђ
                      CasePair{CodePage::Cp1251, 0x83, 0x81}, CasePair{CodePage::Cp1251, 0x9A, 0x8A},  // ѓ љ
                      CasePair{CodePage::Cp1251, 0x9C, 0x8C}, CasePair{CodePage::Cp1251, 0x9D, 0x8D},  // њ ќ
                      CasePair{CodePage::Cp1251, 0x9E, 0x8E}, CasePair{CodePage::Cp1251, 0x9F, 0x8F},  // ћ џ
                      CasePair{CodePage::Cp1251, 0xA2, 0xA1}, CasePair{CodePage::Cp1251, 0xBC, 0xA3},  // ў ј
                      CasePair{CodePage::Cp1251, 0xB4, 0xA5}, CasePair{CodePage::Cp1251, 0xBA, 0xAA},  // ґ є
                      CasePair{CodePage::Cp1251, 0xBF, 0xAF}, CasePair{CodePage::Cp1251, 0xB3, 0xB2},  // ї і
                      CasePair{CodePage::Cp1251, 0xBE, 0xBD}, CasePair{CodePage::Cp1251, 0xE0, 0xC0},  // ѕ а
                      CasePair{CodePage::Cp1251, 0xFF, 0xDF}, CasePair{CodePage::Cp1251, 'z', 'Z'}));  // я

TEST(CodePage, CharactersWithoutASingleCasePartnerInThePageStay) {
    for (unsigned char c : {0xDF, 0xB5, 0x83, 0xAA, 0xBA, 0xD7, 0xF7}) {  // ß µ ƒ ª º × ÷
        EXPECT_EQ(AnsiUpperChar(c, CodePage::Cp1252), c) << int{c};
        EXPECT_EQ(AnsiLowerChar(c, CodePage::Cp1252), c) << int{c};
    }
    EXPECT_EQ(AnsiUpperChar(0xB5, CodePage::Cp1251), 0xB5);  // µ
    EXPECT_EQ(AnsiUpperChar(0xB9, CodePage::Cp1251), 0xB9);  // №
}

// The number of letters decides the letter table of the source walker.
TEST(CodePage, EachPageHasExactlyItsLetters) {
    auto countLower = [](CodePage cp) {
        int n = 0;
        for (int b = 0; b < 256; ++b) n += AnsiUpperChar(static_cast<unsigned char>(b), cp) != b;
        return n;
    };
    EXPECT_EQ(countLower(CodePage::Cp1252), 26 + 30 + 4);  // ASCII, Latin-1, ÿ š œ ž
    EXPECT_EQ(countLower(CodePage::Cp1251), 26 + 32 + 15);  // ASCII, а-я, ё and the 14 others
}

TEST(CodePage, WholeStringsFollowTheActivePage) {
    SetACP(CodePage::Cp1251);
    EXPECT_EQ(AnsiUpperCase("\xEF\xF0\xE8\xE2\xE5\xF2 abc"), "\xCF\xD0\xC8\xC2\xC5\xD2 ABC");  // привет
    EXPECT_EQ(AnsiLowerCase("\xA8\xCB\xCA\xC0"), "\xB8\xEB\xEA\xE0");                           // ЁЛКА
    EXPECT_TRUE(AnsiSameText("\xCF\xD0\xC8", "\xEF\xF0\xE8"));
    SetACP(CodePage::Cp1252);
    EXPECT_EQ(AnsiUpperCase("\xEF\xF0\xE8"), "\xCF\xD0\xC8");  // the same bytes are ï ð è here
    EXPECT_TRUE(AnsiSameText("stra\xDF" "e", "STRA\xDF" "E"));
    EXPECT_FALSE(AnsiSameText("abc", "abd"));
    EXPECT_FALSE(AnsiSameText("abc", "abcd"));
}

TEST(CodePage, AsciiLowerLeavesOtherBytesAlone) {
    EXPECT_EQ(AsciiLower("Skrivo.DIC \xC0\xC9"), "skrivo.dic \xC0\xC9");
}

}  // namespace
}  // namespace skrivo::win
