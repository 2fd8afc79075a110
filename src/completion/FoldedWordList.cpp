// The folded copy of a word list: building, the learning changes, positions of slots.
#include "completion/FoldedWordList.h"

#include <algorithm>
#include <bit>

#include "source/CharClasses.h"

namespace skrivo {

namespace {

// Room for as many learnt words again before the copy is packed: a pack
// costs a build, so it comes at most once per that many words.
std::size_t SlotCapacityFor(std::size_t entries) { return 2 * entries + 1024; }

std::uint16_t PairOf(std::string_view low) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(low[0]) << 8 | static_cast<unsigned char>(low[1]));
}

const std::vector<FoldedWordList::Slot> kNoSlots;

}  // namespace

const std::vector<FoldedWordList::Slot>& FoldedWordList::StartingWith(std::string_view lowPrefix) const {
    if (lowPrefix.size() < 2) return lowPrefix.empty() ? kNoSlots : startingWith_[static_cast<unsigned char>(lowPrefix[0])];
    const auto it = startingWithPair_.find(PairOf(lowPrefix));
    return it == startingWithPair_.end() ? kNoSlots : it->second;
}

const std::vector<FoldedWordList::Slot>& FoldedWordList::BlankThen(std::string_view lowPrefix) const {
    if (lowPrefix.size() < 2) return lowPrefix.empty() ? kNoSlots : blankThen_[static_cast<unsigned char>(lowPrefix[0])];
    const auto it = blankThenPair_.find(PairOf(lowPrefix));
    return it == blankThenPair_.end() ? kNoSlots : it->second;
}

void FoldedWordList::Build(const StringList& list, win::CodePage cp) {
    codePage_ = cp;
    fold_ = CaseFold(cp);
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
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (!TooLongToOffer(entries[i])) bytes += entries[i].size();
    folded_.clear();
    original_.clear();
    folded_.reserve(bytes + bytes / 4);
    original_.reserve(bytes + bytes / 4);
    starts_.assign(1, 0);
    starts_.reserve(SlotCapacityFor(count) + 1);
    alive_.clear();
    alive_.reserve(SlotCapacityFor(count));
    for (auto& bucket : startingWith_) bucket.clear();
    for (auto& bucket : blankThen_) bucket.clear();
    for (auto& bucket : singleStartingWith_) bucket.clear();
    startingWithPair_.clear();
    blankThenPair_.clear();
    singleWords_.clear();
    byteCount_.fill(0);
    live_ = 0;
    oldest_ = 0;
    // Every slot alive: each tree node counts its whole range.
    tree_.assign(SlotCapacityFor(count) + 1, 0);
    for (std::size_t i = 0; i < count; ++i) Append(entries[i]);
}

void FoldedWordList::Append(std::string_view entry) {
    if (alive_.size() + 1 >= tree_.size()) Pack();
    if (TooLongToOffer(entry)) entry = {};
    const auto s = static_cast<Slot>(alive_.size());
    const std::size_t at = folded_.size();
    original_.append(entry);
    for (char c : entry) {
        const unsigned char low = fold_.Lower(c);
        folded_.push_back(static_cast<char>(low));
        ++byteCount_[low];
    }
    starts_.push_back(static_cast<std::uint32_t>(folded_.size()));
    alive_.push_back(1);
    for (std::size_t i = s + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
    ++live_;
    if (live_ == 1) oldest_ = s;

    const std::string_view low = std::string_view(folded_).substr(at);
    if (low.empty()) return;
    startingWith_[static_cast<unsigned char>(low[0])].push_back(s);
    if (low.size() > 1) startingWithPair_[PairOf(low)].push_back(s);
    if (low.size() > 1 && low[0] == ' ') blankThen_[static_cast<unsigned char>(low[1])].push_back(s);
    if (low.size() > 2 && low[0] == ' ') blankThenPair_[PairOf(low.substr(1))].push_back(s);
    const std::string_view word = Trim(entry);
    if (word.empty()) return;
    for (char c : word)
        if (!wordChars_[static_cast<unsigned char>(c)]) return;
    singleWords_.push_back(s);
    singleStartingWith_[fold_.Lower(word[0])].push_back(s);
}

void FoldedWordList::Kill(Slot s) {
    alive_[s] = 0;
    for (std::size_t i = s + 1; i < tree_.size(); i += i & (~i + 1)) --tree_[i];
    --live_;
    if (s == oldest_ && live_ > 0) {
        while (!alive_[oldest_]) ++oldest_;
    }
}

void FoldedWordList::PutOnTop(std::string_view entry) { Append(entry); }

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
    for (Slot s = 0; s < alive_.size(); ++s)
        if (alive_[s]) entries.emplace_back(Original(s));
    Assign(entries, entries.size());
}

std::size_t FoldedWordList::AliveUpTo(Slot s) const {
    std::size_t sum = 0;
    for (std::size_t i = s + 1; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
}

std::size_t FoldedWordList::Position(Slot s) const { return live_ - AliveUpTo(s); }

FoldedWordList::Slot FoldedWordList::SlotOfRank(std::size_t rank) const {
    // Descends the tree: the largest prefix of slots holding fewer than rank
    // live ones ends just before the wanted slot.
    std::size_t at = 0;
    for (std::size_t step = std::bit_floor(tree_.size() - 1); step > 0; step >>= 1) {
        if (at + step < tree_.size() && tree_[at + step] < rank) {
            at += step;
            rank -= tree_[at];
        }
    }
    return static_cast<Slot>(at);
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
