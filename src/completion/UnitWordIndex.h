// The words of every open unit in one index, looked up once for a word being completed instead of once a unit.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "completion/FoldedWordList.h"
#include "platform/CodePage.h"

namespace skrivo {

// A request narrowed to its last word searches each unit's list only for the
// entries that begin with that word, top entry first, unit after unit. With
// twenty units that is twenty look-ups in twenty indexes whose memory has
// gone cold between two keys, for a handful of words. This index holds the
// units' words together, each once (the first unit and entry it comes
// from), grouped by their first two folded characters and kept in the order
// the unit-by-unit search would meet them.
//
// Only lists of plain words are indexed: a unit's list holds nothing else.
// An entry with a separator or a blank would be offered otherwise than its
// whole text, so a list with one makes the index unusable and the search
// goes unit by unit.
class UnitWordIndex {
public:
    using Slot = FoldedWordList::Slot;

    // Indexes the lists in the order they are searched; false when one holds
    // an entry that is not a plain word (the index is then empty).
    bool Build(const std::vector<const FoldedWordList*>& lists);
    bool Usable() const { return usable_; }

    // Every indexed word whose folded text begins with lowPrefix and is
    // longer than it, in the order the lists would be searched, until visit
    // (list, slot) returns false. lowPrefix must not be empty.
    template <typename Visit>
    void VisitLongerStartingWith(std::string_view lowPrefix, Visit&& visit) const;

private:
    struct Item {
        std::uint32_t next;    // folded characters 3 to 6 (the bucket has the first two), the third in the highest byte
        Slot slot;
        std::uint16_t list;
        std::uint16_t length;  // of the word, at most kMaxOfferedEntryLength
        // Where the search meets it: lists in order, each from its top.
        std::uint64_t Order() const { return (std::uint64_t{list} << 32) | (0xFFFFFFFFu - slot); }
    };
    // The items with the same first two folded characters, in search order.
    struct Bucket {
        std::uint16_t pair;
        std::uint32_t begin;
        std::uint32_t end;
    };
    // The folded characters from `from` on, four of them, the first in the highest byte.
    static std::uint32_t FourFrom(std::string_view low, std::size_t from) {
        std::uint32_t four = 0;
        for (std::size_t i = from; i < from + 4; ++i) four = (four << 8) | (i < low.size() ? static_cast<unsigned char>(low[i]) : 0u);
        return four;
    }
    static std::uint16_t PairOf(std::string_view low) {
        return static_cast<std::uint16_t>((static_cast<unsigned char>(low[0]) << 8) | static_cast<unsigned char>(low[1]));
    }
    // Within a bucket, the kept characters settle prefixes of up to six
    // characters without reading a word.
    bool Matches(const Item& item, std::string_view lowPrefix, std::uint32_t next, std::uint32_t mask) const {
        if (item.length <= lowPrefix.size() || ((item.next ^ next) & mask) != 0) return false;
        return lowPrefix.size() <= 6 || lists_[item.list]->Folded(item.slot).substr(6).starts_with(lowPrefix.substr(6));
    }
    const Bucket* Find(std::uint16_t pair) const;

    bool usable_ = false;
    std::vector<const FoldedWordList*> lists_;
    // One array for all items, bucket after bucket: an index of a hundred
    // thousand words is then one allocation, not thousands.
    std::vector<Item> items_;
    std::vector<Bucket> buckets_;  // by pair
    // The run of buckets_ whose pairs begin with each character.
    std::array<std::pair<std::uint32_t, std::uint32_t>, 256> byFirst_{};
};

// The index for the lists of the moment, built again only when they change.
// The owner also says when a list it hands over changed in place: the
// index cannot tell a list rebuilt at the same address with as many words.
class UnitWordIndexCache {
public:
    // nullptr when the lists cannot be indexed.
    const UnitWordIndex* For(const std::vector<const FoldedWordList*>& lists);
    void Invalidate() { built_ = false; }

private:
    struct Key {
        const FoldedWordList* list;
        std::size_t count;
        std::size_t slotEnd;
        friend bool operator==(const Key&, const Key&) = default;
    };
    UnitWordIndex index_;
    std::vector<Key> keys_;
    win::CodePage codePage_ = win::CodePage::Cp1252;
    bool built_ = false;
};

template <typename Visit>
void UnitWordIndex::VisitLongerStartingWith(std::string_view lowPrefix, Visit&& visit) const {
    if (!usable_ || lowPrefix.empty()) return;
    if (lowPrefix.size() >= 2) {
        const Bucket* bucket = Find(PairOf(lowPrefix));
        if (!bucket) return;
        const std::size_t known = std::min<std::size_t>(lowPrefix.size(), 6) - 2;
        const std::uint32_t mask = known == 0 ? 0 : ~std::uint32_t{0} << (32 - 8 * known);
        const std::uint32_t next = FourFrom(lowPrefix, 2);
        for (std::uint32_t i = bucket->begin; i < bucket->end; ++i)
            if (Matches(items_[i], lowPrefix, next, mask) && !visit(*lists_[items_[i].list], items_[i].slot)) return;
        return;
    }
    // One character: the buckets of every second character, merged back
    // into the order of the search (a heap of their next items).
    const auto [firstBucket, endBucket] = byFirst_[static_cast<unsigned char>(lowPrefix[0])];
    struct Cursor {
        std::uint64_t order;
        const Item* item;
        const Item* end;
    };
    const auto later = [](const Cursor& a, const Cursor& b) { return a.order > b.order; };
    std::vector<Cursor> heap;
    heap.reserve(endBucket - firstBucket);
    for (std::uint32_t b = firstBucket; b < endBucket; ++b) {
        const Item* const first = items_.data() + buckets_[b].begin;
        heap.push_back({first->Order(), first, items_.data() + buckets_[b].end});
    }
    std::make_heap(heap.begin(), heap.end(), later);
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), later);
        Cursor& next = heap.back();
        const Item& item = *next.item;
        if (++next.item == next.end) {
            heap.pop_back();
        } else {
            next.order = next.item->Order();
            std::push_heap(heap.begin(), heap.end(), later);
        }
        if (!visit(*lists_[item.list], item.slot)) return;
    }
}

}  // namespace skrivo
