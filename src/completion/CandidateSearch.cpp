// The phases of the candidate search over one word list.
#include "completion/CandidateSearch.h"

#include <cstring>

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

bool CandidateSearch::AllWordCharacters(std::string_view s) const {
    for (char c : s)
        if (!IsWordChar(c)) return false;
    return true;
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
    if (folded && folded->Count() != list.Count()) folded = nullptr;
    if (!(folded ? PrefixPhase(list, *folded, fromSelfTeaching) : PrefixPhase(list, fromSelfTeaching))) return;

    // Narrowing: drop the previous word. A request of one word, or one whose
    // separator part is only blanks, is searched for single words.
    const std::size_t separator = FindFirstSeparator(s_);
    if (separator == std::string::npos) {
        SingleWordPhase(list, folded, fromSelfTeaching);
        return;
    }
    const std::string rest = s_.substr(separator);
    if (IsBlankText(rest)) {
        SetRequest(rest);
        SingleWordPhase(list, folded, fromSelfTeaching);
        return;
    }
    SetRequest(Trim(rest));
    if (!(folded ? ContextPhase(list, *folded, fromSelfTeaching) : ContextPhase(list, fromSelfTeaching))) return;

    // Then the last word alone.
    if (IsWordChar(s_.front())) return;
    const std::size_t wordStart = FindFirstWordCharacter(s_);
    if (wordStart == std::string::npos) return;
    const std::string_view lastPart = Trim(std::string_view(s_).substr(wordStart));
    if (lastPart.empty()) return;
    SetRequest(std::string(lastPart));
    if (folded)
        LastWordPhase(list, *folded, fromSelfTeaching);
    else
        LastWordPhase(list, fromSelfTeaching);
}

// Entries that begin with the whole request. False when the limit ended the
// search of this list.
bool CandidateSearch::PrefixPhase(const StringList& list, bool fromSelfTeaching) {
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (Full()) return false;
        const std::string& e = list[i];
        // Length and prefix first: they reject nearly every entry.
        if (e.size() <= s_.size() || TooLongToOffer(e) || !fold_.StartsWith(e, lowS_)) continue;
        if (SkippedAsContext(e, s_.size())) continue;
        AddCandidate(e, false, i, fromSelfTeaching);
    }
    return true;
}

// Every entry that is a single word (a leading blank allowed) longer than the
// request. It does not compare with the request and ignores the limit:
// restricting to words that start with the typed text is left to
// OnlyWordsMatching1st.
void CandidateSearch::SingleWordPhase(const StringList& list, bool fromSelfTeaching) {
    // Such an entry reduces to its trimmed text or to nothing, so the
    // first-characters filter can be applied before the costlier tests; on
    // large unit dictionaries it rejects nearly every entry.
    const bool mustStartWithLastWord = rules_.onlyWordsMatching1st && !lastWord_.empty();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const std::string& e = list[i];
        if (e.size() <= s_.size() || TooLongToOffer(e)) continue;  // trimming only shortens it
        const std::string_view t = Trim(e);
        if (t.empty() || t.size() <= s_.size()) continue;
        if (mustStartWithLastWord && !fold_.StartsWith(t, lowLastWord_)) continue;
        if (AllWordCharacters(t)) AddCandidate(e, false, i, fromSelfTeaching);
    }
}

// With OnlyWordsMatching1st only entries whose trimmed text starts with the
// last word can pass, so the folded copy's index hands out just those, in
// list order; this phase has no limit to stop at.
void CandidateSearch::SingleWordPhase(const StringList& list, const FoldedWordList* folded, bool fromSelfTeaching) {
    const bool mustStartWithLastWord = rules_.onlyWordsMatching1st && !lastWord_.empty();
    if (!folded || !mustStartWithLastWord) {
        SingleWordPhase(list, fromSelfTeaching);
        return;
    }
    for (const std::uint32_t i : folded->TrimmedStartingWith(static_cast<unsigned char>(lowLastWord_[0]))) {
        const std::string& e = list[i];
        if (e.size() <= s_.size() || TooLongToOffer(e)) continue;
        const std::string_view t = Trim(e);
        if (t.empty() || t.size() <= s_.size()) continue;
        if (!fold_.StartsWith(t, lowLastWord_)) continue;
        if (AllWordCharacters(t)) AddCandidate(e, false, i, fromSelfTeaching);
    }
}

