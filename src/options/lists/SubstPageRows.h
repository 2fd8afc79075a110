// The Substitutions page's list: check-box rows of pattern and replacement, and what its buttons do to them.
#pragma once

#include <optional>
#include <string>

#include "options/lists/SelectableRows.h"
#include "platform/StringList.h"
#include "subst/SubstRows.h"

namespace skrivo::options {

class SubstPageRows : public SelectableRows<subst::TSubstRow> {
public:
    // An odd last line of the record has no partner and shows as no row, but
    // is given back as it was: the page does not drop what it cannot show.
    void Fill(const StringList& pairs);
    StringList Pairs() const;
    subst::TSubstRows SelectedRows() const;

    // A checked row after the single selected one (or at the end), then the
    // only selected row.
    void New(std::string from, std::string to);
    // The single selected row's texts; false when there is none.
    bool Edit(std::string from, std::string to);
    // The selection moves to the old index of a single deleted row (or the
    // last row), else to the first row.
    bool Delete();
    // A copy after the single selected row, which hands the selection on.
    bool Duplicate();
    bool Up() { return MoveSingle(SingleSelected() - 1); }
    bool Down() { return SingleSelected() >= 0 && MoveSingle(SingleSelected() + 1); }
    // Each appended row becomes the only selected one, so the last loaded
    // row ends selected.
    void Append(const subst::TSubstRows& rows);

    bool CanSave() const { return SelectedCount() > 0; }
    bool CanDelete() const { return SelectedCount() > 0; }
    bool CanEdit() const { return SingleSelected() >= 0; }
    bool CanDuplicate() const { return SingleSelected() >= 0; }

private:
    std::optional<std::string> unpaired_;
};

}  // namespace skrivo::options
