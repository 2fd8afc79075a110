// The dictionaries' lower-cased copies: the search gives the same words with them, and they follow every change.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "completion/CompletionTestSupport.h"
#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SuggestionRanking.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

Words Texts(const RankingResult& r) {
    Words out;
    for (const Candidate& c : r.candidates) out.push_back(c.text + "#" + std::to_string(c.dictIndex));
    return out;
}

RankingResult Rank(const std::string& request, const StringList& dict, const FoldedWordList* folded,
                   const RankingOptions& options = {}) {
    SuggestionSources sources;
    sources.selfTeaching = &dict;
    sources.selfTeachingFolded = folded;
    return RankSuggestions(request, sources, options);
}

// Entries of every shape the phases treat apart: remembered single words,
// contexts, separators, blanks, capitals of both code pages, and a prefix
// that reappears after a separator.
const Words kMixed = {" Caption",     "Self.Caption := CAPTION2", "x := Cardinal(Count)", "   ",
                      "Form.CAPtion", "\xC0\xE1\xE2\xE3.\xC0\xC1\xC2\xC3\xC4", " \xC0\xC1\xC2\xC3\xC4\xC5",
                      "a.b.Caption",  "Caption := Capacity", "\tCaptions", "caption", "", "Ca",
                      "x.ca.Cap.Cappuccino", "CAP CAPITAL"};
const char* const kRequests[] = {"Ca", "ca", "Cap", "Self.Ca", "x := Ca", "Form.cap", " Ca", "a.b.", ".",
                                 "\xE0\xE1", "\xC0\xC1\xC2", "x := \xC0\xC1", "zz", "", "CAP CA", "b.Capt"};

class FoldedSearch : public ::testing::TestWithParam<win::CodePage> {};

TEST_P(FoldedSearch, GivesExactlyTheCandidatesOfTheFoldingSearch) {
    win::SetACP(GetParam());
    InvalidateLetterTable();
    StringList dict;
    dict.Lines() = kMixed;
    FoldedWordList folded;
    folded.Build(dict, GetParam());
    for (bool separators : {true, false}) {
        for (int limit : {100, 3}) {
            RankingOptions options;
            options.rules.doNotSuggestSeparators = separators;
            options.rules.doNotSuggestShorter = limit == 3 ? 0 : 4;
            options.rules.onlyWordsMatching1st = limit == 3;
            options.rules.wordsMaxInList = limit;
            for (const char* request : kRequests) {
                SCOPED_TRACE(std::string("request <") + request + ">");
                EXPECT_EQ(Texts(Rank(request, dict, &folded, options)), Texts(Rank(request, dict, nullptr, options)));
            }
        }
    }
    win::SetACP(win::CodePage::Cp1252);
    InvalidateLetterTable();
}

INSTANTIATE_TEST_SUITE_P(CodePages, FoldedSearch, ::testing::Values(win::CodePage::Cp1252, win::CodePage::Cp1251));

// The folded search visits only the entries that can match a prefix; where
// the limit is reached (and whether the single-word phase then still runs)
// must not change. Random lists over a tiny alphabet make prefixes collide
// often, and small limits stop the search at every possible place.
TEST(FoldedSearchRandom, StopsAtTheLimitExactlyWhereTheFullWalkStops) {
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    const std::string alphabet = "aAbB .:=\t";
    auto word = [&](std::size_t maxLen) {
        std::string w;
        const std::size_t len = 1 + next(static_cast<std::uint32_t>(maxLen));
        for (std::size_t i = 0; i < len; ++i) w += alphabet[next(static_cast<std::uint32_t>(alphabet.size()))];
        return w;
    };
    for (int round = 0; round < 300; ++round) {
        StringList dict;
        const std::size_t count = next(40);
        for (std::size_t i = 0; i < count; ++i) dict.Add(word(7));
        FoldedWordList folded;
        folded.Build(dict, win::GetACP());
        RankingOptions options;
        options.rules.wordsMaxInList = 1 + static_cast<int>(next(6));
        options.rules.onlyWordsMatching1st = next(2) == 0;
        options.rules.doNotListWordItself = next(2) == 0;
        options.rules.doNotSuggestShorter = 0;
        for (int r = 0; r < 8; ++r) {
            const std::string request = word(4);
            SCOPED_TRACE("round " + std::to_string(round) + " request <" + request + ">");
            EXPECT_EQ(Texts(Rank(request, dict, &folded, options)), Texts(Rank(request, dict, nullptr, options)));
        }
    }
}

