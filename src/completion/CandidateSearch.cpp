// The phases of the candidate search over one word list.
#include "completion/CandidateSearch.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <string.h>  // memrchr
#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "completion/RequestText.h"
#include "platform/AnsiSortKey.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

// Entries the prefix and context phases never look at: blank ones, ones not
// longer than the request, single remembered words (leading blank) and lines
// too long to be words.
bool SkippedAsContext(std::string_view entry, std::size_t requestLength) {
    return entry.size() <= requestLength || TooLongToOffer(entry) || entry.front() == ' ' || IsBlankText(entry);
}

// The last i below len where s[i] is a and s[i + 1] is b, and with a third
// byte also s[i + d] is c; s[len], and s[len - 1 + d] or s[d], must be
// readable. A pair of bytes is far rarer in a word list than either byte,
// and a third one further off rarer still: the context search verifies a
// few hits instead of one per common letter, and 32 positions are tried at
// once.
struct ThirdByte {
    std::ptrdiff_t d = 0;  // 0: none
    char c = 0;
};

#if defined(__x86_64__)
template <bool kThird>
__attribute__((target("avx2"))) const char* FindPairBackwardAvx2(const char* s, std::size_t len, char a, char b,
                                                                 ThirdByte third) {
    std::size_t i = len;
    const __m256i va = _mm256_set1_epi8(a), vb = _mm256_set1_epi8(b), vc = _mm256_set1_epi8(third.c);
    while (i >= 32) {
        i -= 32;
        const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + 1));
        __m256i both = _mm256_and_si256(_mm256_cmpeq_epi8(first, va), _mm256_cmpeq_epi8(second, vb));
        if constexpr (kThird) {
            const __m256i far = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + third.d));
            both = _mm256_and_si256(both, _mm256_cmpeq_epi8(far, vc));
        }
        const auto mask = static_cast<unsigned>(_mm256_movemask_epi8(both));
        if (mask != 0) return s + i + (31 - __builtin_clz(mask));
    }
    while (i-- > 0)
        if (s[i] == a && s[i + 1] == b && (!kThird || (s + i)[third.d] == third.c)) return s + i;
    return nullptr;
}
#endif

template <bool kThird>
const char* FindPairBackwardPlain(const char* s, std::size_t len, char a, char b, ThirdByte third) {
    std::size_t i = len;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b), vc = _mm_set1_epi8(third.c);
    while (i >= 16) {
        i -= 16;
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + 1));
        __m128i both = _mm_and_si128(_mm_cmpeq_epi8(first, va), _mm_cmpeq_epi8(second, vb));
        if constexpr (kThird) {
            const __m128i far = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + third.d));
            both = _mm_and_si128(both, _mm_cmpeq_epi8(far, vc));
        }
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(both));
        if (mask != 0) return s + i + (31 - __builtin_clz(mask));
    }
#endif
    while (i-- > 0)
        if (s[i] == a && s[i + 1] == b && (!kThird || (s + i)[third.d] == third.c)) return s + i;
    return nullptr;
}

const char* FindPairBackward(const char* s, std::size_t len, char a, char b, ThirdByte third) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2)
        return third.d != 0 ? FindPairBackwardAvx2<true>(s, len, a, b, third)
                            : FindPairBackwardAvx2<false>(s, len, a, b, third);
#endif
    return third.d != 0 ? FindPairBackwardPlain<true>(s, len, a, b, third)
                        : FindPairBackwardPlain<false>(s, len, a, b, third);
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

// ReduceToEnd(entry.substr(at), keepSeparators), from where the entry's last
// word starts instead of a scan back over it.
std::string_view CandidateSearch::ReduceToEndFrom(std::string_view entry, std::size_t at, std::size_t lastWord,
                                                  bool keepSeparators) const {
    if (at >= lastWord) return entry.substr(at);
    if (!keepSeparators) return entry.substr(lastWord);
    std::size_t runStart = lastWord - 1;
    while (runStart > at && !IsWordChar(entry[runStart - 1])) --runStart;
    return entry.substr(runStart);
}

CandidateSearch::CandidateSearch(std::string_view request, const CandidateRules& rules, const CaseFold& fold)
    : rules_(rules),
      fold_(fold),
      codePage_(win::GetACP()),
      limit_(static_cast<std::size_t>(EffectiveWordsMaxInList(rules.wordsMaxInList))),
      lastWord_(LastWordOf(request)),
      lowLastWord_(fold.Lower(lastWord_)) {
    EnsureLetterTable();
    for (int c = 0; c < 256; ++c) wordChars_[c] = IsAlphaDigit(static_cast<char>(c));
    for (int c = 0; c < 256; ++c)
        if (!wordChars_[c]) separatorFoldsTo_[fold_.Lower(static_cast<char>(c))] = true;
    SetRequest(request);
    // Most searches that cost anything fill the list: growing to the limit
    // step by step would hash every candidate several times.
    const std::size_t expected = std::min<std::size_t>(limit_, 4096);
    found_.reserve(expected);
    known_.Reserve(expected);
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
    auto own = std::make_unique<FoldedWordList>();
    own->Build(list, win::GetACP());
    ownFolded_.push_back(std::move(own));
    SearchList(*ownFolded_.back(), fromSelfTeaching);
}

