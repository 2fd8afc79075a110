// The request texts: last two words, collapsed blanks, the text asked for after a separator, the last word.
#include <gtest/gtest.h>

#include "completion/RequestText.h"
#include "platform/CodePage.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

struct LineCase {
    const char* line;
    const char* lastTwoWords;   // S2 before collapsing
    const char* request;        // what suggestions are asked for
};

class RequestForLine : public ::testing::TestWithParam<LineCase> {
protected:
    void SetUp() override { win::SetACP(win::CodePage::Cp1252); }
};

TEST_P(RequestForLine, LastTwoWordsAndRequest) {
    const LineCase& c = GetParam();
    EXPECT_EQ(LastTwoWords(c.line), c.lastTwoWords);
    EXPECT_EQ(SuggestionRequest(c.line), c.request);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RequestForLine,
    ::testing::Values(
        LineCase{"  Result := Form", "Result := Form", "Result := Form"},
        LineCase{"x.Pro", "x.Pro", "x.Pro"},
        LineCase{"Caption", "Caption", "Caption"},
        LineCase{"x := Foo.", "x := Foo", "Foo."},
        // What lies before the previous word is dropped, trailing separators too.
        LineCase{"if a = Self.Capt", "Self.Capt", "Self.Capt"},
        LineCase{"a b.Caption;", "b.Caption", "Caption;"},
        // A run of blanks between the words collapses in the request only.
        LineCase{"x   :=  Val", "x   :=  Val", "x := Val"},
        // Nothing but separators before the last word: the trimmed text as it is.
        LineCase{"  .x", ".x", ".x"},
        LineCase{"(Cap", "(Cap", "(Cap"},
        // After a blank the last word and the blank.
        LineCase{"x := ", "x", "x := "},
        LineCase{"", "", ""},
        LineCase{" ;; ", "", ";; "},
        // Digits and the extra letters are word characters.
        LineCase{"Item1 := x_2", "Item1 := x_2", "Item1 := x_2"},
        LineCase{"caf\xE9.na\xEFve", "caf\xE9.na\xEFve", "caf\xE9.na\xEFve"}));

TEST(CollapseBlanks, RunsBecomeOneBlankLoneTabStays) {
    EXPECT_EQ(CollapseBlanks("a  b"), "a b");
    EXPECT_EQ(CollapseBlanks("a\t\t b"), "a b");
    EXPECT_EQ(CollapseBlanks("a\tb"), "a\tb");
    EXPECT_EQ(CollapseBlanks("a\r\nb"), "a b");
    EXPECT_EQ(CollapseBlanks("  lead and trail  "), " lead and trail ");
    EXPECT_EQ(CollapseBlanks(std::string("a\0\0b", 4)), "a b");
    EXPECT_EQ(CollapseBlanks(" "), " ");
    EXPECT_EQ(CollapseBlanks(""), "");
}

TEST(LastWordOf, DropsTrailingSeparatorsThenThePrevious) {
    win::SetACP(win::CodePage::Cp1252);
    EXPECT_EQ(LastWordOf("Self.Cap"), "Cap");
    EXPECT_EQ(LastWordOf("Self."), "Self");
    EXPECT_EQ(LastWordOf("x := Val"), "Val");
    EXPECT_EQ(LastWordOf("Caption"), "Caption");
    EXPECT_EQ(LastWordOf(";"), "");
    EXPECT_EQ(LastWordOf(""), "");
}

TEST(LastTwoWords, FollowsTheCodePagesLetters) {
    // 0xB8 is a letter (yo) in 1251 and a cedilla in 1252.
    win::SetACP(win::CodePage::Cp1251);
    InvalidateLetterTable();
    EXPECT_EQ(LastTwoWords("a \xB8x.y"), "\xB8x.y");
    win::SetACP(win::CodePage::Cp1252);
    InvalidateLetterTable();
    EXPECT_EQ(LastTwoWords("a \xB8x.y"), "x.y");
}

}  // namespace
}  // namespace skrivo
