// The indexed candidate search against the plain walk over every entry, for any lists, request and options.
#include "FuzzSupport.h"
#include "completion/PlainSearch.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/SuggestionRanking.h"
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

Shown Indexed(std::string_view request, const SelfTeachingDictionary& dict, const StringList& unit,
              const RankingOptions& options) {
    SuggestionSources sources;
    sources.selfTeaching = &dict.Entries();
    sources.selfTeachingFolded = &dict.FoldedEntries();
    sources.allUnits = [&] { return std::vector<const StringList*>{&unit}; };
    RankingResult ranked = RankSuggestions(request, sources, options);
    return {FindCandidates(request, sources, options), ranked.decision, std::move(ranked.list)};
}

Shown Plain(std::string_view request, const SelfTeachingDictionary& dict, const StringList& unit,
            const RankingOptions& options) {
    const std::vector<test::PlainList> lists = {{&dict.Entries(), true}, {&unit, false, true}};
    test::PlainResult found = test::PlainSearch(request, lists, options.rules);
    test::PlainShown shown = test::PlainShow(request, found, options);
    return {std::move(found.candidates), shown.decision, std::move(shown.list)};
}

void ExpectSame(std::string_view request, const SelfTeachingDictionary& dict, const StringList& unit,
                const RankingOptions& options) {
    const Shown indexed = Indexed(request, dict, unit, options);
    const Shown plain = Plain(request, dict, unit, options);
    FUZZ_CHECK(indexed.candidates == plain.candidates);
    FUZZ_CHECK(indexed.decision == plain.decision);
    FUZZ_CHECK(indexed.list == plain.list);
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

    // The learnt dictionary's folded copy as the expert keeps it: built
    // once, then following what is learnt.
    SelfTeachingDictionary dict;
    dict.Entries() = entries;
    ExpectSame(request, dict, unit, options);
    const LearningOptions learning{true, 8 + (more >> 6) * 40};
    StringList words;
    words.SetText(learnt);
    for (const std::string& word : words.Lines()) dict.Collect(word, learning);
    if (dict.Entries().Count() > 1) dict.MoveToTop(dict.Entries().Count() - 1);
    ExpectSame(request, dict, unit, options);
    return 0;
}
