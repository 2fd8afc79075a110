// Smart ranking: order by use and by the tokens before the word, whole words from the context search, case kept apart, the ranking file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompletionTestSupport.h"
#include "completion/PassedOverWords.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SmartRanking.h"
#include "completion/SuggestionRanking.h"
#include "completion/TokenContext.h"
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

const SmartRequest kNowhere;

// Learns a text as typed: every word after the tokens before it.
void Type(WordFrecency& f, std::string_view text) {
    for (std::size_t end = 1; end <= text.size(); ++end) {
        const bool wordEnds = IsAlphaDigit(text[end - 1]) && (end == text.size() || !IsAlphaDigit(text[end]));
        if (!wordEnds) continue;
        const std::string before = "\n" + std::string(text.substr(0, end));
        const std::string word(TrailingWordOf(before));
        f.Use(word);
        f.UseAfter(TokensBeforeWord(before), word);
    }
}

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
    frecency.Use(" Capacity");      // a remembered single word counts as the word
    frecency.Use("x := Cardinal");  // two words are left to the context counts
    const SuggestionListContent c = frecency.FillList(
        kNowhere, Candidates({"Cardinal", "Capacity", "Cause", "Caption", "Canvas"}), "Ca", true);
    EXPECT_EQ(Items(c), (Words{"Caption", "Capacity", "Cardinal", "Cause", "Canvas"}));
    EXPECT_EQ(Selected(c), "Caption");
    EXPECT_EQ(c.focused, c.selected);
}

TEST_F(SmartRanking, BestWordBeginsWithTheWordAsTyped) {
    for (int i = 0; i < 5; ++i) frecency.Use("integer");
    frecency.Use("Integer");
    const SuggestionListContent c = frecency.FillList(kNowhere, Candidates({"integer", "Integer"}), "Int", true);
    EXPECT_EQ(Items(c), (Words{"integer", "Integer"}));
    EXPECT_EQ(Selected(c), "Integer");
    // Without auto-selection the best word only gets the focus mark.
    const SuggestionListContent f = frecency.FillList(kNowhere, Candidates({"integer", "Integer"}), "Int", false);
    EXPECT_EQ(f.selected, -1);
    EXPECT_EQ(f.Text(f.focused), "Integer");
}

TEST_F(SmartRanking, TheWordThatFollowedTheSameTokensWins) {
    Type(frecency, "property Count: Integer read FCount;\nFDelimiter := FCount + FCount + FCount;\n"
                   "property Delimiter: Char read FDelimiter;\nprocedure Error(const Msg: string);\n"
                   "x := TObject(TObject(TObject(p)));");
    const auto best = [&](const Words& context) {
        return Selected(frecency.FillList({context, {}}, Candidates({"FCount", "FDelimiter"}), "F", true));
    };
    EXPECT_EQ(best({}), "FCount");  // used most
    EXPECT_EQ(best({"read", "Char", ":"}), "FDelimiter");
    EXPECT_EQ(best({"read", "Integer", ":"}), "FCount");
    // A context never seen whole still tells by its nearest tokens.
    EXPECT_EQ(best({"+", "Unseen"}), "FCount");
    const Words types{"TObject", "string"};
    EXPECT_EQ(Selected(frecency.FillList({{":", "Msg", "const"}, {}}, Candidates(types), "", true)), "string");
    EXPECT_EQ(Selected(frecency.FillList({{"=", ":", "x"}, {}}, Candidates(types), "", true)), "TObject");
    EXPECT_GT(frecency.Chance({":", "Msg"}, "string"), frecency.Chance({":", "Msg"}, "TObject"));
    EXPECT_EQ(frecency.Chance({":"}, "Unknown"), 0.0);
}

TEST_F(SmartRanking, AWordTypedPastGoesAfterTheOthers) {
    for (int i = 0; i < 5; ++i) frecency.Use("TObject");
    frecency.Use("TOwner");
    const auto list = [&](const Words& passed) {
        return frecency.FillList({{}, passed}, Candidates({"TOwner", "TNever", "TObject"}), "TO", true);
    };
    EXPECT_EQ(Items(list({})), (Words{"TObject", "TOwner", "TNever"}));
    const SuggestionListContent c = list({"TObject"});
    EXPECT_EQ(Items(c), (Words{"TOwner", "TNever", "TObject"}));
    EXPECT_EQ(Selected(c), "TOwner");
    // Passed over but the only one that begins as typed: still the best word.
    EXPECT_EQ(Selected(frecency.FillList({{}, {"TObject"}}, Candidates({"tobj", "TObject"}), "TO", true)), "TObject");

    // Which words count as passed over while a word is typed.
    PassedOverWords passed;
    int unit = 0, other = 0;
    EXPECT_EQ(passed.At(&unit, 10, "T"), Words{});
    passed.Offered("TObject");
    EXPECT_EQ(passed.At(&unit, 10, "T"), Words{});  // the same list again: not typed past yet
    passed.Offered("TObject");
    EXPECT_EQ(passed.At(&unit, 10, "TO"), Words{"TObject"});
    passed.Offered("TOwner");
    EXPECT_EQ(passed.At(&unit, 10, "TOw"), (Words{"TObject", "TOwner"}));
    EXPECT_EQ(passed.At(&unit, 10, "Tx"), (Words{"TObject"}));  // "TO" erased: its list is gone
    EXPECT_EQ(passed.At(&unit, 20, "Tx"), Words{});             // another word
    passed.Offered("Tx1");
    EXPECT_EQ(passed.At(&other, 20, "Tx2"), Words{});           // another unit
}