// Entries holding the separator part of the request anywhere.
bool CandidateSearch::ContextPhase(const StringList& list, bool fromSelfTeaching) {
    const bool keepSeparators = !rules_.doNotSuggestSeparators;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (Full()) return false;
        const std::string& e = list[i];
        if (e.size() <= s_.size() || TooLongToOffer(e)) continue;
        std::size_t p = fold_.Find(e, lowS_);
        while (p != std::string_view::npos && InsideWord(e, p)) {
            const std::size_t next = fold_.Find(std::string_view(e).substr(p + 1), lowS_);
            p = next == std::string_view::npos ? next : p + 1 + next;
        }
        if (p == std::string_view::npos || SkippedAsContext(e, s_.size())) continue;
        AddCandidate(std::string_view(e).substr(p), keepSeparators, i, fromSelfTeaching);
    }
    return true;
}

// Entries beginning with the last word (after a leading blank, for single
// remembered words), cut after the word they continue.
void CandidateSearch::LastWordPhase(const StringList& list, bool fromSelfTeaching) {
    const std::size_t n = s_.size();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (Full()) return;
        const std::string_view e = list[i];
        if (n + 1 >= e.size() || TooLongToOffer(e)) continue;
        // Neither a match at the start nor one after a leading blank.
        if (e.front() != ' ' && fold_.Lower(e.front()) != static_cast<unsigned char>(lowS_.front())) continue;
        if (IsBlankText(e)) continue;
        if (e.front() == ' ') {
            if (fold_.StartsWith(e.substr(1), lowS_)) AddCandidate(e.substr(1), false, i, fromSelfTeaching);
            continue;
        }
        if (!fold_.StartsWith(e, lowS_)) continue;
        std::size_t cut = n;
        while (cut < e.size() && IsWordChar(e[cut])) ++cut;
        AddCandidate(e.substr(0, cut), false, i, fromSelfTeaching);
    }
}

// The phases again over the folded copy: the same tests in an order that
// rejects most entries on their folded length and first characters, before
// the entry itself is read.

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

}  // namespace

bool CandidateSearch::PrefixPhase(const StringList& list, const FoldedWordList& folded, bool fromSelfTeaching) {
    const std::size_t n = s_.size();
    if (lowS_.empty()) {
        for (std::size_t i = 0; i < list.Count(); ++i) {
            if (Full()) return false;
            const std::string& e = list[i];
            if (e.size() <= n || SkippedAsContext(e, n)) continue;
            AddCandidate(e, false, i, fromSelfTeaching);
        }
        return true;
    }
    // Only entries starting with the request's first character can match.
    // The whole search stops when the limit is reached before the last
    // entry, exactly as a walk over every entry would notice it.
    if (Full()) return list.Count() == 0;
    for (const std::uint32_t i : folded.StartingWith(static_cast<unsigned char>(lowS_[0]))) {
        const std::string_view low = folded[i];
        if (low.size() <= n || !FoldedStartsWith(low, lowS_)) continue;
        const std::string& e = list[i];
        if (SkippedAsContext(e, n)) continue;
        AddCandidate(e, false, i, fromSelfTeaching);
        if (Full()) return i + 1 >= list.Count();
    }
    return true;
}

