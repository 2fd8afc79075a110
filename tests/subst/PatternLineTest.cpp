// Pattern lines: parsing, conditions, typed tails, and what a tail takes from the text.
#include <gtest/gtest.h>

#include "subst/PatternLine.h"

namespace skrivo::subst {
namespace {

bool Fits(const std::string& line, const std::string& before, const std::string& after = "") {
    StringMatchText b(before, StringMatchText::Backward), a(after, StringMatchText::Forward);
    return PatternLine(line).Fits(b, a, TextEdge::LineEdge);
}

TEST(PatternLine, SplitsMainPatternAndConditions) {
    auto parsed = ParsePatternLine("* for *:= * | ^* for *:=* to *| ^* downto *| {|}");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->main, "* for *:= * |");
    ASSERT_EQ(parsed->conditions.size(), 3u);
    EXPECT_TRUE(parsed->conditions[0].negated);
    EXPECT_EQ(parsed->conditions[0].pattern, "* for *:=* to *|");
    EXPECT_EQ(parsed->conditions[1].pattern, "* downto *|");
    EXPECT_FALSE(parsed->conditions[2].negated);
    EXPECT_EQ(parsed->conditions[2].pattern, "|");

    parsed = ParsePatternLine("{*x|y} ^{|*then*} rest without bar");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->main, "*x|y");
    EXPECT_EQ(parsed->conditions[0].pattern, "|*then*");
    EXPECT_EQ(parsed->conditions[1].pattern, "rest without bar");

    EXPECT_FALSE(ParsePatternLine("no cursor mark"));
    EXPECT_FALSE(ParsePatternLine("{unclosed|"));
    EXPECT_FALSE(Fits("no cursor mark", "no cursor mark"));
}

TEST(PatternLine, TypedTailIsTheTextBackToTheLastWildcard) {
    EXPECT_EQ(TypedTail("* wh |"), "wh ");
    EXPECT_EQ(TypedTail("* for *=|"), "=");
    EXPECT_EQ(TypedTail("*.fb\\|"), ".fb\\");
    EXPECT_EQ(TypedTail("* for *:= * |"), " ");  // the blank next to the mark always belongs
    EXPECT_EQ(TypedTail("abc|"), "abc");
    EXPECT_EQ(TypedTail("|x"), "");
}

TEST(PatternLine, ConditionsStopAtTheFirstFailure) {
    EXPECT_TRUE(Fits("* wh | {|}", "  wh "));
    EXPECT_FALSE(Fits("* wh | {|}", "  wh ", "x"));
    EXPECT_TRUE(Fits("*=| ^*:=*|", "x="));
    EXPECT_FALSE(Fits("*=| ^*:=*|", "a := b="));
    EXPECT_TRUE(Fits("*end\\| {|;}", "  end\\", ";"));
    EXPECT_FALSE(Fits("*end\\| {|;}", "  end\\", "; "));
}

TEST(PatternLine, CursorMarkDecidesWhichSidesAreMatched) {
    EXPECT_TRUE(Fits("*x|", "ax", "anything"));  // "|" at the end: before only
    EXPECT_TRUE(Fits("{|}", "anything", ""));
    EXPECT_FALSE(Fits("{|}", "", " "));
    EXPECT_TRUE(Fits("{*a|b*}", "xa", "by"));
    EXPECT_FALSE(Fits("{*a|b*}", "xa", "cy"));
    EXPECT_TRUE(Fits("{|}", "", ""));
}

TEST(PatternLine, LeadingBlankMatchesNothingAtTheLineStart) {
    EXPECT_TRUE(Fits("* wh |", "wh "));
    EXPECT_TRUE(Fits(" wh |", "wh "));
    EXPECT_FALSE(Fits("x wh |", "wh "));
}

TEST(PatternLine, TailTakesTheWholeBlankRunItMatched) {
    struct Case {
        const char* line;
        const char* before;
        std::size_t extent;
    } cases[] = {
        {"* wh |", "  wh ", 3},
        {"* wh |", "  wh  ", 4},   // another blank after a restore
        {"* wh |", "  wh \t ", 5},
        {"* for *=|", "for i=", 1},
        {"*x*|", "ab xyz", 3},      // a star in the tail takes as little as fits
        {"*e\\|", "  e\\", 2},
    };
    for (const Case& c : cases) {
        StringMatchText b(c.before, StringMatchText::Backward), a("", StringMatchText::Forward);
        PatternLine line(c.line);
        ASSERT_TRUE(line.Fits(b, a, TextEdge::LineEdge)) << c.line;
        EXPECT_EQ(line.TailExtent(b, TextEdge::LineEdge), c.extent) << c.line << " on \"" << c.before << "\"";
    }
}

TEST(PatternLine, OverlongLinesAreMatchedSafely) {
    const std::string longLine = std::string(400, '*') + "x| " + std::string(300, 'y') + "|";
    EXPECT_FALSE(Fits(longLine, "abcx"));
    EXPECT_TRUE(Fits(std::string(400, '*') + "x|", "abcx"));
    EXPECT_TRUE(Fits(std::string(300, 'a') + "|", std::string(300, 'a')));
    EXPECT_FALSE(Fits(std::string(300, 'a') + "|", std::string(299, 'a')));
}

}  // namespace
}  // namespace skrivo::subst
