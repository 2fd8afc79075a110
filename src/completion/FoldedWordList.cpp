// The folded copy of a word list: building, the learning changes, positions of slots.
#include "completion/FoldedWordList.h"

#include <algorithm>
#include <atomic>
#include <bit>

#include "platform/AnsiSortKey.h"

#include "source/CharClasses.h"

namespace skrivo {

namespace {
// Numbers no two states of any lists share.
std::uint64_t DrawNumber() {
    static std::atomic<std::uint64_t> drawn{0};
    return ++drawn;
}
}  // namespace

namespace {

// Room for as many learnt words again before the copy is packed: a pack
// costs a build, so it comes at most once per that many words.
std::size_t SlotCapacityFor(std::size_t entries) { return 2 * entries + 1024; }

std::uint16_t PairOf(std::string_view low) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(low[0]) << 8 | static_cast<unsigned char>(low[1]));
}

const std::vector<FoldedWordList::Slot> kNoSlots;

}  // namespace

FoldedWordList::PrefixSlots FoldedWordList::StartingWithPrefix(std::string_view lowPrefix) const {
    if (lowPrefix.size() < 2)
        return {lowPrefix.empty() ? kNoSlots : startingWith_[static_cast<unsigned char>(lowPrefix[0])], nullptr};
    const auto it = startingWithPair_.find(PairOf(lowPrefix));
    if (it == startingWithPair_.end()) return {kNoSlots, nullptr};
    return {it->second.bySlot, &it->second.next};
}

FoldedWordList::PrefixSlots FoldedWordList::BlankThenPrefix(std::string_view lowPrefix) const {
    if (lowPrefix.size() < 2)
        return {lowPrefix.empty() ? kNoSlots : blankThen_[static_cast<unsigned char>(lowPrefix[0])], nullptr};
    const auto it = blankThenPair_.find(PairOf(lowPrefix));
    if (it == blankThenPair_.end()) return {kNoSlots, nullptr};
    return {it->second.bySlot, &it->second.next};
}

void FoldedWordList::PairSlots::Add(Slot s, std::string_view afterPair) {
    bySlot.push_back(s);
    const unsigned first = afterPair.size() > 0 ? static_cast<unsigned char>(afterPair[0]) : 0;
    const unsigned second = afterPair.size() > 1 ? static_cast<unsigned char>(afterPair[1]) : 0;
    next.push_back(static_cast<std::uint16_t>(first << 8 | second));
}

const std::vector<FoldedWordList::Slot>& FoldedWordList::WordAfterSeparator(std::string_view lowWord) const {
    if (lowWord.size() < 2) return lowWord.empty() ? kNoSlots : wordAfterSeparator_[static_cast<unsigned char>(lowWord[0])];
    const auto it = wordAfterSeparatorPair_.find(PairOf(lowWord));
    return it == wordAfterSeparatorPair_.end() ? kNoSlots : it->second;
}

std::size_t FoldedWordList::FindFolded(std::string_view lowText, std::string_view exact) const {
    const PrefixSlots candidates = StartingWithPrefix(lowText);
    const std::string_view rest = lowText.size() > 2 ? lowText.substr(2) : std::string_view{};
    for (std::size_t k = candidates.bySlot.size(); k-- > 0;) {
        if (!candidates.MayGoOn(k, rest)) continue;
        const Slot s = candidates.bySlot[k];
        if (!Alive(s) || Folded(s) != lowText) continue;
        if (!exact.empty() && Original(s) != exact) continue;
        return Position(s);
    }
    return std::string_view::npos;
}

void FoldedWordList::Build(const StringList& list, win::CodePage cp) {
    codePage_ = cp;
    fold_ = CaseFold(cp);
    // Then every word that starts with a folded prefix has that prefix's
    // letters, and those words stand together in the display order.
    primaryFollowsFold_ = true;
    for (int c = 0; c < 256; ++c)
        if (win::AnsiPrimaryWeight(static_cast<char>(c), cp) !=
            win::AnsiPrimaryWeight(static_cast<char>(fold_.Lower(static_cast<char>(c))), cp))
            primaryFollowsFold_ = false;
    EnsureLetterTable();
    for (int c = 0; c < 256; ++c) wordChars_[c] = IsAlphaDigit(static_cast<char>(c));
    struct Reversed {
        const StringList& list;
        std::string_view operator[](std::size_t i) const { return list[list.Count() - 1 - i]; }
    };
    Assign(Reversed{list}, list.Count());
}