bool CandidateSearch::ContextPhase(const StringList& list, const FoldedWordList& folded, bool fromSelfTeaching) {
    const bool keepSeparators = !rules_.doNotSuggestSeparators;
    const std::size_t n = s_.size();
    if (Full()) return list.Count() == 0;
    if (lowS_.empty()) {
        for (std::size_t i = 0; i < list.Count(); ++i) {
            if (Full()) return false;
            const std::string& e = list[i];
            if (e.size() <= n || SkippedAsContext(e, n)) continue;
            AddCandidate(e, keepSeparators, i, fromSelfTeaching);
        }
        return true;
    }
    // One search over all entries end to end; a hit that runs over the end
    // of its entry is no hit, and after the first hit of an entry the search
    // goes on with the next entry, as a walk entry by entry would.
    const std::string_view block = folded.Block();
    std::size_t from = 0;
    while (from < block.size()) {
        const std::size_t hit = block.find(lowS_, from);
        if (hit == std::string_view::npos) break;
        const std::size_t i = folded.EntryAt(hit);
        const std::size_t entryEnd = folded.Start(i + 1);
        if (hit + n > entryEnd) {
            from = hit + 1;
            continue;
        }
        const std::string& e = list[i];
        if (InsideWord(e, hit - folded.Start(i))) {
            from = hit + 1;
            continue;
        }
        from = entryEnd;
        if (e.size() <= n || SkippedAsContext(e, n)) continue;
        AddCandidate(std::string_view(e).substr(hit - folded.Start(i)), keepSeparators, i, fromSelfTeaching);
        if (Full()) return i + 1 >= list.Count();
    }
    return true;
}

void CandidateSearch::LastWordPhase(const StringList& list, const FoldedWordList& folded, bool fromSelfTeaching) {
    const std::size_t n = s_.size();
    auto visit = [&](std::size_t i) {
        const std::string_view low = folded[i];
        if (n + 1 >= low.size()) return;
        if (!FoldedStartsWith(low, lowS_) && !FoldedStartsWith(low.substr(1), lowS_)) return;
        const std::string_view e = list[i];
        if (IsBlankText(e)) return;
        if (e.front() == ' ') {
            if (fold_.StartsWith(e.substr(1), lowS_)) AddCandidate(e.substr(1), false, i, fromSelfTeaching);
            return;
        }
        if (!fold_.StartsWith(e, lowS_)) return;
        std::size_t cut = n;
        while (cut < e.size() && IsWordChar(e[cut])) ++cut;
        AddCandidate(e.substr(0, cut), false, i, fromSelfTeaching);
    };
    if (lowS_.empty()) {
        for (std::size_t i = 0; i < list.Count(); ++i) {
            if (Full()) return;
            visit(i);
        }
        return;
    }
    // Only entries starting with the last word's first character, or with a
    // blank and then that character, can match; visited in list order.
    const auto c = static_cast<unsigned char>(lowS_[0]);
    const std::vector<std::uint32_t>& direct = folded.StartingWith(c);
    const std::vector<std::uint32_t>& afterBlank = folded.BlankThen(c);
    std::size_t a = 0, b = 0;
    while (a < direct.size() || b < afterBlank.size()) {
        if (Full()) return;
        std::uint32_t i;
        if (b >= afterBlank.size() || (a < direct.size() && direct[a] < afterBlank[b])) {
            i = direct[a++];
        } else if (a >= direct.size() || afterBlank[b] < direct[a]) {
            i = afterBlank[b++];
        } else {
            i = direct[a++];
            ++b;
        }
        visit(i);
    }
}

void CandidateSearch::AddCandidate(std::string_view entry, bool keepSeparators, std::size_t index,
                                   bool fromSelfTeaching) {
    const std::string_view d = ReduceToEnd(entry, keepSeparators);
    if (IsBlankText(d)) return;
    if (rules_.doNotSuggestShorter > 0 && d.size() < static_cast<std::size_t>(rules_.doNotSuggestShorter)) return;
    if (rules_.doNotListWordItself && d == lastWord_) return;
    if (rules_.onlyWordsMatching1st && !lastWord_.empty() && !fold_.StartsWith(d, lowLastWord_)) return;
    if (!known_.emplace(d).second) return;
    candidates_.push_back({std::string(d), fromSelfTeaching ? static_cast<int>(index) : 0});
}

}  // namespace skrivo
