// The candidate search as a plain walk over every entry of every list: the reference the indexed search must equal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "completion/CandidateSearch.h"
#include "completion/SuggestionRanking.h"
#include "platform/StringList.h"

namespace skrivo::test {

struct PlainResult {
    std::vector<Candidate> candidates;
    bool full = false;
};

// The lists in search order, each with whether it is the self-teaching
// dictionary; the onlyBelowLimit ones (the units) are searched only when the
// limit was not reached before the first of them.
struct PlainList {
    const StringList* list;
    bool fromSelfTeaching = false;
    bool onlyBelowLimit = false;
};

PlainResult PlainSearch(std::string_view request, const std::vector<PlainList>& lists, const CandidateRules& rules);

// What the list window shows for the plain walk's result: its decision, and
// for Fill the candidates sorted one sort key each, the best word chosen in
// discovery order before.
struct PlainShown {
    SuggestDecision decision;
    SuggestionListContent list;
};
PlainShown PlainShow(std::string_view request, const PlainResult& found, const RankingOptions& options);

}  // namespace skrivo::test