template <typename OldestFirst>
void FoldedWordList::Assign(const OldestFirst& entries, std::size_t count) {
    changed_ = true;
    edits_.clear();
    buildNumber_ = DrawNumber();
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (!TooLongToOffer(entries[i])) bytes += entries[i].size();
    folded_.clear();
    original_.clear();
    folded_.reserve(bytes + bytes / 4);
    original_.reserve(bytes + bytes / 4);
    slotCapacity_ = SlotCapacityFor(count);
    starts_.assign(1, 0);
    starts_.reserve(slotCapacity_ + 1);
    groupStarts_.clear();
    lastWordStart_.clear();
    lastWordStart_.reserve(count + 64);
    offerCharacters_.clear();
    offerCharacters_.reserve(count + 64);
    aliveBits_.clear();
    liveBefore_.clear();
    for (auto& bucket : startingWith_) bucket.clear();
    for (auto& bucket : blankThen_) bucket.clear();
    for (auto& bucket : wordAfterSeparator_) bucket.clear();
    wordAfterSeparatorPair_.clear();
    startingWithPair_.clear();
    blankThenPair_.clear();
    singleWords_.clear();
    byteCount_.fill(0);
    gramStride_ = (count / kGramGroup + 1 + 63) / 64;
    gramBits_.assign(kGramRows * gramStride_, 0);
    live_ = 0;
    oldest_ = 0;
    bulk_ = true;
    singleWords_.reserve(count / 2);
    for (std::size_t i = 0; i < count; ++i) Append(entries[i]);
    bulk_ = false;
    std::sort(singleWords_.begin(), singleWords_.end(), [this](const SingleWord& a, const SingleWord& b) {
        return DisplayOrder(a, EntryWord(a), b, EntryWord(b));
    });
    singleText_.clear();
    for (SingleWord& w : singleWords_) {
        w.textAt = static_cast<std::uint32_t>(singleText_.size());
        singleText_.append(EntryWord(w));
    }
    // The indexes grew by doubling while they were filled: what they hold
    // now is all most lists ever hold (a unit's words are gathered once),
    // and the slack would be up to half of them, for 20 units and more.
    auto fit = [](auto& buckets) {
        for (auto& bucket : buckets) bucket.shrink_to_fit();
    };
    fit(startingWith_);
    fit(blankThen_);
    fit(wordAfterSeparator_);
    for (auto& [pair, bucket] : startingWithPair_) {
        bucket.bySlot.shrink_to_fit();
        bucket.next.shrink_to_fit();
    }
    for (auto& [pair, bucket] : blankThenPair_) {
        bucket.bySlot.shrink_to_fit();
        bucket.next.shrink_to_fit();
    }
    for (auto& [pair, bucket] : wordAfterSeparatorPair_) bucket.shrink_to_fit();
    singleWords_.shrink_to_fit();
    singleText_.shrink_to_fit();
}

bool FoldedWordList::SingleWordOf(std::string_view entry, Slot s, SingleWord& out) const {
    // The search offers such an entry's end after its last non-word
    // character: nothing when that is the last character.
    if (entry.empty() || !wordChars_[static_cast<unsigned char>(entry.back())]) return false;
    std::size_t lead = 0;
    while (IsBlankOrControl(entry[lead])) ++lead;
    for (std::size_t i = lead; i < entry.size(); ++i)
        if (!wordChars_[static_cast<unsigned char>(entry[i])]) return false;
    const std::string_view word = entry.substr(lead);
    out = {win::AnsiSortPrefix(word, codePage_), s, 0, static_cast<std::uint16_t>(lead),
           static_cast<std::uint16_t>(word.size())};
    return true;
}

bool FoldedWordList::DisplayOrder(const SingleWord& a, std::string_view aText, const SingleWord& b,
                                  std::string_view bText) const {
    if (a.sortPrefix != b.sortPrefix) return a.sortPrefix < b.sortPrefix;
    if (a.slot == b.slot) return false;
    const int c = win::AnsiCompareText(aText, bText, codePage_);
    return c != 0 ? c < 0 : a.slot > b.slot;
}

std::size_t FoldedWordList::SingleWordIndex(const SingleWord& w, std::string_view text) const {
    return static_cast<std::size_t>(
        std::partition_point(singleWords_.begin(), singleWords_.end(),
                             [&](const SingleWord& x) { return DisplayOrder(x, Word(x), w, text); }) -
        singleWords_.begin());
}

