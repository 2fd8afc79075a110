// The order in which the word lists are searched, and the decision on what the list shows.
#include "completion/SuggestionRanking.h"

#include "completion/SmartRanking.h"
#include "source/CharClasses.h"

namespace skrivo {

bool HidesForLastCharacter(std::string_view request, const HideAfterOptions& options) {
    if (request.empty()) return false;
    const char c = request.back();
    if (c == ';') return options.hideAfterSemicolon;
    if (c == ' ') return options.hideAfterSpace;
    return IsSeparator(c) && options.hideAfterSeparator;
}

RankingResult RankSuggestions(std::string_view request, const SuggestionSources& sources,
                              const RankingOptions& options) {
    const CaseFold& fold = CaseFold::ForActiveCodePage();
    CandidateSearch search(request, options.rules, fold);

    if (options.selfTeaching && sources.selfTeaching)
        search.SearchList(*sources.selfTeaching, true, sources.selfTeachingFolded);
    if (options.fixedDictionary && sources.fixed) search.SearchList(*sources.fixed, false, sources.fixedFolded);
    if (!search.Full()) {
        auto foldedOf = [&](const StringList& unit) { return sources.unitFolded ? sources.unitFolded(unit) : nullptr; };
        if (options.wordsFromAllUnits) {
            if (sources.allUnits)
                for (const StringList* unit : sources.allUnits())
                    if (unit) search.SearchList(*unit, false, foldedOf(*unit));
        } else if (options.wordsFromCurrentUnit && sources.currentUnit) {
            if (const StringList* unit = sources.currentUnit()) search.SearchList(*unit, false, foldedOf(*unit));
        }
    }

    RankingResult result;
    result.lastWord = search.LastWord();
    const bool full = search.Full();
    result.candidates = search.TakeCandidates();
    if (full && options.exceedWordsMax == ewmDoNotSuggest) {
        result.decision = SuggestDecision::HideExceeded;
    } else if (result.candidates.empty()) {
        result.decision = SuggestDecision::NothingFound;
    } else {
        result.decision = SuggestDecision::Fill;
        const bool autoSelect = options.autoSelectBestWord;
        static const SmartRequest nowhere;
        result.list = options.frecency ? options.frecency->FillList(options.smart ? *options.smart : nowhere,
                                                                    result.candidates, result.lastWord, autoSelect)
                                       : FillSuggestionList(result.candidates, result.lastWord, autoSelect);
    }
    return result;
}

}  // namespace skrivo
