// The hint format: which part of a hint is help, which is caption, in each language.
#include <gtest/gtest.h>

#include "options/dialog/HintText.h"

namespace skrivo {
namespace {

struct HintCase {
    const char* hint;
    const char* enHelp;
    const char* ruHelp;
    const char* enCaption;  // nullptr: the hint gives none
    const char* ruCaption;
};

class HintParts : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintParts, HelpAndCaptionOfEachLanguage) {
    const HintCase& c = GetParam();
    EXPECT_EQ(HintHelp(c.hint, kEnglish), c.enHelp);
    EXPECT_EQ(HintHelp(c.hint, kRussian), c.ruHelp);
    const auto en = HintCaption(c.hint, kEnglish);
    const auto ru = HintCaption(c.hint, kRussian);
    if (!c.enCaption) {
        EXPECT_FALSE(en.has_value());
        EXPECT_FALSE(ru.has_value());
        return;
    }
    ASSERT_TRUE(en && ru);
    EXPECT_EQ(*en, c.enCaption);
    EXPECT_EQ(*ru, c.ruCaption);
}

INSTANTIATE_TEST_SUITE_P(Hints, HintParts,
                         ::testing::Values(
                             // The full format: help lines, then the Russian caption before the English one.
                             HintCase{"Shows tips.\r\nSecond line.\r\n||\r\nПодсказки.\r\n||\r\nПоказывать\r\nShow tips", "Shows tips.\r\nSecond line.",
                                      "Подсказки.", "Show tips", "Показывать"},
                             // Help only: the control keeps its caption.
                             HintCase{"Help.\r\n||\r\nПомощь.", "Help.", "Помощь.", nullptr, nullptr},
                             // A second "||" without a caption line break gives no caption.
                             HintCase{"A\r\n||\r\nB\r\n||\r\nOnlyOne", "A", "B", nullptr, nullptr},
                             // Empty helps are allowed.
                             HintCase{"\r\n||\r\n\r\n||\r\nОК\r\nOK", "", "", "OK", "ОК"},
                             // No "||" at all: the whole text is the help in both languages.
                             HintCase{"  Search for an option.  ", "Search for an option.", "Search for an option.", nullptr, nullptr}));

TEST(HintText, MakeHintIsReadBackPartByPart) {
    const std::string hint = MakeHint("English help", "Русская помощь", "Кнопка", "Button");
    EXPECT_EQ(HintHelp(hint, kEnglish), "English help");
    EXPECT_EQ(HintHelp(hint, kRussian), "Русская помощь");
    EXPECT_EQ(HintCaption(hint, kEnglish).value_or("?"), "Button");
    EXPECT_EQ(HintCaption(hint, kRussian).value_or("?"), "Кнопка");
    EXPECT_FALSE(HintCaption(MakeHint("e", "r"), kEnglish).has_value());
}

TEST(HintText, BilingualTextsAndPageCaptionsSplitAtTheFirstBars) {
    EXPECT_EQ(BilingualPart("-Go back||-Назад", kEnglish), "-Go back");
    EXPECT_EQ(BilingualPart("-Go back||-Назад", kRussian), "-Назад");
    EXPECT_EQ(BilingualPart("plain", kRussian), "plain");
    EXPECT_EQ(PageHintCaption(" &Общие || &General ", kRussian), "&Общие");
    EXPECT_EQ(PageHintCaption(" &Общие || &General ", kEnglish), "&General");
    EXPECT_EQ(PageHintCaption("no bars", kEnglish), "");
}

TEST(HintText, TheAcceleratorIsTheLetterAfterTheFirstAmpersand) {
    EXPECT_EQ(SplitAccelerator("R&ules").text, "Rules");
    EXPECT_EQ(SplitAccelerator("R&ules").accelerator, 1);
    EXPECT_EQ(SplitAccelerator("Plain").accelerator, -1);
    // An "&" at the very end marks nothing.
    EXPECT_EQ(SplitAccelerator("End&").accelerator, -1);
    EXPECT_EQ(SplitAccelerator("End&").text, "End");
}

}  // namespace
}  // namespace skrivo
