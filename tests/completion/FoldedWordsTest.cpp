// The dictionaries' lower-cased copies: the search gives the same words with them, and they follow every change.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "completion/CompletionTestSupport.h"
#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/PlainSearch.h"
#include "completion/SuggestionRanking.h"
#include "completion/UnitWordIndex.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

Words Texts(const std::vector<Candidate>& candidates) {
    Words out;
    for (const Candidate& c : candidates) out.push_back(c.text + "#" + std::to_string(c.dictIndex));
    return out;
}

std::string Texts(const SuggestionListContent& list) {
    std::string out = "best <" + list.bestWord.value_or("-") + "> selected " + std::to_string(list.selected) +
                      " focused " + std::to_string(list.focused) + ":";
    for (std::size_t i = 0; i < list.Count(); ++i)
        out += " " + std::string(list.Text(i)) + "#" + std::to_string(list.DictIndex(i));
    return out;
}

std::vector<Candidate> Rank(const std::string& request, const StringList& dict, const FoldedWordList* folded,
                   const RankingOptions& options = {}) {
    SuggestionSources sources;
    sources.selfTeaching = &dict;
    sources.selfTeachingFolded = folded;
    return FindCandidates(request, sources, options);
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


// The indexed search over the lists as the expert gives them, against the
// plain walk over every entry.
void ExpectSameAsPlainWalk(const std::string& request, const StringList& dict, const FoldedWordList& dictFolded,
                           const StringList& fixed, const std::vector<StringList>& units, const RankingOptions& options) {
    SCOPED_TRACE("request <" + request + ">");
    SuggestionSources sources;
    sources.selfTeaching = &dict;
    sources.selfTeachingFolded = &dictFolded;
    sources.fixed = &fixed;
    sources.allUnits = [&] {
        std::vector<const StringList*> all;
        for (const StringList& u : units) all.push_back(&u);
        return all;
    };
    RankingOptions ranking = options;
    ranking.wordsFromAllUnits = true;
    std::vector<test::PlainList> lists = {{&dict, true}, {&fixed, false}};
    for (const StringList& u : units) lists.push_back({&u, false, true});
    const test::PlainResult plain = test::PlainSearch(request, lists, options.rules);
    EXPECT_EQ(Texts(FindCandidates(request, sources, ranking)), Texts(plain.candidates));
    // What the window shows, down to each row's index and the selection.
    const RankingResult ranked = RankSuggestions(request, sources, ranking);
    const test::PlainShown shown = test::PlainShow(request, plain, options);
    EXPECT_EQ(ranked.decision, shown.decision);
    EXPECT_TRUE(ranked.list == shown.list) << Texts(ranked.list) << "\n" << Texts(shown.list);

    // Again with the units' folded copies kept and indexed together, as the
    // expert keeps them.
    std::vector<FoldedWordList> unitsFolded(units.size());
    for (std::size_t u = 0; u < units.size(); ++u) unitsFolded[u].Build(units[u], win::GetACP());
    UnitWordIndexCache index;
    sources.unitFolded = [&](const StringList& unit) { return &unitsFolded[static_cast<std::size_t>(&unit - units.data())]; };
    sources.unitsIndex = &index;
    SCOPED_TRACE("with the units' index");
    EXPECT_EQ(Texts(FindCandidates(request, sources, ranking)), Texts(plain.candidates));
    const RankingResult indexed = RankSuggestions(request, sources, ranking);
    EXPECT_EQ(indexed.decision, shown.decision);
    EXPECT_TRUE(indexed.list == shown.list) << Texts(indexed.list) << "\n" << Texts(shown.list);
}

class FoldedSearch : public ::testing::TestWithParam<win::CodePage> {};

// Every option that changes the search, over entries of every shape.
TEST_P(FoldedSearch, GivesExactlyTheCandidatesOfThePlainWalk) {
    win::SetACP(GetParam());
    InvalidateLetterTable();
    StringList dict;
    dict.Lines() = kMixed;
    FoldedWordList folded;
    folded.Build(dict, GetParam());
    const StringList fixed = test::ListOf({"Caption", "Capital", "x.Cap", " Capacity"});
    const std::vector<StringList> units = {test::ListOf({"Cardinal", "caption", "Capture"}), test::ListOf({})};
    for (int shape = 0; shape < 128; ++shape) {
        RankingOptions options;
        options.rules.doNotSuggestSeparators = shape & 1;
        options.rules.onlyWordsMatching1st = shape & 2;
        options.rules.doNotListWordItself = shape & 4;
        options.rules.doNotSuggestShorter = shape & 8 ? 4 : 0;
        options.rules.wordsMaxInList = shape & 16 ? 3 : (shape & 32 ? 1 : 100);
        options.rules.wholeWordsOnly = shape & 64;
        for (const char* request : kRequests) ExpectSameAsPlainWalk(request, dict, folded, fixed, units, options);
    }
    win::SetACP(win::CodePage::Cp1252);
    InvalidateLetterTable();
}

INSTANTIATE_TEST_SUITE_P(CodePages, FoldedSearch, ::testing::Values(win::CodePage::Cp1252, win::CodePage::Cp1251));

// The indexes visit only the entries that can match; where the limit is
// reached (and whether the single-word phase then still runs) must not
// change, nor may learning or accepting, which update the folded copy in place, leave it
// different from the entries. Random lists over a tiny alphabet make
// prefixes collide often, small limits stop the search at every possible
// place, and a small dictionary limit drops entries at every new word; the
// rounds learn enough words for the copy to be packed several times.
TEST(FoldedSearchRandom, EqualsThePlainWalkInEveryPhaseWhileWordsAreLearnt) {
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
    auto randomList = [&](std::size_t maxCount) {
        StringList l;
        const std::size_t count = next(static_cast<std::uint32_t>(maxCount));
        for (std::size_t i = 0; i < count; ++i) l.Add(word(7));
        return l;
    };
    SelfTeachingDictionary dict;
    const LearningOptions learning{true, 30};
    for (int round = 0; round < 300; ++round) {
        const StringList fixed = randomList(12);
        const std::vector<StringList> units = {randomList(12), randomList(12)};
        // A few words learnt (some known already, in another case) between requests.
        for (std::uint32_t k = next(20); k-- > 0;) {
            const std::size_t count = std::as_const(dict).Entries().Count();
            const auto any = [&] { return next(static_cast<std::uint32_t>(count)); };
            if (count > 0 && next(3) == 0)
                dict.Collect(win::AnsiUpperCase(std::as_const(dict).Entries()[any()]), learning);
            else if (count > 0 && next(4) == 0)
                dict.MoveToTop(any());  // an accepted word
            else
                dict.Collect(word(7), learning);
        }
        RankingOptions options;
        options.rules.wordsMaxInList = 1 + static_cast<int>(next(6));
        options.rules.onlyWordsMatching1st = next(2) == 0;
        options.rules.doNotListWordItself = next(2) == 0;
        options.rules.doNotSuggestSeparators = next(2) == 0;
        options.rules.doNotSuggestShorter = static_cast<int>(next(3));
        options.rules.wholeWordsOnly = next(2) == 0;
        options.exceedWordsMax = static_cast<int>(next(2));
        options.autoSelectBestWord = next(2) == 0;
        for (int r = 0; r < 8; ++r) {
            SCOPED_TRACE("round " + std::to_string(round));
            ExpectSameAsPlainWalk(word(4), std::as_const(dict).Entries(), std::as_const(dict).FoldedEntries(), fixed,
                                  units, options);
        }
    }
}

// At the sizes of the options dialog's limits: single-word requests that
// offer hundreds or thousands of words, the same words in several lists and
// several spellings, and the learnt dictionary changing between requests.
TEST(FoldedSearchRandom, EqualsThePlainWalkAtTheOfferedLimits) {
    test::RandomWords random(777, "abcAB_1");
    auto next = [&random](std::uint32_t n) { return random.Next(n); };
    auto word = [&random](std::size_t maxLen) { return random.Word(maxLen); };
    auto entry = [&] {
        switch (next(4)) {
            case 0: return " " + word(7);
            case 1: return word(5) + "." + word(7);
            case 2: return word(5) + " := " + word(7);
            default: return word(7);
        }
    };
    SelfTeachingDictionary dict;
    const LearningOptions learning{true, 3000};
    for (int i = 0; i < 3000; ++i) dict.Collect(entry(), learning);
    StringList fixed;
    for (int i = 0; i < 600; ++i) fixed.Add(word(8));
    std::vector<StringList> units(3);
    for (StringList& u : units)
        for (int i = 0; i < 400; ++i) u.Add(word(8));
    const int limits[] = {100, 200, 500, 1000};
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        for (std::uint32_t k = next(6); k-- > 0;) {
            const std::size_t count = std::as_const(dict).Entries().Count();
            if (next(3) == 0)
                dict.MoveToTop(next(static_cast<std::uint32_t>(count)));
            else
                dict.Collect(next(2) ? entry() : win::AnsiUpperCase(std::as_const(dict).Entries()[next(static_cast<std::uint32_t>(count))]),
                             learning);
        }
        RankingOptions options;
        options.rules.wordsMaxInList = limits[next(4)];
        options.rules.onlyWordsMatching1st = next(2) == 0;
        options.rules.doNotListWordItself = next(2) == 0;
        options.rules.doNotSuggestSeparators = next(2) == 0;
        options.rules.doNotSuggestShorter = static_cast<int>(next(5));
        options.exceedWordsMax = static_cast<int>(next(2));
        options.autoSelectBestWord = next(2) == 0;
        for (const std::string& request : {word(1), word(2), word(3), word(3) + " := " + word(1), word(2) + "."})
            ExpectSameAsPlainWalk(request, std::as_const(dict).Entries(), std::as_const(dict).FoldedEntries(), fixed,
                                  units, options);
    }
}

