// The order in which the word lists are searched, and the decision on what the list shows.
#include "completion/SuggestionRanking.h"

#include "completion/SmartRanking.h"
#include "platform/CodePage.h"
#include "source/CharClasses.h"

namespace skrivo {

bool HidesForLastCharacter(std::string_view request, const HideAfterOptions& options) {
    if (request.empty()) return false;
    const char c = request.back();
    if (c == ';') return options.hideAfterSemicolon;
    if (c == ' ') return options.hideAfterSpace;
    return IsSeparator(c) && options.hideAfterSeparator;
}

namespace {

// A request already narrowed to its last word reaches every unit alike: the
// units' common index answers for all of them at once.
bool SearchUnitsTogether(CandidateSearch& search, const std::vector<const StringList*>& units,
                         const SuggestionSources& sources) {
    if (!sources.unitsIndex || !sources.unitFolded || !search.NarrowedToLastWord()) return false;
    std::vector<const FoldedWordList*> folded;
    folded.reserve(units.size());
    for (const StringList* unit : units) {
        if (!unit) continue;
        const FoldedWordList* copy = sources.unitFolded(*unit);
        if (!copy || copy->Count() != unit->Count() || copy->CodePage() != win::GetACP()) return false;
        folded.push_back(copy);
    }
    const UnitWordIndex* index = sources.unitsIndex->For(folded);
    return index && search.SearchUnitWords(*index);
}

void Search(CandidateSearch& search, const SuggestionSources& sources, const RankingOptions& options) {
    if (options.selfTeaching && sources.selfTeaching)
        search.SearchList(*sources.selfTeaching, true, sources.selfTeachingFolded);
    else if (options.selfTeaching && sources.selfTeachingFolded)
        search.SearchList(*sources.selfTeachingFolded, true);
    if (options.fixedDictionary && sources.fixed) search.SearchList(*sources.fixed, false, sources.fixedFolded);
    if (search.Full()) return;
    auto foldedOf = [&](const StringList& unit) { return sources.unitFolded ? sources.unitFolded(unit) : nullptr; };
    if (options.wordsFromAllUnits) {
        if (sources.allUnits) {
            const std::vector<const StringList*> units = sources.allUnits();
            if (!SearchUnitsTogether(search, units, sources))
                for (const StringList* unit : units)
                    if (unit) search.SearchList(*unit, false, foldedOf(*unit));
        }
    } else if (options.wordsFromCurrentUnit && sources.currentUnit) {
        if (const StringList* unit = sources.currentUnit()) search.SearchList(*unit, false, foldedOf(*unit));
    }
}

}  // namespace

RankingResult RankSuggestions(std::string_view request, const SuggestionSources& sources,
                              const RankingOptions& options) {
    CandidateSearch search(request, options.rules, CaseFold::ForActiveCodePage());
    Search(search, sources, options);

    RankingResult result;
    result.lastWord = search.LastWord();
    result.found = search.Count();
    if (search.Full() && options.exceedWordsMax == ewmDoNotSuggest) {
        result.decision = SuggestDecision::HideExceeded;
    } else if (result.found == 0) {
        result.decision = SuggestDecision::NothingFound;
    } else {
        result.decision = SuggestDecision::Fill;
        const bool autoSelect = options.autoSelectBestWord;
        static const SmartRequest nowhere;
        result.list = options.frecency ? options.frecency->FillList(options.smart ? *options.smart : nowhere,
                                                                    search.Candidates(), result.lastWord, autoSelect)
                                       : search.List(autoSelect);
    }
    return result;
}

std::vector<Candidate> FindCandidates(std::string_view request, const SuggestionSources& sources,
                                      const RankingOptions& options) {
    CandidateSearch search(request, options.rules, CaseFold::ForActiveCodePage());
    Search(search, sources, options);
    return search.Candidates();
}

}  // namespace skrivo
