// The phases of the candidate search over one word list.
#include "completion/CandidateSearch.h"

#include <cstring>
#include <string.h>  // memrchr

#include "completion/RequestText.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

// Entries the prefix and context phases never look at: blank ones, ones not
// longer than the request, single remembered words (leading blank) and lines
// too long to be words.
bool SkippedAsContext(std::string_view entry, std::size_t requestLength) {
    return entry.size() <= requestLength || TooLongToOffer(entry) || entry.front() == ' ' || IsBlankText(entry);
}

}  // namespace

int EffectiveWordsMaxInList(int configured) {
    return configured < 1 ? kDefaultWordsMaxInList : configured;
}

std::size_t CandidateSearch::FindFirstSeparator(std::string_view s) const {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!IsWordChar(s[i])) return i;
    return std::string_view::npos;
}

std::size_t CandidateSearch::FindFirstWordCharacter(std::string_view s) const {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (IsWordChar(s[i])) return i;
    return std::string_view::npos;
}

// The end of an entry worth offering: its last word, or with keepSeparators
// the last word together with the run of separators before it
// ("a.b.Caption" gives "Caption" or ".Caption").
std::string_view CandidateSearch::ReduceToEnd(std::string_view entry, bool keepSeparators) const {
    std::size_t lastSeparator = entry.size();
    while (lastSeparator > 0 && IsWordChar(entry[lastSeparator - 1])) --lastSeparator;
    if (lastSeparator == 0) return entry;
    --lastSeparator;
    if (!keepSeparators) return entry.substr(lastSeparator + 1);
    std::size_t runStart = lastSeparator;
    while (runStart > 0 && !IsWordChar(entry[runStart - 1])) --runStart;
    if (runStart == 0) return entry;
    return entry.substr(runStart);
}

CandidateSearch::CandidateSearch(std::string_view request, const CandidateRules& rules, const CaseFold& fold)
    : rules_(rules),
      fold_(fold),
      limit_(static_cast<std::size_t>(EffectiveWordsMaxInList(rules.wordsMaxInList))),
      lastWord_(LastWordOf(request)),
      lowLastWord_(fold.Lower(lastWord_)) {
    EnsureLetterTable();
    for (int c = 0; c < 256; ++c) wordChars_[c] = IsAlphaDigit(static_cast<char>(c));
    SetRequest(request);
}

void CandidateSearch::SetRequest(std::string_view s) {
    s_.assign(s);
    lowS_ = fold_.Lower(s_);
}

void CandidateSearch::SearchList(const StringList& list, bool fromSelfTeaching, const FoldedWordList* folded) {
    if (folded && folded->Count() == list.Count() && folded->CodePage() == win::GetACP()) {
        SearchList(*folded, fromSelfTeaching);
        return;
    }
    FoldedWordList own;
    own.Build(list, win::GetACP());
    SearchList(own, fromSelfTeaching);
}

void CandidateSearch::SearchList(const FoldedWordList& list, bool fromSelfTeaching) {
    if (!PrefixPhase(list, fromSelfTeaching)) return;

    // Narrowing: drop the previous word. A request of one word, or one whose
    // separator part is only blanks, is searched for single words.
    const std::size_t separator = FindFirstSeparator(s_);
    if (separator == std::string::npos) {
        SingleWordPhase(list, fromSelfTeaching);
        return;
    }
    const std::string rest = s_.substr(separator);
    if (IsBlankText(rest)) {
        SetRequest(rest);
        SingleWordPhase(list, fromSelfTeaching);
        return;
    }
    SetRequest(Trim(rest));
    if (!ContextPhase(list, fromSelfTeaching)) return;

    // Then the last word alone.
    if (IsWordChar(s_.front())) return;
    const std::size_t wordStart = FindFirstWordCharacter(s_);
    if (wordStart == std::string::npos) return;
    const std::string_view lastPart = Trim(std::string_view(s_).substr(wordStart));
    if (lastPart.empty()) return;
    SetRequest(std::string(lastPart));
    LastWordPhase(list, fromSelfTeaching);
}

// Each phase visits only the entries its index says can match, from the top
// of the list down, and stops at the limit exactly where a walk over every
// entry would: a phase that fills the list on any entry but the last ends
// the search of the list, one that fills it on the last lets it go on.