// A list of every single word is shown from words kept beside the learnt
// dictionary; a word learnt makes them again from the last ones by its
// edits. Each word must be the one it is said to have been there (the list
// window carries its measures over by that), and a tab or high byte must
// never go unnoticed.
TEST(SharedWordsRandom, WordsMadeByEditsAreTheOnesTheyWereMadeFrom) {
    test::RandomWords random(99, "abcdAB\xe9");
    auto next = [&random](std::uint32_t n) { return random.Next(n); };
    auto word = [&random](std::size_t maxLen) { return random.Word(maxLen); };
    SelfTeachingDictionary dict;
    const LearningOptions learning{true, 2500};
    for (int i = 0; i < 2500; ++i) dict.Collect(next(2) ? word(7) : " " + word(7), learning);
    SuggestionSources sources;
    sources.selfTeachingFolded = &std::as_const(dict).FoldedEntries();
    RankingOptions options;
    options.rules.wordsMaxInList = 100;
    options.rules.onlyWordsMatching1st = false;
    RankingResult previous;
    int followed = 0;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        for (std::uint32_t k = 1 + next(3); k-- > 0;) {
            if (next(2) == 0)
                dict.MoveToTop(next(static_cast<std::uint32_t>(std::as_const(dict).Entries().Count())));
            else
                dict.Collect(word(8), learning);
        }
        RankingResult r = RankSuggestions("z" + word(1), sources, options);  // found by no prefix
        const SharedSuggestionWords* shared = r.list.Shared();
        ASSERT_NE(shared, nullptr);
        EXPECT_TRUE(shared->tabOrHighByte || !HoldsTabOrHighByte(shared->text));
        if (const auto from = shared->madeFrom.lock()) {
            ++followed;
            ASSERT_EQ(shared->madeFromIndex.size(), shared->rows.size());
            auto text = [](const SharedSuggestionWords& s, std::size_t i) {
                return std::string_view(s.text).substr(s.rows[i].start, s.rows[i].length);
            };
            for (std::size_t i = 0; i < shared->rows.size(); ++i)
                if (shared->madeFromIndex[i] != SharedSuggestionWords::kNew) {
                    ASSERT_EQ(text(*shared, i), text(*from, shared->madeFromIndex[i])) << i;
                }
        }
        previous = std::move(r);
    }
    EXPECT_GT(followed, 30);
}