void FoldedWordList::AddSingleWord(Slot s) {
    SingleWord w;
    if (!SingleWordOf(Original(s), s, w)) return;
    if (bulk_) {
        singleWords_.push_back(w);
        return;
    }
    const std::string_view text = EntryWord(w);
    const std::size_t i = SingleWordIndex(w, text);
    w.textAt = i < singleWords_.size() ? singleWords_[i].textAt : static_cast<std::uint32_t>(singleText_.size());
    singleText_.insert(w.textAt, text);
    for (std::size_t j = i; j < singleWords_.size(); ++j) singleWords_[j].textAt += w.length;
    singleWords_.insert(singleWords_.begin() + static_cast<std::ptrdiff_t>(i), w);
    NoteEdit({static_cast<std::uint32_t>(i), true});
}

void FoldedWordList::RemoveSingleWord(Slot s) {
    SingleWord w;
    if (!SingleWordOf(Original(s), s, w)) return;
    const std::size_t i = SingleWordIndex(w, EntryWord(w));
    if (i >= singleWords_.size() || singleWords_[i].slot != s) return;
    singleText_.erase(singleWords_[i].textAt, w.length);
    singleWords_.erase(singleWords_.begin() + static_cast<std::ptrdiff_t>(i));
    for (std::size_t j = i; j < singleWords_.size(); ++j) singleWords_[j].textAt -= w.length;
    NoteEdit({static_cast<std::uint32_t>(i), false});
}

std::pair<std::size_t, std::size_t> FoldedWordList::SingleWordsStartingWith(std::string_view lowPrefix) const {
    if (lowPrefix.empty() || !primaryFollowsFold_) return {0, singleWords_.size()};
    // The words' sort prefixes hold the letters of their first eight
    // characters, in order: the letters are compared there, without reading
    // the words, which lie all over the words' text. A longer prefix gets
    // the run of its first eight letters.
    const std::size_t known = std::min<std::size_t>(lowPrefix.size(), 8);
    const std::uint64_t mask = ~std::uint64_t{0} << (8 * (8 - known));
    const std::uint64_t letters = win::AnsiSortPrefix(lowPrefix, codePage_) & mask;
    auto compare = [&](const SingleWord& w) {
        const std::uint64_t own = w.sortPrefix & mask;
        return own == letters ? 0 : (own < letters ? -1 : 1);
    };
    const auto first = std::partition_point(singleWords_.begin(), singleWords_.end(),
                                            [&](const SingleWord& w) { return compare(w) < 0; });
    const auto last = std::partition_point(first, singleWords_.end(), [&](const SingleWord& w) { return compare(w) == 0; });
    return {static_cast<std::size_t>(first - singleWords_.begin()), static_cast<std::size_t>(last - singleWords_.begin())};
}

std::size_t FoldedWordList::GramRow(std::string_view three) {
    const std::uint32_t key = static_cast<std::uint32_t>(static_cast<unsigned char>(three[0])) << 16 |
                              static_cast<std::uint32_t>(static_cast<unsigned char>(three[1])) << 8 |
                              static_cast<unsigned char>(three[2]);
    return (key * 2654435761u) >> (32 - kTripleRowBits);
}

void FoldedWordList::AddGrams(Slot s, std::string_view low) {
    const std::size_t group = s / kGramGroup;
    if (group / 64 >= gramStride_) {
        // A quarter more room each time: the learnt dictionary grows a group
        // at a time, and twice its size would be memory spent for nothing.
        const std::size_t stride = group / 64 + 1 + gramStride_ / 4;
        std::vector<std::uint64_t> wider(kGramRows * stride, 0);
        for (std::size_t r = 0; r < kGramRows && gramStride_ > 0; ++r)
            std::copy_n(gramBits_.begin() + static_cast<std::ptrdiff_t>(r * gramStride_), gramStride_,
                        wider.begin() + static_cast<std::ptrdiff_t>(r * stride));
        gramBits_ = std::move(wider);
        gramStride_ = stride;
    }
    const std::uint64_t bit = std::uint64_t{1} << (group & 63);
    std::uint64_t* const column = gramBits_.data() + group / 64;
    for (std::size_t q = 0; q + 3 <= low.size(); ++q) column[GramRow(low.substr(q, 3)) * gramStride_] |= bit;
    for (char c : low) column[CharacterRow(c) * gramStride_] |= bit;
}

