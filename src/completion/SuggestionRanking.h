// What to offer for a request: the candidates from the word lists, the decision, and the list's content.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/CandidateSearch.h"
#include "completion/SuggestionListContent.h"
#include "platform/StringList.h"

namespace skrivo {

// ExceedWordsMax: what a search that reaches WordsMaxInList does.
enum TExceedWordsMax : int { ewmStopAndShow = 0, ewmDoNotSuggest = 1 };

class WordFrecency;
struct SmartRequest;

struct RankingOptions {
    bool selfTeaching = true;
    bool fixedDictionary = true;
    bool wordsFromAllUnits = false;
    bool wordsFromCurrentUnit = true;
    int exceedWordsMax = ewmStopAndShow;
    bool autoSelectBestWord = true;
    CandidateRules rules;
    // Smart ranking: the list ordered and its best word chosen by use.
    const WordFrecency* frecency = nullptr;
    // What smart ranking knows of the place the request comes from.
    const SmartRequest* smart = nullptr;
    friend bool operator==(const RankingOptions&, const RankingOptions&) = default;
};

// The word lists, most relevant first. Local dictionaries are built on first
// request, so they are asked for only when the dictionaries left room.
struct SuggestionSources {
    const StringList* selfTeaching = nullptr;  // FDict
    const StringList* fixed = nullptr;         // FFixedDict
    // The two dictionaries lower-cased in the active code page, when their
    // owners keep such copies; they only speed the search up. The learnt
    // dictionary's copy alone, when it is up to date, stands for its list.
    const FoldedWordList* selfTeachingFolded = nullptr;
    const FoldedWordList* fixedFolded = nullptr;
    std::function<std::vector<const StringList*>()> allUnits;  // in the order of the notifier list
    std::function<const StringList*()> currentUnit;             // nullptr without a current unit
    // The lower-cased copy of a unit's list, when its owner keeps one.
    std::function<const FoldedWordList*(const StringList& unit)> unitFolded;
    // The units' copies indexed together, when their owner keeps such an
    // index (and tells it of every copy it rebuilds); it only speeds the
    // search up.
    UnitWordIndexCache* unitsIndex = nullptr;
};

enum class SuggestDecision {
    HideExceeded,  // the limit was reached with ExceedWordsMax 1: hide a visible list
    NothingFound,  // hide a visible list only with HideWhenNoSuggestions
    Fill,
};

struct RankingResult {
    SuggestDecision decision = SuggestDecision::NothingFound;
    std::size_t found = 0;  // candidates, at least WordsMaxInList when the limit was reached
    std::string lastWord;
    SuggestionListContent list;  // only for Fill
};

struct HideAfterOptions {
    bool hideAfterSemicolon = true;
    bool hideAfterSpace = true;
    bool hideAfterSeparator = false;
};

// Whether the request's last character alone hides the list before any
// search: ";", a blank, or another separator, each by its option.
bool HidesForLastCharacter(std::string_view request, const HideAfterOptions& options);

// The search and the decision for one request.
RankingResult RankSuggestions(std::string_view request, const SuggestionSources& sources,
                              const RankingOptions& options);

// The same search's candidates in the order they were found.
std::vector<Candidate> FindCandidates(std::string_view request, const SuggestionSources& sources,
                                      const RankingOptions& options);

// Display order and selection: the best word is the earliest candidate that
// begins with the last word exactly (any candidate when it is empty), chosen
// before the items are sorted by the locale-aware comparison.
SuggestionListContent FillSuggestionList(const std::vector<Candidate>& candidates, std::string_view lastWord,
                                         bool autoSelectBestWord);

}  // namespace skrivo
