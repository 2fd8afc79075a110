// The learnt entries kept in the order they were put on top, so that learning a word touches a slot or two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "completion/TextFold.h"
#include "platform/CodePage.h"

namespace skrivo {

// Each entry lives in a slot numbered in the order it was put on top, the
// newest last: a new word is appended, a word used again moves to a new
// slot and leaves its old one dead, the oldest are dropped by marking them.
// A list kept top first would move every entry above the change instead,
// up to the whole dictionary at every finished word. A tree of live counts
// turns a list position into its slot in a few steps; dead slots are packed
// away once they take up the room left. A table of the slots by the hash of
// their lower-cased text finds the entry a learnt or accepted word is,
// however many entries begin like it.
class LearntEntryLog {
public:
    // Takes the strings of a list given top first.
    void Assign(std::vector<std::string>&& topFirst);
    std::size_t Count() const { return live_; }
    // The entry at a list position (0 = top).
    const std::string& At(std::size_t position) const { return slots_[SlotAt(position)]; }

    // Lower-cases in cp from now on (the table is hashed again when it
    // changes).
    void FoldWith(win::CodePage cp);
    // The position of the top entry equal to text but for case (with exact,
    // spelled exactly so), or npos.
    std::size_t Find(std::string_view text, bool exact) const;

    void PutOnTop(std::string entry);
    // The entry at position moves to the top, in its own or a new spelling.
    void MoveToTop(std::size_t position);
    void MoveToTop(std::size_t position, std::string spelling);
    // Drops everything from count on.
    void KeepFirst(std::size_t count);

    // Calls visit for the entries from the top down while it returns true;
    // false when a visit said stop.
    template <typename Visit>
    bool EachFromTop(Visit&& visit) const {
        for (std::size_t s = slots_.size(); s-- > 0;)
            if (alive_[s] && !visit(slots_[s])) return false;
        return true;
    }
    void CopyTo(std::vector<std::string>& topFirst) const;

private:
    std::size_t SlotAt(std::size_t position) const;
    std::size_t PositionOf(std::size_t slot) const;
    std::uint64_t Hash(std::string_view text) const;
    void HashIn(std::size_t slot);
    void HashOut(std::size_t slot);
    void Rehash();
    void Append(std::string entry);
    // Marks the slot dead and gives its text back.
    std::string Kill(std::size_t slot);
    // The live slots end to end again, room slots in all.
    void Pack(std::size_t room);

    std::vector<std::string> slots_;
    std::vector<std::uint8_t> alive_;
    // Live slots counted over ranges, one-based (a Fenwick tree), over
    // capacity_ slots.
    std::vector<std::uint32_t> counts_;
    std::size_t capacity_ = 0;
    std::size_t topBit_ = 0;  // the highest power of two not above capacity_
    std::size_t live_ = 0;
    std::size_t oldest_ = 0;  // no live slot before it
    CaseFold fold_{win::CodePage::Cp1252};
    win::CodePage foldedFor_ = win::CodePage::Cp1252;
    // Open addressing, a power of two in size: 0 empty, 1 a slot that died,
    // otherwise the slot plus 2. Every slot is put in once between two
    // rehashes, so the table stays at most two thirds full.
    std::vector<std::uint32_t> table_;
};

}  // namespace skrivo
