// The learning rule: move to top, add to top, trimming to the limit, and the forms fed by the trigger.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "completion/SelfTeachingDictionary.h"
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
