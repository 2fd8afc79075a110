// Rows of a multi-selection list view with a focused row: the selection rules the options pages' buttons follow.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace skrivo::options {

// The view shows the rows as they are here and reports clicks back; every
// rule (what a button needs, where the selection goes after a change) is
// decided on this side, so it is the same for a mouse, the keyboard and a
// scenario.
template <class T>
class SelectableRows {
public:
    struct Row {
        T value;
        bool selected = false;
    };

    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    T& operator[](std::size_t i) { return rows_.at(i).value; }
    const T& operator[](std::size_t i) const { return rows_.at(i).value; }
    bool Selected(std::size_t i) const { return rows_.at(i).selected; }
    int Focused() const { return focused_; }
    void SetFocused(int i) { focused_ = i >= 0 && static_cast<std::size_t>(i) < rows_.size() ? i : -1; }

    int SelectedCount() const {
        return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return r.selected; }));
    }
    std::vector<int> SelectedIndexes() const {
        std::vector<int> out;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].selected) out.push_back(static_cast<int>(i));
        return out;
    }
    // The one selected row, or -1 when none or several are.
    int SingleSelected() const {
        const std::vector<int> s = SelectedIndexes();
        return s.size() == 1 ? s.front() : -1;
    }

    void Select(std::size_t i, bool on) {
        rows_.at(i).selected = on;
        if (on) focused_ = static_cast<int>(i);
    }
    void SelectOnly(int i) {
        for (Row& r : rows_) r.selected = false;
        if (i >= 0 && static_cast<std::size_t>(i) < rows_.size()) {
            rows_[static_cast<std::size_t>(i)].selected = true;
            focused_ = i;
        } else {
            focused_ = -1;
        }
    }
    void ClearSelection() { SelectOnly(-1); }

    void Clear() {
        rows_.clear();
        focused_ = -1;
    }
    void Add(T value, bool selected = false) { Insert(rows_.size(), std::move(value), selected); }
    void Insert(std::size_t at, T value, bool selected = false) {
        at = std::min(at, rows_.size());
        rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), Row{std::move(value), selected});
        if (focused_ >= static_cast<int>(at)) ++focused_;
        if (selected) focused_ = static_cast<int>(at);
    }
    // Removes the selected rows; returns the index the first of them had and
    // the focused one among them (-1 when the focus was elsewhere).
    std::pair<int, int> RemoveSelected() {
        int first = -1;
        int focusedRemoved = -1;
        std::vector<Row> kept;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            if (!rows_[i].selected) {
                kept.push_back(std::move(rows_[i]));
                continue;
            }
            if (first < 0) first = static_cast<int>(i);
            if (static_cast<int>(i) == focused_) focusedRemoved = focused_;
        }
        rows_ = std::move(kept);
        focused_ = -1;
        return {first, focusedRemoved};
    }
    // Moves the single selected row to a new place; it stays the selected and
    // focused row. False when there is not exactly one selected or it would
    // not move.
    bool MoveSingle(int to) {
        const int from = SingleSelected();
        if (from < 0 || to < 0 || static_cast<std::size_t>(to) >= rows_.size() || to == from) return false;
        Row row = std::move(rows_[static_cast<std::size_t>(from)]);
        rows_.erase(rows_.begin() + from);
        rows_.insert(rows_.begin() + to, std::move(row));
        focused_ = to;
        return true;
    }

    // The buttons' rules.
    bool CanUp() const { return SingleSelected() > 0; }
    bool CanDown() const {
        const int s = SingleSelected();
        return s >= 0 && static_cast<std::size_t>(s) + 1 < rows_.size();
    }

    std::vector<Row>& Rows() { return rows_; }
    const std::vector<Row>& Rows() const { return rows_; }

private:
    std::vector<Row> rows_;
    int focused_ = -1;
};

}  // namespace skrivo::options
