// The filled suggestion list: its rows in display order, the best word, and the selected and focused rows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "completion/EntryPositions.h"

namespace skrivo {

struct SuggestionItem {
    std::string text;
    int dictIndex = 0;
    friend bool operator==(const SuggestionItem&, const SuggestionItem&) = default;
};

// Whether the text holds a tab or a byte above 127, read eight bytes at a time.
inline bool HoldsTabOrHighByte(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t bytes;
        std::memcpy(&bytes, text.data() + i, 8);
        const std::uint64_t tabsZeroed = bytes ^ (kOnes * '\t');
        if ((bytes & kHighBits) != 0 || ((tabsZeroed - kOnes) & ~tabsZeroed & kHighBits) != 0) return true;
    }
    for (; i < text.size(); ++i)
        if (text[i] == '\t' || static_cast<unsigned char>(text[i]) >= 0x80) return true;
    return false;
}

// Words many lists show, kept once: the thousands of single words of one
// word list, as they stood when they last changed. Every content filled from
// that list meanwhile shows rows of it instead of a copy.
struct SharedSuggestionWords {
    struct Word {
        std::uint32_t start;
        std::uint32_t length;
        std::uint32_t slot = 0;  // its entry's, for its position in the learnt dictionary
    };
    std::string text;
    std::vector<Word> rows;
    // Whether a text holds a tab or a byte above 127, for a bound of the
    // widest caption; may stay true when such a word is gone.
    bool tabOrHighByte = false;
    // The words these were made from by a few edits, and where each of
    // these stood there (kNew for one put in since): what was measured of
    // those carries over. Empty when made anew.
    static constexpr std::uint32_t kNew = 0xFFFFFFFFu;
    std::weak_ptr<const SharedSuggestionWords> madeFrom;
    std::vector<std::uint32_t> madeFromIndex;
};

// Rows keep their texts end to end in one buffer: a list of thousands of
// words is then two allocations, not one per word, and copying it is cheap.
// A content may also show rows of shared words; its own rows and those then
// stand in the order given by a table of references.
class SuggestionListContent {
public:
    std::size_t Count() const { return shared_ ? order_.size() : rows_.size(); }
    bool Empty() const { return Count() == 0; }
    std::string_view Text(std::size_t row) const {
        if (!shared_) return std::string_view(text_).substr(rows_[row].start, rows_[row].length);
        const std::uint32_t ref = order_[row];
        if (ref & kOwnRow) return OwnText(ref & ~kOwnRow);
        const SharedSuggestionWords::Word& w = shared_->rows[ref];
        return std::string_view(shared_->text).substr(w.start, w.length);
    }
    // The length of a row's text, without building a view of it.
    std::size_t Length(std::size_t row) const { return Text(row).size(); }
    // The entry's index in the self-teaching dictionary, 0 for other lists.
    int DictIndex(std::size_t row) const {
        if (!shared_) return rows_[row].dictIndex;
        const std::uint32_t ref = order_[row];
        if (ref & kOwnRow) return rows_[ref & ~kOwnRow].dictIndex;
        return sharedPositions_ ? sharedPositions_->PositionOf(shared_->rows[ref].slot) : 0;
    }
    SuggestionItem Item(std::size_t row) const { return {std::string(Text(row)), DictIndex(row)}; }

    // The rows the content holds itself, in the order they were added, and
    // their texts end to end; without shared words these are all its rows.
    std::size_t OwnCount() const { return rows_.size(); }
    std::string_view OwnText(std::size_t own) const { return std::string_view(text_).substr(rows_[own].start, rows_[own].length); }
    std::string_view AllOwnText() const { return text_; }
    // The shared words shown, nullptr for none, and which of them a row is
    // (npos for one of its own).
    const SharedSuggestionWords* Shared() const { return shared_.get(); }
    const std::shared_ptr<const SharedSuggestionWords>& SharedHandle() const { return shared_; }
    std::size_t SharedIndex(std::size_t row) const {
        return shared_ && (order_[row] & kOwnRow) == 0 ? order_[row] : static_cast<std::size_t>(-1);
    }
    // Whether one of the shared words is among the rows.
    bool ShowsShared(std::uint32_t word) const { return std::binary_search(shown_.begin(), shown_.end(), word); }

    void Reserve(std::size_t rows, std::size_t textBytes) {
        rows_.reserve(rows);
        text_.reserve(textBytes);
    }
    void Add(std::string_view text, int dictIndex) {
        rows_.push_back({static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(text.size()), dictIndex});
        text_.append(text);
    }
    // Shows rows of shared words among the own rows added: each of order
    // is a shared word's index, or OwnRow(i) for the i-th own row. The
    // shared words' dictionary indexes are their entries' positions (none:
    // 0).
    // The shared words must stand in order of their indexes, as they stand
    // in the display order.
    static constexpr std::uint32_t OwnRow(std::uint32_t own) { return own | kOwnRow; }
    void Show(std::shared_ptr<const SharedSuggestionWords> shared, std::shared_ptr<const EntryPositions> positions,
              std::vector<std::uint32_t> order) {
        shared_ = std::move(shared);
        sharedPositions_ = std::move(positions);
        order_ = std::move(order);
        shown_.clear();
        shown_.reserve(order_.size());
        for (const std::uint32_t ref : order_)
            if ((ref & kOwnRow) == 0) shown_.push_back(ref);
    }

    // Fills an empty content with a known number of rows and text bytes,
    // without growing either on the way.
    class Writer {
    public:
        Writer(SuggestionListContent& content, std::size_t rows, std::size_t textBytes) : content_(content) {
            content_.rows_.resize(rows);
            content_.text_.resize(textBytes);
        }
        void Add(std::string_view text, int dictIndex) {
            content_.rows_[row_++] = {static_cast<std::uint32_t>(at_), static_cast<std::uint32_t>(text.size()), dictIndex};
            char* out = content_.text_.data() + at_;
            for (char c : text) *out++ = c;  // words are short: a call per word would cost more
            at_ += text.size();
        }
        void Finish() {
            content_.rows_.resize(row_);
            content_.text_.resize(at_);
        }

    private:
        SuggestionListContent& content_;
        std::size_t row_ = 0;
        std::size_t at_ = 0;
    };

    std::optional<std::string> bestWord;
    int selected = -1;  // rows, -1 for none
    int focused = -1;

    friend bool operator==(const SuggestionListContent& a, const SuggestionListContent& b);

private:
    static constexpr std::uint32_t kOwnRow = 0x80000000u;
    struct Row {
        std::uint32_t start;
        std::uint32_t length;
        int dictIndex;
    };
    std::string text_;
    std::vector<Row> rows_;
    std::shared_ptr<const SharedSuggestionWords> shared_;
    std::shared_ptr<const EntryPositions> sharedPositions_;
    std::vector<std::uint32_t> order_;
    std::vector<std::uint32_t> shown_;  // the shared words' indexes in order_, ascending
};

inline bool operator==(const SuggestionListContent& a, const SuggestionListContent& b) {
    if (a.Count() != b.Count() || a.bestWord != b.bestWord || a.selected != b.selected || a.focused != b.focused)
        return false;
    for (std::size_t i = 0; i < a.Count(); ++i)
        if (a.Text(i) != b.Text(i) || a.DictIndex(i) != b.DictIndex(i)) return false;
    return true;
}

}  // namespace skrivo