FoldedWordList::GramFilter FoldedWordList::GroupsThatMayHold(std::string_view lowText) const {
    GramFilter filter;
    if (lowText.empty()) return filter;
    // At least one word, so that a filter of an empty list filters.
    const std::size_t words = (GramGroups() + 63) / 64;
    std::vector<std::uint64_t>& groups = filter.groups_;
    groups.assign(std::max<std::size_t>(words, 1), 0);
    if (words == 0) return filter;
    bool first = true;
    auto keep = [&](std::size_t row) {
        const std::uint64_t* bits = gramBits_.data() + row * gramStride_;
        if (first)
            std::copy_n(bits, words, groups.begin());
        else
            for (std::size_t w = 0; w < words; ++w) groups[w] &= bits[w];
        first = false;
    };
    if (lowText.size() >= 3) {
        for (std::size_t q = 0; q + 3 <= lowText.size(); ++q) keep(GramRow(lowText.substr(q, 3)));
    } else {
        for (char c : lowText) keep(CharacterRow(c));
    }
    return filter;
}

void FoldedWordList::Append(std::string_view entry) {
    changed_ = true;
    if (SlotEnd() + 1 >= slotCapacity_) Pack();
    if (TooLongToOffer(entry)) entry = {};
    const Slot s = SlotEnd();
    const std::size_t at = folded_.size();
    if (s % kLocateGroup == 0) groupStarts_.push_back(static_cast<std::uint32_t>(at));
    original_.append(entry);
    for (char c : entry) {
        const unsigned char low = fold_.Lower(c);
        folded_.push_back(static_cast<char>(low));
        ++byteCount_[low];
    }
    starts_.push_back(static_cast<std::uint32_t>(folded_.size()));
    if ((s & 63) == 0) {
        liveBefore_.push_back(aliveBits_.empty() ? 0
                                                 : liveBefore_.back() + static_cast<std::uint32_t>(std::popcount(aliveBits_.back())));
        aliveBits_.push_back(0);
    }
    aliveBits_[s >> 6] |= std::uint64_t{1} << (s & 63);
    ++live_;
    if (live_ == 1) oldest_ = s;

    const std::string_view low = std::string_view(folded_).substr(at);
    AddLastWord(entry, low);
    AddGrams(s, low);
    if (low.empty()) return;
    startingWith_[static_cast<unsigned char>(low[0])].push_back(s);
    if (low.size() > 1) startingWithPair_[PairOf(low)].Add(s, low.substr(2));
    if (low.size() > 1 && low[0] == ' ') blankThen_[static_cast<unsigned char>(low[1])].push_back(s);
    if (low.size() > 2 && low[0] == ' ') blankThenPair_[PairOf(low.substr(1))].Add(s, low.substr(3));
    for (std::size_t q = 1; q < entry.size(); ++q) {
        if (wordChars_[static_cast<unsigned char>(entry[q - 1])] || !wordChars_[static_cast<unsigned char>(entry[q])]) continue;
        auto once = [s](std::vector<Slot>& slots) {
            if (slots.empty() || slots.back() != s) slots.push_back(s);
        };
        once(wordAfterSeparator_[static_cast<unsigned char>(low[q])]);
        if (q + 1 < low.size()) once(wordAfterSeparatorPair_[PairOf(low.substr(q))]);
    }
    AddSingleWord(s);
}

void FoldedWordList::AddLastWord(std::string_view entry, std::string_view low) {
    std::size_t start = entry.size();
    while (start > 0 && wordChars_[static_cast<unsigned char>(entry[start - 1])]) --start;
    lastWordStart_.push_back(static_cast<std::uint16_t>(start));
    std::uint32_t offer = 0;
    if (start < entry.size() && entry.front() != ' ') {
        std::uint32_t before = 0, word = 0;
        for (std::size_t q = 0; q < start; ++q) before |= CharacterBit(static_cast<unsigned char>(low[q]));
        for (std::size_t q = start; q < low.size(); ++q) word |= CharacterBit(static_cast<unsigned char>(low[q]));
        // Only the letters' bits tell for sure that the text before holds
        // the character.
        constexpr std::uint32_t kShared = ~std::uint32_t{0} << 26;
        offer = word & (~before | kShared | CharacterBit(static_cast<unsigned char>(low[start])));
    }
    offerCharacters_.push_back(offer);
}

