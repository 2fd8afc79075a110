// The units' words indexed together: built from their folded lists, each word once.
#include "completion/UnitWordIndex.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <string>

#include "completion/TextFold.h"
#include "source/CharClasses.h"

namespace skrivo {

const UnitWordIndex::Bucket* UnitWordIndex::Find(std::uint16_t pair) const {
    const auto it = std::lower_bound(buckets_.begin(), buckets_.end(), pair,
                                     [](const Bucket& b, std::uint16_t p) { return b.pair < p; });
    return it != buckets_.end() && it->pair == pair ? &*it : nullptr;
}

namespace {

// The lists' live entries numbered one after another, list after list, as
// the table of words met before keeps them.
class EntryNumbers {
public:
    explicit EntryNumbers(const std::vector<const FoldedWordList*>& lists) : lists_(lists) {
        std::size_t first = 0;
        for (const FoldedWordList* list : lists) {
            firsts_.push_back(first);
            first += list->SlotEnd();
        }
        total_ = first;
    }
    std::size_t Total() const { return total_; }
    std::uint32_t Of(std::size_t list, FoldedWordList::Slot slot) const {
        return static_cast<std::uint32_t>(firsts_[list] + slot);
    }
    std::string_view Text(std::uint32_t number) const {
        const std::size_t list = static_cast<std::size_t>(std::upper_bound(firsts_.begin(), firsts_.end(), number) - firsts_.begin()) - 1;
        return lists_[list]->Original(static_cast<FoldedWordList::Slot>(number - firsts_[list]));
    }

private:
    const std::vector<const FoldedWordList*>& lists_;
    std::vector<std::size_t> firsts_;
    std::size_t total_ = 0;
};

// Words met before, by text: one flat table of entry numbers, sized once.
class SeenWords {
public:
    SeenWords(const EntryNumbers& numbers, std::size_t words)
        : numbers_(numbers), table_(std::max<std::size_t>(64, std::bit_ceil(words + words / 3 + 1)), 0) {}
    // False when an equal text was inserted before.
    bool Insert(std::uint32_t number, std::string_view text) {
        const std::size_t mask = table_.size() - 1;
        for (std::size_t at = std::hash<std::string_view>{}(text) & mask;; at = (at + 1) & mask) {
            if (table_[at] == 0) {
                table_[at] = number + 1;
                return true;
            }
            if (numbers_.Text(table_[at] - 1) == text) return false;
        }
    }

private:
    const EntryNumbers& numbers_;
    std::vector<std::uint32_t> table_;  // number + 1, 0 for empty
};

}  // namespace

// Built in three passes over the entries in search order (list after list,
// each from its top) so that nothing but the items themselves outlives the
// build: the words to keep (each text the first time it is met, as the
// search would drop a later one as found already), their count a bucket,
// then the items put in place, each bucket in search order.
bool UnitWordIndex::Build(const std::vector<const FoldedWordList*>& lists) {
    usable_ = false;
    lists_.clear();
    items_.clear();
    buckets_.clear();
    byFirst_.fill({0, 0});
    EnsureLetterTable();
    // The index numbers its lists in 16 bits.
    if (lists.size() > 0xFFFF) return false;

    const EntryNumbers numbers(lists);
    std::size_t words = 0;
    for (const FoldedWordList* list : lists) words += list->Count();
    std::vector<bool> kept(numbers.Total(), false);
    std::vector<std::uint32_t> groupStart((std::size_t{1} << 16) + 1, 0);
    {
        SeenWords seen(numbers, words);
        for (std::size_t l = 0; l < lists.size(); ++l) {
            const FoldedWordList& list = *lists[l];
            for (Slot s = list.SlotEnd(); s-- > 0;) {
                if (!list.Alive(s)) continue;
                const std::string_view word = list.Original(s);
                // Too long to offer (kept empty) or too short to be longer
                // than anything typed: never offered.
                if (word.size() < 2) continue;
                if (!std::all_of(word.begin(), word.end(), IsAlphaDigit)) return false;
                if (!seen.Insert(numbers.Of(l, s), word)) continue;
                kept[numbers.Of(l, s)] = true;
                ++groupStart[std::size_t{PairOf(list.Folded(s))} + 1];
            }
        }
    }
    for (std::size_t p = 0; p < (std::size_t{1} << 16); ++p) {
        const std::uint32_t begin = groupStart[p], end = begin + groupStart[p + 1];
        groupStart[p + 1] = end;
        if (begin == end) continue;
        auto& first = byFirst_[p >> 8];
        if (first.first == first.second) first = {static_cast<std::uint32_t>(buckets_.size()), static_cast<std::uint32_t>(buckets_.size())};
        ++first.second;
        buckets_.push_back({static_cast<std::uint16_t>(p), begin, end});
    }
    items_.resize(groupStart[std::size_t{1} << 16]);
    for (std::size_t l = 0; l < lists.size(); ++l) {
        const FoldedWordList& list = *lists[l];
        for (Slot s = list.SlotEnd(); s-- > 0;) {
            if (!kept[numbers.Of(l, s)]) continue;
            const std::string_view low = list.Folded(s);
            items_[groupStart[PairOf(low)]++] = {FourFrom(low, 2), s, static_cast<std::uint16_t>(l),
                                                  static_cast<std::uint16_t>(low.size())};
        }
    }
    lists_ = lists;
    usable_ = true;
    return true;
}

const UnitWordIndex* UnitWordIndexCache::For(const std::vector<const FoldedWordList*>& lists) {
    std::vector<Key> keys;
    keys.reserve(lists.size());
    for (const FoldedWordList* list : lists) keys.push_back({list, list->Count(), list->SlotEnd()});
    const win::CodePage cp = win::GetACP();
    if (!built_ || keys != keys_ || cp != codePage_) {
        index_.Build(lists);
        keys_ = std::move(keys);
        codePage_ = cp;
        built_ = true;
    }
    return index_.Usable() ? &index_ : nullptr;
}

}  // namespace skrivo
