// The candidate search: the phases over one list, the order of the lists, the filters and the limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "completion/SuggestionRanking.h"
#include "completion/CompletionTestSupport.h"
#include "platform/CodePage.h"
#include "source/CharClasses.h"

namespace skrivo {
namespace {

using Words = std::vector<std::string>;

using test::ListOf;

Words Texts(const std::vector<Candidate>& candidates) {
    Words out;
    for (const Candidate& c : candidates) out.push_back(c.text);
    return out;
}

Words Texts(const SuggestionListContent& list) {
    Words out;
    for (std::size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.Text(i));
    return out;
}

class Ranking : public ::testing::Test {
protected:
    void SetUp() override {
        win::SetACP(win::CodePage::Cp1252);
        InvalidateLetterTable();
    }
    RankingResult Rank(const std::string& request) { return RankSuggestions(request, Sources(), options); }
    std::vector<Candidate> CandidatesOf(const std::string& request) { return FindCandidates(request, Sources(), options); }
    SuggestionSources Sources() {
        SuggestionSources sources;
        sources.selfTeaching = &dict;
        sources.selfTeachingFolded = dictFolded;
        sources.fixed = &fixed;
        sources.currentUnit = [this] {
            ++unitRequests;
            return &unit;
        };
        sources.allUnits = [this] {
            ++unitRequests;
            std::vector<const StringList*> all;
            for (const StringList& u : units) all.push_back(&u);
            return all;
        };
        return sources;
    }
    Words Found(const std::string& request) { return Texts(CandidatesOf(request)); }