void CandidateSearch::SearchList(const FoldedWordList& list, bool fromSelfTeaching) {
    // The list's facts about its entries' last words hold for this search
    // only when both classify and fold characters alike.
    lastWordsKnown_ = list.WordChars() == wordChars_;
    foldsAgree_ = &fold_ == &list.Fold() || fold_.SameAs(list.Fold());
    if (!PrefixPhase(list, fromSelfTeaching)) return;

    // Narrowing: drop the previous word. A request of one word, or one whose
    // separator part is only blanks, is searched for single words.
    const std::size_t separator = FindFirstSeparator(s_);
    if (separator == std::string::npos) {
        SingleWordPhase(list, fromSelfTeaching, true);
        return;
    }
    const std::string rest = s_.substr(separator);
    if (IsBlankText(rest)) {
        SetRequest(rest);
        SingleWordPhase(list, fromSelfTeaching, false);
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

// Compared inline: the first characters reject nearly every entry, and the
// prefixes are short, so a library call per entry would cost more.
bool FoldedStartsWith(std::string_view lowText, std::string_view lowPrefix) {
    if (lowText.size() < lowPrefix.size()) return false;
    for (std::size_t i = 0; i < lowPrefix.size(); ++i)
        if (lowText[i] != lowPrefix[i]) return false;
    return true;
}

// Visits the live slots of an ascending list from the top of the list down
// (highest slot first) until visit returns false, skipping the slots the
// filter rules out.
// Visits the slots next gives (true while it gives one) until visit returns
// false. The entries of an index lie all over the list's text: the slots
// are gathered a batch at a time, so that the entries a few visits ahead
// are asked for and their reads overlap instead of queueing.
template <typename Next, typename Visit>
void VisitInBatches(const FoldedWordList& list, Next&& next, Visit&& visit) {
    constexpr std::size_t kBatch = 32, kAhead = 8;
    std::array<FoldedWordList::Slot, kBatch> batch;
    for (bool more = true; more;) {
        std::size_t count = 0;
        while (count < kBatch && (more = next(batch[count]))) ++count;
        for (std::size_t i = 0; i < count && i < kAhead; ++i) list.Prefetch(batch[i]);
        for (std::size_t i = 0; i < count; ++i) {
            if (i + kAhead < count) list.Prefetch(batch[i + kAhead]);
            if (!visit(batch[i])) return;
        }
    }
}

template <typename Visit, typename MayHold>
void VisitTopDown(const FoldedWordList& list, const std::vector<FoldedWordList::Slot>& slots, MayHold&& mayHold,
                  Visit&& visit) {
    std::size_t k = slots.size();
    auto next = [&](FoldedWordList::Slot& out) {
        while (k-- > 0)
            if (mayHold(k) && list.Alive(slots[k])) {
                out = slots[k];
                return true;
            }
        k = 0;
        return false;
    };
    VisitInBatches(list, next, visit);
}

// The text after a prefix's first two characters, which the pair indexes
// compare with the characters they keep.
std::string_view AfterPair(std::string_view lowPrefix) {
    return lowPrefix.size() > 2 ? lowPrefix.substr(2) : std::string_view{};
}

constexpr std::size_t kNone = ~std::size_t{0};

// The last i below end whose bits[i] has one of the bits in mask, or kNone:
// most entries lack the character asked for, and eight of them are ruled
// out at once.
#if defined(__x86_64__)
__attribute__((target("avx2"))) std::size_t LastHoldingAvx2(const std::uint32_t* bits, std::size_t end,
                                                          std::uint32_t mask) {
    const __m256i m = _mm256_set1_epi32(static_cast<int>(mask));
    const __m256i zero = _mm256_setzero_si256();
    while (end >= 8) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bits + end - 8));
        const __m256i none = _mm256_cmpeq_epi32(_mm256_and_si256(v, m), zero);
        const auto held = ~static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(none))) & 0xFFu;
        if (held != 0) return end - 8 + static_cast<std::size_t>(31 - __builtin_clz(held));
        end -= 8;
    }
    while (end-- > 0)
        if (bits[end] & mask) return end;
    return kNone;
}
#endif

std::size_t LastHolding(const std::uint32_t* bits, std::size_t end, std::uint32_t mask) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return LastHoldingAvx2(bits, end, mask);
#endif
    while (end-- > 0)
        if (bits[end] & mask) return end;
    return kNone;
}

