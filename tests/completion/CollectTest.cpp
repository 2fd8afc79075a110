// The learning rule: move to top, add to top, trimming to the limit, and the forms fed by the trigger.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "completion/CompletionTestSupport.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SuggestionRanking.h"
#include "platform/CodePage.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

class Collect : public ::testing::Test {
protected:
    void SetUp() override { win::SetACP(win::CodePage::Cp1252); }
    void Fill(const Words& words) { dict.Entries().Lines() = words; }
    const Words& Entries() { return dict.Entries().Lines(); }

    SelfTeachingDictionary dict;
    LearningOptions options;
};

TEST_F(Collect, EqualEntryButForCaseMovesToTopInTheNewSpelling) {
    Fill({"a0", "a1", "a2", "a3", "a4", "caption", "a6"});
    EXPECT_TRUE(dict.Collect("Caption", options));
    EXPECT_EQ(Entries(), (Words{"Caption", "a0", "a1", "a2", "a3", "a4", "a6"}));
    EXPECT_TRUE(dict.DictModified());
}

TEST_F(Collect, SameSpellingOnTopChangesNothing) {
    Fill({"Caption", "Color"});
    EXPECT_FALSE(dict.Collect("Caption", options));
    EXPECT_EQ(Entries(), (Words{"Caption", "Color"}));
    EXPECT_FALSE(dict.DictModified());
}

TEST_F(Collect, OtherCaseOnTopReplacesIt) {
    Fill({"Caption", "Color"});
    EXPECT_TRUE(dict.Collect("CAPTION", options));
    EXPECT_EQ(Entries(), (Words{"CAPTION", "Color"}));
    EXPECT_TRUE(dict.DictModified());
}

TEST_F(Collect, OnlyTheFirstEqualEntryMoves) {
    // A hand-edited file may hold the same word twice.
    Fill({"x", "Form", "y", "FORM"});
    dict.Collect("form", options);
    EXPECT_EQ(Entries(), (Words{"form", "x", "y", "FORM"}));
}

TEST_F(Collect, CaseFoldingFollowsTheCodePage) {
    Fill({"x", "caf\xE9"});  // e acute
    dict.Collect("CAF\xC9", options);
    EXPECT_EQ(Entries(), (Words{"CAF\xC9", "x"}));

    win::SetACP(win::CodePage::Cp1251);
    Fill({"x", "\xEC\xE8\xF0"});  // Cyrillic "mir"
    dict.Collect("\xCC\xC8\xD0", options);
    EXPECT_EQ(Entries(), (Words{"\xCC\xC8\xD0", "x"}));
}

TEST_F(Collect, TheThreeEntryFormsAreLearntAsGiven) {
    // A finished word after a previous one: the single word with its blank,
    // then the pair, which ends on top.
    dict.Collect(" Caption", options);
    dict.Collect("Self.Caption", options);
    dict.Collect("x := Value", options);
    dict.Collect("Value", options);
    EXPECT_EQ(Entries(), (Words{"Value", "x := Value", "Self.Caption", " Caption"}));
    // The blank-prefixed form and the bare word are different entries.
    dict.Collect(" Value", options);
    EXPECT_EQ(Entries()[0], " Value");
    EXPECT_EQ(Entries()[1], "Value");
}

TEST_F(Collect, NewEntryAtTheLimitDropsTheOldest) {
    options.dictionaryLimit = 100;
    Words words;
    for (int i = 0; i < 100; ++i) words.push_back("w" + std::to_string(i));
    Fill(words);
    dict.Collect("fresh", options);
    ASSERT_EQ(Entries().size(), 100u);
    EXPECT_EQ(Entries().front(), "fresh");
    EXPECT_EQ(Entries().back(), "w98");
}

TEST_F(Collect, MovingAnEntryDropsNothingEvenAboveTheLimit) {
    options.dictionaryLimit = 3;
    Fill({"a", "b", "c", "d", "e"});
    dict.Collect("E", options);
    EXPECT_EQ(Entries(), (Words{"E", "a", "b", "c", "d"}));
    // The first new word cuts the list down.
    dict.Collect("new", options);
    EXPECT_EQ(Entries(), (Words{"new", "E", "a"}));
}

