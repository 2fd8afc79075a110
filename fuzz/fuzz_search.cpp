// The indexed candidate search against the plain walk over every entry, for any lists, request and options.
#include <algorithm>

#include "FuzzSupport.h"
#include "completion/PlainSearch.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SuggestionRanking.h"
#include "completion/UnitWordIndex.h"
#include "platform/CodePage.h"
#include "source/CharClasses.h"

using namespace skrivo;

namespace {

// What the search found and what the window would show, as one comparable value.
struct Shown {
    std::vector<Candidate> candidates;
    SuggestDecision decision;
    SuggestionListContent list;
};

// units: searched one after another; indexed: with their folded copies kept
// and indexed together, as the expert keeps them.
Shown Indexed(std::string_view request, const SelfTeachingDictionary& dict, const std::vector<StringList>& units,
              const RankingOptions& options, bool indexed) {
    SuggestionSources sources;
    sources.selfTeaching = &dict.Entries();
    sources.selfTeachingFolded = &dict.FoldedEntries();
    sources.allUnits = [&] {
        std::vector<const StringList*> all;
        for (const StringList& unit : units) all.push_back(&unit);
        return all;
    };
    std::vector<FoldedWordList> folded(units.size());
    UnitWordIndexCache index;
    if (indexed) {
        for (std::size_t u = 0; u < units.size(); ++u) folded[u].Build(units[u], win::GetACP());
        sources.unitFolded = [&](const StringList& unit) { return &folded[static_cast<std::size_t>(&unit - units.data())]; };
        sources.unitsIndex = &index;
    }
    RankingResult ranked = RankSuggestions(request, sources, options);
    return {FindCandidates(request, sources, options), ranked.decision, std::move(ranked.list)};
}

Shown Plain(std::string_view request, const SelfTeachingDictionary& dict, const std::vector<StringList>& units,
            const RankingOptions& options) {
    std::vector<test::PlainList> lists = {{&dict.Entries(), true}};
    for (const StringList& unit : units) lists.push_back({&unit, false, true});
    test::PlainResult found = test::PlainSearch(request, lists, options.rules);
    test::PlainShown shown = test::PlainShow(request, found, options);
    return {std::move(found.candidates), shown.decision, std::move(shown.list)};
}

void ExpectSame(std::string_view request, const SelfTeachingDictionary& dict, const std::vector<StringList>& units,
                const RankingOptions& options) {
    const Shown plain = Plain(request, dict, units, options);
    for (bool indexed : {false, true}) {
        const Shown found = Indexed(request, dict, units, options, indexed);
        FUZZ_CHECK(found.candidates == plain.candidates);
        FUZZ_CHECK(found.decision == plain.decision);
        FUZZ_CHECK(found.list == plain.list);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::uint8_t flags = in.Byte();
    const std::uint8_t more = in.Byte();
    win::SetACP(flags & 1 ? win::CodePage::Cp1251 : win::CodePage::Cp1252);
    InvalidateLetterTable();
    RankingOptions options;
    options.wordsFromAllUnits = true;
    options.rules.onlyWordsMatching1st = flags & 2;
    options.rules.doNotListWordItself = flags & 4;
    options.rules.doNotSuggestSeparators = flags & 8;
    options.rules.wholeWordsOnly = flags & 16;
    options.rules.doNotSuggestShorter = (flags >> 5) & 3;
    options.rules.wordsMaxInList = 1 + (more & 15);
    options.exceedWordsMax = (more >> 4) & 1;
    options.autoSelectBestWord = (more >> 5) & 1;
    const std::string request(in.Piece());
    const std::string learnt(in.Piece());
    StringList entries;
    entries.SetText(in.Take(in.Word() % 4096));
    StringList unit;
    unit.SetText(in.Rest());
    // The unit as given (its lines as they come), then its plain words as a
    // unit's list holds them, twice over: the units' index takes only
    // those, and keeps a word of two units once.
    StringList words;
    for (const std::string& line : unit.Lines())
        if (!line.empty() && std::all_of(line.begin(), line.end(), IsAlphaDigit)) words.Add(line);
    const std::vector<StringList> asGiven = {unit}, plainWords = {words, words};

    // The learnt dictionary's folded copy as the expert keeps it: built
    // once, then following what is learnt.
    SelfTeachingDictionary dict;
    dict.Entries() = entries;
    for (const auto& units : {asGiven, plainWords}) ExpectSame(request, dict, units, options);
    const LearningOptions learning{true, 8 + (more >> 6) * 40};
    StringList toLearn;
    toLearn.SetText(learnt);
    for (const std::string& word : toLearn.Lines()) dict.Collect(word, learning);
    if (dict.Entries().Count() > 1) dict.MoveToTop(dict.Entries().Count() - 1);
    for (const auto& units : {asGiven, plainWords}) ExpectSame(request, dict, units, options);
    return 0;
}