// low.find(text, from) for a text that is not empty. Entries are a few
// dozen characters: a loop here costs less than the library's search and
// its comparison of every candidate position.
std::size_t FindIn(std::string_view low, std::string_view text, std::size_t from = 0) {
    const std::size_t n = text.size();
    if (low.size() < n) return std::string_view::npos;
    const char first = text[0];
    for (std::size_t at = from, last = low.size() - n; at <= last; ++at) {
        if (low[at] != first) continue;
        std::size_t i = 1;
        while (i < n && low[at + i] == text[i]) ++i;
        if (i == n) return at;
    }
    return std::string_view::npos;
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
        AddEntryEnd(e, 0, false, list, s, fromSelfTeaching);
        if (Full()) goOn = list.IsLast(s);
        return !Full();
    };
    if (lowS_.empty()) {
        VisitAllTopDown(list, visit);
        return goOn;
    }
    const FoldedWordList::PrefixSlots starting = list.StartingWithPrefix(lowS_);
    const FoldedWordList::GramFilter filter = list.GroupsThatMayHold(lowS_);
    const std::string_view rest = AfterPair(lowS_);
    // Such an entry offers its last word.
    const std::uint32_t offerBit = OfferBit();
    const std::uint32_t* const offers = list.OfferCharacters();
    VisitTopDown(list, starting.bySlot,
                 [&](std::size_t k) {
                     const Slot s = starting.bySlot[k];
                     return (offerBit == 0 || (offers[s] & offerBit) != 0) && starting.MayGoOn(k, rest) &&
                            filter.MayHold(s);
                 },
                 visit);
    return goOn;
}

