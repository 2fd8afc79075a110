// The reading and writing rules of list files.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "PlatformTestSupport.h"
#include "platform/FileIO.h"
#include "platform/StringList.h"

namespace skrivo {
namespace {

struct ReadingCase {
    std::string name;
    std::string text;
    std::vector<std::string> lines;
};

class ReadingRules : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingRules, SplitsLikeTheListFiles) {
    StringList list;
    list.SetText(GetParam().text);
    EXPECT_EQ(list.Lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingRules,
    ::testing::Values(ReadingCase{"Empty", "", {}},
                      ReadingCase{"MixedEndings", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                      ReadingCase{"FinalBreakMakesNoEmptyLine", "a\r\nb\r\n", {"a", "b"}},
                      ReadingCase{"LoneCrAtTheEnd", "a\r", {"a"}},
                      ReadingCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                      ReadingCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
                      ReadingCase{"OnlyABreak", "\r\n", {""}},
                      ReadingCase{"BlankLinesKept", "\n\n", {"", ""}},
                      ReadingCase{"NulEndsTheText", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
                      ReadingCase{"NulFirst", std::string("\0abc", 4), {}},
                      ReadingCase{"BlanksArePartOfTheLine", " x \r\n\tS", {" x ", "\tS"}},
                      ReadingCase{"HighBytesUntouched", "\xEF\xF0\xE8\r\n\x01pattern", {"\xEF\xF0\xE8", "\x01pattern"}}),
    [](const auto& info) { return info.param.name; });

TEST(StringListFile, WritesCrLfAfterEveryLineAndReadsBack) {
    skrivo::testing::TempFolder dir;
    StringList list{"begin", " Caption", "", "x := Value"};
    EXPECT_EQ(list.Text(), "begin\r\n Caption\r\n\r\nx := Value\r\n");
    list.SaveToFile(dir.File("Skrivo.dic"));
    EXPECT_EQ(ReadFileBytes(dir.File("Skrivo.dic")), list.Text());
    StringList back;
    back.LoadFromFile(dir.File("Skrivo.dic"));
    EXPECT_EQ(back, list);
    EXPECT_EQ(StringList().Text(), "");
    EXPECT_THROW(back.LoadFromFile(dir.File("none.dic")), FileError);
    EXPECT_EQ(back, list);  // a failed load leaves the list as it was
}

TEST(StringListEditing, InsertDeleteMoveAndFind) {
    StringList list{"a", "b", "c"};
    list.Insert(0, "z");
    list.Insert(4, "end");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"z", "a", "b", "c", "end"}));
    list.Move(4, 0);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"end", "z", "a", "b", "c"}));
    list.Move(1, 3);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"end", "a", "b", "z", "c"}));
    list.Delete(0);
    EXPECT_EQ(list.IndexOf("z"), 2);
    EXPECT_EQ(list.IndexOf("Z"), -1);  // exact comparison
    EXPECT_THROW(list.Insert(9, "x"), std::out_of_range);
    EXPECT_THROW(list.Delete(4), std::out_of_range);
    EXPECT_THROW(list.Move(0, 4), std::out_of_range);
    EXPECT_EQ(list.Count(), 4u);
}

}  // namespace
}  // namespace skrivo
