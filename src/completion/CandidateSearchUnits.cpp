// The search through every unit's words at once, for a request narrowed to its last word.
#include <string>

#include "completion/CandidateSearch.h"
#include "completion/TextFold.h"

namespace skrivo {

// Narrowed to its last word, a request stays so through every later list:
// each is searched for the entries that begin with it, and its single-word
// phase, limited to words that begin with the last word, finds only words
// the prefix phase offered a moment ago (a unit's list holds no entry with
// a blank before its word).
bool CandidateSearch::NarrowedToLastWord() const {
    return rules_.onlyWordsMatching1st && !lastWord_.empty() && s_ == lastWord_ &&
           FindFirstSeparator(s_) == std::string::npos;
}

bool CandidateSearch::SearchUnitWords(const UnitWordIndex& units) {
    if (!units.Usable() || !NarrowedToLastWord()) return false;
    if (Full()) return true;
    const std::size_t n = s_.size();
    units.VisitLongerStartingWith(lowS_, [&](const FoldedWordList& list, Slot slot) {
        const std::string_view e = list.Original(slot);
        if (e.size() <= n || TooLongToOffer(e) || IsBlankText(e)) return true;
        AddCandidate(e, false, list, slot, false);
        return !Full();
    });
    return true;
}

}  // namespace skrivo