// Every entry that is a single word (a leading blank allowed) longer than the
// request. It does not compare with the request and ignores the limit:
// restricting to words that start with the typed text is left to
// OnlyWordsMatching1st, and with it only the words with the last word's
// letters are read.
void CandidateSearch::SingleWordPhase(const FoldedWordList& list, bool fromSelfTeaching, bool samePrefixPhaseRequest) {
    const bool mustStartWithLastWord = rules_.onlyWordsMatching1st && !lastWord_.empty();
    const std::vector<FoldedWordList::SingleWord>& words = list.SingleWords();
    const auto [first, last] =
        mustStartWithLastWord ? list.SingleWordsStartingWith(lowLastWord_) : std::pair<std::size_t, std::size_t>{0, words.size()};
    std::size_t shortest = s_.size() + 1;
    if (rules_.doNotSuggestShorter > 0) shortest = std::max(shortest, static_cast<std::size_t>(rules_.doNotSuggestShorter));
    std::vector<std::uint32_t> run;
    run.reserve(last - first);
    const bool dropItself = rules_.doNotListWordItself && !lastWord_.empty();
    // Kept facts are of the whole list: worth it only for a good part of it.
    if (last - first >= kWordsWorthKeeping && (last - first) * kShareBeyond >= words.size()) {
        // The same words are read on every key: what does not depend on the
        // request is read from what was kept of the list.
        const std::vector<KeptWordFacts>& facts = KeptSingleWordsOf(list).Facts(list, fold_);
        bool groupTaken = false;  // a word of the same text was taken
        for (std::size_t i = first; i < last; ++i) {
            const KeptWordFacts f = facts[i];
            if (!f.sameAsBefore) groupTaken = false;
            if (groupTaken || f.length < shortest) continue;
            // The word itself is read only where the facts do not settle it.
            auto word = [&] { return list.Word(words[i]); };
            if (mustStartWithLastWord && !fold_.StartsWith(word(), lowLastWord_)) continue;
            if (samePrefixPhaseRequest && f.leadZero && (lowS_.empty() || f.firstFolded == lowS_[0]) &&
                fold_.StartsWith(word(), lowS_))
                continue;
            if (dropItself && f.length == lastWord_.size() && word() == lastWord_) continue;
            run.push_back(static_cast<std::uint32_t>(i));
            groupTaken = true;
        }
    } else {
        const std::uint64_t itselfPrefix = win::AnsiSortPrefix(lastWord_, win::GetACP());
        std::string_view previous;
        std::uint64_t previousPrefix = 0;
        for (std::size_t i = first; i < last; ++i) {
            const FoldedWordList::SingleWord& w = words[i];
            if (w.length < shortest) continue;
            const std::string_view d = list.Word(w);
            if (mustStartWithLastWord && !fold_.StartsWith(d, lowLastWord_)) continue;
            // A word that is its entry, beginning with the request, was offered
            // by the prefix phase of this list a moment ago.
            if (samePrefixPhaseRequest && w.lead == 0 && fold_.StartsWith(d, lowS_)) continue;
            // Equal texts have equal sort prefixes, which rule out nearly all.
            if (dropItself && w.sortPrefix == itselfPrefix && d == lastWord_) continue;
            // The same word of a lower entry follows it: the top one was taken.
            if (!run.empty() && w.sortPrefix == previousPrefix && d == previous) continue;
            previous = d;
            previousPrefix = w.sortPrefix;
            run.push_back(static_cast<std::uint32_t>(i));
        }
    }

    // Words that cannot fill the list, or do not once those found already
    // are counted once, join the candidates in the list's order.
    auto inListOrder = [&] {
        std::sort(run.begin(), run.end(), [&](std::uint32_t a, std::uint32_t b) { return words[a].slot > words[b].slot; });
        for (std::uint32_t i : run)
            Add(list.Word(words[i]), fromSelfTeaching ? static_cast<int>(list.Position(words[i].slot)) : 0);
    };
    if (found_.size() + run.size() < limit_) {
        inListOrder();
        return;
    }
    std::vector<std::uint32_t> merged = MergeWithRun(list, run);
    if (merged.size() < limit_) {
        inListOrder();
        return;
    }
    runList_ = &list;
    runFromSelfTeaching_ = fromSelfTeaching;
    merged_ = std::move(merged);
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
        AddEntryEnd(e, at, keepSeparators, list, s, fromSelfTeaching);
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
    // Separators and then a word: only entries with that word after a
    // separator can hold it.
    if (!IsWordChar(s_.front())) {
        const std::size_t word = FindFirstWordCharacter(s_);
        if (word != std::string::npos) {
            bool goOn = true;
            const FoldedWordList::GramFilter filter = list.GroupsThatMayHold(lowS_);
            const std::vector<Slot>& slots = list.WordAfterSeparator(std::string_view(lowS_).substr(word));
            // Text that begins with a separator is inside the entry, before
            // its last word: the entry offers that word.
            const std::uint32_t offerBit = OfferBit();
            const std::uint32_t* const offers = list.OfferCharacters();
            auto mayHold = [&](std::size_t k) {
                return (offerBit == 0 || (offers[slots[k]] & offerBit) != 0) && filter.MayHold(slots[k]);
            };
            VisitTopDown(list, slots, mayHold, [&](Slot slot) {
                const std::string_view low = list.Folded(slot);
                if (low.size() <= n) return true;
                const std::string_view e = list.Original(slot);
                std::size_t at = FindIn(low, lowS_);
                while (at != std::string_view::npos && InsideWord(e, at)) at = FindIn(low, lowS_, at + 1);
                if (at == std::string_view::npos || offer(slot, at)) return true;
                goOn = list.IsLast(slot);
                return false;
            });
            return goOn;
        }
    }
    const std::string_view block = list.Block();
    const char* const base = block.data();
    // The scan looks for the text's rarest byte, k characters into it (a
    // separator like ":" sits in a third of all learnt entries), together
    // with the byte after it when there is one.
    auto count = [&](std::size_t i) { return static_cast<double>(list.ByteCount(static_cast<unsigned char>(lowS_[i]))); };
    const bool pair = n >= 2;
    std::size_t k = 0;
    if (pair) {
        for (std::size_t i = 1; i + 1 < n; ++i)
            if (count(i) * count(i + 1) < count(k) * count(k + 1)) k = i;
    }
    // A third character of the text, as far from the pair as it goes.
    ThirdByte third;
    if (n >= 3) {
        const std::size_t at = k + 2 < n ? n - 1 : 0;
        third = {static_cast<std::ptrdiff_t>(at) - static_cast<std::ptrdiff_t>(k), lowS_[at]};
    }
    // A text of up to three characters is all the scan looks for.
    const bool foundWhole = n <= (pair ? 3 : 1);
    // When only words beginning with the text itself are offered, an entry
    // offers one only where the text occurs in its last word: the hit met
    // first, the last occurrence, tells without reading the entry.
    const bool inLastWordOnly = lowS_ == lowLastWord_ && OnlyWordsBeginningWith(static_cast<unsigned char>(lowS_[0]));
    // The slots [first, end) are scanned from the top down; false when the
    // limit ended the search, with goOn telling whether the list's search
    // goes on.
    bool goOn = true;
    auto scan = [&](Slot first, Slot end) {
        const std::size_t bottom = list.Start(first);
        const std::size_t rangeEnd = list.Start(end);
        if (rangeEnd < bottom + n) return true;
        // Matches are looked for at the positions from bottom up to before top.
        std::size_t top = rangeEnd - n + 1;
        Slot s = end;  // one past the slot holding the last match, from above
        while (top > bottom) {
            const char* const from = base + bottom + k;
            const void* found = pair ? FindPairBackward(from, top - bottom, lowS_[k], lowS_[k + 1], third)
                                     : memrchr(from, lowS_[k], top - bottom);
            if (!found) break;
            const auto hit = static_cast<std::size_t>(static_cast<const char*>(found) - base) - k;
            // The slot holding the hit: hits lie from one entry to thousands
            // apart, so the steps back over the short array of where groups
            // of slots start double until they pass it, the last of them is
            // halved, and the slot is searched for within its group.
            if (list.Start(s - 1) > hit) {
                Slot high = s - 1, low = first;  // Start(high) > hit, Start(low) <= hit
                constexpr Slot kGroup = FoldedWordList::kLocateGroup;
                Slot groupHigh = high / kGroup + 1, groupLow = first / kGroup;  // the same for group starts
                for (Slot step = 1; groupHigh - groupLow > step; step *= 2) {
                    if (list.GroupStart(groupHigh - step) <= hit) {
                        groupLow = groupHigh - step;
                        break;
                    }
                    groupHigh -= step;
                }
                while (groupHigh - groupLow > 1) {
                    const Slot mid = groupLow + (groupHigh - groupLow) / 2;
                    (list.GroupStart(mid) > hit ? groupHigh : groupLow) = mid;
                }
                low = std::max(low, groupLow * kGroup);
                high = std::min(high, groupHigh * kGroup);
                while (high - low > 1) {
                    const Slot mid = low + (high - low) / 2;
                    (list.Start(mid) > hit ? high : low) = mid;
                }
                s = high;
            }
            const Slot slot = s - 1;
            const std::string_view low = list.Folded(slot);
            const std::size_t entryStart = list.Start(slot);
            if (hit + n > entryStart + low.size() || (!foundWhole && std::memcmp(base + hit, lowS_.data(), n) != 0)) {
                top = hit;
                continue;
            }
            top = entryStart;
            if (!list.Alive(slot) || low.size() <= n) continue;
            // No last word, or a remembered single word: nothing to offer.
            if (inLastWordOnly && (list.OfferCharacters(slot) == 0 || hit < entryStart + list.LastWordStart(slot)))
                continue;
            // With whole words only, the first occurrence that starts a word.
            const std::string_view e = list.Original(slot);
            std::size_t at = FindIn(low, lowS_);
            while (at != std::string_view::npos && InsideWord(e, at)) at = FindIn(low, lowS_, at + 1);
            if (at == std::string_view::npos) continue;
            if (!offer(slot, at)) {
                goOn = list.IsLast(slot);
                return false;
            }
        }
        return true;
    };
    // A single character sits in most entries that are not ruled out: each
    // is read once, from the front, which gives its first occurrence at
    // once, instead of a search back to the hit and a second search forward.
    // next gives the slots to read, from the top down.
    auto scanGiven = [&](auto&& next) {
        bool limited = false;
        VisitInBatches(list, next, [&](Slot s) {
            const std::string_view low = list.Folded(s);
            const std::string_view e = list.Original(s);
            std::size_t at = FindIn(low, lowS_);
            while (at != std::string_view::npos && InsideWord(e, at)) at = FindIn(low, lowS_, at + 1);
            if (at == std::string_view::npos || offer(s, at)) return true;
            goOn = list.IsLast(s);
            limited = true;
            return false;
        });
        return !limited;
    };
    auto scanEntries = [&](Slot first, Slot end) {
        Slot slot = end;
        return scanGiven([&](Slot& out) {
            while (slot > first) {
                --slot;
                if (list.Alive(slot) && list.Folded(slot).size() > n) {
                    out = slot;
                    return true;
                }
            }
            return false;
        });
    };
    // When only words beginning with the character are offered, the list
    // tells which entries can give one, without reading the others.
    // A character without a bit of its own shares it with digits, which
    // most entries hold: only a letter's bit rules entries out.
    if (n == 1 && FoldedWordList::ExactCharacterBit(static_cast<unsigned char>(lowS_[0])) &&
        OnlyWordsBeginningWith(static_cast<unsigned char>(lowS_[0]))) {
        const std::uint32_t bit = FoldedWordList::CharacterBit(static_cast<unsigned char>(lowS_[0]));
        const std::uint32_t* const offers = list.OfferCharacters();
        std::size_t slot = list.SlotEnd();
        scanGiven([&](Slot& out) {
            while ((slot = LastHolding(offers, slot, bit)) != kNone)
                if (list.Alive(static_cast<Slot>(slot)) && list.Folded(static_cast<Slot>(slot)).size() > n) {
                    out = static_cast<Slot>(slot);
                    return true;
                }
            slot = 0;
            return false;
        });
        return goOn;
    }
    // Where the character is rarer than one an entry, searching for it
    // skips more entries than reading each costs.
    const bool eachEntry = n == 1 && list.ByteCount(static_cast<unsigned char>(lowS_[0])) >= list.Count();
    auto scanRange = [&](Slot first, Slot end) {
        return eachEntry ? scanEntries(first, end) : scan(first, end);
    };
    const FoldedWordList::GramFilter filter = list.GroupsThatMayHold(lowS_);
    if (!filter.Filters()) {
        scanRange(0, list.SlotEnd());
        return goOn;
    }
    // Only the groups whose entries have every run of three characters of
    // the text can hold it; neighbouring ones are scanned as one.
    const std::vector<std::uint64_t>& groups = filter.Groups();
    const Slot slotEnd = list.SlotEnd();
    constexpr Slot kGroup = FoldedWordList::kGramGroup;
    Slot runEnd = 0;  // one past the run's last group; 0 for no run
    Slot runFirst = 0;
    for (std::size_t w = groups.size(); w-- > 0;) {
        for (std::uint64_t bits = groups[w]; bits != 0;) {
            const int bit = 63 - std::countl_zero(bits);
            bits &= ~(std::uint64_t{1} << bit);
            const auto group = static_cast<Slot>(w * 64 + static_cast<std::size_t>(bit));
            if (runEnd != 0 && group + 1 == runFirst) {
                runFirst = group;
                continue;
            }
            if (runEnd != 0 && !scanRange(runFirst * kGroup, std::min(runEnd * kGroup, slotEnd))) return goOn;
            runFirst = group;
            runEnd = group + 1;
        }
    }
    if (runEnd != 0) scanRange(runFirst * kGroup, std::min(runEnd * kGroup, slotEnd));
    return goOn;
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
            if (FoldedStartsWith(low.substr(1), lowS_)) AddEntryEnd(e, 1, false, list, s, fromSelfTeaching);
        } else if (FoldedStartsWith(low, lowS_)) {
            // Nearly always the entry's first word holds the whole last
            // word, and is the offer as it stands.
            std::size_t wordEnd = 0;
            while (wordEnd < e.size() && IsWordChar(e[wordEnd])) ++wordEnd;
            if (wordEnd >= n) {
                AddOffer(e.substr(0, wordEnd), list, s, fromSelfTeaching);
            } else {
                std::size_t cut = n;
                while (cut < e.size() && IsWordChar(e[cut])) ++cut;
                AddCandidate(e.substr(0, cut), false, list, s, fromSelfTeaching);
            }
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
    const FoldedWordList::PrefixSlots startingWith = list.StartingWithPrefix(lowS_);
    const FoldedWordList::PrefixSlots blankThen = list.BlankThenPrefix(lowS_);
    const std::vector<Slot>& direct = startingWith.bySlot;
    const std::vector<Slot>& afterBlank = blankThen.bySlot;
    const FoldedWordList::GramFilter filter = list.GroupsThatMayHold(lowS_);
    const std::string_view rest = AfterPair(lowS_);
    auto directMay = [&](std::size_t k) { return startingWith.MayGoOn(k, rest) && filter.MayHold(direct[k]); };
    auto afterBlankMay = [&](std::size_t k) { return blankThen.MayGoOn(k, rest) && filter.MayHold(afterBlank[k]); };
    std::size_t a = direct.size(), b = afterBlank.size();
    auto next = [&](Slot& out) {
        while (a > 0 || b > 0) {
            // A slot in both indexes (" x" after a blank) may match either way.
            Slot s;
            bool may;
            if (b == 0 || (a > 0 && direct[a - 1] > afterBlank[b - 1])) {
                may = directMay(--a);
                s = direct[a];
            } else if (a == 0 || afterBlank[b - 1] > direct[a - 1]) {
                may = afterBlankMay(--b);
                s = afterBlank[b];
            } else {
                const bool asDirect = directMay(--a);
                may = afterBlankMay(--b) || asDirect;
                s = direct[a];
            }
            if (may && list.Alive(s)) {
                out = s;
                return true;
            }
        }
        return false;
    };
    VisitInBatches(list, next, visit);
}