    StringList dict, fixed, unit;
    const FoldedWordList* dictFolded = nullptr;
    std::vector<StringList> units;
    RankingOptions options;
    int unitRequests = 0;
};

TEST_F(Ranking, PairEntryGivesItsLastWord) {
    dict = ListOf({"Self.Caption", "Form1.Color"});
    const RankingResult r = Rank("Self.Ca");
    EXPECT_EQ(Found("Self.Ca"), (Words{"Caption"}));
    ASSERT_EQ(r.decision, SuggestDecision::Fill);
    EXPECT_EQ(Texts(r.list), (Words{"Caption"}));
    EXPECT_EQ(r.list.bestWord, "Caption");
    EXPECT_EQ(r.list.selected, 0);
}

TEST_F(Ranking, SingleWordsComeAfterPrefixMatchesAndTheFirstFoundIsBest) {
    dict = ListOf({" Caption", "Cardinal", "Self.Caption"});
    const RankingResult r = Rank("Ca");
    // Cardinal by its prefix; Caption only from the single-word entry; the
    // pair is not a single word.
    EXPECT_EQ(CandidatesOf("Ca"), (std::vector<Candidate>{{"Cardinal", 1}, {"Caption", 0}}));
    EXPECT_EQ(Texts(r.list), (Words{"Caption", "Cardinal"}));
    EXPECT_EQ(r.list.bestWord, "Cardinal");
    EXPECT_EQ(r.list.selected, 1);
}

TEST_F(Ranking, WithoutFirstCharacterMatchingEverySingleWordIsListedPastTheLimit) {
    options.rules.onlyWordsMatching1st = false;
    options.rules.wordsMaxInList = 2;
    dict = ListOf({"Alpha", " Beta", "Gamma", "Self.Delta", "Epsilon", "Cab"});
    const RankingResult r = Rank("Ca");
    EXPECT_EQ(Found("Ca"), (Words{"Alpha", "Beta", "Gamma", "Epsilon"}));
    EXPECT_EQ(r.decision, SuggestDecision::Fill);
    // With first-character matching on, the same search keeps none of them.
    options.rules.onlyWordsMatching1st = true;
    EXPECT_EQ(Rank("Ca").decision, SuggestDecision::NothingFound);
}

TEST_F(Ranking, TheWordItselfIsNotListedButAnotherSpellingIs) {
    dict = ListOf({"Self.Caption", "Self.caption"});
    EXPECT_EQ(Found("x Caption"), (Words{"caption"}));
    options.rules.doNotListWordItself = false;
    EXPECT_EQ(Found("x Caption"), (Words{"Caption", "caption"}));
}

TEST_F(Ranking, CandidatesShorterThanTheMinimumAreDropped) {
    dict = ListOf({"Cap", "Capt", "Self.Cat"});
    options.rules.doNotSuggestShorter = 4;
    EXPECT_EQ(Found("Ca"), (Words{"Capt"}));
    for (int off : {0, -4}) {
        options.rules.doNotSuggestShorter = off;
        EXPECT_EQ(Found("Ca"), (Words{"Cap", "Capt"}));
    }
}

TEST_F(Ranking, ReachingTheLimitHidesOnlyWithExceedWordsMax) {
    Words many;
    for (int i = 0; i < 100; ++i) many.push_back("Caption" + std::to_string(i));
    dict = ListOf(many);
    options.exceedWordsMax = 1;
    const RankingResult hidden = Rank("Cap");
    EXPECT_EQ(hidden.decision, SuggestDecision::HideExceeded);
    EXPECT_TRUE(hidden.list.Empty());

    options.exceedWordsMax = 0;
    const RankingResult shown = Rank("Cap");
    EXPECT_EQ(shown.decision, SuggestDecision::Fill);
    EXPECT_EQ(shown.list.Count(), 100u);

    // One short of the limit is shown either way.
    many.pop_back();
    dict = ListOf(many);
    options.exceedWordsMax = 1;
    EXPECT_EQ(Rank("Cap").decision, SuggestDecision::Fill);
}

TEST_F(Ranking, TheLimitStopsTheSearchAtTheEarliestCandidates) {
    options.rules.wordsMaxInList = 2;
    dict = ListOf({"Capital", "Caption", "Capture"});
    fixed = ListOf({"Capacity"});
    EXPECT_EQ(Found("Cap"), (Words{"Capital", "Caption"}));
}

TEST_F(Ranking, NarrowedRequestCarriesOverToTheNextList) {
    dict = ListOf({"Self.Caption"});
    fixed = ListOf({"Canvas", "Self.Cast", "TCanvas"});
    // The fixed dictionary is searched for "Ca": Self.Cast would have matched
    // the whole request, TCanvas is a single word not starting with it.
    EXPECT_EQ(Found("Self.Ca"), (Words{"Caption", "Canvas"}));
    options.rules.onlyWordsMatching1st = false;
    EXPECT_EQ(Found("Self.Ca"), (Words{"Caption", "Canvas", "TCanvas"}));
}

TEST_F(Ranking, WithoutANarrowingListTheFullRequestReachesTheNextList) {
    options.selfTeaching = false;
    fixed = ListOf({"Self.Cast"});
    EXPECT_EQ(Found("Self.Ca"), (Words{"Cast"}));
}

TEST_F(Ranking, RequestEndingInBlanksLooksForSingleWords) {
    dict = ListOf({"Form", "Self.Form1", " Width", "Height"});
    options.rules.onlyWordsMatching1st = false;
    options.rules.doNotListWordItself = false;
    // Nothing starts with "x ", the narrowed request is a blank, so single
    // words longer than it are taken.
    EXPECT_EQ(Found("x "), (Words{"Form", "Width", "Height"}));
    options.rules.onlyWordsMatching1st = true;
    EXPECT_TRUE(Found("x ").empty());
}

struct OneEntryCase {
    const char* name;
    const char* entry;
    const char* request;
    Words found;
};

class OneEntryDictionary : public Ranking, public ::testing::WithParamInterface<OneEntryCase> {};

TEST_P(OneEntryDictionary, EveryPhaseWorksOnASingleEntry) {
    dict = ListOf({GetParam().entry});
    EXPECT_EQ(Found(GetParam().request), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, OneEntryDictionary,
    ::testing::Values(
        OneEntryCase{"PrefixOfWholeRequest", "Self.Caption", "Self.Ca", {"Caption"}},
        OneEntryCase{"PrefixOfSingleWord", "Caption", "Ca", {"Caption"}},
        OneEntryCase{"SingleRememberedWord", " Caption", "Ca", {"Caption"}},
        OneEntryCase{"ContextAnywhere", "y := Value", "x := Val", {"Value"}},
        OneEntryCase{"ContextAfterDot", "Form1.Caption", "Self.Ca", {"Caption"}},
        OneEntryCase{"LastWordCutAfterIt", "Value.Create", "x := Val", {"Value"}},
        OneEntryCase{"LastWordAfterBlank", " Value", "x := Val", {"Value"}},
        // The last word phase needs entries two characters longer than it.
        OneEntryCase{"LastWordTooShort", "Valu", "x := Val", {}},
        OneEntryCase{"NotLongerThanRequest", "Cap", "Cap", {}},
        OneEntryCase{"BlankEntry", "   ", "Ca", {}},
        OneEntryCase{"EmptyEntry", "", "Ca", {}},
        OneEntryCase{"TrailingSeparatorLeavesNothing", "Caption;", "Ca", {}},
        OneEntryCase{"PairDoesNotStartWithRequest", "Self.Caption", "Ca", {}}),
    [](const auto& info) { return info.param.name; });

TEST_F(Ranking, ContextPhaseKeepsSeparatorsOnlyWhenAllowed) {
    dict = ListOf({"a.b.Caption"});
    options.rules.onlyWordsMatching1st = false;
    EXPECT_EQ(Found("x.Ca"), (Words{"Caption"}));
    options.rules.doNotSuggestSeparators = false;
    EXPECT_EQ(Found("x.Ca"), (Words{".Caption"}));
}

TEST_F(Ranking, CandidatesAreUniqueAndKeepTheirFirstIndex) {
    dict = ListOf({"Caption", "Self.Caption", "Form.Caption"});
    fixed = ListOf({"Caption"});
    EXPECT_EQ(CandidatesOf("Ca"), (std::vector<Candidate>{{"Caption", 0}}));
    dict = ListOf({"Self.Caption", "x", "Caption"});
    EXPECT_EQ(CandidatesOf("Self.Ca"), (std::vector<Candidate>{{"Caption", 0}}));
    dict = ListOf({"x", "y", "Self.Caption"});
    EXPECT_EQ(CandidatesOf("Self.Ca"), (std::vector<Candidate>{{"Caption", 2}}));
}

TEST_F(Ranking, OnlySelfTeachingCandidatesCarryAnIndex) {
    dict = ListOf({"x", "Capital"});
    fixed = ListOf({"y", "Caption"});
    unit = ListOf({"z", "Capture"});
    EXPECT_EQ(CandidatesOf("Cap"),
              (std::vector<Candidate>{{"Capital", 1}, {"Caption", 0}, {"Capture", 0}}));
}

TEST_F(Ranking, ListsAreSearchedInOrderAndSwitchedOffListsSkipped) {
    dict = ListOf({"Capital"});
    fixed = ListOf({"Caption"});
    unit = ListOf({"Capture"});
    EXPECT_EQ(Found("Cap"), (Words{"Capital", "Caption", "Capture"}));
    options.selfTeaching = false;
    EXPECT_EQ(Found("Cap"), (Words{"Caption", "Capture"}));
    options.fixedDictionary = false;
    EXPECT_EQ(Found("Cap"), (Words{"Capture"}));
    options.wordsFromCurrentUnit = false;
    EXPECT_TRUE(Found("Cap").empty());
}

TEST_F(Ranking, AllUnitsReplaceTheCurrentUnit) {
    units = {ListOf({"Capacity"}), ListOf({"Capture", "Capacity"})};
    unit = ListOf({"Caption"});
    options.wordsFromAllUnits = true;
    options.wordsFromCurrentUnit = true;
    EXPECT_EQ(Found("Cap"), (Words{"Capacity", "Capture"}));
}

TEST_F(Ranking, UnitsAreNotAskedForWhenTheDictionariesFilledTheList) {
    options.rules.wordsMaxInList = 2;
    dict = ListOf({"Capital", "Caption"});
    unit = ListOf({"Capture"});
    EXPECT_EQ(Found("Cap"), (Words{"Capital", "Caption"}));
    EXPECT_EQ(unitRequests, 0);
    dict = ListOf({"Capital"});
    EXPECT_EQ(Found("Cap"), (Words{"Capital", "Capture"}));
    EXPECT_EQ(unitRequests, 1);
}

TEST_F(Ranking, MissingCurrentUnitIsSkipped) {
    SuggestionSources sources;
    sources.currentUnit = [] { return static_cast<const StringList*>(nullptr); };
    EXPECT_EQ(RankSuggestions("Cap", sources, options).decision, SuggestDecision::NothingFound);
    EXPECT_EQ(RankSuggestions("Cap", SuggestionSources{}, options).decision, SuggestDecision::NothingFound);
}

TEST_F(Ranking, LimitBelowOneFallsBackToTheDefault) {
    dict = ListOf({"Caption"});
    options.rules.wordsMaxInList = 0;
    options.exceedWordsMax = 1;
    EXPECT_EQ(Rank("Cap").decision, SuggestDecision::Fill);
    EXPECT_EQ(EffectiveWordsMaxInList(-3), kDefaultWordsMaxInList);
}

TEST_F(Ranking, MatchingFollowsTheCodePagesCase) {
    dict = ListOf({"\xC9tat"});  // E acute
    EXPECT_EQ(Found("\xE9t"), (Words{"\xC9tat"}));
}

TEST_F(Ranking, EmptyRequestOffersEntriesAsTheyCome) {
    dict = ListOf({"Self.Caption", " Width", "Height"});
    EXPECT_EQ(Found(""), (Words{"Caption", "Height", "Width"}));
}

// A line far longer than any word (a pasted blob, a broken file) is never
// offered, with or without the folded copy, in every phase of the search.
TEST_F(Ranking, LinesTooLongForAWordAreNeverOffered) {
    const std::string blob(kMaxOfferedEntryLength, 'x');
    dict = ListOf({"begin" + blob, " begin" + blob, "x := begin" + blob, "Self.begin" + blob, "beginning",
                   "x := begun"});
    FoldedWordList folded;
    folded.Build(dict, win::CodePage::Cp1252);
    for (const FoldedWordList* f : std::vector<const FoldedWordList*>{nullptr, &folded}) {
        dictFolded = f;
        EXPECT_EQ(Found("beg"), (Words{"beginning"}));
        EXPECT_EQ(Found("x := beg"), (Words{"begun", "beginning"}));
        EXPECT_EQ(Found("Self.beg"), (Words{"beginning"}));
    }
}

struct LastCharacterCase {
    const char* request;
    HideAfterOptions options;
    bool hides;
};

class HideForLastCharacter : public ::testing::TestWithParam<LastCharacterCase> {};

TEST_P(HideForLastCharacter, HidesWithoutSearching) {
    EXPECT_EQ(HidesForLastCharacter(GetParam().request, GetParam().options), GetParam().hides);
}

INSTANTIATE_TEST_SUITE_P(
    Options, HideForLastCharacter,
    ::testing::Values(LastCharacterCase{"x := 1;", {true, false, false}, true},
                      LastCharacterCase{"x := 1;", {false, false, true}, false},
                      LastCharacterCase{"x ", {false, true, false}, true},
                      LastCharacterCase{"x ", {true, false, true}, false},
                      LastCharacterCase{"Self.", {false, false, true}, true},
                      LastCharacterCase{"Self.", {true, true, false}, false},
                      LastCharacterCase{"x\t", {false, false, true}, true},
                      LastCharacterCase{"Self.Cap", {true, true, true}, false},
                      LastCharacterCase{"", {true, true, true}, false}));

}  // namespace
}  // namespace skrivo