// Words of syllables, so that most runs of three letters are rare and most
// groups of entries are ruled out for a longer request; requests of a word
// or a piece of one after a blank, a separator or nothing, while the
// learnt dictionary grows by whole groups.
TEST(FoldedSearchRandom, EqualsThePlainWalkWhereRunsOfThreeLettersRuleEntriesOut) {
    std::mt19937 rng(4242);
    auto next = [&rng](std::uint32_t n) { return static_cast<std::uint32_t>(rng() % n); };
    const char* const syllables[] = {"ka", "lo", "mi", "Nu", "pe", "RA", "so", "tu", "ve", "zi", "_x", "9"};
    auto word = [&] {
        std::string w;
        for (std::uint32_t i = 0, n = 1 + next(4); i < n; ++i) w += syllables[next(12)];
        return w;
    };
    auto entry = [&] {
        switch (next(4)) {
            case 0: return " " + word();
            case 1: return word() + "." + word();
            case 2: return word() + " := " + word();
            default: return word();
        }
    };
    SelfTeachingDictionary dict;
    const LearningOptions learning{true, 2500};
    for (int i = 0; i < 2500; ++i) dict.Collect(entry(), learning);
    std::vector<StringList> units(3);
    for (StringList& u : units)
        for (int i = 0; i < 300; ++i) u.Add(word());
    const StringList fixed = units[0];
    auto piece = [&] {
        const std::string w = word() + word();
        const std::size_t from = next(static_cast<std::uint32_t>(w.size()));
        return w.substr(from, 3 + next(4));
    };
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        for (std::uint32_t k = next(150); k-- > 0;) dict.Collect(entry(), learning);
        RankingOptions options;
        options.rules.wordsMaxInList = next(3) == 0 ? 5 : 1000;
        options.rules.onlyWordsMatching1st = next(2) == 0;
        options.rules.doNotListWordItself = next(2) == 0;
        options.rules.doNotSuggestSeparators = next(2) == 0;
        options.rules.wholeWordsOnly = next(2) == 0;
        for (const std::string& request : {word() + " " + piece(), "x " + word(), piece(), word() + " := " + piece(),
                                           "(" + piece(), word() + "." + piece(), word() + word()})
            ExpectSameAsPlainWalk(request, std::as_const(dict).Entries(), std::as_const(dict).FoldedEntries(), fixed,
                                  units, options);
    }
}

