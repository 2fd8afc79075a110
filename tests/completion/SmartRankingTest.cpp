// Smart ranking: order by use, pairs with the previous word, whole words from the context search, case kept apart, the ranking file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompletionTestSupport.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SmartRanking.h"
#include "completion/SuggestionRanking.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

std::vector<Candidate> Candidates(const Words& words) {
    std::vector<Candidate> out;
    for (const std::string& w : words) out.push_back({w, 0});
    return out;
}

Words Items(const SuggestionListContent& c) {
    Words out;
    for (std::size_t i = 0; i < c.Count(); ++i) out.emplace_back(c.Text(i));
    return out;
}

std::string Selected(const SuggestionListContent& c) { return c.selected < 0 ? "" : std::string(c.Text(c.selected)); }

class SmartRanking : public test::DictionaryFolderTest {
protected:
    void SetUp() override {
        DictionaryFolderTest::SetUp();
        InvalidateLetterTable();
    }
    WordFrecency frecency;
};

TEST_F(SmartRanking, OftenUsedBeatsOnceUsedAndUnusedKeepTheirOrder) {
    for (int i = 0; i < 3; ++i) frecency.Use("Caption");
    frecency.Use(" Capacity");  // a remembered single word counts as the word
    frecency.Use("x := Cardinal");  // context: counts as a pair, not as the word
    const SuggestionListContent c =
        frecency.FillList("Ca", Candidates({"Cardinal", "Capacity", "Cause", "Caption", "Canvas"}), "Ca", true);
    EXPECT_EQ(Items(c), (Words{"Caption", "Capacity", "Cardinal", "Cause", "Canvas"}));
    EXPECT_EQ(Selected(c), "Caption");
    EXPECT_EQ(c.focused, c.selected);
}

TEST_F(SmartRanking, BestWordBeginsWithTheWordAsTyped) {
    for (int i = 0; i < 5; ++i) frecency.Use("integer");
    frecency.Use("Integer");
    const SuggestionListContent c = frecency.FillList("x: Int", Candidates({"integer", "Integer"}), "Int", true);
    EXPECT_EQ(Items(c), (Words{"integer", "Integer"}));
    EXPECT_EQ(Selected(c), "Integer");
    // Without auto-selection the best word only gets the focus mark.
    const SuggestionListContent f = frecency.FillList("x: Int", Candidates({"integer", "Integer"}), "Int", false);
    EXPECT_EQ(f.selected, -1);
    EXPECT_EQ(f.Text(f.focused), "Integer");
}

TEST_F(SmartRanking, TheWordUsedAfterThePreviousOneWins) {
    for (int i = 0; i < 10; ++i) frecency.Use("FCount");
    frecency.Use("read FDelimiter");
    frecency.Use("FDelimiter");
    EXPECT_EQ(Selected(frecency.FillList("read F", Candidates({"FCount", "FDelimiter"}), "F", true)), "FDelimiter");
    EXPECT_EQ(Selected(frecency.FillList("x := F", Candidates({"FCount", "FDelimiter"}), "F", true)), "FCount");
    // Without that word, the separator before the word still tells types
    // after a colon from other words.
    frecency.Use("Name: TChar");
    frecency.Use("TChar");
    for (int i = 0; i < 3; ++i) frecency.Use("TObject");
    EXPECT_EQ(Selected(frecency.FillList("Other: T", Candidates({"TObject", "TChar"}), "T", true)), "TChar");
    EXPECT_EQ(Selected(frecency.FillList("Other T", Candidates({"TObject", "TChar"}), "T", true)), "TObject");
}

TEST_F(SmartRanking, UsesFadeWithLaterUses) {
    for (int i = 0; i < 2; ++i) frecency.Use("Alpha");
    const double before = frecency.Score("Alpha");
    for (int i = 0; i < static_cast<int>(WordFrecency::kHalfLifeUses); ++i) frecency.Use("Beta");
    EXPECT_NEAR(frecency.Score("Alpha"), before / 2, 1e-9);
}

TEST_F(SmartRanking, TheFileRoundTripsAndSkipsWhatItCannotRead) {
    frecency.Use("Caption");
    frecency.Use("Caption");
    frecency.Use("x := Caption");
    frecency.Save(folder);
    WordFrecency loaded;
    loaded.Load(folder);
    EXPECT_NEAR(loaded.Score("Caption"), frecency.Score("Caption"), 1e-3);
    EXPECT_NEAR(loaded.Score("x", "Caption"), 1.0, 1e-3);
    EXPECT_FALSE(loaded.Modified());

    WriteFile(std::string(WordFrecency::kFileName),
              "Skrivo word ranking 1\r\n2.5\tGood\r\nnan\tBad\r\n-1\tNegative\r\n3\ttwo words\r\nnonsense\r\n"
              "1x\tTrailing\r\n");
    loaded.Load(folder);
    EXPECT_EQ(loaded.Count(), 1u);
    EXPECT_DOUBLE_EQ(loaded.Score("Good"), 2.5);
    // Another program's file of that name, or none at all: an empty table.
    WriteFile(std::string(WordFrecency::kFileName), "something else\r\n1\tWord\r\n");
    loaded.Load(folder);
    EXPECT_EQ(loaded.Count(), 0u);
}

TEST_F(SmartRanking, RankingWithoutScoresIsTodaysList) {
    StringList dict = test::ListOf({"capture", "Caption", "Self.Cardinal"});
    SuggestionSources sources;
    sources.selfTeaching = &dict;
    RankingOptions plain;
    RankingOptions smart;
    smart.frecency = &frecency;
    const RankingResult a = RankSuggestions("Cap", sources, plain);
    const RankingResult b = RankSuggestions("Cap", sources, smart);
    EXPECT_EQ(b.list.bestWord, a.list.bestWord);
    EXPECT_EQ(FindCandidates("Cap", sources, smart), FindCandidates("Cap", sources, plain));
}

TEST_F(SmartRanking, ContextSearchOffersWholeWordsOnly) {
    StringList dict = test::ListOf({"after", "DoAfter", "x := fine", "Self.fter2"});
    SuggestionSources sources;
    sources.selfTeaching = &dict;
    RankingOptions options;
    options.rules.doNotSuggestShorter = 0;
    auto found = [&] {
        Words out;
        for (const Candidate& c : FindCandidates("if f", sources, options)) out.push_back(c.text);
        return out;
    };
    EXPECT_EQ(found(), (Words{"fter", "fine", "fter2"}));  // today: the tail of "after"
    options.rules.wholeWordsOnly = true;
    EXPECT_EQ(found(), (Words{"fine", "fter2"}));
    // The folded copy finds the same.
    FoldedWordList folded;
    folded.Build(dict, win::GetACP());
    sources.selfTeachingFolded = &folded;
    EXPECT_EQ(found(), (Words{"fine", "fter2"}));
}

TEST_F(SmartRanking, SpellingsThatDifferInCaseStayApart) {
    SelfTeachingDictionary dict;
    dict.Entries().Lines() = {"integer", "Caption"};
    LearningOptions apart;
    apart.keepCaseApart = true;
    EXPECT_TRUE(dict.Collect("Integer", apart));
    EXPECT_EQ(dict.Entries().Lines(), (Words{"Integer", "integer", "Caption"}));
    EXPECT_TRUE(dict.Collect("integer", apart));
    EXPECT_EQ(dict.Entries().Lines(), (Words{"integer", "Integer", "Caption"}));
}

}  // namespace
}  // namespace skrivo
