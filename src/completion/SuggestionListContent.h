// The filled suggestion list: its rows in display order, the best word, and the selected and focused rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

struct SuggestionItem {
    std::string text;
    int dictIndex = 0;
    friend bool operator==(const SuggestionItem&, const SuggestionItem&) = default;
};

// Rows keep their texts end to end in one buffer: a list of thousands of
// words is then two allocations, not one per word, and copying it is cheap.
class SuggestionListContent {
public:
    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    std::string_view Text(std::size_t row) const {
        const Row& r = rows_[row];
        return std::string_view(text_).substr(r.start, r.length);
    }
    // The length of a row's text, without building a view of it.
    std::size_t Length(std::size_t row) const { return rows_[row].length; }
    // Every row's text end to end, in row order.
    std::string_view AllText() const { return text_; }
    // The entry's index in the self-teaching dictionary, 0 for other lists.
    int DictIndex(std::size_t row) const { return rows_[row].dictIndex; }
    SuggestionItem Item(std::size_t row) const { return {std::string(Text(row)), DictIndex(row)}; }

    void Reserve(std::size_t rows, std::size_t textBytes) {
        rows_.reserve(rows);
        text_.reserve(textBytes);
    }
    void Add(std::string_view text, int dictIndex) {
        rows_.push_back({static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(text.size()), dictIndex});
        text_.append(text);
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
    struct Row {
        std::uint32_t start;
        std::uint32_t length;
        int dictIndex;
    };
    std::string text_;
    std::vector<Row> rows_;
};

inline bool operator==(const SuggestionListContent& a, const SuggestionListContent& b) {
    if (a.Count() != b.Count() || a.bestWord != b.bestWord || a.selected != b.selected || a.focused != b.focused)
        return false;
    for (std::size_t i = 0; i < a.Count(); ++i)
        if (a.Text(i) != b.Text(i) || a.DictIndex(i) != b.DictIndex(i)) return false;
    return true;
}

}  // namespace skrivo