// A request ending in one character after a separator reads only the
// entries whose last word can give a word beginning with it. Characters of
// both cases, of both code pages' upper halves, digits and separators, in
// entries of several words, so that the character occurs before the last
// word, in it, at its start, or only in a separator.
TEST(FoldedSearchRandom, EqualsThePlainWalkForOneCharacterAfterASeparator) {
    const std::string characters = "aAbBz9_\xC0\xE0\xA8\xB8\xB5\xAA.:( ";
    test::RandomWords random(9090, characters);
    auto next = [&random](std::uint32_t n) { return random.Next(n); };
    auto word = [&random](std::size_t maxLen) { return random.Word(maxLen); };
    for (win::CodePage cp : {win::CodePage::Cp1252, win::CodePage::Cp1251}) {
        win::SetACP(cp);
        InvalidateLetterTable();
        SelfTeachingDictionary dict;
        const LearningOptions learning{true, 400};
        for (int i = 0; i < 400; ++i) dict.Collect(word(9), learning);
        const std::vector<StringList> units = {test::ListOf({"bz", "Ab9", "\xC0z", "a.b", "_b"})};
        const StringList fixed;
        for (int round = 0; round < 60; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            for (std::uint32_t k = next(20); k-- > 0;) dict.Collect(word(9), learning);
            RankingOptions options;
            options.rules.wordsMaxInList = next(2) ? 1 + static_cast<int>(next(8)) : 1000;
            options.rules.onlyWordsMatching1st = next(4) != 0;
            options.rules.doNotListWordItself = next(2) == 0;
            options.rules.doNotSuggestSeparators = next(2) == 0;
            options.rules.doNotSuggestShorter = static_cast<int>(next(3));
            options.rules.wholeWordsOnly = next(2) == 0;
            const char c = characters[next(static_cast<std::uint32_t>(characters.size() - 1))];
            for (const std::string& request : {"x " + std::string(1, c), word(3) + "." + c, "(" + std::string(1, c)})
                ExpectSameAsPlainWalk(request, std::as_const(dict).Entries(), std::as_const(dict).FoldedEntries(),
                                      fixed, units, options);
        }
    }
    win::SetACP(win::CodePage::Cp1252);
    InvalidateLetterTable();
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
}