bool CandidateSearch::OnlyWordsBeginningWith(unsigned char lowC) const {
    if (!rules_.onlyWordsMatching1st || lowLastWord_.empty() || static_cast<unsigned char>(lowLastWord_[0]) != lowC)
        return false;
    // An entry's separator folding to the character could begin an offer
    // of separators.
    return lastWordsKnown_ && foldsAgree_ && !separatorFoldsTo_[lowC];
}

std::uint32_t CandidateSearch::OfferBit() const {
    if (lowLastWord_.empty()) return 0;
    const auto c = static_cast<unsigned char>(lowLastWord_[0]);
    return OnlyWordsBeginningWith(c) ? FoldedWordList::CharacterBit(c) : 0;
}

void CandidateSearch::AddEntryEnd(std::string_view entry, std::size_t at, bool keepSeparators,
                                  const FoldedWordList& list, Slot slot, bool fromSelfTeaching) {
    AddOffer(lastWordsKnown_ ? ReduceToEndFrom(entry, at, list.LastWordStart(slot), keepSeparators)
                             : ReduceToEnd(entry.substr(at), keepSeparators),
             list, slot, fromSelfTeaching);
}

void CandidateSearch::AddCandidate(std::string_view entry, bool keepSeparators, const FoldedWordList& list,
                                   Slot slot, bool fromSelfTeaching) {
    AddOffer(ReduceToEnd(entry, keepSeparators), list, slot, fromSelfTeaching);
}

