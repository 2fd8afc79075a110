// Replacement marks: cursor, line breaks with the line's indentation, placeholders.
#include <gtest/gtest.h>

#include "subst/Replacement.h"

namespace skrivo::subst {
namespace {

TEST(Replacement, MarksExpand) {
    auto r = ExpandReplacement("while | do", "  ");
    EXPECT_EQ(r.text, "while  do");
    EXPECT_EQ(r.cursor, 6u);

    r = ExpandReplacement("end\\  else\\begin\\  |\\end", "\t ");
    EXPECT_EQ(r.text, "end\r\n\t   else\r\n\t begin\r\n\t   \r\n\t end");
    EXPECT_EQ(r.text.substr(0, r.cursor), "end\r\n\t   else\r\n\t begin\r\n\t   ");

    r = ExpandReplacement(".FieldByName( '|' ).As&", "");
    EXPECT_EQ(r.text, ".FieldByName( '' ).As\x01");
    EXPECT_EQ(r.cursor, 15u);

    r = ExpandReplacement("a|b|c", "", "\n");
    EXPECT_EQ(r.text, "ab|c");  // only the first mark is the cursor
    EXPECT_EQ(ExpandReplacement("TRUE", "").cursor, std::string::npos);
    EXPECT_EQ(ExpandReplacement("x\\y", "  ", "\n").text, "x\n  y");
}

TEST(Replacement, IndentIsLeadingBlanksAndTabs) {
    EXPECT_EQ(LeadingIndent(" \t x := 1"), " \t ");
    EXPECT_EQ(LeadingIndent("x"), "");
    EXPECT_EQ(LeadingIndent("   "), "   ");
}

}  // namespace
}  // namespace skrivo::subst