TEST_F(FoldedDictionary, WritableAccessAndMergeAndLoadAreSeen) {
    ASSERT_TRUE(dict.Collect("Quantity", {}));
    EXPECT_EQ(Suggested("qua"), Words({"Quantity#0"}));
    dict.Entries()[0] = "Quadrant";
    EXPECT_EQ(Suggested("qua"), Words({"Quadrant#0"}));

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
    RankingOptions options;
    options.selfTeaching = false;
    SuggestionSources sources;
    sources.fixed = &fixed.Entries();
    auto suggested = [&](const char* request) {
        sources.fixedFolded = &fixed.FoldedEntries();
        return Texts(FindCandidates(request, sources, options));
    };
    WriteFile("fixed.dic", "Quantity\r\n");
    fixed.LoadfixedDic(folder);
    EXPECT_EQ(suggested("qu"), Words({"Quantity#0"}));
    WriteFile("fixed.dic", "Quorum\r\n");
    fixed.LoadfixedDic(folder);
    EXPECT_EQ(suggested("qu"), Words({"Quorum#0"}));
}


// The units' common index holds plain words only: a list with anything else
// leaves the search to go unit by unit. A list rebuilt in place at the same
// size looks unchanged to it, so its owner says so.
TEST(UnitWordIndex, IndexesPlainWordsOnlyAndIsBuiltAgainWhenTold) {
    auto found = [](const UnitWordIndex& index, std::string_view lowPrefix) {
        std::vector<std::string> out;
        index.VisitLongerStartingWith(lowPrefix, [&](const FoldedWordList& list, FoldedWordList::Slot slot) {
            out.emplace_back(list.Original(slot));
            return true;
        });
        return out;
    };
    FoldedWordList plain, mixed;
    plain.Build(test::ListOf({"Caption", "Capital", "Cap"}), win::GetACP());
    mixed.Build(test::ListOf({"Capture", "x.Cap"}), win::GetACP());
    UnitWordIndexCache cache;
    EXPECT_EQ(cache.For({&plain, &mixed}), nullptr);
    const UnitWordIndex* index = cache.For({&plain});
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(found(*index, "cap"), (Words{"Caption", "Capital"}));
    EXPECT_EQ(found(*index, "c"), (Words{"Caption", "Capital", "Cap"}));

    plain.Build(test::ListOf({"Cargo", "Carbon", "Car"}), win::GetACP());
    cache.Invalidate();
    EXPECT_EQ(found(*cache.For({&plain}), "car"), (Words{"Cargo", "Carbon"}));
}

}  // namespace
}  // namespace skrivo