void CandidateSearch::AddOffer(std::string_view d, const FoldedWordList& list, Slot slot, bool fromSelfTeaching) {
    if (IsBlankText(d)) return;
    if (rules_.doNotSuggestShorter > 0 && d.size() < static_cast<std::size_t>(rules_.doNotSuggestShorter)) return;
    if (rules_.doNotListWordItself && d == lastWord_) return;
    if (rules_.onlyWordsMatching1st && !lastWord_.empty() && !fold_.StartsWith(d, lowLastWord_)) return;
    found_.push_back({d, 0, 0, 0});
    if (!known_.Insert(found_, static_cast<std::uint32_t>(found_.size() - 1))) {
        found_.pop_back();
        return;
    }
    KeyForDisplay(found_.back());
    if (fromSelfTeaching) found_.back().dictIndex = static_cast<int>(list.Position(slot));
}

void CandidateSearch::Add(std::string_view text, int dictIndex) {
    found_.push_back({text, dictIndex, 0, 0});
    if (!known_.Insert(found_, static_cast<std::uint32_t>(found_.size() - 1)))
        found_.pop_back();
    else
        KeyForDisplay(found_.back());
}

namespace {

// Candidates are short words: a few multiplications over their bytes spread
// them well enough, and cost less than the library's hash of a string. The
// last bytes are read as whole words (overlapping the ones before): put
// together byte by byte in memory, they would stall the read of the word.
std::size_t HashOfWord(std::string_view text) {
    std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ text.size();
    const char* p = text.data();
    const std::size_t size = text.size();
    auto load64 = [](const char* at) {
        std::uint64_t v;
        std::memcpy(&v, at, 8);
        return v;
    };
    auto load32 = [](const char* at) {
        std::uint32_t v;
        std::memcpy(&v, at, 4);
        return std::uint64_t{v};
    };
    std::uint64_t tail;
    if (size >= 8) {
        const char* const last = p + size - 8;
        for (; p < last; p += 8) {
            h = (h ^ load64(p)) * 0xBF58476D1CE4E5B9ULL;
            h ^= h >> 29;
        }
        tail = load64(last);
    } else if (size >= 4) {
        tail = load32(p) << 32 | load32(p + size - 4);
    } else if (size > 0) {
        tail = std::uint64_t{static_cast<unsigned char>(p[0])} << 16 |
               std::uint64_t{static_cast<unsigned char>(p[size / 2])} << 8 | static_cast<unsigned char>(p[size - 1]);
    } else {
        tail = 0;
    }
    h = (h ^ tail) * 0x94D049BB133111EBULL;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

}  // namespace

bool CandidateSearch::FoundSet::Insert(const std::vector<Found>& found, std::uint32_t index) {
    if ((used_ + 1) * 2 > table_.size()) Grow(found);
    const std::string_view text = found[index].text;
    const std::size_t hash = HashOfWord(text);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    const std::size_t mask = table_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Cell& cell = table_[at];
        if (cell.entry == 0) {
            cell = {index + 1, tag};
            ++used_;
            return true;
        }
        if (cell.hash == tag && found[cell.entry - 1].text == text) return false;
    }
}

