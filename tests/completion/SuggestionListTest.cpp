// The list's content: the best word chosen before sorting, the display order, selection and focus.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "completion/SuggestionRanking.h"
#include "platform/AnsiSortKey.h"
#include "platform/CodePage.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

std::vector<Candidate> CandidatesOf(const Words& words) {
    std::vector<Candidate> out;
    int index = 10;
    for (const std::string& w : words) out.push_back({w, index++});
    return out;
}

Words Texts(const SuggestionListContent& c) {
    Words out;
    for (std::size_t i = 0; i < c.Count(); ++i) out.emplace_back(c.Text(i));
    return out;
}

class SuggestionList : public ::testing::Test {
protected:
    void SetUp() override { win::SetACP(win::CodePage::Cp1252); }
};

TEST_F(SuggestionList, BestWordIsTheEarliestCandidateStartingWithTheLastWordExactly) {
    const auto content = FillSuggestionList(CandidatesOf({"capture", "Caption"}), "Cap", true);
    EXPECT_EQ(content.bestWord, "Caption");
    EXPECT_EQ(Texts(content), (Words{"Caption", "capture"}));
    EXPECT_EQ(content.selected, 0);
}

TEST_F(SuggestionList, BestWordIsChosenBeforeSorting) {
    // Found first, sorted second: the order of use wins over the alphabet.
    const auto content = FillSuggestionList(CandidatesOf({"Capture", "Caption"}), "Cap", true);
    EXPECT_EQ(content.bestWord, "Capture");
    EXPECT_EQ(Texts(content), (Words{"Caption", "Capture"}));
    EXPECT_EQ(content.selected, 1);
    EXPECT_EQ(content.focused, 1);
}

TEST_F(SuggestionList, EmptyLastWordMakesTheFirstCandidateBest) {
    const auto content = FillSuggestionList(CandidatesOf({"Width", "Height"}), "", true);
    EXPECT_EQ(content.bestWord, "Width");
    EXPECT_EQ(content.selected, 1);
}

TEST_F(SuggestionList, WithoutABestWordTheFirstItemIsSelected) {
    const auto content = FillSuggestionList(CandidatesOf({"caption", "capital"}), "Cap", true);
    EXPECT_EQ(content.bestWord, std::nullopt);
    EXPECT_EQ(Texts(content), (Words{"capital", "caption"}));
    EXPECT_EQ(content.selected, 0);
    EXPECT_EQ(content.focused, 0);
}

TEST_F(SuggestionList, WithoutAutoSelectNothingIsSelectedAndTheFirstItemHasTheFocus) {
    const auto content = FillSuggestionList(CandidatesOf({"Capture", "Caption"}), "Cap", false);
    EXPECT_EQ(content.bestWord, "Capture");
    EXPECT_EQ(content.selected, -1);
    EXPECT_EQ(content.focused, 0);
}

TEST_F(SuggestionList, TextsDifferingOnlyInCaseSortLowerCaseFirst) {
    const auto content = FillSuggestionList(CandidatesOf({"CAPTION", "Caption", "caption", "cAption"}), "", true);
    EXPECT_EQ(Texts(content), (Words{"caption", "cAption", "Caption", "CAPTION"}));
}

TEST_F(SuggestionList, LettersCompareWithoutCaseBeforeAnything) {
    const auto content = FillSuggestionList(CandidatesOf({"beta", "Alpha", "BETA2", "alpha1", "Gamma"}), "", true);
    EXPECT_EQ(Texts(content), (Words{"Alpha", "alpha1", "beta", "BETA2", "Gamma"}));
}

TEST_F(SuggestionList, ItemsKeepTheirDictionaryIndexThroughTheSort) {
    const auto content = FillSuggestionList({{"Width", 7}, {"Height", 0}, {"Align", 3}}, "", true);
    std::vector<SuggestionItem> items;
    for (std::size_t i = 0; i < content.Count(); ++i) items.push_back(content.Item(i));
    EXPECT_EQ(items, (std::vector<SuggestionItem>{{"Align", 3}, {"Height", 0}, {"Width", 7}}));
    EXPECT_EQ(content.selected, 2);
}

// Long words sharing their first letters, differing further on in letters,
// accents, case or length: the display order is the full comparison's, in
// both code pages.
TEST_F(SuggestionList, LongWordsSortAsTheFullComparisonOrdersThem) {
    std::mt19937 rng(99);
    const std::string letters = "aAbB\xE0\xC0\xE9_1";
    for (const win::CodePage cp : {win::CodePage::Cp1252, win::CodePage::Cp1251}) {
        win::SetACP(cp);
        Words words;
        while (words.size() < 300) {
            std::string w = "ButtonHe";
            for (std::size_t i = 0, n = rng() % 12; i < n; ++i) w += letters[rng() % letters.size()];
            if (std::find(words.begin(), words.end(), w) == words.end()) words.push_back(w);
        }
        Words expected = words;
        std::sort(expected.begin(), expected.end(),
                  [&](const std::string& a, const std::string& b) { return win::AnsiCompareText(a, b, cp) < 0; });
        EXPECT_EQ(Texts(FillSuggestionList(CandidatesOf(words), "", true)), expected);
    }
    win::SetACP(win::CodePage::Cp1252);
}

}  // namespace
}  // namespace skrivo
