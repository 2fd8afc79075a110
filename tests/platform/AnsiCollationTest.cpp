// The sort order of the suggestion list: letters regardless of case, then lower case first.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/CodePage.h"

namespace skrivo::win {
namespace {

class Collation : public ::testing::Test {
protected:
    ~Collation() override { SetACP(CodePage::Cp1252); }
    static std::vector<std::string> Sorted(std::vector<std::string> words) {
        std::sort(words.begin(), words.end(),
                  [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
        return words;
    }
};

TEST_F(Collation, LettersDecideBeforeCase) {
    EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
    EXPECT_GT(AnsiCompareText("Abd", "abc"), 0);
    EXPECT_LT(AnsiCompareText("begin", "BeginUpdate"), 0);  // a prefix comes first
}

TEST_F(Collation, LowerCaseAtTheFirstCaseDifferenceComesFirst) {
    EXPECT_LT(AnsiCompareText("abc", "Abc"), 0);
    EXPECT_LT(AnsiCompareText("abC", "aBc"), 0);
    EXPECT_GT(AnsiCompareText("Caption", "caption"), 0);
    EXPECT_EQ(AnsiCompareText("Caption", "Caption"), 0);
    EXPECT_EQ(AnsiCompareText("", ""), 0);
}

TEST_F(Collation, PunctuationBeforeDigitsBeforeLetters) {
    EXPECT_EQ(Sorted({"b", "1", "_", "A", " ", "9x", "z"}),
              (std::vector<std::string>{" ", "_", "1", "9x", "A", "b", "z"}));
    EXPECT_LT(AnsiCompareText("\x01", " "), 0);  // control characters first of all
}

TEST_F(Collation, AccentedLettersSortBesideTheirBase) {
    SetACP(CodePage::Cp1252);
    EXPECT_EQ(Sorted({"ed", "\xE9" "c", "eb", "f", "\xC9" "c"}),  // éc Éc
              (std::vector<std::string>{"eb", "\xE9" "c", "\xC9" "c", "ed", "f"}));
    EXPECT_LT(AnsiCompareText("e", "\xE9"), 0);
    EXPECT_LT(AnsiCompareText("\xE9", "f"), 0);
    EXPECT_LT(AnsiCompareText("\xFD", "z"), 0);  // ý
}

TEST_F(Collation, CyrillicAfterLatinInAlphabeticalOrder) {
    SetACP(CodePage::Cp1251);
    // я, Ж, ё, е, а, z
    EXPECT_EQ(Sorted({"\xFF", "\xC6", "\xB8", "\xE5", "\xE0", "z"}),
              (std::vector<std::string>{"z", "\xE0", "\xE5", "\xB8", "\xC6", "\xFF"}));
    EXPECT_LT(AnsiCompareText("\xEF\xF0\xE8", "\xCF\xD0\xC8"), 0);  // при < ПРИ
    EXPECT_LT(AnsiCompareText("\xCF\xD0\xC0", "\xEF\xF0\xE8"), 0);  // ПРА < при
}

TEST_F(Collation, OrderIsTotalAndAntisymmetric) {
    SetACP(CodePage::Cp1252);
    std::vector<std::string> words;
    for (int b = 1; b < 256; ++b) words.push_back(std::string(1, static_cast<char>(b)));
    words.insert(words.end(), {"ab", "aB", "Ab", "AB", "a", "abc"});
    for (const auto& a : words) {
        for (const auto& b : words) {
            int ab = AnsiCompareText(a, b);
            int ba = AnsiCompareText(b, a);
            ASSERT_EQ(ab, -ba) << a << " / " << b;
            ASSERT_EQ(ab == 0, a == b) << a << " / " << b;
        }
    }
}

}  // namespace
}  // namespace skrivo::win