void CandidateSearch::FoundSet::Reserve(std::size_t texts) {
    if (used_ != 0) return;
    table_.assign(std::max<std::size_t>(64, std::bit_ceil(2 * texts + 2)), Cell{0, 0});
}

void CandidateSearch::FoundSet::Grow(const std::vector<Found>& found) {
    std::vector<Cell> old = std::move(table_);
    table_.assign(std::max<std::size_t>(64, old.size() * 2), Cell{0, 0});
    const std::size_t mask = table_.size() - 1;
    for (const Cell& cell : old) {
        if (cell.entry == 0) continue;
        // The tag is the hash's high half and the slot comes from its low
        // half: the text is hashed again to place it.
        std::size_t at = HashOfWord(found[cell.entry - 1].text) & mask;
        while (table_[at].entry != 0) at = (at + 1) & mask;
        table_[at] = cell;
    }
}

void CandidateSearch::KeyForDisplay(Found& found) const {
    const DisplayOrderKey key = DisplayOrderKeyOf(found.text, 0, codePage_);
    found.sortPrefix = key.prefix;
    found.sortNext = key.next;
}

std::vector<DisplayOrderKey> CandidateSearch::FoundKeysInDisplayOrder() const {
    std::vector<DisplayOrderKey> keys(found_.size());
    for (std::size_t i = 0; i < found_.size(); ++i)
        keys[i] = {found_[i].sortPrefix, found_[i].sortNext, static_cast<std::uint32_t>(i)};
    SortForDisplay(keys, [&](std::uint32_t i) { return found_[i].text; });
    return keys;
}

std::vector<CandidateSearch::Row> CandidateSearch::FoundInDisplayOrder() const {
    const std::vector<DisplayOrderKey> keys = FoundKeysInDisplayOrder();
    std::vector<Row> rows;
    rows.reserve(keys.size());
    for (const DisplayOrderKey& k : keys) rows.push_back({false, k.index});
    return rows;
}

std::vector<std::uint32_t> CandidateSearch::MergeWithRun(const FoldedWordList& list,
                                                         const std::vector<std::uint32_t>& run) const {
    const win::CodePage cp = win::GetACP();
    const std::vector<FoldedWordList::SingleWord>& words = list.SingleWords();
    const std::vector<DisplayOrderKey> found = FoundKeysInDisplayOrder();
    std::vector<std::uint32_t> rows;
    rows.reserve(found.size() + run.size());
    std::size_t f = 0, r = 0;
    while (f < found.size() && r < run.size()) {
        const DisplayOrderKey& a = found[f];
        const FoldedWordList::SingleWord& b = words[run[r]];
        int c = a.prefix != b.sortPrefix ? (a.prefix < b.sortPrefix ? -1 : 1) : 0;
        if (c == 0) {
            const std::string_view word = list.Word(b);
            const std::uint64_t next = word.size() > 8 ? win::AnsiSortPrefix(word.substr(8), cp) : 0;
            c = a.next != next ? (a.next < next ? -1 : 1) : win::AnsiCompareText(found_[a.index].text, word, cp);
        }
        if (c <= 0) rows.push_back(SuggestionListContent::OwnRow(found[f++].index));
        if (c >= 0) {
            if (c > 0) rows.push_back(run[r]);
            ++r;
        }
    }
    for (; f < found.size(); ++f) rows.push_back(SuggestionListContent::OwnRow(found[f].index));
    rows.insert(rows.end(), run.begin() + static_cast<std::ptrdiff_t>(r), run.end());
    return rows;
}

