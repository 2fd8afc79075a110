// Bracket and quote rules: mirrored blanks and string literals.
#include <gtest/gtest.h>

#include "subst/AutoBrackets.h"

namespace skrivo::subst {
namespace {

TEST(AutoBrackets, MirroredBlanksOnlyAfterTheMatchingOpeningBracket) {
    EXPECT_EQ(MirroredBlanks("f(  ", ')', 'x'), 2u);
    EXPECT_EQ(MirroredBlanks("a[ ", ']', 'i'), 1u);
    EXPECT_EQ(MirroredBlanks("f(a,  ", ')', 'b'), 0u);
    EXPECT_EQ(MirroredBlanks("f(  ", ']', 'x'), 0u);
    EXPECT_EQ(MirroredBlanks("f(  ", ')', ' '), 0u);
    EXPECT_EQ(MirroredBlanks("f(", ')', 'x'), 0u);
    EXPECT_EQ(MirroredBlanks("    ", ')', 'x'), 0u);
    EXPECT_EQ(MirroredBlanks("f(  ", 'x', 'x'), 0u);
}

TEST(AutoBrackets, PairsAndLiterals) {
    EXPECT_EQ(BracketPair('('), "()");
    EXPECT_EQ(BracketPair('{'), "{}");
    EXPECT_EQ(BracketPair('x'), "");
    EXPECT_TRUE(InsideStringLiteral("x := 'abc"));
    EXPECT_FALSE(InsideStringLiteral("x := "));
    EXPECT_FALSE(InsideStringLiteral("x := 'it''s' + "));
}

}  // namespace
}  // namespace skrivo::subst
