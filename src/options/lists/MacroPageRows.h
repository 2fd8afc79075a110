// The Macros page's list: rows owning macro copies, sorting by a column and back, and what its buttons do.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "macros/MacroList.h"
#include "options/lists/SelectableRows.h"

namespace skrivo::options {

struct MacroRow {
    std::unique_ptr<TMacro> macro;
    // Where the row stands in configuration order: the copy's FListIndex, and
    // for macros loaded from files a place after all of those.
    int order = 0;
};

enum class MacroColumn { Name = 0, Shortcut = 1 };

class MacroPageRows : public SelectableRows<MacroRow> {
public:
    // Rows owning copies of the list's macros, each copy knowing its index.
    void Fill(const TMacroList& list);
    // Copies of the rows' macros in row order (the rows keep theirs).
    TMacroList CopyList() const;

    const TMacro& Macro(std::size_t i) const { return *(*this)[i].macro; }
    // The text of the row's second column.
    std::string ShortcutText(std::size_t i) const;

    // Sorted ascending by the column (byte-wise, ties in configuration
    // order); the same column again brings back configuration order.
    void HeaderClick(MacroColumn column);
    // -1 when the rows stand in configuration order.
    int SortColumn() const { return sortColumn_; }

    // The selection then goes to the focused (else first) deleted row's
    // index, or the last row.
    bool Delete();
    bool Up() { return MoveSingle(SingleSelected() - 1); }
    bool Down() { return SingleSelected() >= 0 && MoveSingle(SingleSelected() + 1); }
    bool Top() { return SingleSelected() > 0 && MoveSingle(0); }
    bool Rename(std::size_t i, std::string name);
    bool SetShortcut(std::size_t i, std::uint16_t shortCut);

    std::vector<const TMacro*> SelectedMacros() const;
    // Appended rows become the selection.
    void Append(std::vector<std::unique_ptr<TMacro>> macros);

    bool CanSave() const { return SelectedCount() > 0; }
    bool CanDelete() const { return SelectedCount() > 0; }
    bool CanShortcut() const { return SingleSelected() >= 0; }
    bool CanTop() const { return CanUp(); }

private:
    void Sort();
    int sortColumn_ = -1;
    int nextOrder_ = 0;
};

}  // namespace skrivo::options