TEST_F(Collect, LimitBelowOneFallsBackToTheDefault) {
    Fill({"a", "b", "c"});
    for (int bad : {0, -5}) {
        options.dictionaryLimit = bad;
        dict.Collect("word" + std::to_string(-bad), options);
    }
    EXPECT_EQ(Entries(), (Words{"word5", "word0", "a", "b", "c"}));
    EXPECT_EQ(EffectiveDictionaryLimit(0), kDefaultDictionaryLimit);
    EXPECT_EQ(EffectiveDictionaryLimit(1), 1);

    // The fallback is the default limit, not "no limit".
    Words many(kDefaultDictionaryLimit, "old");
    Fill(many);
    options.dictionaryLimit = 0;
    dict.Collect("new", options);
    EXPECT_EQ(Entries().size(), static_cast<std::size_t>(kDefaultDictionaryLimit));
}

TEST_F(Collect, NothingIsLearntWhenOffEmptyOrNotOneLine) {
    Fill({"a"});
    options.selfTeaching = false;
    EXPECT_FALSE(dict.Collect("word", options));
    options.selfTeaching = true;
    EXPECT_FALSE(dict.Collect("", options));
    // Such an entry would come back as two lines, or cut the file at the NUL.
    EXPECT_FALSE(dict.Collect("two\r\nlines", options));
    EXPECT_FALSE(dict.Collect("li\nne", options));
    EXPECT_FALSE(dict.Collect(std::string("nu\0l", 4), options));
    EXPECT_EQ(Entries(), (Words{"a"}));
    EXPECT_FALSE(dict.DictModified());
}

TEST_F(Collect, AnEntryOfTheDictionaryItselfCanBeLearntAgain) {
    // Accepting a listed word passes the entry's own text.
    Fill({"a", "b", "c", "Caption", "d"});
    dict.Collect(dict.Entries()[3], options);
    EXPECT_EQ(Entries(), (Words{"Caption", "a", "b", "c", "d"}));
}

TEST_F(Collect, BlanksAreKeptAndCompared) {
    Fill({"Caption", " Caption"});
    dict.Collect(" caption", options);
    EXPECT_EQ(Entries(), (Words{" caption", "Caption"}));
}

}  // namespace
}  // namespace skrivo

namespace skrivo {
namespace {

// Learning looks the word up in the folded copy when one is in use: the
// entries must come out as the plain scan leaves them, duplicates in the
// file (the top one moves), both case rules, words of every length.
TEST(CollectWithFoldedCopy, LeavesTheEntriesAsThePlainScanDoes) {
    win::SetACP(win::CodePage::Cp1252);
    std::mt19937 rng(99);
    auto word = [&] {
        std::string w;
        for (std::size_t i = 0, n = 1 + rng() % 4; i < n; ++i) w += "aAbB. "[rng() % 6];
        return w;
    };
    for (const bool keepCaseApart : {false, true}) {
        SelfTeachingDictionary indexed, plain;
        const Words start = {"ab", "AB", "a", "ab", " b", "B.a"};
        indexed.Entries().Lines() = start;
        plain.Entries().Lines() = start;
        const LearningOptions options{true, 40, keepCaseApart};
        for (int i = 0; i < 2000; ++i) {
            (void)std::as_const(indexed).FoldedEntries();
            const std::string w = word();
            EXPECT_EQ(indexed.Collect(w, options), plain.Collect(w, options)) << w;
            ASSERT_EQ(std::as_const(indexed).Entries().Lines(), std::as_const(plain).Entries().Lines()) << "after " << w;
        }
    }
}

}  // namespace
}  // namespace skrivo

