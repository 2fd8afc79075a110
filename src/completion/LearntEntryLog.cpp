// The learnt entries in slots: putting on top, moving up, dropping the oldest, and positions.
#include "completion/LearntEntryLog.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace skrivo {

namespace {

// Room for a quarter as many new words again before the dead slots are
// packed away: a packing moves every entry once, so it comes at most once
// per that many words, and each slot of room costs a string's own bytes.
std::size_t RoomFor(std::size_t live) { return live + live / 4 + 1024; }

}  // namespace

void LearntEntryLog::Assign(std::vector<std::string>&& topFirst) {
    // Turned round in place: a second array of 50,000 strings would stay
    // in the process's memory after the load that needed it.
    std::reverse(topFirst.begin(), topFirst.end());
    slots_ = std::move(topFirst);
    topFirst.clear();
    alive_.assign(slots_.size(), 1);
    Pack(RoomFor(slots_.size()));
}

void LearntEntryLog::Pack(std::size_t room) {
    std::size_t kept = 0;
    for (std::size_t s = 0; s < slots_.size(); ++s)
        if (alive_[s]) {
            if (kept != s) slots_[kept] = std::move(slots_[s]);
            ++kept;
        }
    slots_.resize(kept);
    capacity_ = room;
    slots_.reserve(capacity_);
    alive_.assign(kept, 1);
    alive_.reserve(capacity_);
    topBit_ = std::bit_floor(capacity_);
    // Each node counts the slots of its range; built bottom up in one pass.
    counts_.assign(capacity_ + 1, 0);
    for (std::size_t i = 1; i <= capacity_; ++i) {
        if (i <= kept) counts_[i] += 1;
        const std::size_t parent = i + (i & (~i + 1));
        if (parent <= capacity_) counts_[parent] += counts_[i];
    }
    live_ = kept;
    oldest_ = 0;
    Rehash();
}

void LearntEntryLog::FoldWith(win::CodePage cp) {
    if (cp == foldedFor_) return;
    fold_ = CaseFold(cp);
    foldedFor_ = cp;
    Rehash();
}

std::uint64_t LearntEntryLog::Hash(std::string_view text) const {
    std::uint64_t h = 14695981039346656037ULL;
    for (char c : text) h = (h ^ fold_.Lower(c)) * 1099511628211ULL;
    return h ^ (h >> 29);
}

void LearntEntryLog::Rehash() {
    table_.assign(std::bit_ceil(capacity_ + capacity_ / 2 + 1), 0);
    for (std::size_t s = 0; s < slots_.size(); ++s)
        if (alive_[s]) HashIn(s);
}

void LearntEntryLog::HashIn(std::size_t slot) {
    const std::size_t mask = table_.size() - 1;
    std::size_t i = Hash(slots_[slot]) & mask;
    while (table_[i] > 1) i = (i + 1) & mask;
    table_[i] = static_cast<std::uint32_t>(slot + 2);
}

void LearntEntryLog::HashOut(std::size_t slot) {
    const std::size_t mask = table_.size() - 1;
    for (std::size_t i = Hash(slots_[slot]) & mask; table_[i] != 0; i = (i + 1) & mask)
        if (table_[i] == slot + 2) {
            table_[i] = 1;
            return;
        }
}

std::size_t LearntEntryLog::Find(std::string_view text, bool exact) const {
    if (table_.empty()) return std::string_view::npos;
    const std::size_t mask = table_.size() - 1;
    std::size_t top = 0;  // the newest slot found, plus 1
    for (std::size_t i = Hash(text) & mask; table_[i] != 0; i = (i + 1) & mask) {
        if (table_[i] == 1 || table_[i] - 1 <= top) continue;
        const std::string& e = slots_[table_[i] - 2];
        if (exact ? e == text : fold_.Equal(e, text)) top = table_[i] - 1;
    }
    return top == 0 ? std::string_view::npos : PositionOf(top - 1);
}

std::size_t LearntEntryLog::PositionOf(std::size_t slot) const {
    std::size_t upTo = 0;  // live slots up to and including slot
    for (std::size_t i = slot + 1; i > 0; i -= i & (~i + 1)) upTo += counts_[i];
    return live_ - upTo;
}

std::size_t LearntEntryLog::SlotAt(std::size_t position) const {
    // The slot with (live - position) live slots up to and including it.
    std::size_t left = live_ - position;
    std::size_t at = 0;
    for (std::size_t step = topBit_; step > 0; step >>= 1)
        if (at + step <= capacity_ && counts_[at + step] < left) {
            at += step;
            left -= counts_[at];
        }
    return at;
}

void LearntEntryLog::Append(std::string entry) {
    if (slots_.size() == capacity_) Pack(RoomFor(live_ + 1));
    const std::size_t s = slots_.size();
    slots_.push_back(std::move(entry));
    alive_.push_back(1);
    HashIn(s);
    for (std::size_t i = s + 1; i <= capacity_; i += i & (~i + 1)) ++counts_[i];
    if (live_++ == 0) oldest_ = s;
}

std::string LearntEntryLog::Kill(std::size_t s) {
    HashOut(s);
    alive_[s] = 0;
    std::string text = std::move(slots_[s]);
    for (std::size_t i = s + 1; i <= capacity_; i += i & (~i + 1)) --counts_[i];
    --live_;
    if (s == oldest_ && live_ > 0)
        while (!alive_[oldest_]) ++oldest_;
    return text;
}

void LearntEntryLog::PutOnTop(std::string entry) { Append(std::move(entry)); }

void LearntEntryLog::MoveToTop(std::size_t position) { Append(Kill(SlotAt(position))); }

void LearntEntryLog::MoveToTop(std::size_t position, std::string spelling) {
    Kill(SlotAt(position));
    Append(std::move(spelling));
}

void LearntEntryLog::KeepFirst(std::size_t count) {
    while (live_ > count) Kill(oldest_);
}

void LearntEntryLog::CopyTo(std::vector<std::string>& topFirst) const {
    topFirst.resize(live_);
    std::size_t i = 0;
    EachFromTop([&](const std::string& e) {
        topFirst[i++] = e;
        return true;
    });
}

}  // namespace skrivo