TEST_F(SmartRanking, TokensBeforeTheWordAtTheCursor) {
    const std::vector<std::pair<std::string, Words>> cases = {
        {"\nproperty Count: Integer read FCo", {"read", "Integer", ":"}},
        {"\nx := Self.Ca", {".", "Self", "="}},
        {"\nx := Self.", {".", "Self", "="}},
        {"Count;\n  end;\n  Res", {";", "end", ";"}},  // across lines
        {"\nWrite(", {"(", "Write"}},
        {"ingCut := F", {"=", ":"}},  // a word cut off where the text starts is not taken
        {"", {}},
    };
    for (const auto& [text, tokens] : cases) EXPECT_EQ(TokensBeforeWord(text), tokens) << text;
    EXPECT_EQ(TrailingWordOf("x := Cap"), "Cap");
    EXPECT_EQ(TrailingWordOf("x := "), "");
}

TEST_F(SmartRanking, UsesFadeWithLaterUses) {
    for (int i = 0; i < 2; ++i) frecency.Use("Alpha");
    const double before = frecency.Score("Alpha");
    for (int i = 0; i < static_cast<int>(WordFrecency::kHalfLifeUses); ++i) frecency.Use("Beta");
    EXPECT_NEAR(frecency.Score("Alpha"), before / 2, 1e-9);
}

TEST_F(SmartRanking, TheFileRoundTripsAndSkipsWhatItCannotRead) {
    Type(frecency, "procedure Error(const Msg: string); x := Self.Caption; y := Self.Caption;");
    frecency.Save(folder);
    WordFrecency loaded;
    loaded.Load(folder);
    EXPECT_NEAR(loaded.Score("Caption"), frecency.Score("Caption"), 1e-3);
    EXPECT_FALSE(loaded.Modified());
    // The last words are the session's own, not kept in the file.
    for (std::size_t i = 0; i < WordFrecency::kRecentWords; ++i)
        for (WordFrecency* f : {&frecency, &loaded}) f->Use("Filler");
    EXPECT_EQ(loaded.ContextCount(), frecency.ContextCount());
    for (const Words& context : {Words{".", "Self"}, Words{":", "Msg", "const"}, Words{"="}})
        for (const char* word : {"Caption", "string", "Self"})
            EXPECT_NEAR(loaded.Chance(context, word), frecency.Chance(context, word), 1e-3) << word;
    // A version that reads only "score<TAB>word" lines finds no word in a
    // context line: each of them has a second field that begins with \x03.
    const std::string text = ReadFile(std::string(WordFrecency::kFileName));
    EXPECT_NE(text.find("\t\x03" ":\x1f" "Msg\x1f" "const\x1f\tstring\r\n"), std::string::npos);

    WriteFile(std::string(WordFrecency::kFileName),
              "Skrivo word ranking 1\r\n2.5\tGood\r\nnan\tBad\r\n-1\tNegative\r\n3\ttwo words\r\nnonsense\r\n"
              "1x\tTrailing\r\n1e300\tHuge\r\n1\tx\tCaption\r\n1\t\x02:\tCaption\r\n"  // pairs of the earlier format
              "1\t\x03.\x1f\tCaption\r\n1\t\x03.\x1f\tbad word\r\n1\t\x03no end\tWord\r\n1\t\x03\tWord\r\n"
              "1\t\x03" "a\x1f" "b\x1f" "c\x1f" "d\x1f\tFour\r\n1\t\x03" "ab\x1f\t\r\n");
    loaded.Load(folder);
    EXPECT_EQ(loaded.Count(), 1u);
    EXPECT_DOUBLE_EQ(loaded.Score("Good"), 2.5);
    EXPECT_EQ(loaded.ContextCount(), 1u);
    EXPECT_NEAR(loaded.Chance({"."}, "Caption"), 0.5, 1e-9);  // trusted by half after one use
    // Another program's file of that name, or none at all: an empty table.
    WriteFile(std::string(WordFrecency::kFileName), "something else\r\n1\tWord\r\n");
    loaded.Load(folder);
    EXPECT_EQ(loaded.Count(), 0u);
    EXPECT_EQ(loaded.ContextCount(), 0u);
}

TEST_F(SmartRanking, ContextCountsStayBounded) {
    // Ever new words after ever new tokens: faded counts go, then the weaker half.
    for (std::size_t i = 0; i < WordFrecency::kMaxContexts / 3 + 10; ++i) {
        const std::string a = "a" + std::to_string(i), b = "b" + std::to_string(i);
        frecency.Use(b);
        frecency.UseAfter({a, "x", "y"}, b);
    }
    EXPECT_LE(frecency.ContextCount(), WordFrecency::kMaxContexts);
    EXPECT_GT(frecency.ContextCount(), 0u);
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