class FoldedDictionary : public test::DictionaryFolderTest {
protected:
    Words Suggested(const std::string& request) {
        RankingOptions options;
        options.rules.doNotListWordItself = false;
        return Texts(Rank(request, std::as_const(dict).Entries(), &std::as_const(dict).FoldedEntries(), options));
    }
    SelfTeachingDictionary dict;
};

TEST_F(FoldedDictionary, LearntWordIsSuggestedRightAfterItIsLearnt) {
    ASSERT_TRUE(dict.Collect("Quantity", {}));
    EXPECT_EQ(Suggested("qua"), Words({"Quantity#0"}));
    ASSERT_TRUE(dict.Collect("Quarter", {}));
    EXPECT_EQ(Suggested("qua"), Words({"Quarter#0", "Quantity#1"}));
    // Learnt again in another spelling: the same count, the entries in a new
    // order, so a stale copy would match the wrong entries.
    ASSERT_TRUE(dict.Collect("QUANTITY", {}));
    EXPECT_EQ(Suggested("quan"), Words({"QUANTITY#0"}));
    EXPECT_EQ(Suggested("quar"), Words({"Quarter#1"}));
    EXPECT_EQ(std::as_const(dict).FoldedEntries()[0], "quantity");
}

TEST_F(FoldedDictionary, WritableAccessAndMergeAndLoadAreSeen) {
    ASSERT_TRUE(dict.Collect("Quantity", {}));
    EXPECT_EQ(Suggested("qua"), Words({"Quantity#0"}));
    dict.Entries()[0] = "Quadrant";
    EXPECT_EQ(Suggested("qua"), Words({"Quadrant#0"}));
    EXPECT_EQ(std::as_const(dict).FoldedEntries()[0], "quadrant");

    WriteFile("Skrivo.dic", "Quadrant\r\nQuasar\r\n");
    dict.MergeDictionary(folder, {});
    EXPECT_EQ(Suggested("quas"), Words({"Quasar#0"}));

    WriteFile("Skrivo.dic", "Quiver\r\n");
    dict.LoadAtStart(folder);
    EXPECT_EQ(Suggested("qu"), Words({"Quiver#0"}));
}

TEST_F(FoldedDictionary, CodePageChangeFoldsAgain) {
    ASSERT_TRUE(dict.Collect("\xC0\xC1\xC2\xC3\xC4", {}));  // capitals in 1251, accented letters in 1252
    const Words found = {"\xC0\xC1\xC2\xC3\xC4#0"};
    EXPECT_EQ(Suggested("\xE0\xE1"), found);
    win::SetACP(win::CodePage::Cp1251);
    InvalidateLetterTable();
    EXPECT_EQ(Suggested("\xE0\xE1"), found);
    win::SetACP(win::CodePage::Cp1252);
    InvalidateLetterTable();
}

TEST_F(FoldedDictionary, FixedDictionaryReloadIsSeen) {
    FixedDictionary fixed;
    WriteFile("fixed.dic", "Quantity\r\n");
    fixed.LoadfixedDic(folder);
    EXPECT_EQ(fixed.FoldedEntries()[0], "quantity");
    WriteFile("fixed.dic", "Quorum\r\n");
    fixed.LoadfixedDic(folder);
    EXPECT_EQ(fixed.FoldedEntries()[0], "quorum");
}

}  // namespace
}  // namespace skrivo
