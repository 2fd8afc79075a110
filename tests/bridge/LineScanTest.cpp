// The line scan and the tab look-back: which line and index a linear position names.
#include <gtest/gtest.h>

#include <string>

#include "bridge/LineScan.h"

namespace skrivo {
namespace {

struct ScanCase {
    const char* name;
    std::string text;
    int pos;
    int line;
    int charIndex;
};

class LineScanTable : public ::testing::TestWithParam<ScanCase> {};

TEST_P(LineScanTable, NamesLineAndIndex) {
    const ScanCase& c = GetParam();
    const host::TCharPos p = LineScan(c.text, c.pos);
    EXPECT_EQ(p.Line, c.line);
    EXPECT_EQ(p.CharIndex, c.charIndex);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, LineScanTable,
    ::testing::Values(
        ScanCase{"FirstCharacter", "ab\r\ncd", 0, 1, 0},
        ScanCase{"CrBelongsToTheLineItEnds", "ab\r\ncd", 2, 1, 2},
        ScanCase{"LfOfCrLfBelongsToTheLineItEnds", "ab\r\ncd", 3, 1, 3},
        ScanCase{"AfterCrLfStartsLineTwo", "ab\r\ncd", 4, 2, 0},
        ScanCase{"LoneLfIsAnOrdinaryCharacter", "ab\ncd", 3, 1, 3},
        ScanCase{"LoneCrBreaksTheLine", "ab\rcd", 3, 2, 0},
        ScanCase{"CrCrMakesAnEmptyLine", "a\r\rb", 2, 2, 0},
        ScanCase{"CrCrSecondLineStart", "a\r\rb", 3, 3, 0},
        ScanCase{"BeyondTheEndStaysOnTheLastLine", "ab\r\ncd", 9, 2, 5},
        ScanCase{"TrailingBreakOpensAnEmptyLastLine", "ab\r\n", 4, 2, 0},
        ScanCase{"EmptyText", "", 0, 1, 0},
        ScanCase{"ManyLines", "1\r\n2\r\n3\r\n4\r\n5", 13, 5, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineScan, CharIndexKeepsTheLow16Bits) {
    const std::string longLine(70000, 'x');
    EXPECT_EQ(LineScan(longLine, 65536 + 5).CharIndex, 5);
    EXPECT_EQ(LineScan(longLine, 40000).CharIndex, static_cast<std::int16_t>(40000 - 65536));
}

TEST(TabBeforeOnLine, LooksBackOnlyToTheLineStart) {
    const std::string text = "\tab\r\ncd\tef\r\ngh";
    EXPECT_TRUE(TabBeforeOnLine(text, 1));    // right after the leading tab
    EXPECT_TRUE(TabBeforeOnLine(text, 3));    // the CR of line 1 still sees it
    EXPECT_FALSE(TabBeforeOnLine(text, 0));   // the tab itself is not before
    EXPECT_FALSE(TabBeforeOnLine(text, 5));   // start of line 2
    EXPECT_FALSE(TabBeforeOnLine(text, 7));   // "cd|" before the tab of line 2
    EXPECT_TRUE(TabBeforeOnLine(text, 8));    // just after it
    EXPECT_FALSE(TabBeforeOnLine(text, 12));  // line 3 has none
}

TEST(TabBeforeOnLine, LfAloneEndsTheLookBackAndBeyondTheEndIsSafe) {
    EXPECT_FALSE(TabBeforeOnLine("\t\nab", 3));
    EXPECT_TRUE(TabBeforeOnLine("a\tb", 50));
    EXPECT_FALSE(TabBeforeOnLine("", 3));
}

TEST(LineEndingKeywords, OnlyTheKeywordsThatContinueAStatement) {
    for (const char* w : {"then", "do", "to", "of", "and", "or", "xor", "div", "mod", "else", "until", "end",
                          "finally", "except", "downto"})
        EXPECT_TRUE(IsLineEndingKeyword(w)) << w;
    for (const char* w : {"", "begin", "thenx", "Then", "x", "if"}) EXPECT_FALSE(IsLineEndingKeyword(w)) << w;
}

}  // namespace
}  // namespace skrivo
