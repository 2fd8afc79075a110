// The plain walk: every phase reads every entry of the list in list order.
#include "completion/PlainSearch.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_set>

#include "completion/RequestText.h"
#include "completion/TextFold.h"
#include "platform/AnsiSortKey.h"
#include "source/CharClasses.h"

namespace skrivo::test {

namespace {

bool SkippedAsContext(std::string_view entry, std::size_t requestLength) {
    return entry.size() <= requestLength || TooLongToOffer(entry) || entry.front() == ' ' || IsBlankText(entry);
}

class Plain {
public:
    Plain(std::string_view request, const CandidateRules& rules)
        : rules_(rules),
          limit_(static_cast<std::size_t>(EffectiveWordsMaxInList(rules.wordsMaxInList))),
          lastWord_(LastWordOf(request)),
          lowLastWord_(fold_.Lower(lastWord_)) {
        EnsureLetterTable();
        for (int c = 0; c < 256; ++c) wordChars_[c] = IsAlphaDigit(static_cast<char>(c));
        SetRequest(request);
    }
    void SearchList(const StringList& list, bool fromSelfTeaching);
    bool Full() const { return candidates_.size() >= limit_; }
    std::vector<Candidate> candidates_;

private:
    bool PrefixPhase(const StringList& list, bool fromSelfTeaching);
    void SingleWordPhase(const StringList& list, bool fromSelfTeaching);
    bool ContextPhase(const StringList& list, bool fromSelfTeaching);
    void LastWordPhase(const StringList& list, bool fromSelfTeaching);
    void AddCandidate(std::string_view entry, bool keepSeparators, std::size_t index, bool fromSelfTeaching);
    void SetRequest(std::string_view s) {
        s_.assign(s);
        lowS_ = fold_.Lower(s_);
    }
    bool IsWordChar(char c) const { return wordChars_[static_cast<unsigned char>(c)]; }
    bool AllWordCharacters(std::string_view s) const;
    std::size_t FindFirstSeparator(std::string_view s) const;
    std::size_t FindFirstWordCharacter(std::string_view s) const;
    std::string_view ReduceToEnd(std::string_view entry, bool keepSeparators) const;

    std::array<bool, 256> wordChars_{};
    const CandidateRules rules_;
    const CaseFold fold_;
    const std::size_t limit_;
    std::string s_;
    std::string lowS_;
    const std::string lastWord_;
    const std::string lowLastWord_;
    std::unordered_set<std::string> known_;
};

bool Plain::AllWordCharacters(std::string_view s) const {
    for (char c : s)
        if (!IsWordChar(c)) return false;
    return true;
}

std::size_t Plain::FindFirstSeparator(std::string_view s) const {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!IsWordChar(s[i])) return i;
    return std::string_view::npos;
}

std::size_t Plain::FindFirstWordCharacter(std::string_view s) const {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (IsWordChar(s[i])) return i;
    return std::string_view::npos;
}

// The end of an entry worth offering: its last word, or with keepSeparators
// the last word together with the run of separators before it
// ("a.b.Caption" gives "Caption" or ".Caption").
std::string_view Plain::ReduceToEnd(std::string_view entry, bool keepSeparators) const {
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

void Plain::SearchList(const StringList& list, bool fromSelfTeaching) {
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

// Entries that begin with the whole request. False when the limit ended the
// search of this list.
bool Plain::PrefixPhase(const StringList& list, bool fromSelfTeaching) {
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
void Plain::SingleWordPhase(const StringList& list, bool fromSelfTeaching) {
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

// Entries holding the separator part of the request anywhere.
bool Plain::ContextPhase(const StringList& list, bool fromSelfTeaching) {
    const bool keepSeparators = !rules_.doNotSuggestSeparators;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (Full()) return false;
        const std::string& e = list[i];
        if (e.size() <= s_.size() || TooLongToOffer(e)) continue;
        std::size_t p = fold_.Find(e, lowS_);
        // With whole words only, a hit inside a word is passed over.
        while (p != std::string_view::npos && rules_.wholeWordsOnly && p > 0 && IsWordChar(e[p - 1]) && IsWordChar(e[p])) {
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
void Plain::LastWordPhase(const StringList& list, bool fromSelfTeaching) {
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

void Plain::AddCandidate(std::string_view entry, bool keepSeparators, std::size_t index,
                                   bool fromSelfTeaching) {
    const std::string_view d = ReduceToEnd(entry, keepSeparators);
    if (IsBlankText(d)) return;
    if (rules_.doNotSuggestShorter > 0 && d.size() < static_cast<std::size_t>(rules_.doNotSuggestShorter)) return;
    if (rules_.doNotListWordItself && d == lastWord_) return;
    if (rules_.onlyWordsMatching1st && !lastWord_.empty() && !fold_.StartsWith(d, lowLastWord_)) return;
    if (!known_.emplace(d).second) return;
    candidates_.push_back({std::string(d), fromSelfTeaching ? static_cast<int>(index) : 0});
}


}  // namespace

PlainResult PlainSearch(std::string_view request, const std::vector<PlainList>& lists, const CandidateRules& rules) {
    Plain search(request, rules);
    // The units are searched only when the limit was not reached before the
    // first of them.
    std::optional<bool> unitsSearched;
    for (const PlainList& l : lists) {
        if (l.onlyBelowLimit && !unitsSearched) unitsSearched = !search.Full();
        if (l.onlyBelowLimit && !*unitsSearched) continue;
        search.SearchList(*l.list, l.fromSelfTeaching);
    }
    const bool full = search.Full();
    return {std::move(search.candidates_), full};
}

PlainShown PlainShow(std::string_view request, const PlainResult& found, const RankingOptions& options) {
    if (found.full && options.exceedWordsMax == ewmDoNotSuggest) return {SuggestDecision::HideExceeded, {}};
    if (found.candidates.empty()) return {SuggestDecision::NothingFound, {}};
    const std::string lastWord = LastWordOf(request);
    std::optional<std::string> best;
    for (const Candidate& c : found.candidates)
        if (c.text.starts_with(lastWord)) {
            best = c.text;
            break;
        }
    std::vector<std::pair<std::string, Candidate>> keyed;
    for (const Candidate& c : found.candidates) keyed.emplace_back(win::AnsiSortKey(c.text), c);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    PlainShown shown{SuggestDecision::Fill, {}};
    SuggestionListContent& list = shown.list;
    for (const auto& [key, c] : keyed) list.Add(c.text, c.dictIndex);
    list.bestWord = best;
    auto mark = [&](int row) {
        if (options.autoSelectBestWord)
            list.selected = row;
        else
            list.focused = row;
    };
    if (best)
        for (std::size_t i = 0; i < list.Count(); ++i)
            if (list.Text(i) == *best) {
                mark(static_cast<int>(i));
                break;
            }
    if (list.selected < 0) mark(0);
    if (list.selected >= 0) list.focused = list.selected;
    return shown;
}

}  // namespace skrivo::test
