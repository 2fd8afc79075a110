// The Macros page's list: rows owning macro copies, sorting by a column and back, and what its buttons do.
#include "options/lists/MacroPageRows.h"

#include <algorithm>

#include "platform/ShortCut.h"

namespace skrivo::options {

void MacroPageRows::Fill(const TMacroList& list) {
    Clear();
    sortColumn_ = -1;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        auto copy = std::make_unique<TMacro>();
        copy->Assign(list[i]);
        copy->FListIndex = static_cast<std::int32_t>(i);
        Add(MacroRow{std::move(copy), static_cast<int>(i)});
    }
    nextOrder_ = static_cast<int>(list.Count());
}

TMacroList MacroPageRows::CopyList() const {
    TMacroList list;
    for (const Row& r : Rows()) {
        auto copy = std::make_unique<TMacro>();
        copy->Assign(*r.value.macro);
        list.Add(std::move(copy));
    }
    return list;
}

std::string MacroPageRows::ShortcutText(std::size_t i) const { return win::ShortCutToText(Macro(i).FShtcut); }

void MacroPageRows::HeaderClick(MacroColumn column) {
    const int c = static_cast<int>(column);
    sortColumn_ = sortColumn_ == c ? -1 : c;
    Sort();
}

void MacroPageRows::Sort() {
    // Texts computed once per row; a comparison must not build them again.
    struct Keyed {
        std::string key;
        Row row;
    };
    const TMacro* focused = Focused() >= 0 ? Rows()[static_cast<std::size_t>(Focused())].value.macro.get() : nullptr;
    std::vector<Keyed> keyed;
    for (std::size_t i = 0; i < Count(); ++i) {
        std::string key;
        if (sortColumn_ == static_cast<int>(MacroColumn::Name)) key = Macro(i).FName;
        if (sortColumn_ == static_cast<int>(MacroColumn::Shortcut)) key = ShortcutText(i);
        keyed.push_back(Keyed{std::move(key), std::move(Rows()[i])});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        // std::string compares as unsigned bytes, as CompareStr does.
        if (a.key != b.key) return a.key < b.key;
        return a.row.value.order < b.row.value.order;
    });
    Rows().clear();
    int newFocus = -1;
    for (Keyed& k : keyed) {
        if (k.row.value.macro.get() == focused) newFocus = static_cast<int>(Rows().size());
        Rows().push_back(std::move(k.row));
    }
    SetFocused(newFocus);
}

bool MacroPageRows::Delete() {
    if (SelectedCount() == 0) return false;
    const auto [first, focused] = RemoveSelected();
    if (Empty()) return true;
    const int at = focused >= 0 ? focused : first;
    SelectOnly(std::min(at, static_cast<int>(Count()) - 1));
    return true;
}

bool MacroPageRows::Rename(std::size_t i, std::string name) {
    if (i >= Count()) return false;
    (*this)[i].macro->SetName(std::move(name));
    return true;
}

bool MacroPageRows::SetShortcut(std::size_t i, std::uint16_t shortCut) {
    if (i >= Count()) return false;
    (*this)[i].macro->SetShtcut(shortCut);
    return true;
}

std::vector<const TMacro*> MacroPageRows::SelectedMacros() const {
    std::vector<const TMacro*> out;
    for (const Row& r : Rows())
        if (r.selected) out.push_back(r.value.macro.get());
    return out;
}

void MacroPageRows::Append(std::vector<std::unique_ptr<TMacro>> macros) {
    if (macros.empty()) return;
    ClearSelection();
    for (auto& m : macros) Add(MacroRow{std::move(m), nextOrder_++}, true);
}

}  // namespace skrivo::options
