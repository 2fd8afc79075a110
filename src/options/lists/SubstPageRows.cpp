// The Substitutions page's list: check-box rows of pattern and replacement, and what its buttons do to them.
#include "options/lists/SubstPageRows.h"

namespace skrivo::options {

void SubstPageRows::Fill(const StringList& pairs) {
    Clear();
    for (subst::TSubstRow& row : subst::SubstRowsFromList(pairs)) Add(std::move(row));
    unpaired_.reset();
    if (pairs.Count() % 2 == 1) unpaired_ = pairs[pairs.Count() - 1];
}

StringList SubstPageRows::Pairs() const {
    subst::TSubstRows rows;
    for (const Row& r : Rows()) rows.push_back(r.value);
    StringList pairs = subst::SubstListFromRows(rows);
    if (unpaired_) pairs.Add(*unpaired_);
    return pairs;
}

subst::TSubstRows SubstPageRows::SelectedRows() const {
    subst::TSubstRows rows;
    for (const Row& r : Rows())
        if (r.selected) rows.push_back(r.value);
    return rows;
}

void SubstPageRows::New(std::string from, std::string to) {
    const int single = SingleSelected();
    const std::size_t at = single >= 0 ? static_cast<std::size_t>(single) + 1 : Count();
    ClearSelection();
    Insert(at, subst::TSubstRow{std::move(from), std::move(to), true});
    SelectOnly(static_cast<int>(at));
}

bool SubstPageRows::Edit(std::string from, std::string to) {
    const int single = SingleSelected();
    if (single < 0) return false;
    subst::TSubstRow& row = (*this)[static_cast<std::size_t>(single)];
    row.from = std::move(from);
    row.to = std::move(to);
    return true;
}

bool SubstPageRows::Delete() {
    const int single = SingleSelected();
    if (SelectedCount() == 0) return false;
    RemoveSelected();
    if (Empty()) return true;
    if (single >= 0)
        SelectOnly(std::min(single, static_cast<int>(Count()) - 1));
    else
        SelectOnly(0);
    return true;
}

bool SubstPageRows::Duplicate() {
    const int single = SingleSelected();
    if (single < 0) return false;
    subst::TSubstRow copy = (*this)[static_cast<std::size_t>(single)];
    Insert(static_cast<std::size_t>(single) + 1, std::move(copy));
    SelectOnly(single + 1);
    return true;
}

void SubstPageRows::Append(const subst::TSubstRows& rows) {
    for (const subst::TSubstRow& row : rows) {
        Add(row);
        SelectOnly(static_cast<int>(Count()) - 1);
    }
}

}  // namespace skrivo::options