std::vector<Candidate> CandidateSearch::Candidates() const {
    std::vector<Candidate> out;
    out.reserve(Count());
    for (const Found& f : found_) out.push_back({std::string(f.text), f.dictIndex});
    if (!runList_) return out;
    const std::vector<FoldedWordList::SingleWord>& words = runList_->SingleWords();
    std::vector<const FoldedWordList::SingleWord*> joined;
    for (const std::uint32_t row : merged_)
        if (!IsFoundRow(row)) joined.push_back(&words[row]);
    std::sort(joined.begin(), joined.end(), [](auto* a, auto* b) { return a->slot > b->slot; });
    for (const FoldedWordList::SingleWord* w : joined)
        out.push_back({std::string(runList_->Word(*w)), runFromSelfTeaching_ ? static_cast<int>(runList_->Position(w->slot)) : 0});
    return out;
}

SuggestionListContent CandidateSearch::List(bool autoSelectBestWord) const {
    // The earliest found; the run's words were found after every other
    // candidate, top entry first.
    std::size_t bestFound = found_.size();
    for (std::size_t i = 0; i < found_.size(); ++i)
        if (found_[i].text.starts_with(lastWord_)) {
            bestFound = i;
            break;
        }

    SuggestionListContent content;
    std::size_t bytes = 0;
    for (const Found& f : found_) bytes += f.text.size();
    int bestRow = -1;
    if (!runList_) {
        SuggestionListContent::Writer writer(content, found_.size(), bytes);
        const std::vector<Row> rows = FoundInDisplayOrder();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            writer.Add(found_[rows[r].index].text, found_[rows[r].index].dictIndex);
            if (rows[r].index == bestFound) bestRow = static_cast<int>(r);
        }
        writer.Finish();
    } else if (merged_.size() * kShareBeyond < runList_->SingleWords().size()) {
        // A run of a few of many words (those beginning with the last word)
        // is copied: sharing would keep, and measure, all the others.
        const std::vector<FoldedWordList::SingleWord>& words = runList_->SingleWords();
        std::vector<Slot> slots;
        for (const std::uint32_t row : merged_)
            if (!IsFoundRow(row)) {
                bytes += words[row].length;
                slots.push_back(words[row].slot);
            }
        std::vector<int> positions(runFromSelfTeaching_ ? slots.size() : 0);
        if (runFromSelfTeaching_) runList_->Positions(slots.data(), slots.size(), positions.data());
        SuggestionListContent::Writer writer(content, merged_.size(), bytes);
        std::size_t runRow = 0;
        for (const std::uint32_t row : merged_) {
            if (IsFoundRow(row)) {
                const Found& f = found_[row & ~SuggestionListContent::OwnRow(0)];
                writer.Add(f.text, f.dictIndex);
                continue;
            }
            writer.Add(runList_->Word(words[row]), runFromSelfTeaching_ ? positions[runRow] : 0);
            ++runRow;
        }
        writer.Finish();
        bestRow = BestRowOfMerged(bestFound);
    } else {
        SuggestionListContent::Writer writer(content, found_.size(), bytes);
        // The found ones are the content's own rows, in the order found; the
        // run's words are shown from the list's words as it stands.
        for (const Found& f : found_) writer.Add(f.text, f.dictIndex);
        bestRow = BestRowOfMerged(bestFound);
        KeptSingleWords& kept = KeptSingleWordsOf(*runList_);
        content.Show(kept.Words(*runList_), runFromSelfTeaching_ ? kept.Positions(*runList_) : nullptr, merged_);
        writer.Finish();
    }
    if (bestRow >= 0) content.bestWord = std::string(content.Text(static_cast<std::size_t>(bestRow)));
    MarkBestWord(content, bestRow, autoSelectBestWord);
    return content;
}

int CandidateSearch::BestRowOfMerged(std::size_t bestFound) const {
    if (bestFound < found_.size()) {
        const auto it = std::find(merged_.begin(), merged_.end(), SuggestionListContent::OwnRow(static_cast<std::uint32_t>(bestFound)));
        return it == merged_.end() ? -1 : static_cast<int>(it - merged_.begin());
    }
    // The display order sorts by the letters first, so the rows that begin
    // with the last word's letters stand together: only they are read, not
    // the thousands of a run. Of the run's words the top entry's wins.
    const std::vector<FoldedWordList::SingleWord>& words = runList_->SingleWords();
    auto textOf = [&](std::uint32_t row) {
        return IsFoundRow(row) ? found_[row & ~SuggestionListContent::OwnRow(0)].text : runList_->Word(words[row]);
    };
    const win::CodePage cp = win::GetACP();
    auto it = std::partition_point(merged_.begin(), merged_.end(), [&](std::uint32_t row) {
        return win::AnsiComparePrimaryPrefix(textOf(row), lastWord_, cp) < 0;
    });
    int best = -1;
    Slot top = 0;
    for (; it != merged_.end() && win::AnsiComparePrimaryPrefix(textOf(*it), lastWord_, cp) == 0; ++it) {
        if (IsFoundRow(*it)) continue;
        const FoldedWordList::SingleWord& w = words[*it];
        if (best >= 0 && w.slot < top) continue;
        if (runList_->Word(w).starts_with(lastWord_)) {
            best = static_cast<int>(it - merged_.begin());
            top = w.slot;
        }
    }
    return best;
}

}  // namespace skrivo