void FoldedWordList::Kill(Slot s) {
    changed_ = true;
    RemoveSingleWord(s);
    aliveBits_[s >> 6] &= ~(std::uint64_t{1} << (s & 63));
    for (std::size_t b = (s >> 6) + 1; b < liveBefore_.size(); ++b) --liveBefore_[b];
    --live_;
    if (s == oldest_ && live_ > 0) {
        while (!Alive(oldest_)) ++oldest_;
    }
}

void FoldedWordList::PutOnTop(std::string_view entry) { Append(entry); }

void FoldedWordList::NoteEdit(SingleWordEdit edit) {
    // A long session's log would outgrow what it saves: past a bound it
    // starts again, as after a build.
    constexpr std::size_t kMostEdits = 4096;
    if (edits_.size() >= kMostEdits) {
        edits_.clear();
        buildNumber_ = DrawNumber();
    }
    edits_.push_back(edit);
}

std::uint64_t FoldedWordList::Generation() const {
    if (changed_) {
        generation_ = DrawNumber();
        changed_ = false;
    }
    return generation_;
}

void FoldedWordList::MoveToTop(std::size_t position, std::string_view spelling) {
    if (position >= live_) return;
    // The spelling may be the moving entry's own text, which the append
    // below could move.
    const std::string copy(spelling);
    Kill(SlotOfRank(live_ - position));
    Append(copy);
}

void FoldedWordList::KeepFirst(std::size_t count) {
    while (live_ > count) Kill(oldest_);
}

void FoldedWordList::Pack() {
    std::vector<std::string> entries;
    entries.reserve(live_);
    for (Slot s = 0; s < SlotEnd(); ++s)
        if (Alive(s)) entries.emplace_back(Original(s));
    Assign(entries, entries.size());
}


namespace {

// The positions' loop, compiled twice: the plain build counts bits with a
// dozen instructions, where a processor with popcnt needs one.
inline void PositionsLoop(const std::uint64_t* alive, const std::uint32_t* before, std::size_t live,
                          const FoldedWordList::Slot* slots, std::size_t count, int* out) {
    for (std::size_t i = 0; i < count; ++i) {
        const FoldedWordList::Slot s = slots[i];
        const std::uint64_t upTo = (s & 63) == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << ((s & 63) + 1)) - 1;
        out[i] = static_cast<int>(live - before[s >> 6] - static_cast<std::size_t>(std::popcount(alive[s >> 6] & upTo)));
    }
}

#if defined(__x86_64__)
__attribute__((target("popcnt"))) void PositionsWithPopcnt(const std::uint64_t* alive, const std::uint32_t* before,
                                                          std::size_t live, const FoldedWordList::Slot* slots,
                                                          std::size_t count, int* out) {
    PositionsLoop(alive, before, live, slots, count, out);
}
#endif

}  // namespace

void FoldedWordList::Positions(const Slot* slots, std::size_t count, int* out) const {
#if defined(__x86_64__)
    static const bool popcnt = __builtin_cpu_supports("popcnt");
    if (popcnt) {
        PositionsWithPopcnt(aliveBits_.data(), liveBefore_.data(), live_, slots, count, out);
        return;
    }
#endif
    PositionsLoop(aliveBits_.data(), liveBefore_.data(), live_, slots, count, out);
}

FoldedWordList::Slot FoldedWordList::SlotOfRank(std::size_t rank) const {
    // The last word of slots with fewer live ones before it than rank holds
    // the slot; within it, the bit that makes the count.
    const auto word = std::partition_point(liveBefore_.begin(), liveBefore_.end(),
                                           [&](std::uint32_t before) { return before < rank; }) - liveBefore_.begin() - 1;
    std::size_t left = rank - liveBefore_[static_cast<std::size_t>(word)];
    std::uint64_t bits = aliveBits_[static_cast<std::size_t>(word)];
    for (;;) {
        const int bit = std::countr_zero(bits);
        if (--left == 0) return static_cast<Slot>(word * 64 + bit);
        bits &= bits - 1;
    }
}

const FoldedWordList& FoldedWordCache::Get(const StringList& list, std::uint64_t version) const {
    const win::CodePage cp = win::GetACP();
    // The count check is a cheap guard against a change that slipped past
    // the version number; a stale copy would offer wrong words.
    if (!built_ || builtVersion_ != version || folded_.CodePage() != cp || folded_.Count() != list.Count()) {
        folded_.Build(list, cp);
        builtVersion_ = version;
        built_ = true;
    }
    return folded_;
}

}  // namespace skrivo
