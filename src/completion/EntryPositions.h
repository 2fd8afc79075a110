// The positions of a word list's entries at one moment, kept for looking up later.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace skrivo {

// Which slots of a list were alive, 64 a word, and how many before each
// word: a copy of a few kilobytes stands for the positions of thousands of
// entries, each looked up when it is read.
class EntryPositions {
public:
    EntryPositions(std::vector<std::uint64_t> alive, std::vector<std::uint32_t> liveBefore, std::size_t live)
        : alive_(std::move(alive)), liveBefore_(std::move(liveBefore)), live_(live) {}
    // The index in the list (0 = top) of the entry in a slot alive then.
    int PositionOf(std::uint32_t slot) const {
        const std::uint64_t upTo = (slot & 63) == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << ((slot & 63) + 1)) - 1;
        return static_cast<int>(live_ - liveBefore_[slot >> 6] -
                                static_cast<std::size_t>(std::popcount(alive_[slot >> 6] & upTo)));
    }

private:
    std::vector<std::uint64_t> alive_;
    std::vector<std::uint32_t> liveBefore_;
    std::size_t live_;
};

}  // namespace skrivo
