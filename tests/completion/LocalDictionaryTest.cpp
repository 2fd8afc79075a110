// A unit's local dictionary: where words start and end, short words, duplicates, capacity.
#include <gtest/gtest.h>

#include <string>

#include "completion/LocalDictionary.h"
#include "platform/CodePage.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

class LocalDictionary : public ::testing::Test {
protected:
    void SetUp() override {
        win::SetACP(win::CodePage::Cp1252);
        InvalidateLetterTable();
    }
};

TEST_F(LocalDictionary, WordsStartAtLettersAndKeepFirstOccurrenceOrder) {
    EXPECT_EQ(BuildLocalDictionary("Ab1 x_yz Caption caption Caption 9lives").Lines(),
              (Words{"x_yz", "Caption", "caption", "lives"}));
}

TEST_F(LocalDictionary, WordsDifferingInTheLastCharacterAreBothKept) {
    EXPECT_EQ(BuildLocalDictionary("Item1 Item2 Item1").Lines(), (Words{"Item1", "Item2"}));
}

TEST_F(LocalDictionary, UnderscoreAtAndDollarStartWordsDigitsContinueThem) {
    EXPECT_EQ(BuildLocalDictionary("_abc @Self $R+ 1234 a1234;x9y8").Lines(), (Words{"_abc", "@Self", "a1234", "x9y8"}));
}

TEST_F(LocalDictionary, CodePageLettersBelongToWords) {
    EXPECT_EQ(BuildLocalDictionary("na\xEFve caf\xE9").Lines(), (Words{"na\xEFve", "caf\xE9"}));
    win::SetACP(win::CodePage::Cp1251);
    InvalidateLetterTable();
    // Cyrillic "privet" in 1251.
    EXPECT_EQ(BuildLocalDictionary("\xEF\xF0\xE8\xE2\xE5\xF2!").Lines(), (Words{"\xEF\xF0\xE8\xE2\xE5\xF2"}));
}

TEST_F(LocalDictionary, CommentsStringsAndLineBreaksSeparateLikeAnyCharacter) {
    EXPECT_EQ(BuildLocalDictionary("{Form}\r\n'Text'//Line\tTabs").Lines(), (Words{"Form", "Text", "Line", "Tabs"}));
}

TEST_F(LocalDictionary, EmptyAndWordlessSourcesGiveNothing) {
    EXPECT_TRUE(BuildLocalDictionary("").Empty());
    EXPECT_TRUE(BuildLocalDictionary("a b c := 1 + 22; {}").Empty());
    EXPECT_EQ(BuildLocalDictionary("Last").Lines(), (Words{"Last"}));
}

TEST_F(LocalDictionary, ScanEndsWhereTheCapacityWouldBeReached) {
    // Distinct 8-letter words of the form Waaaaaaa: each costs 10 bytes.
    std::string source;
    std::vector<std::string> all;
    for (int i = 0; i < 7000; ++i) {
        std::string w = "W";
        for (int k = 0, v = i; k < 7; ++k, v /= 26) w += static_cast<char>('a' + v % 26);
        all.push_back(w);
        source += w + ' ';
    }
    const StringList words = BuildLocalDictionary(source);
    // 6553 words use 65530 bytes; the next one would make 65538 >= 65535.
    ASSERT_EQ(words.Count(), 6553u);
    EXPECT_EQ(words[6552], all[6552]);
}

TEST_F(LocalDictionary, CapacityIsTestedBeforeTheDuplicateTest) {
    // 6553 distinct words fill 65530 bytes; a repeated word after them still
    // ends the scan, so a later new word is not kept.
    std::string source;
    for (int i = 0; i < 6553; ++i) {
        std::string w = "W";
        for (int k = 0, v = i; k < 7; ++k, v /= 26) w += static_cast<char>('a' + v % 26);
        source += w + ' ';
    }
    source += "Waaaaaaa Zzzz";
    const StringList words = BuildLocalDictionary(source);
    EXPECT_EQ(words.Count(), 6553u);
    EXPECT_EQ(words.IndexOf("Zzzz"), -1);
}

}  // namespace
}  // namespace skrivo