namespace {

// The first characters are compared inline: they reject nearly every entry,
// and a library call per entry would cost more than the comparison.
bool FoldedStartsWith(std::string_view lowText, std::string_view lowPrefix) {
    if (lowText.size() < lowPrefix.size()) return false;
    if (lowPrefix.empty()) return true;
    if (lowText[0] != lowPrefix[0]) return false;
    if (lowPrefix.size() > 1 && lowText[1] != lowPrefix[1]) return false;
    return std::memcmp(lowText.data(), lowPrefix.data(), lowPrefix.size()) == 0;
}

// Visits the live slots of ascending lists from the top of the list down
// (highest slot first) until visit returns false. With two lists a slot
// in both is visited once.
template <typename Visit>
void VisitTopDown(const FoldedWordList& list, const std::vector<FoldedWordList::Slot>& slots, Visit&& visit) {
    for (std::size_t k = slots.size(); k-- > 0;)
        if (list.Alive(slots[k]) && !visit(slots[k])) return;
}

template <typename Visit>
void VisitAllTopDown(const FoldedWordList& list, Visit&& visit) {
    for (FoldedWordList::Slot s = list.SlotEnd(); s-- > 0;)
        if (list.Alive(s) && !visit(s)) return;
}

}  // namespace

// Entries that begin with the whole request. False when the limit ended the
// search of this list.
bool CandidateSearch::PrefixPhase(const FoldedWordList& list, bool fromSelfTeaching) {
    const std::size_t n = s_.size();
    if (Full()) return list.Count() == 0;
    bool goOn = true;
    auto visit = [&](Slot s) {
        const std::string_view low = list.Folded(s);
        if (low.size() <= n || !FoldedStartsWith(low, lowS_)) return true;
        const std::string_view e = list.Original(s);
        if (SkippedAsContext(e, n)) return true;
        AddCandidate(e, false, list, s, fromSelfTeaching);
        if (Full()) goOn = list.IsLast(s);
        return !Full();
    };
    if (lowS_.empty())
        VisitAllTopDown(list, visit);
    else
        VisitTopDown(list, list.StartingWith(lowS_), visit);
    return goOn;
}

// Every entry that is a single word (a leading blank allowed) longer than the
// request. It does not compare with the request and ignores the limit:
// restricting to words that start with the typed text is left to
// OnlyWordsMatching1st, and with it only the words starting with the last
// word's first character are visited.
void CandidateSearch::SingleWordPhase(const FoldedWordList& list, bool fromSelfTeaching) {
    const std::size_t n = s_.size();
    const bool mustStartWithLastWord = rules_.onlyWordsMatching1st && !lastWord_.empty();
    auto visit = [&](Slot s) {
        const std::string_view e = list.Original(s);
        const std::string_view t = Trim(e);
        if (t.size() <= n) return true;
        if (mustStartWithLastWord && !fold_.StartsWith(t, lowLastWord_)) return true;
        AddCandidate(e, false, list, s, fromSelfTeaching);
        return true;
    };
    if (mustStartWithLastWord)
        VisitTopDown(list, list.SingleWordsStartingWith(static_cast<unsigned char>(lowLastWord_[0])), visit);
    else
        VisitTopDown(list, list.SingleWords(), visit);
}

