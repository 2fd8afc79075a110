// Showing a page's row state in its list view and taking the user's selection back.
#pragma once

#include <QSignalBlocker>
#include <QTreeWidget>

#include "options/lists/SelectableRows.h"

namespace skrivo {

// Rebuilds the list from the rows (fill sets one item's texts), with their
// selection and focused row, the focused row scrolled into view.
template <class T, class Fill>
void ShowRows(QTreeWidget* list, const options::SelectableRows<T>& rows, Fill fill) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        auto* item = new QTreeWidgetItem(list);
        fill(*item, rows[i]);
    }
    const int focused = rows.Focused();
    if (QTreeWidgetItem* item = list->topLevelItem(focused)) {
        list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        list->scrollToItem(item);
    }
    for (std::size_t i = 0; i < rows.Count(); ++i) list->topLevelItem(static_cast<int>(i))->setSelected(rows.Selected(i));
}

// The list's selection and current row into the rows.
template <class T>
void TakeSelection(const QTreeWidget* list, options::SelectableRows<T>& rows) {
    for (std::size_t i = 0; i < rows.Count(); ++i)
        if (const QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(i))) rows.Select(i, item->isSelected());
    rows.SetFocused(list->indexOfTopLevelItem(list->currentItem()));
}

}  // namespace skrivo