namespace skrivo {
namespace {

class LearntEntries : public test::DictionaryFolderTest {};

// Learning, accepting, moving to the top, drops at the limit, spellings in
// other cases, writable access and saves in any order: the entries, the
// saved file, the accepted word's index and every offered list stay what
// the plain list gives, whether or not the folded copy is up to date.
TEST_F(LearntEntries, StayThoseOfThePlainListWhateverHappensBetweenRequests) {
    test::RandomWords random(2024, "abAB. :=");
    auto next = [&random](std::uint32_t n) { return random.Next(n); };
    auto word = [&random](std::uint32_t maxLen) { return random.Word(maxLen); };
    for (const bool keepCaseApart : {false, true}) {
        SelfTeachingDictionary dict;
        StringList plain;
        const LearningOptions options{true, 60, keepCaseApart};
        const CaseFold& fold = CaseFold::ForActiveCodePage();
        auto plainCollect = [&](const std::string& w) {
            auto& e = plain.Lines();
            const auto found = std::find_if(e.begin(), e.end(), [&](const std::string& x) {
                return keepCaseApart ? x == w : fold.Equal(x, w);
            });
            if (found != e.end()) {
                std::rotate(e.begin(), found, found + 1);
                e.front() = w;
                return;
            }
            e.insert(e.begin(), w);
            if (e.size() > 60) e.resize(60);
        };
        for (int round = 0; round < 400; ++round) {
            SCOPED_TRACE("round " + std::to_string(round) + (keepCaseApart ? " cases apart" : ""));
            for (std::uint32_t k = next(12); k-- > 0;) {
                const auto count = static_cast<std::uint32_t>(plain.Count());
                const std::uint32_t any = count > 0 ? next(count) : 0;
                switch (count > 0 ? next(6) : 0) {
                    case 0:
                    case 1: {
                        const std::string w = word(6);
                        dict.Collect(w, options);
                        plainCollect(w);
                        break;
                    }
                    case 2: {  // a known word in another spelling
                        const std::string w = win::AnsiUpperCase(plain[any]);
                        dict.Collect(w, options);
                        plainCollect(w);
                        break;
                    }
                    case 3: {  // an accepted word: learnt, then found again by its text and moved up
                        const std::string w = plain[any];
                        dict.Collect(w, options);
                        plainCollect(w);
                        const int at = std::as_const(dict).IndexOf(w);
                        ASSERT_EQ(at, plain.IndexOf(w)) << w;
                        dict.MoveToTop(static_cast<std::size_t>(at));
                        if (at > 0) plain.Move(static_cast<std::size_t>(at), 0);
                        break;
                    }
                    case 4:  // the list edited as a list
                        dict.Entries()[any] = plain[any] = word(6);
                        break;
                    default:
                        dict.MoveToTop(any);
                        if (any > 0) plain.Move(any, 0);
                }
            }
            ASSERT_EQ(dict.Count(), plain.Count());
            if (next(3) == 0) {
                ASSERT_EQ(std::as_const(dict).Entries().Lines(), plain.Lines());
            }
            if (next(8) == 0) {
                dict.SaveDictionary(folder, next(2) == 0);
                ASSERT_EQ(ReadFile("Skrivo.dic"), plain.Text());
            }
            // Requests now and then, so that learning finds the folded copy
            // sometimes up to date and sometimes not.
            if (next(2) == 0) continue;
            RankingOptions ranking;
            ranking.fixedDictionary = false;
            ranking.rules.wordsMaxInList = 1 + static_cast<int>(next(8));
            ranking.rules.onlyWordsMatching1st = next(2) == 0;
            ranking.rules.doNotListWordItself = next(2) == 0;
            SuggestionSources learnt, asList;
            learnt.selfTeachingFolded = &std::as_const(dict).FoldedEntries();
            asList.selfTeaching = &plain;
            for (int r = 0; r < 4; ++r) {
                const std::string request = word(3);
                const RankingResult a = RankSuggestions(request, learnt, ranking);
                const RankingResult b = RankSuggestions(request, asList, ranking);
                ASSERT_EQ(a.decision, b.decision) << request;
                ASSERT_TRUE(a.list == b.list) << request;
            }
        }
    }
}

}  // namespace
}  // namespace skrivo