// Entries holding the separator part of the request anywhere: one search
// backwards over all entries end to end, which meets the entries from the
// top of the list down. A hit that runs over the end of its entry is no hit;
// an entry that holds the text is offered from its first occurrence.
bool CandidateSearch::ContextPhase(const FoldedWordList& list, bool fromSelfTeaching) {
    const bool keepSeparators = !rules_.doNotSuggestSeparators;
    const std::size_t n = s_.size();
    if (Full()) return list.Count() == 0;
    auto offer = [&](Slot s, std::size_t at) {
        const std::string_view e = list.Original(s);
        if (SkippedAsContext(e, n)) return true;
        AddCandidate(e.substr(at), keepSeparators, list, s, fromSelfTeaching);
        return !Full();
    };
    if (lowS_.empty()) {
        bool goOn = true;
        VisitAllTopDown(list, [&](Slot s) {
            if (list.Folded(s).size() <= n || offer(s, 0)) return true;
            goOn = list.IsLast(s);
            return false;
        });
        return goOn;
    }
    const std::string_view block = list.Block();
    const char* const base = block.data();
    // The scan looks for the text's rarest byte, k characters into it: a
    // separator like ":" sits in a third of all learnt entries.
    std::size_t k = 0;
    for (std::size_t i = 1; i < n; ++i)
        if (list.ByteCount(static_cast<unsigned char>(lowS_[i])) < list.ByteCount(static_cast<unsigned char>(lowS_[k])))
            k = i;
    // Matches are looked for at the positions before top.
    std::size_t top = block.size() >= n ? block.size() - n + 1 : 0;
    Slot s = list.SlotEnd();  // one past the slot holding the last match, from above
    while (top > 0) {
        const void* found = memrchr(base + k, lowS_[k], top);
        if (!found) break;
        const auto hit = static_cast<std::size_t>(static_cast<const char*>(found) - base) - k;
        while (list.Start(s - 1) > hit) --s;
        const Slot slot = s - 1;
        const std::string_view low = list.Folded(slot);
        const std::size_t entryStart = list.Start(slot);
        if (hit + n > entryStart + low.size() || std::memcmp(base + hit, lowS_.data(), n) != 0) {
            top = hit;
            continue;
        }
        top = entryStart;
        if (!list.Alive(slot) || low.size() <= n) continue;
        // With whole words only, the first occurrence that starts a word.
        const std::string_view e = list.Original(slot);
        std::size_t at = low.find(lowS_);
        while (at != std::string_view::npos && InsideWord(e, at)) at = low.find(lowS_, at + 1);
        if (at == std::string_view::npos) continue;
        if (!offer(slot, at)) return list.IsLast(slot);
    }
    return true;
}

// Entries beginning with the last word (after a leading blank, for single
// remembered words), cut after the word they continue.
void CandidateSearch::LastWordPhase(const FoldedWordList& list, bool fromSelfTeaching) {
    const std::size_t n = s_.size();
    auto visit = [&](Slot s) {
        const std::string_view low = list.Folded(s);
        if (n + 1 >= low.size()) return true;
        if (!FoldedStartsWith(low, lowS_) && !FoldedStartsWith(low.substr(1), lowS_)) return true;
        const std::string_view e = list.Original(s);
        if (IsBlankText(e)) return true;
        if (e.front() == ' ') {
            if (FoldedStartsWith(low.substr(1), lowS_)) AddCandidate(e.substr(1), false, list, s, fromSelfTeaching);
        } else if (FoldedStartsWith(low, lowS_)) {
            std::size_t cut = n;
            while (cut < e.size() && IsWordChar(e[cut])) ++cut;
            AddCandidate(e.substr(0, cut), false, list, s, fromSelfTeaching);
        }
        return !Full();
    };
    if (Full()) return;
    if (lowS_.empty()) {
        VisitAllTopDown(list, visit);
        return;
    }
    // Only entries starting with the last word's first characters, or with
    // a blank and then those, can match: the two indexes merged.
    const std::vector<Slot>& direct = list.StartingWith(lowS_);
    const std::vector<Slot>& afterBlank = list.BlankThen(lowS_);
    std::size_t a = direct.size(), b = afterBlank.size();
    while (a > 0 || b > 0) {
        Slot s;
        if (b == 0 || (a > 0 && direct[a - 1] > afterBlank[b - 1])) {
            s = direct[--a];
        } else if (a == 0 || afterBlank[b - 1] > direct[a - 1]) {
            s = afterBlank[--b];
        } else {
            s = direct[--a];
            --b;
        }
        if (list.Alive(s) && !visit(s)) return;
    }
}

void CandidateSearch::AddCandidate(std::string_view entry, bool keepSeparators, const FoldedWordList& list,
                                   Slot slot, bool fromSelfTeaching) {
    const std::string_view d = ReduceToEnd(entry, keepSeparators);
    if (IsBlankText(d)) return;
    if (rules_.doNotSuggestShorter > 0 && d.size() < static_cast<std::size_t>(rules_.doNotSuggestShorter)) return;
    if (rules_.doNotListWordItself && d == lastWord_) return;
    if (rules_.onlyWordsMatching1st && !lastWord_.empty() && !fold_.StartsWith(d, lowLastWord_)) return;
    if (!known_.emplace(d).second) return;
    candidates_.push_back({std::string(d), fromSelfTeaching ? static_cast<int>(list.Position(slot)) : 0});
}

}  // namespace skrivo
